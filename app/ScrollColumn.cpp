// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrollColumn.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace kalto {

QScrollArea* ScrollColumn(QWidget* column) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidgetResizable(true);
    area->setWidget(column);
    // The page's own colour shows through.
    area->viewport()->setAutoFillBackground(false);
    column->setAutoFillBackground(false);
    const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    area->setFixedWidth(column->minimumWidth() + scrollBar);
    area->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return area;
}

}  // namespace kalto
