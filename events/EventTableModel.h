// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event list as an item model: the events the filter lets through, each
// cell formatted only when a view asks for it. Qt::UserRole gives each cell's
// sort key (the instant, the body's number, the longitude), so that a sorting
// proxy orders the moments by time, not by their text.

#include "DateFormat.h"
#include "EventTable.h"

#include <QAbstractTableModel>

#include <vector>

namespace kalto {

class EventTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit EventTableModel(DateFormatNames names, QObject* parent = nullptr);

    void Fill(std::vector<Event> all, WallClock clock, EventFilter filter);
    void SetFilter(EventFilter filter);

    [[nodiscard]] const std::vector<Event>& ShownEvents() const noexcept { return Shown; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    DateFormatNames Names;
    std::vector<Event> All;
    std::vector<Event> Shown;
    WallClock Clock;
};

}  // namespace kalto
