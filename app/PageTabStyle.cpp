// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageTabStyle.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QWidget>

namespace kalto {

namespace {

// Room the style's tab frame takes on each side.
constexpr int TabFrame = 2;
// The caption's distance from the filled rectangle's left and top.
constexpr int CaptionInset = 2;

}  // namespace

// The frame of each tab stays the style's; its inside is filled with the
// window's colour and the caption, blanks included, written from its left.
void PageTabStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element != CE_TabBarTabLabel || tab == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect inside = tab->rect.adjusted(TabFrame, TabFrame, -TabFrame, 0);
    painter->save();
    painter->fillRect(inside, tab->palette.color(QPalette::Window));
    painter->setPen(PageTabCaptionColor);
    painter->setFont(widget != nullptr ? widget->font() : painter->font());
    const QRect caption = inside.adjusted(CaptionInset, CaptionInset, 0, 0);
    painter->drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, tab->text);
    painter->restore();
}

void SetPageTabLook(QWidget* tabBar) {
    auto* style = new PageTabStyle;
    style->setParent(tabBar);
    tabBar->setStyle(style);
}

}  // namespace kalto
