// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawGraph.h"

#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "Glyphs.h"
#include "GraphReadout.h"
#include "GraphTestRows.h"

#include <gtest/gtest.h>

#include <set>

namespace kalto {
namespace {

const TDateTime Jan15 = EncodeDate(2027, 1, 15);
constexpr TColor Black = 0;

// The default chart of 779 x 605 pixels over 31 days from January 15 (25
// pixels a day, 48 a sign, decan lines 16 apart; February 1 is day 17),
// without series until a test asks for them.
GraphFrame Chart() {
    GraphFrame frame;
    frame.Width = 779;
    frame.Height = 605;
    frame.StartDate = Jan15;
    frame.EndDate = Jan15 + 30;
    frame.ShowMarker = false;
    return frame;
}

// Every body at `longitude` through the whole run.
void WithBodiesAt(GraphFrame& frame, double longitude, std::initializer_list<int> bodies) {
    frame.Rows =
        MadeUpRows(frame.StartDate, SpanDays(frame.StartDate, frame.EndDate), 1, [=](int, int) { return longitude; });
    for (const int body : bodies) {
        frame.ShownBodies[static_cast<std::size_t>(body)] = true;
    }
}

TColor Pixel(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return RgbColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

int CountPixels(const QImage& image, TColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += Pixel(image, x, y) == color ? 1 : 0;
        }
    }
    return count;
}

bool HasDarkPixel(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST(DrawGraph, BackgroundAndFrame) {
    GraphFrame frame = Chart();
    frame.Colors[BackColor] = RgbColor(250, 245, 230);
    const QImage image = RenderGraphImage(frame);
    ASSERT_EQ(image.size(), QSize(779, 605));
    const TColor back = frame.Colors[BackColor];
    const TColor sign = frame.Colors[SignColor];
    EXPECT_EQ(Pixel(image, 400, 25), back);   // inside the first band
    EXPECT_EQ(Pixel(image, 5, 5), back);      // the top left corner
    EXPECT_EQ(Pixel(image, 400, 600), back);  // under the bottom line
    EXPECT_EQ(Pixel(image, 13, 30), sign);    // left edge of the plot
    EXPECT_EQ(Pixel(image, 400, 20), sign);   // top line
    EXPECT_EQ(Pixel(image, 400, 596), sign);  // bottom line
    EXPECT_EQ(Pixel(image, 775, 20), sign);   // the last day column runs past the edge
}

// Whatever the number of signs, the last band is closed by a line inside the
// export's picture.
TEST(DrawGraph, TheBottomLineIsInsideThePicture) {
    for (int signs = 1; signs <= 12; ++signs) {
        SCOPED_TRACE(signs);
        GraphFrame frame = Chart();
        frame.Width = GraphPictureWidth;
        frame.Height = GraphPictureHeight;
        frame.GraphSigns = signs;
        const GraphGeometry g =
            ComputeGraphGeometry(frame.Width, frame.Height, frame.StartDate, frame.EndDate, signs, 0);
        ASSERT_LT(g.Bottom, GraphPictureHeight);
        EXPECT_EQ(Pixel(RenderGraphImage(frame), 400, g.Bottom), frame.Colors[SignColor]);
    }
}

TEST(DrawGraph, GridLinesFollowTheirSwitches) {
    struct Case {
        const char* name;
        int x, y;
        int slot;  // the colour of the line
        bool GraphFrame::*lines;
    };
    const Case cases[] = {
        {"sign line under the first band", 400, 68, SignColor, &GraphFrame::SignLines},
        {"day line of day 3", 13 + 3 * 25, 110, DaysColor, &GraphFrame::DayLines},
        {"month line of February 1", 13 + 17 * 25, 110, MonthColor, &GraphFrame::MonthLines},
        {"month line rising above the plot", 13 + 17 * 25, 12, MonthColor, &GraphFrame::MonthLines},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphFrame frame = Chart();
        frame.DecanLines = false;  // the third decan line lies on the sign line
        frame.*c.lines = true;
        EXPECT_EQ(Pixel(RenderGraphImage(frame), c.x, c.y), frame.Colors[c.slot]);
        frame.*c.lines = false;
        EXPECT_EQ(Pixel(RenderGraphImage(frame), c.x, c.y), frame.Colors[BackColor]);
    }
}

TEST(DrawGraph, DecanLinesAreDotted) {
    GraphFrame frame = Chart();
    const QImage image = RenderGraphImage(frame);
    const TColor decan = frame.Colors[DecanColor];
    const TColor back = frame.Colors[BackColor];
    for (const int y : {20 + 16, 20 + 32, 20 + 48 + 16}) {
        SCOPED_TRACE(y);
        int dots = 0;
        for (int x = 100; x < 200; ++x) {
            const TColor pixel = Pixel(image, x, y);
            EXPECT_TRUE(pixel == decan || pixel == back);
            dots += pixel == decan ? 1 : 0;
            if (x > 100) {
                EXPECT_NE(pixel, Pixel(image, x - 1, y));  // one on, one off
            }
        }
        EXPECT_EQ(dots, 50);
    }
    frame.DecanLines = false;
    EXPECT_EQ(CountPixels(RenderGraphImage(frame), decan), 0);
}

TEST(DrawGraph, MonthLabelsStandAtTheFirstOfEachMonth) {
    const QImage image = RenderGraphImage(Chart());
    const int february = 13 + 17 * 25;
    EXPECT_TRUE(HasDarkPixel(image, QRect(february, 0, 30, 10)));
    EXPECT_FALSE(HasDarkPixel(image, QRect(13, 0, february - 14, 10)));
    EXPECT_FALSE(HasDarkPixel(image, QRect(february + 40, 0, 779 - february - 40, 10)));
}

// Bands read Acu, Pis, Ari, Tau with Acu on top: each glyph in the margin, a
// third of a band down, black where the glyph is black.
TEST(DrawGraph, SignGlyphsOfTheShownBands) {
    GraphFrame frame = Chart();
    frame.GraphSigns = 4;
    frame.GraphFirstSign = 10;
    const QImage image = RenderGraphImage(frame);
    const int bandHeight = 146;
    const int decanStep = 48;
    for (int v = 0; v < 4; ++v) {
        SCOPED_TRACE(v);
        const QImage& glyph = SignGlyph((10 + v) % 12);
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                const bool black = glyph.pixel(x, y) == qRgb(0, 0, 0);
                ASSERT_EQ(Pixel(image, 1 + x, 20 + v * bandHeight + decanStep + y),
                          black ? Black : frame.Colors[BackColor]);
            }
        }
    }
}

TEST(DrawGraph, DayMarkerIsTwoPixelsWideAtItsDay) {
    GraphFrame frame = Chart();
    frame.MarkerDate = Jan15 + 10.2;
    const int x = 13 + 10 * 25;
    EXPECT_EQ(Pixel(RenderGraphImage(frame), x, 110), frame.Colors[BackColor]);
    frame.ShowMarker = true;
    const QImage image = RenderGraphImage(frame);
    const TColor day = frame.Colors[DayColor];
    // Two columns, x and one beside it, from the top line to the bottom one.
    const QImage column = image.copy(x, 0, 1, 605);
    EXPECT_EQ(Pixel(column, 0, 20), day);
    EXPECT_EQ(Pixel(column, 0, 596), day);
    EXPECT_EQ((Pixel(image, x - 1, 110) == day) + (Pixel(image, x + 1, 110) == day), 1);
    EXPECT_EQ(CountPixels(image, day), 2 * CountPixels(column, day));
    EXPECT_LE(CountPixels(column, day), 596 - 20 + 3);
}

TEST(DrawGraph, ABodyIsDrawnInItsColourWhereItsLongitudePutsIt) {
    GraphFrame frame = Chart();
    frame.MonthLines = false;        // the glyph of February 1 would lie on it
    WithBodiesAt(frame, 45, {Jup});  // y = 20 + 72 = 92
    const TColor lime = BodyColors[Jup];
    const int x = 13 + 3 * 25;

    frame.Glyph = GraphGlyph::None;
    QImage image = RenderGraphImage(frame);
    EXPECT_EQ(Pixel(image, x + 10, 92), lime);  // the line from day 3 to day 4
    EXPECT_EQ(Pixel(image, x + 10, 93), frame.Colors[BackColor]);
    EXPECT_EQ(CountPixels(image, lime), 30 * 25 + 1);  // the line across days 0 to 30

    frame.Lines = false;
    EXPECT_EQ(CountPixels(RenderGraphImage(frame), lime), 0);  // no glyph, no lines: nothing

    frame.Glyph = GraphGlyph::Square;
    image = RenderGraphImage(frame);
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            EXPECT_EQ(Pixel(image, x + dx, 92 + dy), lime) << dx << "," << dy;
        }
    }
    EXPECT_EQ(Pixel(image, x + 3, 92), frame.Colors[BackColor]);
    // 30 points; the first one lies on the left edge of the plot.
    EXPECT_EQ(CountPixels(image.copy(16, 0, 779 - 16, 605), lime), 29 * 25);
}

TEST(DrawGraph, ABodyGlyphIsTintedInTheBodyColour) {
    GraphFrame frame = Chart();
    WithBodiesAt(frame, 45, {Mar});
    frame.Glyph = GraphGlyph::BodyImage;
    frame.Lines = false;
    const QImage image = RenderGraphImage(frame);
    const QImage& glyph = BodyGlyph(Mar);
    const int left = 13 + 3 * 25 - 5;
    const int top = 92 - 5;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const bool black = glyph.pixel(x, y) == qRgb(0, 0, 0);
            ASSERT_EQ(Pixel(image, left + x, top + y), black ? BodyColors[Mar] : frame.Colors[BackColor])
                << x << "," << y;
        }
    }
}

// Glyphs are combined by bitwise AND: with the sign line under them, and with
// each other.
TEST(DrawGraph, GlyphsDarkenWhatLiesUnderThem) {
    GraphFrame frame = Chart();
    frame.Glyph = GraphGlyph::Square;
    frame.Lines = false;
    const int x = 13 + 3 * 25;

    WithBodiesAt(frame, 45, {Sol, Ven});  // orange (255, 128, 0) and fuchsia (255, 0, 255)
    EXPECT_EQ(Pixel(RenderGraphImage(frame), x, 92), RgbColor(255, 0, 0));

    frame.ShownBodies = {};
    WithBodiesAt(frame, 30, {Sol});  // on the sign line at y = 68, (162, 193, 232)
    const QImage image = RenderGraphImage(frame);
    EXPECT_EQ(Pixel(image, x, 68), RgbColor(255 & 162, 128 & 193, 0));
    EXPECT_EQ(Pixel(image, x, 69), BodyColors[Sol]);
}

// Only the grid, bands and glyphs: every pixel of the plot has a grid colour,
// the background or the glyphs' black.
void ExpectNoSeries(const GraphFrame& frame) {
    const QImage image = RenderGraphImage(frame);
    std::set<TColor> allowed = {Black};
    for (int slot = SignColor; slot <= BackColor; ++slot) {
        allowed.insert(frame.Colors[slot]);
    }
    for (int y = 20; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_TRUE(allowed.contains(Pixel(image, x, y))) << x << "," << y;
        }
    }
}

TEST(DrawGraph, WithoutADayAxisOnlyTheGridIsDrawn) {
    struct Case {
        const char* name;
        int width;
        double days;
    };
    const Case cases[] = {
        {"the start after the end", 779, -10},
        {"731 days on 287 pixels", 300, 730},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphFrame frame = Chart();
        frame.Width = c.width;
        frame.EndDate = frame.StartDate + c.days;
        frame.Rows = MadeUpRows(frame.StartDate, SpanDays(frame.StartDate, frame.EndDate), 1,
                                [](int body, int row) { return (body * 30 + row * 13) % 360; });
        frame.ShownBodies.fill(true);
        frame.Glyph = GraphGlyph::Square;
        frame.DayLines = true;
        frame.ShowMarker = true;
        frame.MarkerDate = frame.StartDate;
        ExpectNoSeries(frame);
        const QImage image = RenderGraphImage(frame);
        // The frame and the sign lines span the plot.
        EXPECT_EQ(Pixel(image, c.width - 1, 20), frame.Colors[SignColor]);
        EXPECT_EQ(Pixel(image, c.width - 1, 20 + 48), frame.Colors[SignColor]);
    }
}

TEST(DrawGraph, ARunOfTheEngineIsDrawnAtItsLongitudes) {
    GraphFrame frame = Chart();
    EphemerisProgress progress;
    frame.Rows = RunEphemeris({frame.StartDate, frame.EndDate, 31, 1, WallClock()}, progress);
    ASSERT_NE(frame.Rows, nullptr);
    frame.ShownBodies[Sat] = true;
    frame.Glyph = GraphGlyph::Circle;
    const QImage image = RenderGraphImage(frame);
    const GraphGeometry g = ComputeGraphGeometry(779, 605, frame.StartDate, frame.EndDate, 12, 0);
    for (int k = 0; k < 30; ++k) {
        SCOPED_TRACE(k);
        const double longitude = frame.Rows->Bodies[Sat][static_cast<std::size_t>(k)].Longitude;
        EXPECT_EQ(Pixel(image, DayX(g, k), LongitudeY(g, longitude)), BodyColors[Sat]);
    }
}

TEST(DrawGraph, ReturnsItsLayoutAndStatusTexts) {
    GraphFrame frame = Chart();
    frame.MarkerDate = Jan15 + 3;
    QImage image(779, 605, QImage::Format_RGB32);
    QPainter painter(&image);
    const GraphDrawing drawing = DrawGraph(painter, frame);
    EXPECT_EQ(drawing.Geometry.DayWidth, 25);
    EXPECT_EQ(drawing.Geometry.BandHeight, 48);
    EXPECT_EQ(drawing.Geometry.AxisStart, Jan15);
    EXPECT_EQ(drawing.MarkerText, "lunes, ene-18-2027");
    EXPECT_EQ(drawing.ScaleText, "Eje X: 1 pixel ~ ±0h58m Eje Y: 1 pixel ~ ± 00º 37' 30\"");
}

// The paint box's painter may cover more than the chart: the drawing keeps to
// its rectangle and leaves the painter as it found it.
TEST(DrawGraph, KeepsToItsRectangle) {
    const TColor outside = RgbColor(10, 200, 30);
    QImage image(1000, 700, QImage::Format_RGB32);
    image.fill(ToQColor(outside));
    GraphFrame frame = Chart();
    frame.EndDate = frame.StartDate + 60;  // the last day column runs past the right edge
    frame.ShowMarker = true;
    frame.MarkerDate = frame.StartDate + 60;
    WithBodiesAt(frame, 359, {Sol, Lun});
    frame.Glyph = GraphGlyph::BodyImage;
    QPainter painter(&image);
    painter.translate(100, 50);
    DrawGraph(painter, frame);
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 1000; ++x) {
            const bool inside = x >= 100 && x < 100 + 779 && y >= 50 && y < 50 + 605;
            if (!inside) {
                ASSERT_EQ(Pixel(image, x, y), outside) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(Pixel(image, 100 + 400, 50 + 25), frame.Colors[BackColor]);
}

}  // namespace
}  // namespace kalto
