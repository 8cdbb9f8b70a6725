// SPDX-License-Identifier: GPL-3.0-or-later
#include "AllBodiesTable.h"

#include "EphemerisRun.h"
#include "EphemerisStep.h"
#include "TextForms.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace kalto {
namespace {

std::unique_ptr<EphemerisRowSet> RunOver(TDateTime start, TDateTime end, int stepsPerDay) {
    const EphemerisRequest request{.StartDate = start,
                                   .EndDate = end,
                                   .SpanDays = static_cast<int>(end - start) + 1,
                                   .StepsPerDay = stepsPerDay,
                                   .Clock = WallClock(1.0),
                                   .Evaluation = SeriesEvaluation::Fitted};
    EphemerisProgress progress;
    return RunEphemeris(request, progress, 1);
}

TEST(AllBodiesTable, CompactSignNotation) {
    struct Case {
        double longitude;
        const char* text;
    };
    const Case cases[] = {
        {0, "00 Ari 00"},       {134.37, "14 Leo 22"}, {299.9999, "00 Acu 00"},
        {359.995, "00 Ari 00"}, {329.5, "29 Acu 30"},  {29.991, "29 Ari 59"},
        {29.9917, "00 Tau 00"}, {-0.5, "29 Pis 30"},   {720.25, "00 Ari 15"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompactSignText(c.longitude), c.text) << c.longitude;
    }
}

// Each body's column is that body's row of the single-body table: the same
// instant and, to the minute, the same place in the same sign.
TEST(AllBodiesTable, TheRowsOfEveryBodyAsTheSingleBodyTableShowsThem) {
    const auto rows = RunOver(EncodeDate(2027, 3, 1), EncodeDate(2027, 3, 2), 24);
    const MotionMarks marks(*rows);
    const DateFormatNames names = SpanishDateFormatNames();
    for (std::size_t row = 0; row < rows->RowCount(); row += 7) {
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            const EphemerisRow& single = rows->Bodies[static_cast<std::size_t>(body)][row];
            const int line = static_cast<int>(row) + 1;
            EXPECT_EQ(AllBodiesCellText(*rows, marks, row, 1, names),
                      EphemerisCellText(single, line, 1, names, rows->Clock));
            EXPECT_EQ(AllBodiesCellText(*rows, marks, row, 2, names),
                      EphemerisCellText(single, line, 3, names, rows->Clock));
            const std::string cell = AllBodiesCellText(*rows, marks, row, FirstBodyColumn + body - FirstBody, names);
            const CompactSign parts = CompactSignOf(single.Longitude);
            const double shown = parts.Sign * 30 + parts.Degrees + parts.Minutes / 60.0;
            EXPECT_LE(std::fabs(std::remainder(shown - single.Longitude, 360.0)), 0.5 / 60 + 1e-9) << cell;
            EXPECT_EQ(cell.substr(0, 9), CompactSignText(single.Longitude));
        }
    }
}

// Over 2027 day by day: Mercury's marks against its stations found from the
// full series, the rows between a turn retrograde and a turn direct marked
// "R"; the Sun, the Moon and the node unmarked.
TEST(AllBodiesTable, RetrogradeMarksAndStations) {
    const TDateTime start = EncodeDate(2027, 1, 1);
    const auto rows = RunOver(start, EncodeDate(2027, 12, 31), 1);
    const MotionMarks marks(*rows);
    Engine engine(SeriesEvaluation::Direct);
    const auto longitude = [&engine, &rows](std::size_t row) {
        return ComputeAllBodies(engine, LocalToJDE(rows->Bodies[Sol][row].UniversalTime, 0).jde)[Mer].Longitude;
    };
    // The days on which the daily motion changes direction.
    std::vector<std::size_t> turns;
    for (std::size_t row = 1; row + 1 < rows->RowCount(); ++row) {
        const double before = std::remainder(longitude(row) - longitude(row - 1), 360.0);
        const double after = std::remainder(longitude(row + 1) - longitude(row), 360.0);
        if ((before < 0) != (after < 0)) turns.push_back(row);
    }
    ASSERT_GE(turns.size(), 6U);  // three retrograde periods a year
    std::vector<std::size_t> marked;
    bool retrograde = false;
    for (std::size_t row = 0; row < rows->RowCount(); ++row) {
        const std::string_view mark = marks.Mark(Mer, row);
        if (mark == "SR" || mark == "SD") {
            marked.push_back(row);
            retrograde = mark == "SR";
        } else {
            EXPECT_EQ(mark, retrograde ? "R" : "") << row;
        }
        for (const int body : {Sol, Lun, Nod}) EXPECT_EQ(marks.Mark(body, row), "");
    }
    ASSERT_EQ(marked.size(), turns.size());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        EXPECT_LE(std::max(marked[i], turns[i]) - std::min(marked[i], turns[i]), 1U) << i;
    }
}

}  // namespace
}  // namespace kalto
