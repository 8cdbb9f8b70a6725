// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactResults.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kalto {
namespace {

ContactRecordPtr Record(int index, TDateTime start, double angle) {
    auto record = std::make_shared<ContactRecord>();
    record->Index = index;
    record->StartTime = start;
    record->ExactTime = start + 0.5;
    record->EndTime = start + 1;
    record->ContactAngle = angle;
    record->MomentsFound = ContactMomentCount;
    return record;
}

ContactSearchResult Completed(ContactRecordList contacts) {
    return {std::move(contacts), true};
}

TEST(ContactResults, AngleBandsOfFifteenDegrees) {
    const std::pair<double, int> cases[] = {
        {0, 0},    {14.99, 0},  {15, 1},   {89.9, 5}, {90, 6},   {104.99, 6}, {105, 7},
        {165, 11}, {179.9, 11}, {180, 12}, {183, 12}, {185, 12}, {200, 12},   {-3, 0},
    };
    for (const auto& [angle, band] : cases) {
        SCOPED_TRACE(angle);
        EXPECT_EQ(AngleBand(angle), band);
    }
}

TEST(ContactResults, FilterHidesTheSwitchedOffBandsAndKeepsTheOrder) {
    const ContactRecordList list = {Record(0, 10, 0), Record(1, 11, 90), Record(2, 12, 104), Record(3, 13, 105),
                                    Record(4, 14, 183)};
    AngleFilter filter = AllAngleBands;
    EXPECT_EQ(FilterByAngle(list, filter), list);
    filter[6] = false;  // button "7": 90° to under 105°
    EXPECT_EQ(FilterByAngle(list, filter), (ContactRecordList{list[0], list[3], list[4]}));
    filter[12] = false;  // the thirteenth button
    EXPECT_EQ(FilterByAngle(list, filter), (ContactRecordList{list[0], list[3]}));
    EXPECT_TRUE(FilterByAngle(list, NoAngleBands).empty());
}

TEST(ContactResults, TwoSearchesWithoutCleaningAreSortedTogetherAndShareTheirRecords) {
    ContactResults results;
    ContactSearchInput first;
    first.Position = {100, 0, 0};
    first.Orb = 1;
    const ContactSearchResult a = Completed({Record(0, 50, 0), Record(1, 70, 90)});
    const ContactSearchResult b = Completed({Record(0, 40, 0), Record(1, 60, 90), Record(2, 80, 180)});
    ASSERT_TRUE(CommitContactSearch(results, a, first, true));
    ContactSearchInput second = first;
    second.Position = {200, 30, 0};
    second.Orb = 2.5;
    ASSERT_TRUE(CommitContactSearch(results, b, second, false));

    EXPECT_EQ(results.ContactList,
              (ContactRecordList{a.Contacts[0], a.Contacts[1], b.Contacts[0], b.Contacts[1], b.Contacts[2]}));
    EXPECT_EQ(results.SortedContactList,
              (ContactRecordList{b.Contacts[0], a.Contacts[0], b.Contacts[1], a.Contacts[1], b.Contacts[2]}));
    // Shared, not copied: the search result, ContactList and SortedContactList.
    EXPECT_EQ(a.Contacts[0].use_count(), 3);
    EXPECT_DOUBLE_EQ(results.LastTarget, 200.5);
    EXPECT_DOUBLE_EQ(results.LastOrb, 2.5);

    // "limpiar lista" checked: only the new search's contacts.
    ASSERT_TRUE(CommitContactSearch(results, a, first, true));
    EXPECT_EQ(results.SortedContactList, a.Contacts);
}

TEST(ContactResults, EqualStartTimesKeepTheirOrder) {
    const ContactRecordList list = {Record(0, 5, 0), Record(1, 3, 0), Record(2, 5, 90), Record(3, 3, 90)};
    EXPECT_EQ(SortByStartTime(list), (ContactRecordList{list[1], list[3], list[0], list[2]}));
}

TEST(ContactResults, AnInterruptedSearchCommitsNothing) {
    ContactResults results;
    ContactSearchInput input;
    input.Position = {10, 0, 0};
    input.Orb = 1;
    const ContactSearchResult done = Completed({Record(0, 50, 0)});
    ASSERT_TRUE(CommitContactSearch(results, done, input, true));

    ContactSearchInput later = input;
    later.Position = {20, 0, 0};
    later.Orb = 3;
    const ContactSearchResult interrupted{{Record(0, 10, 90)}, false};
    EXPECT_FALSE(CommitContactSearch(results, interrupted, later, true));
    EXPECT_EQ(results.ContactList, done.Contacts);
    EXPECT_EQ(results.SortedContactList, done.Contacts);
    EXPECT_DOUBLE_EQ(results.LastTarget, 10);
    EXPECT_DOUBLE_EQ(results.LastOrb, 1);
}

TEST(ContactResults, ResetEmptiesBothLists) {
    ContactResults results;
    ASSERT_TRUE(CommitContactSearch(results, Completed({Record(0, 50, 0)}), ContactSearchInput{}, true));
    results.Filter[3] = false;
    ResetContactLists(results);
    EXPECT_TRUE(results.ContactList.empty());
    EXPECT_TRUE(results.SortedContactList.empty());
    EXPECT_FALSE(results.Filter[3]);
}

TEST(ContactResults, SearchDescriptionLines) {
    const DateFormatNames names = SpanishDateFormatNames();
    ContactSearchInput input;
    input.Body = Sol;
    input.Position = {0, 0, 0};
    input.Angle = 90;
    input.Orb = 1;
    input.StartDate = EncodeDate(2027, 1, 1);
    input.EndDate = EncodeDate(2027, 12, 31);
    EXPECT_EQ(SearchDescription(input, names),
              (std::vector<std::string>{
                  " Contactos de SOL con la posición  00\u00B0 00' 00\"",
                  " por ángulos múltiplos de  90\u00B0 00' 00\", orbe de  01\u00B0 00' 00\".",
                  " Desde el viernes 01-ene-2027 hasta el viernes 31-dic-2027 (365 días).",
                  " Time Zone: 0.00.",
              }));

    input.Body = Nod;
    input.Exact = true;
    input.Position = {15, 30, 0, CoordinateMode::Zodiac, 10};
    input.Angle = 120;
    input.Orb = 0.5;
    input.EndDate = input.StartDate;
    input.Clock = WallClock(-5);
    EXPECT_EQ(SearchDescription(input, names), (std::vector<std::string>{
                                                   " Contactos de NOD con la posición  15\u00B0 30' 00\" ACU",
                                                   " por el ángulo de  120\u00B0 00' 00\", orbe de  00\u00B0 30' 00\".",
                                                   " Para el Día viernes, 01 de ene, 2027.",
                                                   " Time Zone: -5.00.",
                                               }));

    // An end before the start: no line of dates.
    input.EndDate = input.StartDate - 3;
    input.Clock = WallClock(5.75);
    const std::vector<std::string> lines = SearchDescription(input, names);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], " Time Zone: 5.75.");

    // A named zone, with the offset in effect at local 00:00 of the first day.
    const std::optional<TimeZone> madrid = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(madrid);
    input.Clock = WallClock(*madrid);
    struct Case {
        TDateTime start;
        const char* line;
    };
    const Case cases[] = {
        {EncodeDate(2027, 1, 1), " Time Zone: Europe/Madrid (1.00)."},
        {EncodeDate(2027, 7, 1), " Time Zone: Europe/Madrid (2.00)."},
    };
    for (const Case& c : cases) {
        input.StartDate = input.EndDate = c.start;
        EXPECT_EQ(SearchDescription(input, names).back(), c.line);
    }
}

}  // namespace
}  // namespace kalto
