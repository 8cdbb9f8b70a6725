// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventTableModel.h"

#include "QtText.h"

#include <algorithm>
#include <utility>

namespace kalto {

namespace {
constexpr int ColumnCount = static_cast<int>(EventColumns.size());
}  // namespace

EventTableModel::EventTableModel(DateFormatNames names, QObject* parent)
    : QAbstractTableModel(parent), Names(std::move(names)) {}

void EventTableModel::Fill(std::vector<Event> all, WallClock clock, EventFilter filter) {
    All = std::move(all);
    Clock = std::move(clock);
    SetFilter(filter);
}

void EventTableModel::SetFilter(EventFilter filter) {
    beginResetModel();
    Shown.clear();
    std::copy_if(All.begin(), All.end(), std::back_inserter(Shown),
                 [&filter](const Event& event) { return filter.Shows(event); });
    endResetModel();
}

int EventTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Shown.size());
}

int EventTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Event& event = Shown[static_cast<std::size_t>(index.row())];
    if (role == Qt::UserRole) {
        switch (index.column()) {
            case EventMoment: return event.Time;
            case EventBody: return event.Body;
            case EventTextColumn: return ToQString(event.Text);
            case EventLongitude: return event.Longitude;
            case EventEnd: return event.End ? *event.End : 0.0;
            default: return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    return ToQString(EventCells(event, Clock, Names)[static_cast<std::size_t>(index.column())]);
}

QVariant EventTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount || role != Qt::DisplayRole) return {};
    return ToQString(EventColumns[static_cast<std::size_t>(section)].Title);
}

}  // namespace kalto
