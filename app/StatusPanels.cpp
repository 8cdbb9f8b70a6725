// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusPanels.h"

#include <QLabel>

namespace kalto {

StatusPanels::StatusPanels(std::initializer_list<int> widths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (const int width : widths) {
        auto* panel = new QLabel;
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(width);
        Panels.push_back(panel);
        addWidget(panel, Panels.size() == widths.size() ? 1 : 0);
    }
}

void StatusPanels::SetText(int panel, const QString& text) {
    Panels.at(static_cast<std::size_t>(panel))->setText(text);
}

QString StatusPanels::Text(int panel) const {
    return Panels.at(static_cast<std::size_t>(panel))->text();
}

}  // namespace kalto
