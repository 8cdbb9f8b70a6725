// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RtfWriter: writes texts, memo texts, tables and pictures as a Rich Text
// Format (RTF 1.x) document in the Windows-1252 code page.
//
// The document is streamed as it grows, so a table of hundreds of megabytes
// never sits in memory: into a temporary file beside the target, which
// SaveDocument completes and renames over the target, or into a stream given
// by the caller. Failures are not thrown: the first one is kept, everything
// written after it is dropped, and SaveDocument reports it (Status() tells
// earlier). A failed or unsaved document leaves no file behind and never
// touches an existing file of the target's name.

#include "WindowsMetafile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

class ReplacingFile;

enum class RtfAlignment { Left, Center, Right };

struct RtfFont {
    int Size = 10;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    // 0x00BBGGRR; nothing for the system's text colour, which gets no colour word.
    std::optional<std::uint32_t> Color = std::nullopt;
};

// The font of a table's cells: the toolkit's default 8 points.
inline constexpr RtfFont GridFont{.Size = 8};

// A table: column widths in screen pixels and rows of UTF-8 cell texts, the
// header row first. A row with fewer cells than columns gets empty cells; cells
// beyond the last column are not written.
struct RtfGrid {
    std::vector<int> ColWidths;
    std::vector<std::vector<std::string>> Cells;
    RtfFont Font = GridFont;
};

// A page: the paper upright and the margin on every side, in twips (1/1440
// inch), Letter by default; landscape lays the paper on its side.
struct RtfPage {
    int PaperWidth = 12240;
    int PaperHeight = 15840;
    int Margin = 1080;
    bool Landscape = false;

    // The room between the side margins.
    [[nodiscard]] int TextWidth() const noexcept { return (Landscape ? PaperHeight : PaperWidth) - 2 * Margin; }
};

// The outcome of writing a document.
struct ExportStatus {
    std::string ErrorMessage;  // empty while nothing has failed; Spanish, naming the file
    [[nodiscard]] bool Ok() const noexcept { return ErrorMessage.empty(); }
};

// The colour word of the colour table entry whose colour is exactly `color`
// (0x00BBGGRR), "\cf0" … "\cf15"; empty for every other colour.
[[nodiscard]] std::string_view RtfColorWord(std::uint32_t color) noexcept;
// "\qr", "\qc", or empty for left alignment.
[[nodiscard]] std::string_view RtfAlignWord(RtfAlignment alignment) noexcept;
// Font, size, style and colour words: "\f0\fs20\b\i\ul\strike\cf9".
[[nodiscard]] std::string RtfFontWords(const RtfFont& font);
// How far the right edge of a table with these column widths (screen pixels)
// lies from the left margin, and how wide a picture of `pixels` is shown, in
// twips at the screen's `pixelsPerInch` (96 when it is not positive).
[[nodiscard]] long long RtfTableWidth(std::span<const int> colWidths, int pixelsPerInch) noexcept;
[[nodiscard]] long long RtfPictureWidth(int pixels, int pixelsPerInch) noexcept;

class RtfWriter {
public:
    // Writes into a temporary file beside `target`; SaveDocument moves it there.
    explicit RtfWriter(const std::filesystem::path& target);
    // Writes into `out`, which must outlive the writer.
    explicit RtfWriter(std::ostream& out);
    // Removes the temporary file of a document that was not saved.
    ~RtfWriter();
    RtfWriter(const RtfWriter&) = delete;
    RtfWriter& operator=(const RtfWriter&) = delete;

    // The entries of the font table, such as "{\f0\fswiss\fcharset0 Arial;}";
    // empty unless set before WriteHeader.
    std::vector<std::string> FontList;

    // The document group's start, the font table and the colour table.
    void WriteHeader();
    // The paper and margins of the document's pages; after the header, before
    // any text.
    void WritePageLayout(const RtfPage& page);
    // A paragraph of `text` (UTF-8).
    void WriteText(std::string_view text, const RtfFont& font, RtfAlignment alignment);
    // One paragraph with the memo's format, its lines separated by \par.
    void WriteMemo(std::span<const std::string> lines, const RtfFont& font, RtfAlignment alignment);
    // A table; cell boundaries come from the column widths at the screen's
    // `pixelsPerInch` (96 when it is not positive), as do picture sizes below.
    void WriteGrid(const RtfGrid& grid, int pixelsPerInch);
    // The same table a row at a time, for tables too big to hold as one
    // RtfGrid: WriteGridStart, WriteGridRow for the header row and each row,
    // WriteGridEnd.
    void WriteGridStart();
    void WriteGridRow(std::span<const int> colWidths, std::span<const std::string> cells, const RtfFont& font,
                      int pixelsPerInch);
    void WriteGridEnd();
    // A paragraph holding the bitmap as a Windows metafile picture shown at
    // the size the bitmap has on a screen of `pixelsPerInch`. A bitmap that a
    // metafile cannot hold (FitsWindowsMetafile) fails the document.
    void WritePicture(int pixelsPerInch, const BitmapImage& bitmap, RtfAlignment alignment);
    // The picture group alone, for a picture inside a table cell.
    void WriteCellPicture(int pixelsPerInch, const BitmapImage& bitmap);
    // Ends the document and puts it in place: in the target file, written
    // through to the disk and renamed over any file of that name, or flushed
    // to the stream. Later writes are ignored.
    ExportStatus SaveDocument();

    [[nodiscard]] const ExportStatus& Status() const noexcept { return Result; }

private:
    void Append(std::string_view bytes);
    void Flush();
    // "No se pudo escribir el archivo "…": reason.", or "… el documento: …" for a stream.
    [[nodiscard]] std::string DocumentError(std::string_view reason) const;
    void Fail(std::string message);

    std::unique_ptr<ReplacingFile> File;
    std::string TargetName;  // empty when writing to a stream
    std::ostream* Stream = nullptr;
    std::string Pending;
    ExportStatus Result;
    bool Saved = false;
};

}  // namespace kalto
