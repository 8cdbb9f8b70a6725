// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's page tabs, drawn by the program: each tab filled with the
// window's colour and its caption written in blue.

#include <QProxyStyle>

namespace kalto {

inline const QColor PageTabCaptionColor(0, 0, 255);

class PageTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Gives the tabs of `tabBar` the program's look.
void SetPageTabLook(QWidget* tabBar);

}  // namespace kalto
