// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsMetafile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace kalto {
namespace {

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}
std::int16_t Signed(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int16_t>(Word(bytes, at));
}
std::uint32_t DoubleWord(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return Word(bytes, at) | (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

struct Record {
    std::size_t Offset;  // bytes from the start of the metafile
    std::uint32_t Words;
    std::uint16_t Function;
};

// The records after the header, walked by their own sizes.
std::vector<Record> Records(const std::vector<std::uint8_t>& metafile) {
    std::vector<Record> records;
    std::size_t at = 2 * Word(metafile, 2);
    while (at < metafile.size()) {
        const Record record{at, DoubleWord(metafile, at), Word(metafile, at + 4)};
        records.push_back(record);
        if (record.Words < 3) break;
        at += 2 * static_cast<std::size_t>(record.Words);
    }
    return records;
}

// A bitmap whose every pixel tells its own position.
BitmapImage PatternBitmap(int width, int height) {
    BitmapImage bitmap{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.Pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((x & 0xFF) << 16) |
                                    static_cast<std::uint32_t>((y & 0xFF) << 8) |
                                    static_cast<std::uint32_t>((x + y) & 0xFF));
        }
    }
    return bitmap;
}

TEST(WindowsMetafileTest, RecordsTheStretchedBitmapWithCorrectSizes) {
    const struct {
        int Width;
        int Height;
    } sizes[] = {{1, 1}, {2, 3}, {3, 2}, {5, 4}, {900, 500}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.Width) + " x " + std::to_string(size.Height));
        const std::vector<std::uint8_t> wmf = StretchedBitmapMetafile(PatternBitmap(size.Width, size.Height));
        ASSERT_GE(wmf.size(), 18u);

        // META_HEADER: memory metafile, 9 words, version 3, the whole size in words.
        EXPECT_EQ(Word(wmf, 0), 1);
        EXPECT_EQ(Word(wmf, 2), 9);
        EXPECT_EQ(Word(wmf, 4), 0x0300);
        EXPECT_EQ(wmf.size() % 2, 0u);
        EXPECT_EQ(DoubleWord(wmf, 6), wmf.size() / 2);
        EXPECT_EQ(Word(wmf, 10), 0);  // no objects
        EXPECT_EQ(Word(wmf, 16), 0);

        const std::vector<Record> records = Records(wmf);
        ASSERT_EQ(records.size(), 5u);
        const std::uint16_t functions[] = {MetaSetMapMode, MetaSetWindowOrg, MetaSetWindowExt, MetaStretchDib, MetaEof};
        std::uint32_t largest = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].Function, functions[i]) << "record " << i;
            largest = std::max(largest, records[i].Words);
        }
        EXPECT_EQ(DoubleWord(wmf, 12), largest);  // mtMaxRecord
        // The records fill the file exactly, META_EOF last.
        EXPECT_EQ(records.back().Offset + 2 * records.back().Words, wmf.size());
        EXPECT_EQ(records.back().Words, 3u);

        EXPECT_EQ(records[0].Words, 4u);
        EXPECT_EQ(Word(wmf, records[0].Offset + 6), MapModeAnisotropic);
        EXPECT_EQ(records[1].Words, 5u);
        EXPECT_EQ(Signed(wmf, records[1].Offset + 6), 0);  // window origin y, x
        EXPECT_EQ(Signed(wmf, records[1].Offset + 8), 0);
        EXPECT_EQ(records[2].Words, 5u);
        EXPECT_EQ(Signed(wmf, records[2].Offset + 6), size.Height);  // window extent y, x
        EXPECT_EQ(Signed(wmf, records[2].Offset + 8), size.Width);

        const std::size_t stretch = records[3].Offset;
        EXPECT_EQ(DoubleWord(wmf, stretch + 6), RasterSourceCopy);
        EXPECT_EQ(Word(wmf, stretch + 10), 0);  // DIB_RGB_COLORS
        const int source[] = {Signed(wmf, stretch + 12), Signed(wmf, stretch + 14), Signed(wmf, stretch + 16),
                              Signed(wmf, stretch + 18)};
        const int destination[] = {Signed(wmf, stretch + 20), Signed(wmf, stretch + 22), Signed(wmf, stretch + 24),
                                   Signed(wmf, stretch + 26)};
        const int whole[] = {size.Height, size.Width, 0, 0};  // height, width, y, x
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(source[i], whole[i]) << "source field " << i;
            EXPECT_EQ(destination[i], whole[i]) << "destination field " << i;
        }

        // BITMAPINFOHEADER of a bottom-up 24-bit DIB.
        const std::size_t dib = stretch + 28;
        const std::size_t rowBytes = (static_cast<std::size_t>(size.Width) * 3 + 3) / 4 * 4;
        EXPECT_EQ(DoubleWord(wmf, dib), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(DoubleWord(wmf, dib + 4)), size.Width);
        EXPECT_EQ(static_cast<std::int32_t>(DoubleWord(wmf, dib + 8)), size.Height);
        EXPECT_EQ(Word(wmf, dib + 12), 1);
        EXPECT_EQ(Word(wmf, dib + 14), 24);
        EXPECT_EQ(DoubleWord(wmf, dib + 16), 0u);
        EXPECT_EQ(DoubleWord(wmf, dib + 20), rowBytes * static_cast<std::size_t>(size.Height));
        EXPECT_EQ(2 * records[3].Words, 28 + 40 + rowBytes * static_cast<std::size_t>(size.Height));

        // Pixels as blue, green, red; the bitmap's top row is the DIB's last.
        const BitmapImage bitmap = PatternBitmap(size.Width, size.Height);
        const std::size_t pixels = dib + 40;
        for (int y = 0; y < size.Height; y += std::max(1, size.Height / 7)) {
            for (int x = 0; x < size.Width; x += std::max(1, size.Width / 7)) {
                const std::uint32_t expected =
                    bitmap.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.Width) +
                                  static_cast<std::size_t>(x)];
                const std::size_t at =
                    pixels + static_cast<std::size_t>(size.Height - 1 - y) * rowBytes + static_cast<std::size_t>(x) * 3;
                EXPECT_EQ(wmf[at], expected & 0xFF) << x << "," << y;
                EXPECT_EQ(wmf[at + 1], (expected >> 8) & 0xFF) << x << "," << y;
                EXPECT_EQ(wmf[at + 2], (expected >> 16) & 0xFF) << x << "," << y;
            }
        }
    }
}

TEST(WindowsMetafileTest, RefusesBitmapsAMetafileCannotHold) {
    BitmapImage mismatched = PatternBitmap(4, 4);
    mismatched.Pixels.pop_back();
    const BitmapImage cases[] = {
        BitmapImage{},
        BitmapImage{0, 5, {}},
        BitmapImage{-1, -1, {1}},
        mismatched,
        BitmapImage{MaxMetafileSide + 1, 1,
                    std::vector<std::uint32_t>(static_cast<std::size_t>(MaxMetafileSide) + 1, 0)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(FitsWindowsMetafile(cases[i]));
        EXPECT_TRUE(StretchedBitmapMetafile(cases[i]).empty());
    }
    const BitmapImage widest{MaxMetafileSide, 1, std::vector<std::uint32_t>(MaxMetafileSide, 0)};
    EXPECT_TRUE(FitsWindowsMetafile(widest));
    EXPECT_FALSE(StretchedBitmapMetafile(widest).empty());
}

}  // namespace
}  // namespace kalto
