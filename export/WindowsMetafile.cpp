// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsMetafile.h"

#include <cstddef>
#include <utility>

namespace kalto {
namespace {

// Sizes in 16-bit words, as the metafile counts them.
constexpr std::uint32_t HeaderWords = 9;
constexpr std::uint32_t SetMapModeWords = 4;
constexpr std::uint32_t WindowPointWords = 5;       // META_SETWINDOWORG and META_SETWINDOWEXT
constexpr std::uint32_t StretchDibFixedWords = 14;  // size, function, raster operation, usage, 8 coordinates
constexpr std::uint32_t EofWords = 3;
constexpr std::uint32_t BitmapInfoHeaderBytes = 40;
constexpr std::uint16_t MemoryMetafile = 1;
constexpr std::uint16_t MetafileVersionWithDibs = 0x0300;
constexpr std::uint16_t DibRgbColors = 0;
constexpr std::uint32_t BiRgb = 0;

// Little-endian writing, whatever the host's byte order.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t capacity) { Bytes.reserve(capacity); }
    void Word(std::uint16_t value) {
        Bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        Bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void Signed(int value) { Word(static_cast<std::uint16_t>(value)); }
    void DoubleWord(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Byte(std::uint8_t value) { Bytes.push_back(value); }
    std::vector<std::uint8_t> Bytes;
};

// Bytes of one row of a 24-bit DIB: three a pixel, padded to a multiple of four.
std::size_t DibRowBytes(int width) noexcept {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

bool FitsWindowsMetafile(const BitmapImage& bitmap) noexcept {
    return bitmap.Width > 0 && bitmap.Height > 0 && bitmap.Width <= MaxMetafileSide &&
           bitmap.Height <= MaxMetafileSide &&
           bitmap.Pixels.size() == static_cast<std::size_t>(bitmap.Width) * static_cast<std::size_t>(bitmap.Height);
}

std::vector<std::uint8_t> StretchedBitmapMetafile(const BitmapImage& bitmap) {
    if (!FitsWindowsMetafile(bitmap)) return {};

    const std::size_t rowBytes = DibRowBytes(bitmap.Width);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(bitmap.Height);
    // Rows are padded to four bytes, so the DIB is a whole number of words.
    const auto stretchWords =
        static_cast<std::uint32_t>(StretchDibFixedWords + (BitmapInfoHeaderBytes + pixelBytes) / 2);
    const std::uint32_t totalWords = HeaderWords + SetMapModeWords + 2 * WindowPointWords + stretchWords + EofWords;

    ByteWriter out(static_cast<std::size_t>(totalWords) * 2);

    // META_HEADER ([MS-WMF] 2.3.2.2).
    out.Word(MemoryMetafile);
    out.Word(HeaderWords);
    out.Word(MetafileVersionWithDibs);
    out.DoubleWord(totalWords);
    out.Word(0);                   // no graphics objects
    out.DoubleWord(stretchWords);  // the largest record
    out.Word(0);

    // META_SETMAPMODE ([MS-WMF] 2.3.5.17).
    out.DoubleWord(SetMapModeWords);
    out.Word(MetaSetMapMode);
    out.Word(MapModeAnisotropic);

    // META_SETWINDOWORG and META_SETWINDOWEXT ([MS-WMF] 2.3.5): y before x.
    out.DoubleWord(WindowPointWords);
    out.Word(MetaSetWindowOrg);
    out.Signed(0);
    out.Signed(0);
    out.DoubleWord(WindowPointWords);
    out.Word(MetaSetWindowExt);
    out.Signed(bitmap.Height);
    out.Signed(bitmap.Width);

    // META_STRETCHDIB ([MS-WMF] 2.3.1.6): the whole bitmap onto (0, 0, Width, Height).
    out.DoubleWord(stretchWords);
    out.Word(MetaStretchDib);
    out.DoubleWord(RasterSourceCopy);
    out.Word(DibRgbColors);
    out.Signed(bitmap.Height);  // source height, width, y, x
    out.Signed(bitmap.Width);
    out.Signed(0);
    out.Signed(0);
    out.Signed(bitmap.Height);  // destination height, width, y, x
    out.Signed(bitmap.Width);
    out.Signed(0);
    out.Signed(0);

    // BITMAPINFOHEADER: a positive height means the rows run bottom-up.
    out.DoubleWord(BitmapInfoHeaderBytes);
    out.DoubleWord(static_cast<std::uint32_t>(bitmap.Width));
    out.DoubleWord(static_cast<std::uint32_t>(bitmap.Height));
    out.Word(1);   // planes
    out.Word(24);  // bits a pixel
    out.DoubleWord(BiRgb);
    out.DoubleWord(static_cast<std::uint32_t>(pixelBytes));
    out.DoubleWord(0);  // no preferred resolution: the metafile's frame sets the size
    out.DoubleWord(0);
    out.DoubleWord(0);  // no colour table
    out.DoubleWord(0);

    const std::size_t padding = rowBytes - static_cast<std::size_t>(bitmap.Width) * 3;
    for (int y = bitmap.Height - 1; y >= 0; --y) {
        const std::size_t rowStart = static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Width);
        for (int x = 0; x < bitmap.Width; ++x) {
            const std::uint32_t pixel = bitmap.Pixels[rowStart + static_cast<std::size_t>(x)];
            out.Byte(static_cast<std::uint8_t>(pixel & 0xFF));          // blue
            out.Byte(static_cast<std::uint8_t>((pixel >> 8) & 0xFF));   // green
            out.Byte(static_cast<std::uint8_t>((pixel >> 16) & 0xFF));  // red
        }
        for (std::size_t i = 0; i < padding; ++i) out.Byte(0);
    }

    // META_EOF ([MS-WMF] 2.3.2.1).
    out.DoubleWord(EofWords);
    out.Word(MetaEof);
    return std::move(out.Bytes);
}

}  // namespace kalto
