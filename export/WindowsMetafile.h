// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bitmap recorded as a Windows metafile (WMF), the picture format that word
// processors read from a Rich Text Format \wmetafile8 group. Record layouts
// follow Microsoft's published Windows Metafile Format [MS-WMF].

#include <cstdint>
#include <vector>

namespace kalto {

// A bitmap as drawn in memory: Width × Height pixels, the top row first, each
// pixel 0xAARRGGBB (the layout of a 32-bit RGB image; alpha is ignored).
struct BitmapImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// Metafile coordinates are signed 16-bit numbers.
inline constexpr int MaxMetafileSide = 32767;

// Record types of [MS-WMF] 2.1.1.1 that the picture uses.
inline constexpr std::uint16_t MetaEof = 0x0000;
inline constexpr std::uint16_t MetaSetMapMode = 0x0103;
inline constexpr std::uint16_t MetaSetWindowOrg = 0x020B;
inline constexpr std::uint16_t MetaSetWindowExt = 0x020C;
inline constexpr std::uint16_t MetaStretchDib = 0x0F43;
inline constexpr std::uint16_t MapModeAnisotropic = 8;
inline constexpr std::uint32_t RasterSourceCopy = 0x00CC0020;

// True when the bitmap has pixels, sides of at most MaxMetafileSide and as
// many pixels as its sides say.
[[nodiscard]] bool FitsWindowsMetafile(const BitmapImage& bitmap) noexcept;

// The bytes of a memory metafile that sets the anisotropic mapping with the
// window origin (0, 0) and extent Width × Height, then stretches the bitmap
// onto the rectangle (0, 0, Width, Height) as a bottom-up 24-bit DIB
// (META_STRETCHDIB), and ends with META_EOF. A player maps that window onto
// whatever frame the document gives the picture. Empty when the bitmap does
// not fit (FitsWindowsMetafile).
[[nodiscard]] std::vector<std::uint8_t> StretchedBitmapMetafile(const BitmapImage& bitmap);

}  // namespace kalto
