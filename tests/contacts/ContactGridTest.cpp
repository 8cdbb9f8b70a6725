// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace kalto {
namespace {

// A square of the Moon with a target of 10°, orb 2°: entering at 98° 01',
// exact at 100° 00' 20", leaving at 101° 59'.
ContactRecordPtr Square(int index, TDateTime start) {
    auto record = std::make_shared<ContactRecord>();
    record->BodyIndex = Lun - 1;
    record->PositionText = " 10\u00B0 00' 00\"";
    record->Index = index;
    record->StartTime = start;
    record->ExactTime = start + 0.25;
    record->EndTime = start + 0.5;
    record->ContactAngle = 90;
    record->StartLongitude = 98 + 1.0 / 60;
    record->ExactLongitude = 100 + 20.0 / 3600;
    record->EndLongitude = 101 + 59.0 / 60;
    record->MomentsFound = ContactMomentCount;
    return record;
}

ContactRecordPtr Conjunction(int index, TDateTime start) {
    auto record = Square(index, start);
    record->ContactAngle = 0;
    record->StartLongitude = 8 + 1.0 / 60;
    record->ExactLongitude = 10;
    record->EndLongitude = 11 + 59.0 / 60;
    return record;
}

ContactResults Results(ContactRecordList list) {
    ContactResults results;
    results.ContactList = list;
    results.SortedContactList = std::move(list);
    results.LastTarget = 10;
    results.LastOrb = 2;
    return results;
}

const DateFormatNames Names = SpanishDateFormatNames();

TEST(ContactGrid, WindowRowsShowEachShownRecordWithItsOwnIndex) {
    // 2027-01-05 14:30:00 local.
    const TDateTime start = EncodeDate(2027, 1, 5) + 14.5 / 24;
    const ContactResults results = Results({Conjunction(0, start), Square(1, start + 1), Conjunction(2, start + 2)});
    ContactResults filtered = results;
    filtered.Filter[6] = false;  // button "7" hides the square
    const ContactGridFill fill = FillContactGrid(ContactGridMode::Window, filtered.SortedContactList, filtered, Names);

    ASSERT_EQ(fill.Grid.size(), 3u);
    EXPECT_EQ(fill.Grid[0], (std::vector<std::string>{"", "No.", "Pla.", "Pos.", "Inicia", "Partil", "Finaliza",
                                                      "Dur. Aprox.", "Contacto"}));
    EXPECT_EQ(fill.Grid[1],
              (std::vector<std::string>{"0", " 1", "Lun", " 10\u00B0 00' 00\"", "ene-05-2027, mar, 02:30:00 pm",
                                        "ene-05-2027, mar, 08:30:00 pm", "ene-06-2027, mié, 02:30:00 am",
                                        " 12h 00m 00s", " 00\u00B0 00' 00\""}));
    // Renumbered 1..n; column 0 keeps the record's own Index.
    EXPECT_EQ(fill.Grid[2][0], "2");
    EXPECT_EQ(fill.Grid[2][1], " 2");
    EXPECT_EQ(fill.ShownContactList, (ContactRecordList{results.SortedContactList[0], results.SortedContactList[2]}));
}

TEST(ContactGrid, ExportRowsLeaveOutTheFindingOrder) {
    const ContactResults results = Results({Square(7, EncodeDate(2027, 2, 1))});
    const ContactGridFill fill = FillContactGrid(ContactGridMode::Export, results.SortedContactList, results, Names);
    ASSERT_EQ(fill.Grid.size(), 2u);
    EXPECT_EQ(fill.Grid[0], (std::vector<std::string>{"No.", "Pla.", "Pos.", "Inicia", "Partil", "Finaliza",
                                                      "Dur. Aprox.", "Contacto"}));
    EXPECT_EQ(fill.Grid[1].size(), 8u);
    EXPECT_EQ(fill.Grid[1][0], " 1");
    EXPECT_EQ(fill.Grid[1][7], " 90\u00B0 00' 00\"");
}

TEST(ContactGrid, NothingShownGivesATitleRowAnEmptyRowAndAnEmptyDetail) {
    ContactResults results = Results({Square(0, 100), Conjunction(1, 101)});
    results.Filter = NoAngleBands;
    for (const ContactGridMode mode : {ContactGridMode::Window, ContactGridMode::Export}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const ContactGridFill fill = FillContactGrid(mode, results.SortedContactList, results, Names);
        EXPECT_TRUE(fill.ShownContactList.empty());
        ASSERT_EQ(fill.Grid.size(), 2u);
        EXPECT_EQ(fill.Grid[1], std::vector<std::string>(fill.Grid[0].size()));
        ASSERT_EQ(fill.Detail.size(), 2u);
        EXPECT_EQ(fill.Detail[1], std::vector<std::string>(7));
    }
    const ContactResults reset = Results({});
    EXPECT_EQ(FillContactGrid(ContactGridMode::Window, reset.SortedContactList, reset, Names).Grid.size(), 2u);
}

TEST(ContactGrid, DetailMeasuresPrecisionFromTheExactAngleAndTheNearerEdgeOfTheOrb) {
    const TDateTime start = EncodeDate(2027, 3, 1) + 6.25 / 24;
    const GridCells detail = FillContactDetail(*Square(0, start), 10, 2, Names);
    ASSERT_EQ(detail.size(), 4u);
    EXPECT_EQ(detail[0], (std::vector<std::string>{"Det.", "Fecha", "Hora", "Angulo", "Pos. Zodíaco", "Pos. Eclíptica",
                                                   "Precisión"}));
    EXPECT_EQ(detail[1],
              (std::vector<std::string>{"inicia", "mar-01-2027, lun", "06:15:00 am", " 88\u00B0 01' 00\"",
                                        " 08\u00B0 01' 00\"Can", " 98\u00B0 01' 00\"", " 00\u00B0 01' 00\""}));
    EXPECT_EQ(detail[2][0], "partil");
    EXPECT_EQ(detail[2][3], " 90\u00B0 00' 20\"");
    EXPECT_EQ(detail[2][6], " 00\u00B0 00' 20\"");
    EXPECT_EQ(detail[3][0], "finaliza");
    EXPECT_EQ(detail[3][3], " 91\u00B0 59' 00\"");
    EXPECT_EQ(detail[3][6], " 00\u00B0 01' 00\"");
}

TEST(ContactGrid, DetailFoldsSeparationsAcrossZeroAndOneEighty) {
    auto opposition = Square(0, 100);
    opposition->ContactAngle = 180;
    opposition->StartLongitude = 184;              // 174° from the target at 358°
    opposition->ExactLongitude = 178 + 1.0 / 120;  // 179° 59' 30"
    opposition->EndLongitude = 172 + 1.0 / 60;     // 174° 01'
    const GridCells detail = FillContactDetail(*opposition, 358, 6, Names);
    EXPECT_EQ(detail[1][3], " 174\u00B0 00' 00\"");
    EXPECT_EQ(detail[1][6], " 00\u00B0 00' 00\"");
    EXPECT_EQ(detail[2][3], " 179\u00B0 59' 30\"");
    EXPECT_EQ(detail[2][6], " 00\u00B0 00' 30\"");
    EXPECT_EQ(detail[3][3], " 174\u00B0 01' 00\"");
    EXPECT_EQ(detail[3][6], " 00\u00B0 01' 00\"");
}

TEST(ContactGrid, SelectingARowShowsThatRowsOwnContact) {
    // Two searches: their Index values repeat.
    const ContactResults results = Results(
        {Square(0, EncodeDate(2027, 1, 1)), Square(0, EncodeDate(2027, 1, 2)), Square(1, EncodeDate(2027, 1, 3))});
    const ContactGridFill fill = FillContactGrid(ContactGridMode::Window, results.SortedContactList, results, Names);
    EXPECT_EQ(fill.Detail, FillContactDetail(*fill.ShownContactList[0], 10, 2, Names));
    for (std::size_t row = 1; row <= fill.ShownContactList.size(); ++row) {
        SCOPED_TRACE(row);
        const GridCells detail = FillContactDetail(*fill.ShownContactList[row - 1], 10, 2, Names);
        EXPECT_EQ(fill.Grid[row][4].substr(0, 11), detail[1][1].substr(0, 11));
    }
}

TEST(ContactGrid, MomentsBeyondTheScanBoundShowAsUndetermined) {
    auto record = Square(0, EncodeDate(2027, 1, 1));
    record->MomentsFound = 1;
    record->ExactTime = record->EndTime = 0;
    record->ExactLongitude = record->EndLongitude = 0;
    ContactResults results = Results({record});
    const ContactGridFill fill = FillContactGrid(ContactGridMode::Window, results.SortedContactList, results, Names);
    EXPECT_EQ(fill.Grid[1][4], "ene-01-2027, vie, 12:00:00 am");
    EXPECT_EQ(fill.Grid[1][5], UnfoundMomentText);
    EXPECT_EQ(fill.Grid[1][6], UnfoundMomentText);
    EXPECT_EQ(fill.Grid[1][7], UnfoundMomentText);
    EXPECT_EQ(fill.Detail[1][1], "ene-01-2027, vie");
    EXPECT_EQ(fill.Detail[2], (std::vector<std::string>{"partil", std::string(UnfoundMomentText), "", "", "", "", ""}));
    EXPECT_EQ(fill.Detail[3][0], "finaliza");
    EXPECT_EQ(fill.Detail[3][1], UnfoundMomentText);
}

}  // namespace
}  // namespace kalto
