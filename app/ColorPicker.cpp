// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorPicker.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

#include <array>

namespace kalto {

namespace {

struct StandardColor {
    const char* Name;
    QColor Color;
};

// The sixteen colours of the standard palette, in its order.
const std::array<StandardColor, 16> StandardColors{{
    {"Negro", QColor(0, 0, 0)},
    {"Granate", QColor(128, 0, 0)},
    {"Verde", QColor(0, 128, 0)},
    {"Oliva", QColor(128, 128, 0)},
    {"Azul marino", QColor(0, 0, 128)},
    {"Púrpura", QColor(128, 0, 128)},
    {"Verde azulado", QColor(0, 128, 128)},
    {"Gris", QColor(128, 128, 128)},
    {"Plata", QColor(192, 192, 192)},
    {"Rojo", QColor(255, 0, 0)},
    {"Lima", QColor(0, 255, 0)},
    {"Amarillo", QColor(255, 255, 0)},
    {"Azul", QColor(0, 0, 255)},
    {"Fucsia", QColor(255, 0, 255)},
    {"Aguamarina", QColor(0, 255, 255)},
    {"Blanco", QColor(255, 255, 255)},
}};

constexpr int SwatchColumns = 4;

// A rectangle of the colour with a dark border.
QIcon Swatch(QColor color, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}

}  // namespace

ColorPicker::ColorPicker(QColor color, QWidget* parent) : QToolButton(parent), Choices(new QMenu(this)) {
    setPopupMode(QToolButton::InstantPopup);
    setIconSize(QSize(40, 14));
    setToolTip(QStringLiteral("Color"));

    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < StandardColors.size(); ++i) {
        const auto& [name, standard] = StandardColors[i];
        auto* swatch = new QToolButton;
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(16, 16));
        swatch->setIcon(Swatch(standard, QSize(16, 16)));
        swatch->setToolTip(QString::fromUtf8(name));
        connect(swatch, &QToolButton::clicked, this, [this, standard] {
            Choices->close();
            Pick(standard);
        });
        const int index = static_cast<int>(i);
        layout->addWidget(swatch, index / SwatchColumns, index % SwatchColumns);
    }
    auto* swatches = new QWidgetAction(Choices);
    swatches->setDefaultWidget(grid);
    Choices->addAction(swatches);
    Choices->addSeparator();
    // Queued, so that the dialog opens once the drop-down has closed.
    connect(Choices->addAction(QStringLiteral("Más colores...")), &QAction::triggered, this, &ColorPicker::PickOther,
            Qt::QueuedConnection);
    setMenu(Choices);

    SetColor(color);
}

void ColorPicker::SetColor(QColor color) {
    Current = color;
    setIcon(Swatch(color, iconSize()));
}

void ColorPicker::Pick(QColor color) {
    SetColor(color);
    emit ColorChange(color);
}

void ColorPicker::PickOther() {
    // Qt's own dialog, in Spanish like the program, not the desktop's.
    const QColor color =
        QColorDialog::getColor(Current, this, QStringLiteral("Color"), QColorDialog::DontUseNativeDialog);
    if (color.isValid()) {
        Pick(color);
    }
}

}  // namespace kalto
