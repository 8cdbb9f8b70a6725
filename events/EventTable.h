// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the event list, shared by the window's list and the command
// line: the cells of a row with its moments on the wall clock of the search,
// the CSV form, the list's heading and its filter by kind and body.

#include "ContactGrid.h"
#include "DateFormat.h"
#include "EventSearch.h"
#include "WallClock.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

enum EventColumn { EventMoment, EventBody, EventTextColumn, EventLongitude, EventEnd };

inline constexpr std::array<GridColumn, 5> EventColumns{{
    {"Momento", 148},
    {"Cuerpo", 45},
    {"Evento", 150},
    {"Longitud", 120},
    {"Fin", 148},
}};

// The moments, on a 24-hour clock rounded to the second: "ene-02-2027 14:27:03".
inline constexpr std::string_view EventMomentPattern = "mmm-dd-yyyy hh:nn:ss";

// The cells of a row, by EventColumn: the moment as EventMomentPattern writes
// it, "Mar", the event's text, the longitude within its sign and the sign as
// the contact lists name it (" 14° 22' 05\" Leo"), a void period's end (empty
// otherwise).
[[nodiscard]] std::array<std::string, EventColumns.size()> EventCells(const Event& event, const WallClock& clock,
                                                                      const DateFormatNames& names);

inline constexpr std::string_view EventCsvHeader = "momento,cuerpo,evento,longitud,fin,momento_utc";

// A CSV line without its line break: the local moment AAAA-MM-DDTHH:MM:SS
// rounded to the second, the body, the event's text, the longitude in degrees,
// a void period's local end in the moment's form (empty otherwise), and the
// moment in universal time with Z.
[[nodiscard]] std::string EventCsvLine(const Event& event, const WallClock& clock);

// The heading of a list: "Eventos. Time Zone: Europe/Madrid (1.00)." and a
// line with the span (wall-clock dates) and the kinds.
[[nodiscard]] std::vector<std::string> EventHeading(const EventRequest& request, const WallClock& clock,
                                                    const DateFormatNames& names);

// Which rows a list shows: none of its parts set shows them all.
struct EventFilter {
    std::optional<EventKind> Kind;
    int Body = 0;  // a body number, or 0 for every body

    [[nodiscard]] bool Shows(const Event& event) const noexcept {
        return (!Kind || event.Kind == *Kind) && (Body == 0 || event.Body == Body);
    }
};

}  // namespace kalto
