// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphReadout.h"

#include "GraphTimeAxis.h"
#include "TextForms.h"

namespace kalto {

namespace {

constexpr double MinutesPerDay = 1440;
constexpr double DegreesPerSign = 30;

}  // namespace

std::string MarkerDateText(TDateTime markerDate, const DateFormatNames& names) {
    return FormatDateTime(MarkerDatePattern, markerDate, names);
}

std::string ScaleText(const GraphGeometry& g) {
    std::string text;
    if (g.HasDayAxis()) {
        text = "Eje X: 1 pixel ~ ±" + HourMinuteText(MinutesPerDay / g.DayWidth);
    }
    if (g.HasBands()) {
        text += text.empty() ? "" : " ";
        text += "Eje Y: 1 pixel ~ ±" + DegreesToText(false, OrdinalGlyph, 0, DegreesPerSign / g.BandHeight);
    }
    return text;
}

std::optional<TDateTime> PointerMoment(const GraphGeometry& g, int x, int y) {
    if (x < g.LeftMargin || x >= g.Right || y < g.TopMargin || !g.HasDayAxis() || !g.HasBands()) {
        return std::nullopt;
    }
    return AxisWallTime(g, double(x - g.LeftMargin) / g.DayWidth);
}

std::string PointerReadout(const GraphGeometry& g, int x, int y, const DateFormatNames& names) {
    const std::optional<TDateTime> moment = PointerMoment(g, x, y);
    if (!moment) {
        return {};
    }
    const int row = y - g.TopMargin;
    const double degrees = double(row % g.BandHeight) / g.BandHeight * DegreesPerSign;
    const int sign = (row / g.BandHeight + g.GraphFirstSign) % SignCount;
    const SignDegrees position = SignDegreesText(sign, degrees, OrdinalGlyph);
    return FormatDateTime(PointerMomentPattern, *moment, names) + "," + position.Text + " " +
           std::string(SignAbbreviations[static_cast<std::size_t>(position.Sign)]);
}

}  // namespace kalto
