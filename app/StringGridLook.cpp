// SPDX-License-Identifier: GPL-3.0-or-later
#include "StringGridLook.h"

#include <QHeaderView>
#include <QTableView>

namespace kalto {

void SetStringGridLook(QTableView* grid) {
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen with the arrow keys; Tab goes on to the next control.
    grid->setTabKeyNavigation(false);
    grid->setShowGrid(true);
    grid->setAlternatingRowColors(false);
    grid->setWordWrap(false);
    QPalette selection = grid->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        selection.setColor(group, QPalette::Highlight, QColor(255, 255, 0));
        selection.setColor(group, QPalette::HighlightedText, QColor(0, 0, 0));
    }
    grid->setPalette(selection);
}

}  // namespace kalto
