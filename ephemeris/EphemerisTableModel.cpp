// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisTableModel.h"

#include "EphemerisTable.h"
#include "QtText.h"

#include <utility>

namespace kalto {

namespace {
// Every cell and header reads from the top left corner.
const QVariant CellAlignment{static_cast<int>(Qt::AlignLeft | Qt::AlignTop)};
}  // namespace

EphemerisTableModel::EphemerisTableModel(DateFormatNames names, QObject* parent)
    : QAbstractTableModel(parent), Names(std::move(names)) {}

void EphemerisTableModel::Fill(EphemerisRows rows, int body) {
    beginResetModel();
    ShownRows = std::move(rows);
    ShownBody = body;
    endResetModel();
}

const std::vector<EphemerisRow>* EphemerisTableModel::BodyRows() const noexcept {
    if (!ShownRows || ShownBody < FirstBody || ShownBody > LastComputedBody) {
        return nullptr;
    }
    const auto& rows = ShownRows->Bodies[static_cast<std::size_t>(ShownBody)];
    return rows.empty() ? nullptr : &rows;
}

int EphemerisTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    const auto* rows = BodyRows();
    return rows != nullptr ? static_cast<int>(rows->size()) : 1;
}

int EphemerisTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EphemerisColumnCount;
}

QVariant EphemerisTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return CellAlignment;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto* rows = BodyRows();
    if (rows == nullptr) {
        return QString();
    }
    const auto line = index.row() + 1;
    return ToQString(EphemerisCellText((*rows)[static_cast<std::size_t>(index.row())], line, index.column(), Names,
                                       ShownRows->Clock));
}

QVariant EphemerisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= EphemerisColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ToQString(EphemerisColumns[static_cast<std::size_t>(section)].Header);
    }
    if (role == Qt::TextAlignmentRole) {
        return CellAlignment;
    }
    return {};
}

}  // namespace kalto
