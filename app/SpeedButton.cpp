// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeedButton.h"

#include <QToolButton>

namespace kalto {

QToolButton* NewSpeedButton(const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolTip(hint.section(u'|', 0, 0));
    button->setStatusTip(hint.section(u'|', 1, 1));
    return button;
}

}  // namespace kalto
