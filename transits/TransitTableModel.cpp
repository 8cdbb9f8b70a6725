// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitTableModel.h"

#include "QtText.h"

#include <algorithm>
#include <utility>

namespace kalto {

namespace {
constexpr int ColumnCount = static_cast<int>(TransitColumns.size());
}  // namespace

TransitTableModel::TransitTableModel(DateFormatNames names, QObject* parent)
    : QAbstractTableModel(parent), Names(std::move(names)) {}

void TransitTableModel::Fill(std::vector<Transit> all, std::vector<ChartPoint> points, WallClock clock,
                             TransitFilter filter) {
    All = std::move(all);
    RowPoints = std::move(points);
    RowClock = std::move(clock);
    SetFilter(filter);
}

void TransitTableModel::SetFilter(TransitFilter filter) {
    beginResetModel();
    Shown.clear();
    std::copy_if(All.begin(), All.end(), std::back_inserter(Shown),
                 [&filter](const Transit& row) { return filter.Shows(row); });
    endResetModel();
}

int TransitTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Shown.size());
}

int TransitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TransitTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const auto cells = TransitCells(Shown[static_cast<std::size_t>(index.row())], RowPoints, RowClock, Names);
    return ToQString(cells[static_cast<std::size_t>(index.column())]);
}

QVariant TransitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount || role != Qt::DisplayRole) return {};
    return ToQString(TransitColumns[static_cast<std::size_t>(section)].Title);
}

}  // namespace kalto
