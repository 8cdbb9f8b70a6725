// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ephemeris graph as a document's picture: drawn by DrawGraph exactly as
// on screen, without the status texts, and handed over as a bitmap.

#include "GraphFrame.h"
#include "WindowsMetafile.h"

#include <QImage>

namespace kalto {

// The pixels of `image` as 0xAARRGGBB, the top row first.
[[nodiscard]] BitmapImage BitmapOfImage(const QImage& image);

// The graph of `frame` at frame.Width × frame.Height. Text is laid out only
// inside a QGuiApplication.
[[nodiscard]] BitmapImage GraphPicture(const GraphFrame& frame);

}  // namespace kalto
