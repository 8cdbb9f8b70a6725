// SPDX-License-Identifier: GPL-3.0-or-later
#include "AllBodiesTable.h"

#include "SignNames.h"

#include <cmath>
#include <cstdio>

namespace kalto {

CompactSign CompactSignOf(double longitude) noexcept {
    double reduced = std::fmod(longitude, 360.0);
    if (reduced < 0) reduced += 360.0;
    auto minutes = static_cast<long>(std::lround(reduced * 60)) % (360 * 60);
    const int sign = static_cast<int>(minutes / (30 * 60));
    minutes %= 30 * 60;
    return {static_cast<int>(minutes / 60), sign, static_cast<int>(minutes % 60)};
}

std::string CompactSignText(double longitude) {
    const CompactSign parts = CompactSignOf(longitude);
    char text[32];
    std::snprintf(text, sizeof text, "%02d %s %02d", parts.Degrees,
                  std::string(SignListItems[static_cast<std::size_t>(parts.Sign)]).c_str(), parts.Minutes);
    return text;
}

std::string AllBodiesCellText(const EphemerisRowSet& rows, const MotionMarks& marks, std::size_t row, int column,
                              const DateFormatNames& names) {
    const EphemerisRow& sun = rows.Bodies[Sol][row];
    const int line = static_cast<int>(row) + 1;
    switch (column) {
        case 0: return EphemerisCellText(sun, line, 0, names, rows.Clock);
        case 1: return EphemerisCellText(sun, line, 1, names, rows.Clock);
        case 2: return EphemerisCellText(sun, line, 3, names, rows.Clock);
        default: break;
    }
    const int body = column - FirstBodyColumn + FirstBody;
    if (body < FirstBody || body > LastComputedBody) return {};
    std::string text = CompactSignText(rows.Bodies[static_cast<std::size_t>(body)][row].Longitude);
    if (const std::string_view mark = marks.Mark(body, row); !mark.empty()) {
        text += ' ';
        text += mark;
    }
    return text;
}

}  // namespace kalto
