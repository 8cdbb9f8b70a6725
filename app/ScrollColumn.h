// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed-width column of controls beside a page's table or chart that
// scrolls when the window is shorter than the column, so that the window fits
// a small screen instead of running past its bottom edge.

class QScrollArea;
class QWidget;

namespace kalto {

// Puts `column`, whose width is fixed, into a frameless scroll area as wide as
// the column and a vertical scroll bar. The area takes no keyboard focus: Tab
// goes on through the column's controls, and the area scrolls to the one that
// has the focus.
[[nodiscard]] QScrollArea* ScrollColumn(QWidget* column);

}  // namespace kalto
