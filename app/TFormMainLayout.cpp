// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own controls, laid out and wired to their handlers: the
// top strip and the commands with their keys.

#include "TFormMain.h"

#include "SettingsRanges.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace kalto {

QWidget* TFormMain::CreateTopStrip() {
    auto* strip = new QWidget;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);

    Controls.SBHelp = new QToolButton;
    Controls.SBHelp->setText(QStringLiteral("?"));
    Controls.SBHelp->setToolTip(QStringLiteral("Ayuda"));
    Controls.SBHelp->setAutoRaise(true);

    Controls.SETz = new QDoubleSpinBox;
    Controls.SETz->setRange(MinTimeZone, MaxTimeZone);
    Controls.SETz->setSingleStep(0.5);
    Controls.SETz->setDecimals(2);
    Controls.SETz->setValue(0);
    connect(Controls.SETz, &QDoubleSpinBox::valueChanged, this, &TFormMain::SETzChange);

    layout->addWidget(Controls.SBHelp);
    layout->addSpacing(8);
    Controls.LabelUTC = new QLabel;
    Controls.LabelUTC->setVisible(false);
    CreateZoneList();

    layout->addWidget(new QLabel(QStringLiteral("Realizar cálculos para un Time Zone de:")));
    layout->addWidget(Controls.SETz);
    layout->addWidget(Controls.LabelUTC);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Zona:")));
    layout->addWidget(Controls.CBZona);
    layout->addStretch(1);
    return strip;
}

void TFormMain::CreateActions() {
    const auto newAction = [this](const QString& text, Qt::Key key, const auto& handler) {
        auto* action = new QAction(text, this);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    Controls.ActionEfem =
        newAction(QStringLiteral("Calcular efemérides"), Qt::Key_F8, [this] { Ephemeris().BCalContacClick(); });
    Controls.ActionCalc = newAction(QStringLiteral("Calcular contactos"), Qt::Key_F9, &TFormMain::ActionCalcExecute);
    Controls.ActionViewEfem =
        newAction(QStringLiteral("Ver listado o gráfico"), Qt::Key_F5, &TFormMain::ActionViewEfemExecute);
    Controls.ActionViewCalc = newAction(QStringLiteral("Ver contactos"), Qt::Key_F6, &TFormMain::ActionViewCalcExecute);
}

}  // namespace kalto
