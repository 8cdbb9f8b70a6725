// SPDX-License-Identifier: GPL-3.0-or-later
// The graph as a document's picture: the pixels of the drawing handed over
// unchanged, at the frame's size, a run or none.

#include "GraphPicture.h"

#include "EphemerisRun.h"
#include "ExportDocuments.h"
#include "GuiApplication.h"
#include "DrawGraph.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <set>
#include <sstream>

namespace kalto {
namespace {

// Each format a drawing may come in gives the same 0xAARRGGBB pixels, top row
// first, alpha set.
TEST(GraphPictureTest, BitmapOfImageKeepsEveryPixel) {
    const QColor colours[2][3] = {{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)},
                                  {QColor(1, 2, 3), QColor(250, 128, 7), QColor(255, 255, 255)}};
    const std::uint32_t expected[6] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF010203u, 0xFFFA8007u, 0xFFFFFFFFu};
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888, QImage::Format_ARGB32}) {
        SCOPED_TRACE(static_cast<int>(format));
        QImage image(3, 2, format);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) image.setPixelColor(x, y, colours[y][x]);
        }
        const BitmapImage bitmap = BitmapOfImage(image);
        EXPECT_EQ(bitmap.Width, 3);
        EXPECT_EQ(bitmap.Height, 2);
        EXPECT_EQ(bitmap.Pixels, std::vector<std::uint32_t>(std::begin(expected), std::end(expected)));
    }
}

GraphFrame PictureFrame() {
    GraphFrame frame;
    frame.Width = GraphPictureWidth;
    frame.Height = GraphPictureHeight;
    frame.ShownBodies.fill(true);
    return frame;
}

TEST(GraphPictureTest, IsTheDrawingOfTheFrame) {
    EnsureGuiApplication();
    GraphFrame frame = PictureFrame();
    EphemerisRequest request;
    request.StartDate = EncodeDate(2027, 1, 1);
    request.EndDate = EncodeDate(2027, 1, 31);
    request.SpanDays = 31;
    EphemerisProgress progress;
    frame.Rows = RunEphemeris(request, progress);
    frame.StartDate = request.StartDate;
    frame.EndDate = request.EndDate;
    const BitmapImage picture = GraphPicture(frame);
    EXPECT_EQ(picture.Width, 900);
    EXPECT_EQ(picture.Height, 500);
    EXPECT_TRUE(picture.Pixels == BitmapOfImage(RenderGraphImage(frame)).Pixels);
}

// Before any run the graph is the grid alone, and its document is whole.
TEST(GraphPictureTest, WithoutARunTheGridMakesAValidDocument) {
    EnsureGuiApplication();
    GraphFrame frame = PictureFrame();
    const BitmapImage grid = GraphPicture(frame);
    ASSERT_TRUE(FitsWindowsMetafile(grid));
    // Not blank: the background, the frame and sign lines and the glyphs.
    EXPECT_GE(std::set<std::uint32_t>(grid.Pixels.begin(), grid.Pixels.end()).size(), 3u);
    std::ostringstream out;
    RtfWriter writer(out);
    EXPECT_TRUE(WriteDocument(writer, GraphExport{grid}, ExportSettings{}).Ok());
    const std::vector<std::uint8_t> metafile = StretchedBitmapMetafile(grid);
    EXPECT_NE(out.str().find("\\wmetafile8 \\bin" + std::to_string(metafile.size()) +
                             std::string(metafile.begin(), metafile.end()) + "}\r\n}"),
              std::string::npos);
}

}  // namespace
}  // namespace kalto
