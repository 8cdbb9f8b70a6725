// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lists of the contact page: every contact found, the same sorted by start,
// the part of it that the angle filter lets through; the reference of the
// detail grid; and the log of the options of each completed search.

#include "ContactRecord.h"
#include "ContactSearch.h"
#include "DateFormat.h"

#include <array>
#include <string>
#include <vector>

namespace kalto {

// AngleFilter: flag i shows the contacts of angle band i (0 to 12): the
// conjunctions from 0° to under 15° in band 0, the squares from 90° to under
// 105° in band 6, 180° and above in band 12. The page's thirteen filter
// buttons switch them.
inline constexpr int AngleBandCount = 13;
using AngleFilter = std::array<bool, AngleBandCount>;
inline constexpr AngleFilter AllAngleBands = {true, true, true, true, true, true, true,
                                              true, true, true, true, true, true};
inline constexpr AngleFilter NoAngleBands = {};

// trunc(angle) div 15, held to 0..12.
[[nodiscard]] int AngleBand(double contactAngle) noexcept;

// The list sorted by StartTime, earliest first; equal start times keep their order.
[[nodiscard]] ContactRecordList SortByStartTime(const ContactRecordList& list);

// The records of `list` whose angle band is on, in the list's order.
[[nodiscard]] ContactRecordList FilterByAngle(const ContactRecordList& list, const AngleFilter& filter);

// What the page keeps between searches. The lists share their records.
struct ContactResults {
    ContactRecordList ContactList;        // every contact committed, in order of finding
    ContactRecordList SortedContactList;  // ContactList by start time, as of the last completed search
    AngleFilter Filter = AllAngleBands;
    double LastTarget = 0;  // target and orb of the last completed search:
    double LastOrb = 0;     // the detail grid measures against them
};

// The page's work when a search ends. A completed search's contacts are
// appended to ContactList (emptied first when `cleanList`, "limpiar lista"),
// SortedContactList is rebuilt and LastTarget and LastOrb become the search's.
// An interrupted search changes nothing; returns whether the search completed.
bool CommitContactSearch(ContactResults& results, const ContactSearchResult& search, const ContactSearchInput& input,
                         bool cleanList);

// "R": empties ContactList and SortedContactList.
void ResetContactLists(ContactResults& results);

// The lines that a completed search adds to the page's log of search options,
// with the weekday and month names of `names`:
//   " Contactos de SOL con la posición  00° 00' 00\""
//   " por ángulos múltiplos de  90° 00' 00\", orbe de  01° 00' 00\"."
//   " Desde el viernes 01-ene-2027 hasta el viernes 31-dic-2027 (365 días)."
//   " Time Zone: 0.00."
// The third line reads " Para el Día viernes, 01 de ene, 2027." for a span of
// one day, and is left out when the end precedes the start.
[[nodiscard]] std::vector<std::string> SearchDescription(const ContactSearchInput& input, const DateFormatNames& names);

}  // namespace kalto
