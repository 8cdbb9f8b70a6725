// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The span of an ephemeris run as efemerides and grafico take it (--desde,
// --hasta, --cada, --tz), and the run, with a progress bar on a terminal; and
// the span of a search over whole days as contactos, eventos and transitos
// take it.

#include "ArgumentParsing.h"
#include "CommandOptions.h"
#include "EphemerisRun.h"

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

namespace kalto::cli {

struct RunSpanOptions {
    std::optional<TDateTime> Start;
    std::optional<TDateTime> End;
    int StepsPerDay = 1;
    std::optional<double> ZoneHours;  // --tz
    std::optional<TimeZone> Zone;     // --zona, which only efemerides takes
};

// The usage's text of --tz.
inline constexpr std::string_view ZoneHelp = "zona horaria en horas al este de Greenwich, de -11.99\n"
                                             "a 11.99 (por omisión 0).";

// The declarations of --desde, --hasta, --cada and --tz, which set the
// `Span` of the command's options; with `help`, the entries of --cada and --tz
// in the usage's list.
template <typename Values>
[[nodiscard]] constexpr std::array<OptionDeclaration<Values>, 4> SpanDeclarations(bool help) {
    return {{
        {"--desde", OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.Start = ParseDate(v); }},
        {"--hasta", OptionValue::Required, [](Values& values, std::string_view v) { values.Span.End = ParseDate(v); }},
        {"--cada",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.StepsPerDay = ParseStepsPerDay(v); },
         {{{"MINUTOS", help ? "paso: 1440 (por omisión), 720, 360, 180, 120, 60,\n"
                              "30, 15, 10 o 5."
                            : ""}}}},
        {"--tz",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.ZoneHours = ParseZoneHours(v); },
         {{{"HORAS", help ? ZoneHelp : ""}}}},
    }};
}

// The usage's text of --zona for the searches.
inline constexpr std::string_view ZoneNameHelp = "zona de la base de datos de zonas horarias, como\n"
                                                 "Europe/Madrid. No vale junto con --tz.";

// The declarations of --desde, --hasta, --tz and --zona of a search over
// whole days, which set the `Span` of the command's options.
template <typename Values>
[[nodiscard]] constexpr std::array<OptionDeclaration<Values>, 4> SearchSpanDeclarations() {
    return {{
        {"--desde",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.Start = ParseDate(v); },
         {},
         false,
         "fecha AAAA-MM-DD"},
        {"--hasta",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.End = ParseDate(v); },
         {},
         false,
         "fecha AAAA-MM-DD"},
        {"--tz",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.ZoneHours = ParseZoneHours(v); },
         {{{"HORAS", ZoneHelp}}},
         false,
         "horas al este de Greenwich"},
        {"--zona",
         OptionValue::Required,
         [](Values& values, std::string_view v) { values.Span.Zone = ParseZoneName(v); },
         {{{"NOMBRE", ZoneNameHelp}}},
         false,
         "nombre de zona, como Europe/Madrid"},
    }};
}

// Throws UsageError unless both dates are given, or when both --tz and --zona are.
void CheckSpanDates(const RunSpanOptions& span);

// CheckSpanDates, and for a search: the last day not before the first, both
// within the years 0100 to 9899 (a stay in the orb may begin decades before
// the first day and end decades after the last, Pluto's near a point; the
// limits keep every date printable).
void CheckSearchSpan(const RunSpanOptions& span);

// The wall clock of --zona, or of --tz (0 when neither is given).
[[nodiscard]] WallClock SpanClock(const RunSpanOptions& span);

// The run of the span: from --desde to --hasta, or to 24 months after --desde
// when they lie more than 730 days apart, which is noted on `err` ("se
// `verb` hasta ..."). Throws UsageError for days outside the years 0001 to 9999.
[[nodiscard]] EphemerisRequest SpanRequest(const RunSpanOptions& span, SeriesEvaluation evaluation,
                                           std::string_view verb, std::ostream& err);

// The run, with a progress bar on `err` when that is a terminal and the run
// lasts more than a moment.
[[nodiscard]] std::unique_ptr<EphemerisRowSet> ComputeRows(const EphemerisRequest& request, std::ostream& err);

}  // namespace kalto::cli
