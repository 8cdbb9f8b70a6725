// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfGridMarkup.h"
#include "RtfWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {
namespace {

using test::CellStart;
using test::GridEnd;
using test::GridStart;
using test::RowEnd;
using test::RowStart;
using test::RowTexts;

constexpr std::string_view ColorTableText =
    R"({\colortbl\red0\green0\blue0;\red128\green0\blue0;\red0\green128\blue0;\red128\green128\blue0;)"
    R"(\red0\green0\blue128;\red128\green0\blue128;\red0\green128\blue128;\red128\green128\blue128;)"
    R"(\red192\green192\blue192;\red255\green0\blue0;\red0\green255\blue0;\red255\green255\blue0;)"
    R"(\red0\green0\blue255;\red255\green0\blue255;\red0\green255\blue255;\red255\green255\blue255;})";

// Runs `write` on a writer over a string stream and returns the document.
template <typename Write>
std::string Document(Write write) {
    std::ostringstream out;
    RtfWriter writer(out);
    write(writer);
    EXPECT_TRUE(writer.Status().Ok()) << writer.Status().ErrorMessage;
    writer.SaveDocument();
    return out.str();
}

// The document of `write` without the end that SaveDocument adds.
template <typename Write>
std::string Body(Write write) {
    std::string document = Document(write);
    EXPECT_TRUE(document.ends_with("\r\n}"));
    document.resize(document.size() - 3);
    return document;
}

TEST(RtfWriterTest, HeaderHasEmptyFontTableAndTheSixteenColours) {
    const std::string expected =
        std::string(R"({\rtf1\ansi\ansicpg1252\deff0\deftab720{\fonttbl})") + std::string(ColorTableText);
    EXPECT_EQ(Body([](RtfWriter& w) { w.WriteHeader(); }), expected);
}

TEST(RtfWriterTest, SaveDocumentEndsTheGroup) {
    EXPECT_EQ(Document([](RtfWriter& w) { w.WriteHeader(); }),
              R"({\rtf1\ansi\ansicpg1252\deff0\deftab720{\fonttbl})" + std::string(ColorTableText) + "\r\n}");
}

TEST(RtfWriterTest, FontListEntriesGoInTheFontTable) {
    const std::string expected = std::string(R"({\rtf1\ansi\ansicpg1252\deff0\deftab720)") +
                                 R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern Courier;}})" +
                                 std::string(ColorTableText);
    EXPECT_EQ(Body([](RtfWriter& w) {
                  w.FontList = {R"({\f0\fswiss\fcharset0 Arial;})", R"({\f1\fmodern Courier;})"};
                  w.WriteHeader();
              }),
              expected);
}

TEST(RtfWriterTest, PageLayout) {
    const struct {
        std::string_view Name;
        RtfPage Page;
        std::string_view Expected;
    } cases[] = {
        {"Letter upright", RtfPage{}, R"(\paperw12240\paperh15840\margl1080\margr1080\margt1080\margb1080)"},
        {"Letter on its side", RtfPage{.PaperWidth = 12240, .PaperHeight = 15840, .Margin = 1080, .Landscape = true},
         R"(\paperw15840\paperh12240\margl1080\margr1080\margt1080\margb1080\landscape)"},
        {"A4 with inch margins", RtfPage{.PaperWidth = 11906, .PaperHeight = 16838, .Margin = 1440, .Landscape = false},
         R"(\paperw11906\paperh16838\margl1440\margr1440\margt1440\margb1440)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Body([&](RtfWriter& w) { w.WritePageLayout(c.Page); }), c.Expected);
    }
    EXPECT_EQ(RtfPage{}.TextWidth(), 10080);
    const RtfPage landscape{.PaperWidth = 12240, .PaperHeight = 15840, .Margin = 1080, .Landscape = true};
    EXPECT_EQ(landscape.TextWidth(), 13680);
}

// The widths a page must hold agree with the \cellx and \picwgoal written.
TEST(RtfWriterTest, TableAndPictureWidths) {
    const std::vector<int> widths{30, 95};
    EXPECT_EQ(RtfTableWidth(widths, 96), 2103);
    EXPECT_EQ(RtfTableWidth(widths, 120), 1704);
    EXPECT_EQ(RtfTableWidth({}, 96), 108);
    EXPECT_EQ(RtfPictureWidth(900, 96), 13500);
    EXPECT_EQ(RtfPictureWidth(900, 120), 10800);
    EXPECT_EQ(RtfPictureWidth(900, 0), 13500);
}

TEST(RtfWriterTest, ColorWordsOnlyForTheSixteenExactColours) {
    const struct {
        std::uint32_t Color;
        std::string_view Word;
    } cases[] = {
        {0x000000, "\\cf0"},  {0x000080, "\\cf1"},  {0x008000, "\\cf2"},  {0x008080, "\\cf3"},  {0x800000, "\\cf4"},
        {0x800080, "\\cf5"},  {0x808000, "\\cf6"},  {0x808080, "\\cf7"},  {0xC0C0C0, "\\cf8"},  {0x0000FF, "\\cf9"},
        {0x00FF00, "\\cf10"}, {0x00FFFF, "\\cf11"}, {0xFF0000, "\\cf12"}, {0xFF00FF, "\\cf13"}, {0xFFFF00, "\\cf14"},
        {0xFFFFFF, "\\cf15"}, {0x000001, ""},       {0x0000FE, ""},       {0x7F7F7F, ""},       {0x01000000, ""},
        {0x80000008, ""},  // a system colour such as the window text's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Color);
        EXPECT_EQ(RtfColorWord(c.Color), c.Word);
    }
}

TEST(RtfWriterTest, AlignWords) {
    EXPECT_EQ(RtfAlignWord(RtfAlignment::Left), "");
    EXPECT_EQ(RtfAlignWord(RtfAlignment::Center), "\\qc");
    EXPECT_EQ(RtfAlignWord(RtfAlignment::Right), "\\qr");
}

TEST(RtfWriterTest, WriteTextWithEachAlignmentAndStyle) {
    const struct {
        std::string_view Name;
        RtfFont Font;
        RtfAlignment Alignment;
        std::string_view Expected;
    } cases[] = {
        {"left, regular, system colour", RtfFont{}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20 Texto)"},
        {"centred", RtfFont{}, RtfAlignment::Center, R"(\par \pard\qc\plain\f0\fs20 Texto)"},
        {"right", RtfFont{}, RtfAlignment::Right, R"(\par \pard\qr\plain\f0\fs20 Texto)"},
        {"bold", RtfFont{.Bold = true}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20\b Texto)"},
        {"italic", RtfFont{.Italic = true}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20\i Texto)"},
        {"underline", RtfFont{.Underline = true}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20\ul Texto)"},
        {"strike-out", RtfFont{.StrikeOut = true}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20\strike Texto)"},
        {"every style in order, red, 12 points",
         RtfFont{.Size = 12, .Bold = true, .Italic = true, .Underline = true, .StrikeOut = true, .Color = 0x0000FF},
         RtfAlignment::Right, R"(\par \pard\qr\plain\f0\fs24\b\i\ul\strike\cf9 Texto)"},
        {"black gives cf0", RtfFont{.Color = 0x000000}, RtfAlignment::Left, R"(\par \pard\plain\f0\fs20\cf0 Texto)"},
        {"other colour gives no word", RtfFont{.Color = 0x123456}, RtfAlignment::Left,
         R"(\par \pard\plain\f0\fs20 Texto)"},
        {"grid font", GridFont, RtfAlignment::Left, R"(\par \pard\plain\f0\fs16 Texto)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Body([&](RtfWriter& w) { w.WriteText("Texto", c.Font, c.Alignment); }), c.Expected);
    }
}

TEST(RtfWriterTest, TextsAreWindows1252WithTheNeededEscapes) {
    const struct {
        std::string_view Name;
        std::string_view Text;
        std::string_view Expected;
    } cases[] = {
        {"degree sign as the raw byte 0xB0", "Contacto: 90°", "Contacto: 90\xB0"},
        {"accented letters", "Duración aprox.: 2 días",
         "Duraci\xF3n aprox.: 2 d\xED"
         "as"},
        {"braces and backslash", R"({a}\b)", R"(\{a\}\\b)"},
        {"not in the code page", "♈ 0°", "\\u9800? 0\xB0"},
        {"malformed UTF-8", "a\xFF{", R"(a?\{)"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Body([&](RtfWriter& w) { w.WriteText(c.Text, RtfFont{}, RtfAlignment::Left); }),
                  std::string(R"(\par \pard\plain\f0\fs20 )") + std::string(c.Expected));
    }
}

TEST(RtfWriterTest, MemoIsOneParagraphWithItsLines) {
    const std::vector<std::string> lines{"Opciones:", "Orbe 1°", "{x}"};
    EXPECT_EQ(Body([&](RtfWriter& w) { w.WriteMemo(lines, RtfFont{.Bold = true}, RtfAlignment::Center); }),
              "\\par \\pard\\qc\\plain\\f0\\fs20\\b \\par Opciones: \\par Orbe 1\xB0 \\par \\{x\\}");
}

TEST(RtfWriterTest, MemoWithoutLinesWritesOnlyItsFormat) {
    EXPECT_EQ(Body([](RtfWriter& w) { w.WriteMemo({}, RtfFont{}, RtfAlignment::Left); }),
              R"(\par \pard\plain\f0\fs20)");
}

TEST(RtfWriterTest, GridRowsWithCellBoundariesFromTheScreenResolution) {
    const RtfGrid grid{{30, 95}, {{"Día", "Fecha"}, {"1", "ene 01 2024, lun"}}};
    const std::string cells = std::string(CellStart) + "\\cellx618" + std::string(CellStart) + "\\cellx2103";
    const std::string expected = std::string(GridStart) + std::string(RowStart) + cells + std::string(RowTexts) +
                                 "D\xED"
                                 "a\\cell Fecha\\cell " +
                                 std::string(RowEnd) + std::string(RowStart) + cells + std::string(RowTexts) +
                                 "1\\cell ene 01 2024, lun\\cell " + std::string(RowEnd) + std::string(GridEnd);
    EXPECT_EQ(Body([&](RtfWriter& w) { w.WriteGrid(grid, 96); }), expected);
}

// round((sum of width + 4) / pixels per inch × 1440 + 108), halves to even.
TEST(RtfWriterTest, CellBoundaries) {
    const struct {
        std::vector<int> Widths;
        int PixelsPerInch;
        std::vector<std::string> Boundaries;
    } cases[] = {
        {{30, 95}, 96, {"\\cellx618", "\\cellx2103"}},
        {{30, 95, 85, 65}, 96, {"\\cellx618", "\\cellx2103", "\\cellx3438", "\\cellx4473"}},
        {{30, 95}, 120, {"\\cellx516", "\\cellx1704"}},
        {{30, 95}, 144, {"\\cellx448", "\\cellx1438"}},
        {{1}, 64, {"\\cellx220"}},                     // 112.5 + 108 = 220.5 rounds to 220
        {{3}, 64, {"\\cellx266"}},                     // 157.5 + 108 = 265.5 rounds to 266
        {{30, 95}, 0, {"\\cellx618", "\\cellx2103"}},  // no usable resolution: 96
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Widths) + " at " + std::to_string(c.PixelsPerInch));
        const RtfGrid grid{c.Widths, {{}}};
        const std::string document = Body([&](RtfWriter& w) { w.WriteGrid(grid, c.PixelsPerInch); });
        std::string expected = std::string(RowStart);
        for (const std::string& boundary : c.Boundaries) expected += std::string(CellStart) + boundary;
        EXPECT_NE(document.find(expected + std::string(RowTexts)), std::string::npos) << document;
    }
}

TEST(RtfWriterTest, GridRowsGetOneCellPerColumn) {
    const RtfGrid grid{{10, 10, 10}, {{"a"}, {"a", "b", "c", "d"}, {}}};
    const std::string document = Body([&](RtfWriter& w) { w.WriteGrid(grid, 96); });
    EXPECT_NE(document.find(std::string(RowTexts) + "a\\cell \\cell \\cell " + std::string(RowEnd)), std::string::npos);
    EXPECT_NE(document.find(std::string(RowTexts) + "a\\cell b\\cell c\\cell " + std::string(RowEnd)),
              std::string::npos);
    EXPECT_EQ(document.find("d\\cell"), std::string::npos);
    EXPECT_NE(document.find(std::string(RowTexts) + "\\cell \\cell \\cell " + std::string(RowEnd)), std::string::npos);
}

TEST(RtfWriterTest, GridRowByRowEqualsWholeGrid) {
    const RtfGrid grid{{40, 95, 70}, {{"Det.", "Fecha", "Hora"}, {"Inicia", "ene 01", "10:00"}}, RtfFont{.Size = 9}};
    const std::string whole = Body([&](RtfWriter& w) { w.WriteGrid(grid, 96); });
    const std::string rowByRow = Body([&](RtfWriter& w) {
        w.WriteGridStart();
        for (const auto& row : grid.Cells) w.WriteGridRow(grid.ColWidths, row, grid.Font, 96);
        w.WriteGridEnd();
    });
    EXPECT_EQ(rowByRow, whole);
    EXPECT_NE(whole.find("{\\f0\\fs18\\cgrid0 Det."), std::string::npos);
}

BitmapImage FilledBitmap(int width, int height) {
    return BitmapImage{
        width, height,
        std::vector<std::uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF336699u)};
}

constexpr std::string_view PictStart = R"({\pict\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0)";

TEST(RtfWriterTest, PictureGroupHoldsTheMetafileWithItsSizes) {
    const BitmapImage bitmap = FilledBitmap(900, 500);
    const std::vector<std::uint8_t> metafile = StretchedBitmapMetafile(bitmap);
    const std::string expected = std::string(R"(\par \pard\qc\plain\cgrid )") + std::string(PictStart) +
                                 R"(\picw23822\pich13234\picwgoal13500\pichgoal7500\wmetafile8 \bin)" +
                                 std::to_string(metafile.size()) + std::string(metafile.begin(), metafile.end()) + "}";
    EXPECT_EQ(Body([&](RtfWriter& w) { w.WritePicture(96, bitmap, RtfAlignment::Center); }), expected);
}

TEST(RtfWriterTest, PictureSizes) {
    const struct {
        int Width;
        int Height;
        int PixelsPerInch;
        std::string_view Sizes;
    } cases[] = {
        {900, 500, 96, R"(\picw23822\pich13234\picwgoal13500\pichgoal7500)"},
        {900, 500, 120, R"(\picw23822\pich13234\picwgoal10800\pichgoal6000)"},
        // 16 × 26.46875 = 423.5 and 48 × 26.46875 = 1270.5: halves go to the even neighbour.
        {16, 48, 96, R"(\picw424\pich1270\picwgoal240\pichgoal720)"},
        {1, 1, 96, R"(\picw26\pich26\picwgoal15\pichgoal15)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Width) + " x " + std::to_string(c.Height));
        const std::string document =
            Body([&](RtfWriter& w) { w.WriteCellPicture(c.PixelsPerInch, FilledBitmap(c.Width, c.Height)); });
        EXPECT_TRUE(document.starts_with(std::string(PictStart) + std::string(c.Sizes) + "\\wmetafile8 \\bin"))
            << document.substr(0, 160);
    }
}

TEST(RtfWriterTest, CellPictureHasNoParagraph) {
    const BitmapImage bitmap = FilledBitmap(3, 2);
    const std::vector<std::uint8_t> metafile = StretchedBitmapMetafile(bitmap);
    const std::string picture = Body([&](RtfWriter& w) { w.WriteCellPicture(96, bitmap); });
    const std::string paragraph = Body([&](RtfWriter& w) { w.WritePicture(96, bitmap, RtfAlignment::Left); });
    EXPECT_EQ(paragraph, R"(\par \pard\plain\cgrid )" + picture);
    EXPECT_TRUE(picture.ends_with(std::string(metafile.begin(), metafile.end()) + "}"));
}

TEST(RtfWriterTest, BitmapTooLargeFailsTheDocument) {
    std::ostringstream out;
    RtfWriter writer(out);
    writer.WriteHeader();
    writer.WritePicture(96, BitmapImage{40000, 1, std::vector<std::uint32_t>(40000, 0)}, RtfAlignment::Center);
    EXPECT_FALSE(writer.Status().Ok());
    writer.WriteText("after", RtfFont{}, RtfAlignment::Left);
    const ExportStatus status = writer.SaveDocument();
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.ErrorMessage.find("40000 × 1"), std::string::npos) << status.ErrorMessage;
    EXPECT_EQ(out.str().find("after"), std::string::npos);
}

TEST(RtfWriterTest, FailingStreamIsReported) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    RtfWriter writer(out);
    writer.WriteHeader();
    const ExportStatus status = writer.SaveDocument();
    EXPECT_FALSE(status.Ok());
    EXPECT_EQ(status.ErrorMessage, "No se pudo escribir el documento: error de escritura.");
}

TEST(RtfWriterTest, WritesAfterSavingAreIgnored) {
    std::ostringstream out;
    RtfWriter writer(out);
    writer.WriteHeader();
    EXPECT_TRUE(writer.SaveDocument().Ok());
    const std::string saved = out.str();
    writer.WriteText("late", RtfFont{}, RtfAlignment::Left);
    EXPECT_TRUE(writer.SaveDocument().Ok());
    EXPECT_EQ(out.str(), saved);
}

}  // namespace
}  // namespace kalto
