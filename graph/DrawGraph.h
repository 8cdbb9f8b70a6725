// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// DrawGraph, the renderer of the ephemeris graph: one drawing routine over a
// GraphFrame for any painter (the page's paint box, or the picture of the
// export and of the command line).

#include "GraphColors.h"
#include "GraphFrame.h"
#include "GraphGeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <string>

namespace kalto {

// The size of the picture that the export and the command line render.
inline constexpr int GraphPictureWidth = 900;
inline constexpr int GraphPictureHeight = 500;

// What a drawing leaves for the page: its layout, for the pointer, and the
// texts of status panels 0 (the marker date) and 2 (the scale).
struct GraphDrawing {
    GraphGeometry Geometry;
    std::string MarkerText;
    std::string ScaleText;
};

[[nodiscard]] inline QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// Draws the graph into (0, 0, frame.Width, frame.Height) of the painter:
// background, frame, sign bands with their glyphs, decan and sign lines, day
// and month lines with their labels, the day marker and the series. Glyphs are
// combined with the picture by bitwise AND, a raster operation: the target
// must be raster-painted (an image, a pixmap or a widget of the raster
// backing store). The painter's state is left as it was.
GraphDrawing DrawGraph(QPainter& painter, const GraphFrame& frame);

// The drawing as an image of frame.Width x frame.Height pixels (both at least
// 1), without the status texts.
[[nodiscard]] QImage RenderGraphImage(const GraphFrame& frame);

}  // namespace kalto
