// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the contact grids StrGridCont and StrGridDetCont. Their column
// widths are fixed in pixels, so each grid's font is chosen to fit them: the
// largest size, no larger than the window's, in the normal or else a
// semi-condensed width, at which the widest text each column can show fits
// inside the column. A duration of a day or more ("0 años 0 meses 2 días =
// ...") is longer than "Dur. Aprox." at any size; it is not counted, and its
// cell shows it whole as its tool tip.

#include "DateFormat.h"

#include <QFont>

class QTableView;

namespace kalto {

// The fonts for `grid`, StrGridCont or StrGridDetCont, no larger than its own.
[[nodiscard]] QFont ContactGridFont(const QTableView* grid, const DateFormatNames& names);
[[nodiscard]] QFont ContactDetailFont(const QTableView* grid, const DateFormatNames& names);

// Whether every shown column's widest text fits its start-up width in the
// grid's font.
[[nodiscard]] bool ContactColumnsFit(const QTableView* grid, const DateFormatNames& names);
[[nodiscard]] bool ContactDetailColumnsFit(const QTableView* grid, const DateFormatNames& names);

}  // namespace kalto
