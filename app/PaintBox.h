// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that its owner paints, like the paint boxes of the window: it draws
// nothing itself, hands its owner a painter on every paint, and reports presses
// and pointer movement in its own coordinates, and the pointer leaving it. It paints through the raster
// backing store, so raster operations such as a bitwise AND work on it.

#include <QWidget>

class QPainter;

namespace kalto {

class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);

signals:
    // The whole box is to be painted with `painter`.
    void Paint(QPainter& painter);
    void MouseDown(QPoint position, Qt::MouseButton button);
    // Sent whether or not a button is held.
    void MouseMove(QPoint position);
    // The pointer left the box.
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}  // namespace kalto
