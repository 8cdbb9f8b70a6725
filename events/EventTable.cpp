// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventTable.h"

#include "Bodies.h"
#include "TextForms.h"

#include <cmath>

namespace kalto {

namespace {

// A moment on the wall clock rounded to the second, as the CSV rounds it.
std::string MomentText(TDateTime moment, const WallClock& clock, const DateFormatNames& names) {
    const TDateTime wall = std::round(clock.ToWallTime(moment) * 86400) / 86400;
    return FormatDateTime(EventMomentPattern, wall, names);
}

std::string LongitudeText(double longitude) {
    const double inSign = std::fmod(longitude, 30.0);
    const SignDegrees position =
        SignDegreesText(static_cast<int>(longitude / 30) % SignCount, inSign < 0 ? 0 : inSign, DegreeGlyph);
    return position.Text + ' ' + std::string(SignListItems[static_cast<std::size_t>(position.Sign)]);
}

}  // namespace

std::array<std::string, EventColumns.size()> EventCells(const Event& event, const WallClock& clock,
                                                        const DateFormatNames& names) {
    return {MomentText(event.Time, clock, names), std::string(BodyLabels[static_cast<std::size_t>(event.Body)]),
            event.Text, LongitudeText(event.Longitude),
            event.End ? MomentText(*event.End, clock, names) : std::string()};
}

std::string EventCsvLine(const Event& event, const WallClock& clock) {
    std::string line = CsvDateTimeText(clock.ToWallTime(event.Time));
    for (const std::string& field :
         {std::string(BodyLabels[static_cast<std::size_t>(event.Body)]), event.Text, CsvAngleText(event.Longitude),
          event.End ? CsvDateTimeText(clock.ToWallTime(*event.End)) : std::string(),
          CsvDateTimeText(event.Time) + 'Z'}) {
        line += ',';
        line += field;
    }
    return line;
}

std::vector<std::string> EventHeading(const EventRequest& request, const WallClock& clock,
                                      const DateFormatNames& names) {
    const TDateTime start = clock.ToWallTime(request.Start);
    std::string title = "Eventos. Time Zone: ";
    title += clock.ZoneText(start);
    title += '.';
    std::string span = SpanHeadingText(clock, request.Start, request.End, names);
    span += ". Tipos:";
    for (std::size_t i = 0; i < request.Kinds.size(); ++i) {
        span += i == 0 ? " " : ", ";
        span += EventKindNames[static_cast<std::size_t>(request.Kinds[i])];
    }
    span += '.';
    return {title, span};
}

}  // namespace kalto
