// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitTable.h"

#include "Bodies.h"
#include "TextForms.h"

#include <cmath>
#include <cstdio>

namespace kalto {

namespace {

std::string PointName(const Transit& row, const std::vector<ChartPoint>& points) {
    const auto index = static_cast<std::size_t>(row.Point);
    return index < points.size() ? points[index].Name : std::string();
}

std::string MomentText(const std::optional<TDateTime>& moment, const WallClock& clock, const DateFormatNames& names) {
    return moment ? FormatDateTime(TransitMomentPattern, clock.ToWallTime(*moment), names)
                  : std::string(UnfoundMomentText);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + '"';
}

// Built with snprintf: GCC 12 warns falsely (-Wrestrict) on sums of
// std::to_string's results.
std::string PassText(const Transit& row) {
    if (!row.Exact) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", row.Pass, row.Passes);
    return text;
}

}  // namespace

std::array<std::string, TransitColumns.size()> TransitCells(const Transit& row, const std::vector<ChartPoint>& points,
                                                            const WallClock& clock, const DateFormatNames& names) {
    char degrees[16];
    std::snprintf(degrees, sizeof degrees, "%d°", row.Aspect);
    std::string aspect = degrees;
    if (const std::string_view name = AspectName(row.Aspect); !name.empty()) {
        aspect += ' ';
        aspect += name;
    }
    return {std::string(BodyLabels[static_cast<std::size_t>(row.Body)]),
            aspect,
            PointName(row, points),
            MomentText(row.Start, clock, names),
            row.Exact ? MomentText(row.Exact, clock, names) : std::string(),
            MomentText(row.End, clock, names),
            PassText(row)};
}

std::string TransitCsvLine(const Transit& row, const std::vector<ChartPoint>& points, const WallClock& clock) {
    const auto local = [&clock](const std::optional<TDateTime>& moment) {
        return moment ? CsvDateTimeText(clock.ToWallTime(*moment)) : std::string();
    };
    char aspect[16];
    std::snprintf(aspect, sizeof aspect, "%d", row.Aspect);
    std::string line(BodyLabels[static_cast<std::size_t>(row.Body)]);
    for (const std::string& field : {std::string(aspect), CsvField(PointName(row, points)), local(row.Start),
                                     local(row.Exact), local(row.End), PassText(row)}) {
        line += ',';
        line += field;
    }
    line += ',';
    if (row.Exact) {
        line += CsvAngleText(row.ExactLongitude);
        line += ',';
        line += CsvDateTimeText(*row.Exact);
        line += 'Z';
    } else {
        line += ',';
    }
    return line;
}

std::vector<std::string> TransitHeading(std::string_view chartName, const TransitRequest& request,
                                        const WallClock& clock, const DateFormatNames& names) {
    const TDateTime start = clock.ToWallTime(request.Start);
    std::string title = "Tránsitos a la carta ";
    title += chartName;
    title += ". Time Zone: ";
    title += clock.ZoneText(start);
    title += '.';
    std::string span = SpanHeadingText(clock, request.Start, request.End, names);
    span += ". Cuerpos:";
    for (const int body : request.Bodies) {
        span += ' ';
        span += BodyLabels[static_cast<std::size_t>(body)];
    }
    span += ". Aspectos:";
    for (std::size_t i = 0; i < request.Aspects.size(); ++i) {
        char aspect[64];
        const TransitAspect& a = request.Aspects[i];
        const int minutes = static_cast<int>(std::lround(a.Orb * 60));
        std::snprintf(aspect, sizeof aspect, "%s %d° (orbe %d° %02d')", i == 0 ? "" : ",", a.Degrees, minutes / 60,
                      minutes % 60);
        span += aspect;
    }
    span += '.';
    return {title, span};
}

}  // namespace kalto
