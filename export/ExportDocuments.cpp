// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportDocuments.h"

#include "AllBodiesTable.h"
#include "ContactGrid.h"
#include "ContactInputs.h"
#include "EphemerisTable.h"
#include "EventTable.h"
#include "TextForms.h"
#include "TransitTable.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace kalto {

namespace {

// The percentages reported: the header and the stamp, then the page's rows
// spread over the rest, and the saved document.
constexpr int HeaderDonePercent = 1;
constexpr int RowsDonePercent = 99;
constexpr int SavedPercent = 100;

// The cell columns of ContactCellText that the heading of a detail table shows.
constexpr int BodyColumn = 2;
constexpr int DurationColumn = 7;
constexpr int AngleColumn = 8;

// Hands the callback each percentage once, in increasing order.
class ProgressReport {
public:
    explicit ProgressReport(const ExportProgress& callback) : Callback(callback) {}

    void Report(int percent) {
        if (percent <= Last) return;
        Last = percent;
        if (Callback) Callback(percent);
    }

    // `done` of `total` rows of the page written.
    void ReportRows(std::size_t done, std::size_t total) {
        const std::size_t span = RowsDonePercent - HeaderDonePercent;
        Report(HeaderDonePercent + static_cast<int>(total == 0 ? span : done * span / total));
    }

private:
    const ExportProgress& Callback;
    int Last = 0;
};

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// The context every part of the document is written in.
struct DocumentPass {
    RtfWriter& Writer;
    const ExportSettings& Settings;
    ProgressReport& Progress;
    std::stop_token Stop;
};

// Whether to leave off writing: a stop was requested, or the writer has
// failed and drops everything (SaveDocument then reports why).
bool Halted(const DocumentPass& pass) {
    return pass.Stop.stop_requested() || !pass.Writer.Status().Ok();
}

template <typename Columns>
std::vector<int> Widths(const Columns& columns) {
    std::vector<int> widths;
    for (const auto& column : columns) widths.push_back(column.Width);
    return widths;
}

template <typename Columns>
std::vector<std::string> Headers(const Columns& columns) {
    std::vector<std::string> headers;
    for (const ExportColumn& column : columns) headers.emplace_back(column.Header);
    return headers;
}

// The columns of the exported ephemeris table: the three fixed ones and the
// optional ones shown, by their number in the window's table.
std::vector<int> TableColumnNumbers(const EphemerisTableExport& table) {
    std::vector<int> numbers{0, 1, 2};
    for (const int column : table.OptionalColumns) {
        if (column >= FirstOptionalColumn && column < EphemerisColumnCount) numbers.push_back(column);
    }
    return numbers;
}

std::vector<ExportColumn> TableColumns(const EphemerisTableExport& table) {
    std::vector<ExportColumn> columns;
    for (const int column : TableColumnNumbers(table)) {
        columns.push_back(EphemerisExportColumns[static_cast<std::size_t>(column)]);
    }
    return columns;
}

// The widest thing on the page, in twips: the table or the picture.
long long ContentWidth(const ExportContent& content, int pixelsPerInch) {
    return std::visit(
        Overloaded{[&](const EphemerisTableExport& table) {
                       return table.Body == AllBodiesTableBody
                                  ? RtfTableWidth(Widths(AllBodiesExportColumns), pixelsPerInch)
                                  : RtfTableWidth(Widths(TableColumns(table)), pixelsPerInch);
                   },
                   [&](const GraphExport& graph) { return RtfPictureWidth(graph.Picture.Width, pixelsPerInch); },
                   [&](const ContactsExport& contacts) {
                       return contacts.Details ? RtfTableWidth(Widths(ContactDetailColumns), pixelsPerInch)
                                               : RtfTableWidth(Widths(ContactSummaryExportColumns), pixelsPerInch);
                   },
                   [&](const TransitsExport&) { return RtfTableWidth(Widths(TransitColumns), pixelsPerInch); },
                   [&](const EventsExport&) { return RtfTableWidth(Widths(EventColumns), pixelsPerInch); }},
        content);
}

// Three centred paragraphs, the middle one the title.
void WriteTitleBlock(RtfWriter& writer, std::string_view title) {
    writer.WriteText("", ExportTextFont, RtfAlignment::Center);
    writer.WriteText(title, ExportTextFont, RtfAlignment::Center);
    writer.WriteText("", ExportTextFont, RtfAlignment::Center);
}

// Every body at each step, with its marks of motion.
void WriteAllBodiesTable(DocumentPass& pass, const EphemerisTableExport& table) {
    const std::vector<int> widths = Widths(AllBodiesExportColumns);
    const int ppi = pass.Settings.PixelsPerInch;
    pass.Writer.WriteGridStart();
    pass.Writer.WriteGridRow(widths, Headers(AllBodiesExportColumns), ControlFont, ppi);
    std::vector<std::string> cells(widths.size());
    const std::size_t count = table.Rows ? table.Rows->RowCount() : 0;
    if (count == 0) pass.Writer.WriteGridRow(widths, cells, ControlFont, ppi);
    const MotionMarks marks = count > 0 ? MotionMarks(*table.Rows) : MotionMarks();
    for (std::size_t i = 0; i < count && !Halted(pass); ++i) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            cells[c] = AllBodiesCellText(*table.Rows, marks, i, static_cast<int>(c), pass.Settings.Names);
        }
        pass.Writer.WriteGridRow(widths, cells, ControlFont, ppi);
        pass.Progress.ReportRows(i + 1, count);
    }
    pass.Writer.WriteGridEnd();
}

// The rows of the table as FillEphemerisGrid fills them: line i from row
// i - 1, or one blank line when there are none.
void WriteEphemerisTable(DocumentPass& pass, const EphemerisTableExport& table) {
    WriteTitleBlock(pass.Writer, EphemerisTitle(table.Body, table.Clock, table.Rows ? table.Rows->StartDate : 0));
    if (table.Body == AllBodiesTableBody) {
        WriteAllBodiesTable(pass, table);
        return;
    }

    const std::vector<int> cellColumns = TableColumnNumbers(table);
    const std::vector<ExportColumn> columns = TableColumns(table);
    const std::vector<int> widths = Widths(columns);
    const int ppi = pass.Settings.PixelsPerInch;

    const bool knownBody = table.Body >= FirstBody && table.Body <= LastComputedBody;
    const std::vector<EphemerisRow>* rows =
        table.Rows && knownBody ? &table.Rows->Bodies[static_cast<std::size_t>(table.Body)] : nullptr;

    pass.Writer.WriteGridStart();
    pass.Writer.WriteGridRow(widths, Headers(columns), ControlFont, ppi);
    std::vector<std::string> cells(cellColumns.size());
    if (rows == nullptr || rows->empty()) {
        pass.Writer.WriteGridRow(widths, cells, ControlFont, ppi);
    } else {
        for (std::size_t i = 0; i < rows->size(); ++i) {
            if (Halted(pass)) break;
            for (std::size_t c = 0; c < cellColumns.size(); ++c) {
                cells[c] = EphemerisCellText((*rows)[i], static_cast<int>(i) + 1, cellColumns[c], pass.Settings.Names,
                                             table.Clock);
            }
            pass.Writer.WriteGridRow(widths, cells, ControlFont, ppi);
            pass.Progress.ReportRows(i + 1, rows->size());
        }
    }
    pass.Writer.WriteGridEnd();
}

void WriteGraph(DocumentPass& pass, const GraphExport& graph) {
    std::string title(GraphTitle);
    if (graph.ZoneText) title += ". Time Zone: " + *graph.ZoneText + ".";
    WriteTitleBlock(pass.Writer, title);
    pass.Writer.WritePicture(pass.Settings.PixelsPerInch, graph.Picture, RtfAlignment::Center);
}

// "1. Sol con  00° 00' 00". Contacto:  90° 00' 00". Duración aprox.: …"
std::string DetailHeading(const ContactRecord& record, int number, const DateFormatNames& names) {
    return std::to_string(number) + ". " + ContactCellText(record, number, BodyColumn, names) + " con " +
           record.PositionText + ". Contacto: " + ContactCellText(record, number, AngleColumn, names) +
           ". Duración aprox.: " + ContactCellText(record, number, DurationColumn, names);
}

// A heading and a table of the three moments for each contact shown.
void WriteContactDetails(DocumentPass& pass, const ContactResults& results) {
    const ContactRecordList shown = FilterByAngle(results.SortedContactList, results.Filter);
    RtfGrid grid{.ColWidths = Widths(ContactDetailColumns), .Cells = {}, .Font = ControlFont};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (Halted(pass)) break;
        const ContactRecord& record = *shown[i];
        const int number = static_cast<int>(i) + 1;
        grid.Cells = FillContactDetail(record, results.LastTarget, results.LastOrb, pass.Settings.Names);
        pass.Writer.WriteText(DetailHeading(record, number, pass.Settings.Names), ExportTextFont, RtfAlignment::Left);
        pass.Writer.WriteGrid(grid, pass.Settings.PixelsPerInch);
        pass.Progress.ReportRows(i + 1, shown.size());
    }
}

// The summary as FillContactGrid fills the export's table: a header row and
// one row per contact shown, or one empty row.
void WriteContactSummary(DocumentPass& pass, const ContactResults& results) {
    const ContactGridFill fill =
        FillContactGrid(ContactGridMode::Export, results.SortedContactList, results, pass.Settings.Names);
    const std::vector<int> widths = Widths(ContactSummaryExportColumns);
    pass.Writer.WriteGridStart();
    for (std::size_t row = 0; row < fill.Grid.size(); ++row) {
        if (Halted(pass)) break;
        pass.Writer.WriteGridRow(widths, fill.Grid[row], ControlFont, pass.Settings.PixelsPerInch);
        pass.Progress.ReportRows(row + 1, fill.Grid.size());
    }
    pass.Writer.WriteGridEnd();
}

void WriteContacts(DocumentPass& pass, const ContactsExport& contacts) {
    if (contacts.SearchOptions) pass.Writer.WriteMemo(*contacts.SearchOptions, contacts.MemoFont, RtfAlignment::Left);
    if (contacts.Description) pass.Writer.WriteMemo(*contacts.Description, contacts.MemoFont, RtfAlignment::Left);
    if (contacts.Details) {
        WriteContactDetails(pass, contacts.Results);
    } else {
        WriteContactSummary(pass, contacts.Results);
    }
}

// A list's document: its heading (the title, then the lines below it) and a
// table of its rows with a header row, or one empty row; `cellsOf(i)` gives
// row i's cells.
template <typename Columns, typename CellsOf>
void WriteList(DocumentPass& pass, const std::vector<std::string>& heading, const Columns& columns, std::size_t rows,
               CellsOf cellsOf) {
    if (!heading.empty()) WriteTitleBlock(pass.Writer, heading.front());
    if (heading.size() > 1) {
        const std::vector<std::string> rest(heading.begin() + 1, heading.end());
        pass.Writer.WriteMemo(rest, ControlFont, RtfAlignment::Left);
    }
    const std::vector<int> widths = Widths(columns);
    const int ppi = pass.Settings.PixelsPerInch;
    std::vector<std::string> titles;
    for (const GridColumn& column : columns) titles.emplace_back(column.Title);
    pass.Writer.WriteGridStart();
    pass.Writer.WriteGridRow(widths, titles, ControlFont, ppi);
    if (rows == 0) pass.Writer.WriteGridRow(widths, std::vector<std::string>(widths.size()), ControlFont, ppi);
    for (std::size_t i = 0; i < rows && !Halted(pass); ++i) {
        const auto cells = cellsOf(i);
        pass.Writer.WriteGridRow(widths, std::vector<std::string>(cells.begin(), cells.end()), ControlFont, ppi);
        pass.Progress.ReportRows(i + 1, rows);
    }
    pass.Writer.WriteGridEnd();
}

void WriteTransits(DocumentPass& pass, const TransitsExport& transits) {
    WriteList(pass, transits.Heading, TransitColumns, transits.Rows.size(), [&](std::size_t i) {
        return TransitCells(transits.Rows[i], transits.Points, transits.Clock, pass.Settings.Names);
    });
}

void WriteEvents(DocumentPass& pass, const EventsExport& events) {
    WriteList(pass, events.Heading, EventColumns, events.Events.size(),
              [&](std::size_t i) { return EventCells(events.Events[i], events.Clock, pass.Settings.Names); });
}

}  // namespace

std::string EphemerisTitle(int body, const WallClock& clock, TDateTime spanStart) {
    if (body == AllBodiesTableBody) {
        return std::string(EphemerisTitlePrefix) + "todos los cuerpos. Time Zone: " + clock.ZoneText(spanStart) + ".";
    }
    const auto item = static_cast<std::size_t>(std::clamp(body, FirstBody, LastComputedBody) - FirstBody);
    return std::string(EphemerisTitlePrefix) + std::string(ContactBodyItems[item]) +
           ". Time Zone: " + clock.ZoneText(spanStart) + ".";
}

RtfPage ExportPage(const ExportContent& content, int pixelsPerInch) {
    RtfPage page;
    page.Landscape = ContentWidth(content, pixelsPerInch) > page.TextWidth();
    return page;
}

std::vector<std::string> MemoLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

ExportStatus WriteDocument(RtfWriter& writer, const ExportContent& content, const ExportSettings& settings,
                           const ExportProgress& progress, std::stop_token stop) {
    ProgressReport report(progress);
    DocumentPass pass{writer, settings, report, std::move(stop)};
    writer.FontList = {std::string(ExportFontEntry)};
    writer.WriteHeader();
    writer.WritePageLayout(ExportPage(content, settings.PixelsPerInch));
    if (settings.CreationStamp) {
        writer.WriteText(FormatDateTime(CreationStampPattern, *settings.CreationStamp, settings.Names), ExportTextFont,
                         RtfAlignment::Right);
    }
    report.Report(HeaderDonePercent);

    std::visit(Overloaded{[&pass](const EphemerisTableExport& page) { WriteEphemerisTable(pass, page); },
                          [&pass](const GraphExport& page) { WriteGraph(pass, page); },
                          [&pass](const ContactsExport& page) { WriteContacts(pass, page); },
                          [&pass](const TransitsExport& page) { WriteTransits(pass, page); },
                          [&pass](const EventsExport& page) { WriteEvents(pass, page); }},
               content);
    // A writer that is not saved leaves no file behind.
    if (pass.Stop.stop_requested()) return ExportStatus{std::string(ExportInterrupted)};

    ExportStatus status = writer.SaveDocument();
    if (status.Ok()) report.Report(SavedPercent);
    return status;
}

}  // namespace kalto
