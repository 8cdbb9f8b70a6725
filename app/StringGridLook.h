// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look the window's grids share: a header row, thin fixed rows, whole-row
// selection in yellow, no editing, and Tab that leaves the grid.

class QTableView;

namespace kalto {

// The height of a grid row, pixels.
inline constexpr int GridRowHeight = 18;

void SetStringGridLook(QTableView* grid);

}  // namespace kalto
