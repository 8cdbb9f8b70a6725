// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactGridModel.h"

#include "ContactGrid.h"
#include "QtText.h"

#include <utility>

namespace kalto {

namespace {
// Every cell and header reads from the top left corner.
const QVariant CellAlignment{static_cast<int>(Qt::AlignLeft | Qt::AlignTop)};

constexpr int GridColumnCount = static_cast<int>(ContactGridColumns.size());
}  // namespace

ContactGridModel::ContactGridModel(DateFormatNames names, QObject* parent)
    : QAbstractTableModel(parent), Names(std::move(names)) {}

void ContactGridModel::Fill(ContactRecordList shown) {
    beginResetModel();
    Shown = std::move(shown);
    endResetModel();
}

int ContactGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return Shown.empty() ? 1 : static_cast<int>(Shown.size());
}

int ContactGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridColumnCount;
}

QVariant ContactGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return CellAlignment;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (Shown.empty()) {
        return QString();
    }
    const int row = index.row();
    return ToQString(ContactCellText(*Shown[static_cast<std::size_t>(row)], row + 1, index.column(), Names));
}

QVariant ContactGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= GridColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ToQString(ContactGridColumns[static_cast<std::size_t>(section)].Title);
    }
    if (role == Qt::TextAlignmentRole) {
        return CellAlignment;
    }
    return {};
}

}  // namespace kalto
