// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compact colour chooser: a button that shows the colour and drops down the
// sixteen standard colours and "Más colores...", which opens the system's
// colour dialog.

#include <QColor>
#include <QToolButton>

class QMenu;

namespace kalto {

class ColorPicker : public QToolButton {
    Q_OBJECT

public:
    explicit ColorPicker(QColor color, QWidget* parent = nullptr);

    [[nodiscard]] QColor Color() const { return Current; }
    // Shows `color` without a ColorChange.
    void SetColor(QColor color);

signals:
    // The user picked `color`.
    void ColorChange(QColor color);

private:
    void Pick(QColor color);
    void PickOther();

    QColor Current;
    QMenu* Choices;
};

}  // namespace kalto
