// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfWriter.h"

#include "ReplacingFile.h"
#include "Windows1252.h"

#include <array>
#include <cmath>
#include <utility>

namespace kalto {
namespace {

struct ColorTableEntry {
    int Red;
    int Green;
    int Blue;
    std::string_view Word;
};

// The document's colour table, in the order written; an entry's index is its
// colour word.
constexpr std::array<ColorTableEntry, 16> ColorTable{{
    {0, 0, 0, "\\cf0"},
    {128, 0, 0, "\\cf1"},
    {0, 128, 0, "\\cf2"},
    {128, 128, 0, "\\cf3"},
    {0, 0, 128, "\\cf4"},
    {128, 0, 128, "\\cf5"},
    {0, 128, 128, "\\cf6"},
    {128, 128, 128, "\\cf7"},
    {192, 192, 192, "\\cf8"},
    {255, 0, 0, "\\cf9"},
    {0, 255, 0, "\\cf10"},
    {255, 255, 0, "\\cf11"},
    {0, 0, 255, "\\cf12"},
    {255, 0, 255, "\\cf13"},
    {0, 255, 255, "\\cf14"},
    {255, 255, 255, "\\cf15"},
}};

// The style sheet and paragraph-numbering groups that open every table.
constexpr std::array<std::string_view, 11> GridPrologue{{
    R"({\stylesheet{\nowidctlpar\widctlpar\adjustright \fs20\cgrid \snext0 Normal;})",
    R"({\*\cs10 \additive Default Paragraph Font;}})",
    R"({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang{\pntxta)",
    R"(.}}{\*\pnseclvl2\pnucltr\pnstart1\pnindent720\pnhang)",
    R"({\pntxta .}}{\*\pnseclvl3\pndec\pnstart1\pnindent720\pnhang{\pntxta)",
    R"(.}}{\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang{\pntxta)",
    R"()}}{\*\pnseclvl5\pndec\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)",
    R"()}}{\*\pnseclvl6\pnlcltr\pnstart1\pnindent720\pnhang)",
    R"({\pntxtb (}{\pntxta )}}{\*\pnseclvl7\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)",
    R"()}}{\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta)",
    R"()}}{\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})",
}};

constexpr std::string_view GridRowStart = R"(\trowd\trgaph108\trrh260\trleft90)"
                                          R"(\trbrdrt\brdrs\brdrw10\trbrdrl\brdrs\brdrw10\trbrdrb\brdrs\brdrw10)"
                                          R"(\trbrdrr\brdrs\brdrw10\trbrdrh\brdrs\brdrw10\trbrdrv\brdrs\brdrw10)";
constexpr std::string_view GridCellStart =
    R"(\clvertalt\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10)"
    R"(\clbrdrr\brdrs\brdrw10\clcbpat15\cltxlrtb)";

constexpr int TwipsPerInch = 1440;
// Cell boundaries lie this far to the right of the column's own width: the
// row's left offset and the cell's gap, in twips.
constexpr int CellBoundaryTwips = 108;
// A column's width on screen counts its grid lines as well.
constexpr int GridLinePixels = 4;
// Hundredths of a millimetre in a pixel at 96 pixels per inch (2540 / 96).
constexpr double PictureUnitsPerPixel = 26.46875;
constexpr int StandardPixelsPerInch = 96;
// Pending bytes are handed to the file or stream in pieces of about this size.
constexpr std::size_t FlushBytes = 1 << 20;

// Nearest integer, halves to the even neighbour (the default rounding mode).
long long RoundHalfEven(double value) noexcept {
    return std::llrint(value);
}

int UsablePixelsPerInch(int pixelsPerInch) noexcept {
    return pixelsPerInch > 0 ? pixelsPerInch : StandardPixelsPerInch;
}

long long PixelsToTwips(long long pixels, int pixelsPerInch) noexcept {
    return RoundHalfEven(static_cast<double>(pixels) * TwipsPerInch / UsablePixelsPerInch(pixelsPerInch));
}

// The \cellx of a cell whose right edge lies `pixels` from the table's left.
long long CellBoundary(long long pixels, int pixelsPerInch) noexcept {
    return PixelsToTwips(pixels, pixelsPerInch) + CellBoundaryTwips;
}

void AppendNumber(std::string& out, std::string_view word, long long value) {
    out += word;
    out += std::to_string(value);
}

}  // namespace

std::string_view RtfColorWord(std::uint32_t color) noexcept {
    for (const ColorTableEntry& entry : ColorTable) {
        const auto value = static_cast<std::uint32_t>(entry.Red | (entry.Green << 8) | (entry.Blue << 16));
        if (value == color) return entry.Word;
    }
    return {};
}

std::string_view RtfAlignWord(RtfAlignment alignment) noexcept {
    switch (alignment) {
        case RtfAlignment::Right: return "\\qr";
        case RtfAlignment::Center: return "\\qc";
        case RtfAlignment::Left: break;
    }
    return {};
}

std::string RtfFontWords(const RtfFont& font) {
    std::string words = "\\f0";
    AppendNumber(words, "\\fs", 2LL * font.Size);
    if (font.Bold) words += "\\b";
    if (font.Italic) words += "\\i";
    if (font.Underline) words += "\\ul";
    if (font.StrikeOut) words += "\\strike";
    if (font.Color) words += RtfColorWord(*font.Color);
    return words;
}

long long RtfTableWidth(std::span<const int> colWidths, int pixelsPerInch) noexcept {
    long long pixels = 0;
    for (const int width : colWidths) pixels += width + GridLinePixels;
    return CellBoundary(pixels, pixelsPerInch);
}

long long RtfPictureWidth(int pixels, int pixelsPerInch) noexcept {
    return PixelsToTwips(pixels, pixelsPerInch);
}

RtfWriter::RtfWriter(const std::filesystem::path& target)
    : File(std::make_unique<ReplacingFile>(target)), TargetName(target.string()) {
    if (File->Failed()) Fail(File->ErrorMessage());
}

RtfWriter::RtfWriter(std::ostream& out) : Stream(&out) {}

RtfWriter::~RtfWriter() = default;

void RtfWriter::WriteHeader() {
    std::string header = R"({\rtf1\ansi\ansicpg1252\deff0\deftab720{\fonttbl)";
    for (const std::string& entry : FontList) header += entry;
    header += R"(}{\colortbl)";
    for (const ColorTableEntry& entry : ColorTable) {
        AppendNumber(header, "\\red", entry.Red);
        AppendNumber(header, "\\green", entry.Green);
        AppendNumber(header, "\\blue", entry.Blue);
        header += ';';
    }
    header += '}';
    Append(header);
}

void RtfWriter::WritePageLayout(const RtfPage& page) {
    std::string layout;
    AppendNumber(layout, "\\paperw", page.Landscape ? page.PaperHeight : page.PaperWidth);
    AppendNumber(layout, "\\paperh", page.Landscape ? page.PaperWidth : page.PaperHeight);
    for (const std::string_view word : {"\\margl", "\\margr", "\\margt", "\\margb"}) {
        AppendNumber(layout, word, page.Margin);
    }
    if (page.Landscape) layout += "\\landscape";
    Append(layout);
}

void RtfWriter::WriteText(std::string_view text, const RtfFont& font, RtfAlignment alignment) {
    std::string paragraph = "\\par \\pard";
    paragraph += RtfAlignWord(alignment);
    paragraph += "\\plain";
    paragraph += RtfFontWords(font);
    paragraph += ' ';
    AppendRtfText(paragraph, text);
    Append(paragraph);
}

void RtfWriter::WriteMemo(std::span<const std::string> lines, const RtfFont& font, RtfAlignment alignment) {
    std::string memo = "\\par \\pard";
    memo += RtfAlignWord(alignment);
    memo += "\\plain";
    memo += RtfFontWords(font);
    for (const std::string& line : lines) {
        memo += " \\par ";
        AppendRtfText(memo, line);
    }
    Append(memo);
}

void RtfWriter::WriteGrid(const RtfGrid& grid, int pixelsPerInch) {
    WriteGridStart();
    for (const std::vector<std::string>& row : grid.Cells) {
        WriteGridRow(grid.ColWidths, row, grid.Font, pixelsPerInch);
    }
    WriteGridEnd();
}

void RtfWriter::WriteGridStart() {
    Append("\\par \\pard\\plain\\cgrid");
    for (std::string_view piece : GridPrologue) Append(piece);
}

void RtfWriter::WriteGridRow(std::span<const int> colWidths, std::span<const std::string> cells, const RtfFont& font,
                              int pixelsPerInch) {
    std::string row(GridRowStart);
    long long rightEdge = 0;
    for (const int width : colWidths) {
        row += GridCellStart;
        rightEdge += width + GridLinePixels;
        AppendNumber(row, "\\cellx", CellBoundary(rightEdge, pixelsPerInch));
    }
    row += R"(\pard\ri-123\nowidctlpar\widctlpar\intbl\adjustright {)";
    row += RtfFontWords(font);
    // The blank ends the control word, so that a cell text starting with a
    // digit is not read as part of its number.
    row += "\\cgrid0 ";
    for (std::size_t column = 0; column < colWidths.size(); ++column) {
        if (column < cells.size()) AppendRtfText(row, cells[column]);
        row += "\\cell ";
    }
    row += R"(}\pard \nowidctlpar\widctlpar\intbl\adjustright {\row})";
    Append(row);
}

void RtfWriter::WriteGridEnd() {
    Append("\\pard\\nowidctlpar\\widctlpar\\adjustright ");
}

void RtfWriter::WritePicture(int pixelsPerInch, const BitmapImage& bitmap, RtfAlignment alignment) {
    std::string prefix = "\\par \\pard";
    prefix += RtfAlignWord(alignment);
    prefix += "\\plain\\cgrid ";
    Append(prefix);
    WriteCellPicture(pixelsPerInch, bitmap);
}

void RtfWriter::WriteCellPicture(int pixelsPerInch, const BitmapImage& bitmap) {
    const std::vector<std::uint8_t> metafile = StretchedBitmapMetafile(bitmap);
    if (metafile.empty()) {
        Fail(DocumentError("la imagen de " + std::to_string(bitmap.Width) + " × " + std::to_string(bitmap.Height) +
                           " píxeles no cabe en un metarchivo de Windows"));
        return;
    }
    std::string group = R"({\pict\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0)";
    AppendNumber(group, "\\picw", RoundHalfEven(bitmap.Width * PictureUnitsPerPixel));
    AppendNumber(group, "\\pich", RoundHalfEven(bitmap.Height * PictureUnitsPerPixel));
    AppendNumber(group, "\\picwgoal", RtfPictureWidth(bitmap.Width, pixelsPerInch));
    AppendNumber(group, "\\pichgoal", PixelsToTwips(bitmap.Height, pixelsPerInch));
    // \binN is followed directly by N bytes of binary data.
    AppendNumber(group, "\\wmetafile8 \\bin", static_cast<long long>(metafile.size()));
    Append(group);
    Append(std::string_view(reinterpret_cast<const char*>(metafile.data()), metafile.size()));
    Append("}");
}

ExportStatus RtfWriter::SaveDocument() {
    if (Saved) return Result;
    Append("\r\n}");
    Flush();
    Saved = true;
    if (!Result.Ok()) return Result;
    if (File) {
        if (!File->Commit()) Fail(File->ErrorMessage());
    } else {
        Stream->flush();
        if (!*Stream) Fail(DocumentError("error de escritura"));
    }
    return Result;
}

void RtfWriter::Append(std::string_view bytes) {
    if (Saved || !Result.Ok()) return;
    Pending += bytes;
    if (Pending.size() >= FlushBytes) Flush();
}

void RtfWriter::Flush() {
    if (!Result.Ok() || Pending.empty()) return;
    if (File) {
        if (!File->Write(Pending)) Fail(File->ErrorMessage());
    } else {
        Stream->write(Pending.data(), static_cast<std::streamsize>(Pending.size()));
        if (!*Stream) Fail(DocumentError("error de escritura"));
    }
    Pending.clear();
}

std::string RtfWriter::DocumentError(std::string_view reason) const {
    const std::string what = Stream ? std::string("el documento") : "el archivo \"" + TargetName + "\"";
    return "No se pudo escribir " + what + ": " + std::string(reason) + ".";
}

void RtfWriter::Fail(std::string message) {
    if (!Result.Ok()) return;
    Result.ErrorMessage = std::move(message);
    Pending.clear();
    Pending.shrink_to_fit();
    // A failed document never reaches the target: drop the temporary file now.
    File.reset();
}

}  // namespace kalto
