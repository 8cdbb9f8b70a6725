// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphPicture.h"

#include "DrawGraph.h"

#include <cstring>

namespace kalto {

BitmapImage BitmapOfImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    BitmapImage bitmap{rgb.width(), rgb.height(), {}};
    bitmap.Pixels.resize(static_cast<std::size_t>(bitmap.Width) * static_cast<std::size_t>(bitmap.Height));
    for (int y = 0; y < bitmap.Height; ++y) {
        std::memcpy(bitmap.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Width),
                    rgb.constScanLine(y), static_cast<std::size_t>(bitmap.Width) * sizeof(std::uint32_t));
    }
    return bitmap;
}

BitmapImage GraphPicture(const GraphFrame& frame) {
    return BitmapOfImage(RenderGraphImage(frame));
}

}  // namespace kalto
