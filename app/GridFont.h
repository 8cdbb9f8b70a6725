// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of a grid whose column widths are fixed in pixels: chosen so that
// the texts its columns show fit inside them.

#include <QFont>

#include <functional>

class QTableView;

namespace kalto {

// The largest size, no larger than `base`'s, in the normal or else a
// semi-condensed width, at which `fits` holds; the smallest tried when none does.
[[nodiscard]] QFont FittingGridFont(const QFont& base, const std::function<bool(const QFont&)>& fits);

// The blank that `grid` leaves at each side of a cell's text, pixels.
[[nodiscard]] int GridCellMargin(const QTableView* grid);

// The room for the text of a cell of a column `width` pixels wide: the
// column less the grid line drawn inside it and the blank at each side.
[[nodiscard]] int GridTextRoom(const QTableView* grid, int width);

}  // namespace kalto
