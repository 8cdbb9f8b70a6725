// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactGridFont.h"

#include "ContactGrid.h"
#include "ContactInputs.h"
#include "GridFont.h"
#include "QtText.h"

#include <QFontMetricsF>
#include <QTableView>

namespace kalto {

namespace {

// Three-digit row numbers fit the narrow "No." column.
constexpr int WidestShortRow = 888;

// Records whose texts are as wide as the grids show: every month and weekday
// name, every body, every sign, three-digit longitudes and the widest digits
// in every field; contacts shorter than a day.
ContactRecordList WidestRecords() {
    ContactRecordList records;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            auto record = std::make_shared<ContactRecord>();
            record->BodyIndex = static_cast<int>(records.size()) % ComputedBodyCount;
            record->PositionText = PositionText(
                {.Degrees = 28, .Minutes = 58, .Seconds = 58, .Mode = CoordinateMode::Zodiac, .Sign = month - 1});
            record->Index = WidestShortRow;
            record->StartTime = EncodeDate(2028, month, day) + EncodeTime(20, 58, 58);
            record->ExactTime = record->StartTime + 0.5;
            record->EndTime = record->StartTime + 0.99;
            record->ContactAngle = 180;
            record->StartLongitude = (month - 1) * 30 + 28.99;
            record->ExactLongitude = record->StartLongitude;
            record->EndLongitude = record->StartLongitude;
            record->MomentsFound = ContactMomentCount;
            records.push_back(std::move(record));
        }
    }
    return records;
}

// Text is laid out in fractions of a pixel; one that overruns its room by a
// fraction is cut short.
bool Fits(const QFontMetricsF& metrics, const std::string& text, const QTableView* grid, int width) {
    return metrics.horizontalAdvance(ToQString(text)) <= GridTextRoom(grid, width);
}

bool GridFits(const QFont& font, const ContactRecordList& records, const DateFormatNames& names,
              const QTableView* grid) {
    const QFontMetricsF metrics(font);
    // Column 0, the finding order, is hidden.
    for (std::size_t column = 1; column < ContactGridColumns.size(); ++column) {
        for (const ContactRecordPtr& record : records) {
            const std::string text = ContactCellText(*record, WidestShortRow, static_cast<int>(column), names);
            if (!Fits(metrics, text, grid, ContactGridColumns[column].Width)) {
                return false;
            }
        }
    }
    return true;
}

// The detail measured from a target of 0 with the widest orb: separations and
// precisions of three digits and of two.
bool DetailFits(const QFont& font, const ContactRecordList& records, const DateFormatNames& names,
                const QTableView* grid) {
    const QFontMetricsF metrics(font);
    for (const ContactRecordPtr& record : records) {
        const GridCells cells = FillContactDetail(*record, 0, MaxOrbDegrees, names);
        for (std::size_t row = 1; row < cells.size(); ++row) {
            for (std::size_t column = 0; column < cells[row].size(); ++column) {
                if (!Fits(metrics, cells[row][column], grid, ContactDetailColumns[column].Width)) {
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

bool ContactColumnsFit(const QTableView* grid, const DateFormatNames& names) {
    return GridFits(grid->font(), WidestRecords(), names, grid);
}

bool ContactDetailColumnsFit(const QTableView* grid, const DateFormatNames& names) {
    return DetailFits(grid->font(), WidestRecords(), names, grid);
}

QFont ContactGridFont(const QTableView* grid, const DateFormatNames& names) {
    const auto records = WidestRecords();
    return FittingGridFont(grid->font(), [&](const QFont& font) { return GridFits(font, records, names, grid); });
}

QFont ContactDetailFont(const QTableView* grid, const DateFormatNames& names) {
    const auto records = WidestRecords();
    return FittingGridFont(grid->font(), [&](const QFont& font) { return DetailFits(font, records, names, grid); });
}

}  // namespace kalto
