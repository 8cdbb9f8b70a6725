// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar of text panels side by side, numbered from 0: each at least its
// given width, the last one taking what is left.

#include <QStatusBar>

#include <initializer_list>
#include <vector>

class QLabel;

namespace kalto {

class StatusPanels : public QStatusBar {
public:
    explicit StatusPanels(std::initializer_list<int> widths, QWidget* parent = nullptr);

    void SetText(int panel, const QString& text);
    [[nodiscard]] QString Text(int panel) const;

private:
    std::vector<QLabel*> Panels;
};

}  // namespace kalto
