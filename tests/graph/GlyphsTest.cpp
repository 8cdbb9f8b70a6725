// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include "Bodies.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace kalto {
namespace {

int BlackPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x << "," << y;
            count += pixel == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    return count;
}

// Every glyph of a set has its size, is black on white, and differs from the
// others.
void ExpectGlyphSet(const std::function<const QImage&(int)>& glyph, int first, int last, int size) {
    std::vector<QImage> seen;
    for (int i = first; i <= last; ++i) {
        SCOPED_TRACE(i);
        const QImage& image = glyph(i);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_GT(BlackPixels(image), 0);
        for (const QImage& other : seen) {
            EXPECT_NE(image, other);
        }
        seen.push_back(image);
    }
}

TEST(Glyphs, SignPointAndBodyGlyphsAreBlackOnWhiteAtTheirSizes) {
    ExpectGlyphSet(SignGlyph, 0, 11, 11);
    ExpectGlyphSet(PointGlyph, 0, 3, 5);
    ExpectGlyphSet(BodyGlyph, Sol, Nod, 10);
}

TEST(Glyphs, ATintedGlyphIsTheColourOnWhite) {
    const QImage& glyph = BodyGlyph(Mar);
    const QColor color(255, 128, 0);
    const QImage tinted = TintedGlyph(glyph, color);
    ASSERT_EQ(tinted.size(), glyph.size());
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(tinted.pixel(x, y), glyph.pixel(x, y) == qRgb(0, 0, 0) ? color.rgb() : qRgb(255, 255, 255));
        }
    }
}

}  // namespace
}  // namespace kalto
