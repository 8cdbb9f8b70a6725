// SPDX-License-Identifier: GPL-3.0-or-later
#include "AllBodiesTableModel.h"

#include "QtText.h"

#include <utility>

namespace kalto {

namespace {
const QVariant CellAlignment{static_cast<int>(Qt::AlignLeft | Qt::AlignTop)};
constexpr char32_t FirstZodiacCharacter = U'\u2648';  // Aries
}  // namespace

AllBodiesTableModel::AllBodiesTableModel(DateFormatNames names, QObject* parent)
    : QAbstractTableModel(parent), Names(std::move(names)) {}

void AllBodiesTableModel::Fill(EphemerisRows rows) {
    beginResetModel();
    ShownRows = std::move(rows);
    RowMarks = ShownRows && ShownRows->RowCount() > 0 ? MotionMarks(*ShownRows) : MotionMarks();
    endResetModel();
}

void AllBodiesTableModel::SetSignGlyphs(bool characters, std::array<QImage, 12> pictures) {
    beginResetModel();
    SignCharacters = characters;
    SignPictures = std::move(pictures);
    endResetModel();
}

int AllBodiesTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return ShownRows && ShownRows->RowCount() > 0 ? static_cast<int>(ShownRows->RowCount()) : 1;
}

int AllBodiesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : AllBodiesColumnCount;
}

// The sign of a body's cell, or -1 for the other cells.
int AllBodiesTableModel::SignOfCell(const QModelIndex& index) const {
    const int body = index.column() - FirstBodyColumn + FirstBody;
    if (!ShownRows || ShownRows->RowCount() == 0 || body < FirstBody || body > LastComputedBody) return -1;
    const auto row = static_cast<std::size_t>(index.row());
    return CompactSignOf(ShownRows->Bodies[static_cast<std::size_t>(body)][row].Longitude).Sign;
}

QVariant AllBodiesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return CellAlignment;
    if (!ShownRows || ShownRows->RowCount() == 0) return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    const int sign = SignOfCell(index);
    if (role == Qt::DecorationRole) {
        return sign >= 0 && !SignCharacters ? QVariant(SignPictures[static_cast<std::size_t>(sign)]) : QVariant();
    }
    if (role != Qt::DisplayRole) return {};
    QString text = ToQString(
        AllBodiesCellText(*ShownRows, RowMarks, static_cast<std::size_t>(index.row()), index.column(), Names));
    if (sign >= 0 && SignCharacters) {
        const char32_t glyph = FirstZodiacCharacter + static_cast<char32_t>(sign);
        text.prepend(QString::fromUcs4(&glyph, 1) + QLatin1Char(' '));
    }
    return text;
}

QVariant AllBodiesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= AllBodiesColumnCount) return {};
    if (role == Qt::DisplayRole) return ToQString(AllBodiesColumns[static_cast<std::size_t>(section)].Header);
    if (role == Qt::TextAlignmentRole) return CellAlignment;
    return {};
}

}  // namespace kalto
