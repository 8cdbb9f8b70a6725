// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyLongitude.h"

#include "DateTime.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <string>

namespace kalto {
namespace {

// The lean evaluation must give the very bits of the full sequence, for every
// body, at instants across the centuries and in several zones, whatever the
// engine computed before; with the series fitted or summed directly.
void ExpectLeanEqualsFull(SeriesEvaluation evaluation) {
    Engine full(evaluation);
    Engine lean(evaluation);  // shared by all bodies on purpose
    const double zones[] = {0, -5, 5.75, 11.99};
    int instants = 0;
    for (int year = 1750; year <= 2250; year += 25) {
        for (const int month : {1, 4, 7, 10}) {
            const double zone = zones[instants % 4];
            const TDateTime local = EncodeDate(year, month, 1 + instants % 28) + (instants % 97) / 97.0;
            const double offset = ZoneOffset(zone);
            const double jde = LocalToJDE(local, offset).jde;
            ++instants;
            for (int body = FirstBody; body <= LastComputedBody; ++body) {
                SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + " body " + std::to_string(body));
                const double expected = BodyLongitudeAt(full, body, local, offset);
                EXPECT_EQ(ContactLongitude(lean, body, jde), expected);
            }
        }
    }
}

TEST(BodyLongitude, LeanEvaluationIsBitIdenticalToTheFullSequence) {
    for (const SeriesEvaluation evaluation : {SeriesEvaluation::Fitted, SeriesEvaluation::Direct}) {
        SCOPED_TRACE(evaluation == SeriesEvaluation::Fitted ? "fitted" : "direct");
        ExpectLeanEqualsFull(evaluation);
    }
}

}  // namespace
}  // namespace kalto
