// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pictures of the graph, black on white: the sign glyphs of the left
// margin, the point glyphs of the series and each body's own glyph. Drawn by
// hand pixel by pixel, so that they read clearly at their size.

#include <QColor>
#include <QImage>

namespace kalto {

inline constexpr int SignGlyphSize = 11;
inline constexpr int PointGlyphSize = 5;
inline constexpr int BodyGlyphSize = 10;

// The glyph of sign `sign` (0 = Ari .. 11 = Pis).
[[nodiscard]] const QImage& SignGlyph(int sign);
// The point glyph of choice `choice` (0 circle, 1 square, 2 triangle,
// 3 asterisk).
[[nodiscard]] const QImage& PointGlyph(int choice);
// The glyph of body number `body` (Sol .. Nod).
[[nodiscard]] const QImage& BodyGlyph(int body);

// The glyph in `color`: its black pixels take the colour, its white pixels
// stay white, so that combined with a picture by bitwise AND it leaves the
// picture unchanged around the glyph.
[[nodiscard]] QImage TintedGlyph(const QImage& glyph, QColor color);

}  // namespace kalto
