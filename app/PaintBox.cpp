// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalto {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The owner covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    emit Paint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->position().toPoint(), event->button());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->position().toPoint());
}

void PaintBox::leaveEvent(QEvent* /*event*/) {
    emit MouseLeave();
}

}  // namespace kalto
