// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contact grid as an item model: the records that the angle
// filter lets through, each cell formatted only when a view asks for it.

#include "ContactRecord.h"
#include "DateFormat.h"

#include <QAbstractTableModel>

namespace kalto {

class ContactGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ContactGridModel(DateFormatNames names, QObject* parent = nullptr);

    // Shows `shown`, model row i being the grid's row i + 1; with no records
    // the grid has one blank line.
    void Fill(ContactRecordList shown);

    [[nodiscard]] const ContactRecordList& ShownContactList() const noexcept { return Shown; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    // The cell's text, for display and as its tool tip, so that a text wider
    // than its column can be read whole.
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    DateFormatNames Names;
    ContactRecordList Shown;
};

}  // namespace kalto
