// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactGrid.h"

#include "ContactInputs.h"
#include "TextForms.h"
#include "TimeScales.h"

#include <algorithm>
#include <cmath>

namespace kalto {

namespace {

// Precision: the exact row lies within 20' of the contact angle; a boundary
// row lies more than 15' beyond the inner edge of the orb when it is the outer one.
constexpr double ExactRowLimit = 20.0 / 60;
constexpr double InnerEdgeMargin = 15.0 / 60;

std::string AngleText(double degrees) {
    return DegreesToText(false, DegreeGlyph, 0, degrees);
}

template <std::size_t N>
std::vector<std::string> Titles(const std::array<GridColumn, N>& columns, std::size_t first) {
    std::vector<std::string> titles;
    for (std::size_t i = first; i < N; ++i) titles.emplace_back(columns[i].Title);
    return titles;
}

std::string MomentText(const ContactRecord& record, int moment, TDateTime time, const DateFormatNames& names) {
    if (moment >= record.MomentsFound) return std::string(UnfoundMomentText);
    return FormatDateTime(ContactMomentPattern, record.Clock.ToWallTime(time), names);
}

std::vector<std::string> GridRow(const ContactRecord& record, int row, ContactGridMode mode,
                                 const DateFormatNames& names) {
    std::vector<std::string> cells;
    const int firstColumn = mode == ContactGridMode::Window ? 0 : 1;
    for (int column = firstColumn; column < static_cast<int>(ContactGridColumns.size()); ++column) {
        cells.push_back(ContactCellText(record, row, column, names));
    }
    return cells;
}

std::vector<std::string> DetailRow(std::string_view name, TDateTime time, double longitude, const ContactRecord& record,
                                   double lastTarget, double lastOrb, const DateFormatNames& names) {
    double s = std::fabs(longitude - lastTarget);
    if (s > 180) s = std::fabs(360 - s);
    const double angle = record.ContactAngle;
    double precision = std::fabs(s - angle);
    if (precision > ExactRowLimit) {
        precision = s - (angle - lastOrb) > InnerEdgeMargin ? std::fabs(s - (angle + lastOrb))
                                                            : std::fabs(s - (angle - lastOrb));
    }
    const TDateTime wall = record.Clock.ToWallTime(time);
    return {std::string(name),
            FormatDateTime(DetailDatePattern, wall, names),
            FormatDateTime(DetailTimePattern, wall, names),
            AngleText(s),
            SignPositionText(longitude),
            AngleText(longitude),
            AngleText(precision)};
}

std::vector<std::string> UnfoundDetailRow(std::string_view name) {
    std::vector<std::string> cells(ContactDetailColumns.size());
    cells[0] = name;
    cells[1] = UnfoundMomentText;
    return cells;
}

}  // namespace

ContactGridFill FillContactGrid(ContactGridMode mode, const ContactRecordList& list, const ContactResults& results,
                                const DateFormatNames& names) {
    ContactGridFill fill;
    fill.ShownContactList = FilterByAngle(list, results.Filter);
    const std::size_t firstColumn = mode == ContactGridMode::Window ? 0 : 1;
    fill.Grid.push_back(Titles(ContactGridColumns, firstColumn));
    if (fill.ShownContactList.empty()) {
        fill.Grid.emplace_back(ContactGridColumns.size() - firstColumn);
        fill.Detail = EmptyContactDetail();
        return fill;
    }
    int row = 1;
    for (const ContactRecordPtr& record : fill.ShownContactList) {
        fill.Grid.push_back(GridRow(*record, row++, mode, names));
    }
    fill.Detail = FillContactDetail(*fill.ShownContactList.front(), results.LastTarget, results.LastOrb, names);
    return fill;
}

std::string ContactCellText(const ContactRecord& record, int row, int column, const DateFormatNames& names) {
    switch (column) {
        case 0: return std::to_string(record.Index);
        case 1: return std::string(" ").append(std::to_string(row));
        case 2: {
            const auto item = static_cast<std::size_t>(std::clamp(record.BodyIndex, 0, ComputedBodyCount - 1));
            return std::string(ContactBodyItems[item].substr(0, 3));
        }
        case 3: return record.PositionText;
        case 4: return MomentText(record, 0, record.StartTime, names);
        case 5: return MomentText(record, 1, record.ExactTime, names);
        case 6: return MomentText(record, 2, record.EndTime, names);
        case 7:
            return record.ScanLimitReached() ? std::string(UnfoundMomentText)
                                             : DurationText(record.EndTime, record.StartTime);
        case 8: return AngleText(record.ContactAngle);
        default: return {};
    }
}

GridCells FillContactDetail(const ContactRecord& record, double lastTarget, double lastOrb,
                            const DateFormatNames& names) {
    struct Moment {
        std::string_view Name;
        TDateTime Time;
        double Longitude;
    };
    const std::array<Moment, ContactMomentCount> moments{{
        {"inicia", record.StartTime, record.StartLongitude},
        {"partil", record.ExactTime, record.ExactLongitude},
        {"finaliza", record.EndTime, record.EndLongitude},
    }};
    GridCells grid{Titles(ContactDetailColumns, 0)};
    for (int i = 0; i < ContactMomentCount; ++i) {
        const Moment& m = moments[static_cast<std::size_t>(i)];
        grid.push_back(i < record.MomentsFound
                           ? DetailRow(m.Name, m.Time, m.Longitude, record, lastTarget, lastOrb, names)
                           : UnfoundDetailRow(m.Name));
    }
    return grid;
}

GridCells EmptyContactDetail() {
    return {Titles(ContactDetailColumns, 0), std::vector<std::string>(ContactDetailColumns.size())};
}

}  // namespace kalto
