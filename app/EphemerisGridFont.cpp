// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisGridFont.h"

#include "EphemerisTable.h"
#include "GridFont.h"
#include "QtText.h"

#include <QFontMetrics>

#include <vector>

namespace kalto {

namespace {

// Three-digit line numbers fit the narrow first column.
constexpr int WidestShortLine = 888;

// Rows whose texts are as wide as the table shows: every month and weekday
// name, every sign, and the widest digits in every field.
std::vector<EphemerisRow> WidestRows() {
    std::vector<EphemerisRow> rows;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            EphemerisRow row;
            row.UniversalTime = EncodeDate(2028, month, day) + EncodeTime(12, 58, 0);
            row.Longitude = static_cast<float>((month - 1) * 30 + 28.99);
            row.Latitude = -88.99F;
            row.RightAscension = 358.99F;
            row.Declination = -88.99F;
            rows.push_back(row);
        }
    }
    return rows;
}

bool ColumnsFit(const QFont& font, const std::vector<EphemerisRow>& rows, const DateFormatNames& names,
                int cellMargin) {
    const QFontMetrics metrics(font);
    for (int column = 0; column < EphemerisColumnCount; ++column) {
        const int room = EphemerisColumns[static_cast<std::size_t>(column)].Width - 2 * cellMargin;
        for (const auto& row : rows) {
            if (metrics.horizontalAdvance(
                    ToQString(EphemerisCellText(row, WidestShortLine, column, names, WallClock()))) > room) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool EphemerisColumnsFit(const QFont& font, const DateFormatNames& names, int cellMargin) {
    return ColumnsFit(font, WidestRows(), names, cellMargin);
}

QFont EphemerisGridFont(const QFont& base, const DateFormatNames& names, int cellMargin) {
    const auto rows = WidestRows();
    return FittingGridFont(base, [&](const QFont& font) { return ColumnsFit(font, rows, names, cellMargin); });
}

}  // namespace kalto
