// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ephemeris table as an item model: the rows of one body of a completed
// run, each cell formatted only when a view asks for it.

#include "DateFormat.h"
#include "EphemerisRows.h"

#include <QAbstractTableModel>

namespace kalto {

class EphemerisTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit EphemerisTableModel(DateFormatNames names, QObject* parent = nullptr);

    // Shows the rows of `body` (1..11) from `rows`; without rows the table has
    // one blank line.
    void Fill(EphemerisRows rows, int body);

    [[nodiscard]] const EphemerisRows& Rows() const noexcept { return ShownRows; }
    [[nodiscard]] int Body() const noexcept { return ShownBody; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    [[nodiscard]] const std::vector<EphemerisRow>* BodyRows() const noexcept;

    DateFormatNames Names;
    EphemerisRows ShownRows;
    int ShownBody = Sol;
};

}  // namespace kalto
