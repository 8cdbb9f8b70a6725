// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transit list as an item model: the rows the filter lets through, each
// cell formatted only when a view asks for it.

#include "DateFormat.h"
#include "TransitTable.h"

#include <QAbstractTableModel>

#include <vector>

namespace kalto {

class TransitTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TransitTableModel(DateFormatNames names, QObject* parent = nullptr);

    // Shows the rows of `all` that `filter` lets through, their points named
    // from `points` and their moments on `clock`.
    void Fill(std::vector<Transit> all, std::vector<ChartPoint> points, WallClock clock, TransitFilter filter);
    void SetFilter(TransitFilter filter);

    [[nodiscard]] const std::vector<Transit>& ShownRows() const noexcept { return Shown; }
    [[nodiscard]] const std::vector<ChartPoint>& Points() const noexcept { return RowPoints; }
    [[nodiscard]] const WallClock& Clock() const noexcept { return RowClock; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    DateFormatNames Names;
    std::vector<Transit> All;
    std::vector<Transit> Shown;
    std::vector<ChartPoint> RowPoints;
    WallClock RowClock;
};

}  // namespace kalto
