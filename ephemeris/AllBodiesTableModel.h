// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The all-bodies table ("Todos") as an item model: every body of a completed
// run at each step, each cell formatted only when a view asks for it. Each
// body's sign is shown with its glyph: a character before the text when the
// table's font has the zodiac's characters, otherwise a picture beside it.

#include "AllBodiesTable.h"
#include "DateFormat.h"

#include <QAbstractTableModel>
#include <QImage>

#include <array>

namespace kalto {

class AllBodiesTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AllBodiesTableModel(DateFormatNames names, QObject* parent = nullptr);

    // Shows `rows`, finding the stations for the marks of motion; without
    // rows the table has one blank line.
    void Fill(EphemerisRows rows);
    // The glyphs: the zodiac's characters (U+2648 ..) when `characters` is
    // set, otherwise `pictures`, by sign.
    void SetSignGlyphs(bool characters, std::array<QImage, 12> pictures);

    [[nodiscard]] const EphemerisRows& Rows() const noexcept { return ShownRows; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] int SignOfCell(const QModelIndex& index) const;

    DateFormatNames Names;
    EphemerisRows ShownRows;
    MotionMarks RowMarks;
    bool SignCharacters = true;
    std::array<QImage, 12> SignPictures;
};

}  // namespace kalto
