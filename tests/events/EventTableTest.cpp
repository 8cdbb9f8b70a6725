// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventTable.h"

#include <gtest/gtest.h>

namespace kalto {
namespace {

TEST(EventTable, TextsOfEveryKind) {
    struct Case {
        EventKind Kind;
        int Detail, Other;
        const char* Text;
    };
    const Case cases[] = {
        {EventKind::Station, -1, 0, "estación retrógrada"},
        {EventKind::Station, 1, 0, "estación directa"},
        {EventKind::Ingress, 1, 0, "ingreso en Tau"},
        {EventKind::MoonIngress, 10, 0, "ingreso en Acu"},
        {EventKind::Phase, 0, 0, "luna nueva"},
        {EventKind::Phase, 1, 0, "cuarto creciente"},
        {EventKind::Phase, 2, 0, "luna llena"},
        {EventKind::Phase, 3, 0, "cuarto menguante"},
        {EventKind::Aspect, 0, Jup, "conjunción Jup"},
        {EventKind::Aspect, 60, Sat, "sextil Sat"},
        {EventKind::Aspect, 90, Sat, "cuadratura Sat"},
        {EventKind::Aspect, 120, Ura, "trígono Ura"},
        {EventKind::Aspect, 180, Plu, "oposición Plu"},
        {EventKind::VoidOfCourse, 0, 0, "luna vacía de curso"},
    };
    for (const Case& c : cases) EXPECT_EQ(EventText(c.Kind, c.Detail, c.Other), c.Text);
}

// The CSV line: local moment and end on the wall clock, the universal moment
// with Z, the longitude in degrees.
TEST(EventTable, CsvLineOnTheWallClock) {
    Event period{.Time = EncodeDate(2027, 3, 1) + 0.5,
                 .Body = Lun,
                 .Kind = EventKind::VoidOfCourse,
                 .Longitude = 123.25,
                 .End = EncodeDate(2027, 3, 2) + 0.25,
                 .Text = "luna vacía de curso"};
    EXPECT_EQ(EventCsvLine(period, WallClock(-3.0)),
              "2027-03-01T09:00:00,Lun,luna vacía de curso,123.25,2027-03-02T03:00:00,2027-03-01T12:00:00Z");
    const Event ingress{.Time = EncodeDate(2027, 3, 20) + 0.85,
                        .Body = Sol,
                        .Kind = EventKind::Ingress,
                        .Detail = 0,
                        .Longitude = 0,
                        .Text = "ingreso en Ari"};
    EXPECT_EQ(EventCsvLine(ingress, WallClock()), "2027-03-20T20:24:00,Sol,ingreso en Ari,0,,2027-03-20T20:24:00Z");
    EXPECT_EQ(EventCells(ingress, WallClock(), SpanishDateFormatNames())[EventLongitude], " 00° 00' 00\" Ari");
}

TEST(EventTable, FilterByKindAndBody) {
    const Event station{.Body = Mer, .Kind = EventKind::Station};
    EXPECT_TRUE(EventFilter{}.Shows(station));
    EXPECT_TRUE((EventFilter{EventKind::Station, Mer}.Shows(station)));
    EXPECT_FALSE((EventFilter{EventKind::Ingress, 0}.Shows(station)));
    EXPECT_FALSE((EventFilter{std::nullopt, Ven}.Shows(station)));
}

}  // namespace
}  // namespace kalto
