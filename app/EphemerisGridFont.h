// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font of the ephemeris table. Its column widths are fixed in pixels, so the
// font is chosen to fit them: the largest size, no larger than the window's,
// in the normal or else a semi-condensed width, at which the widest text each
// column can show fits inside the column.

#include "DateFormat.h"

#include <QFont>

namespace kalto {

// cellMargin: the blank that the view leaves at each side of a cell's text.
[[nodiscard]] QFont EphemerisGridFont(const QFont& base, const DateFormatNames& names, int cellMargin);

// Whether every column's widest text fits its start-up width in `font`.
[[nodiscard]] bool EphemerisColumnsFit(const QFont& font, const DateFormatNames& names, int cellMargin);

}  // namespace kalto
