// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WriteDocument: the Rich Text Format document of what a page shows, built
// from values (the rows of a run, the contact lists, the memo texts, a picture
// of the graph) so that the window, the command line and the tests share it.
// It streams through RtfWriter: a table of hundreds of thousands of rows is
// written a row at a time and never held whole.

#include "ContactResults.h"
#include "DateFormat.h"
#include "EphemerisRows.h"
#include "EventSearch.h"
#include "RtfWriter.h"
#include "TransitSearch.h"
#include "WindowsMetafile.h"

#include <array>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kalto {

// The document's one font, which every font word (\f0) names: the narrow
// sans serif that the screen's columns are measured for. Without it each word
// processor would pick a default of its own, often too wide for the cells.
inline constexpr std::string_view ExportFontEntry = R"({\f0\fswiss\fcharset0 Arial;})";

// The text paragraphs: 10 points, regular, in the window-text colour (no
// colour word).
inline constexpr RtfFont ExportTextFont{};
// The memos of the command line and every table carry the toolkit's default
// font of 8 points.
inline constexpr RtfFont ControlFont = GridFont;

inline constexpr std::string_view EphemerisTitlePrefix = "Efemerides de ";
inline constexpr std::string_view GraphTitle = "Diagrama de Efemerides";
inline constexpr std::string_view CreationStampPattern = "mmm-dd-yyyy, hh:nn:ss am/pm";

struct ExportColumn {
    std::string_view Header;
    int Width;  // screen pixels
};

// The exported ephemeris table's columns, by the table's column number; their
// widths are the document's own, narrower than the window's.
inline constexpr std::array<ExportColumn, 8> EphemerisExportColumns{{
    {"Día", 30},
    {"Fecha", 95},
    {"Val.", 85},
    {"Hora", 65},
    {"Lon.", 75},
    {"Lat.", 75},
    {"Asc.", 75},
    {"Dec.", 75},
}};

// The exported summary of the contacts: the window's grid without its
// finding-order column. "Pos." keeps its width on screen: 30 pixels broke a
// position such as 15° 00' 00" over three lines in every row.
inline constexpr std::array<ExportColumn, 8> ContactSummaryExportColumns{{
    {"No.", 30},
    {"Pla.", 30},
    {"Pos.", 85},
    {"Inicia", 165},
    {"Partil", 165},
    {"Finaliza", 165},
    {"Dur. Aprox.", 120},
    {"Contacto", 65},
}};

// The exported all-bodies table's columns: the widths of its body columns
// narrowed so that the table fits a landscape page.
inline constexpr std::array<ExportColumn, 14> AllBodiesExportColumns{{
    {"Día", 30},
    {"Fecha", 95},
    {"Hora", 65},
    {"Sol", 64},
    {"Lun", 64},
    {"Mer", 64},
    {"Ven", 64},
    {"Mar", 64},
    {"Jup", 64},
    {"Sat", 64},
    {"Ura", 64},
    {"Nep", 64},
    {"Plu", 64},
    {"Nod", 64},
}};

// The Body of the all-bodies table ("Todos").
inline constexpr int AllBodiesTableBody = 0;

// The ephemeris page's table view: the rows of one body, or of all.
struct EphemerisTableExport {
    EphemerisRows Rows;  // null before the first run
    int Body = Sol;      // SelectedBody, 1..11, or AllBodiesTableBody
    WallClock Clock;     // the wall clock the rows were computed in
    // The optional columns shown (3 "Hora" .. 7 "Dec."), in the table's order;
    // the table has the three fixed columns and these.
    std::vector<int> OptionalColumns{3, 4};
};

// The ephemeris page's graph view.
struct GraphExport {
    GraphExport() = default;
    explicit GraphExport(BitmapImage picture, std::optional<std::string> zoneText = std::nullopt)
        : Picture(std::move(picture)), ZoneText(std::move(zoneText)) {}

    BitmapImage Picture;  // the graph as drawn on screen, 900 × 500
    // The time zone its rows were computed in as WallClock::ZoneText names
    // it, stated after the title when given: "Diagrama de Efemerides. Time
    // Zone: -3.50."
    std::optional<std::string> ZoneText;
};

// The contacts page.
struct ContactsExport {
    // The search options' lines when "opciones búsqueda" is checked, and
    // the user's description when "descripción" is; nothing when unchecked.
    std::optional<std::vector<std::string>> SearchOptions;
    std::optional<std::vector<std::string>> Description;
    RtfFont MemoFont = ControlFont;
    // "detalles": one detail table per contact shown instead of the summary.
    bool Details = false;
    // The lists, the angle filter and the reference of the detail rows.
    ContactResults Results;
};

// The transits page: its heading lines (the first one the title) and the
// rows shown, with the chart's points they name and the wall clock of the
// search.
struct TransitsExport {
    std::vector<std::string> Heading;
    std::vector<ChartPoint> Points;
    std::vector<Transit> Rows;
    WallClock Clock;
};

// The events view: its heading lines (the first one the title) and the events
// shown, on the wall clock of their search.
struct EventsExport {
    std::vector<std::string> Heading;
    std::vector<Event> Events;
    WallClock Clock;
};

using ExportContent = std::variant<EphemerisTableExport, GraphExport, ContactsExport, TransitsExport, EventsExport>;

struct ExportSettings {
    // CBMakeDataGen: the creation moment stamped at the top, when wanted.
    std::optional<TDateTime> CreationStamp;
    int PixelsPerInch = 96;  // the screen's; cell boundaries and picture sizes follow it
    DateFormatNames Names = SpanishDateFormatNames();
};

// Called with the percentage done, 0 to 100, each time it grows, on the thread
// that writes the document.
using ExportProgress = std::function<void(int percent)>;

// Writes the whole document into `writer` and saves it. A stop requested
// through `stop` abandons the document (nothing is saved) and reports
// ExportInterrupted.
ExportStatus WriteDocument(RtfWriter& writer, const ExportContent& content, const ExportSettings& settings,
                           const ExportProgress& progress = {}, std::stop_token stop = {});

inline constexpr std::string_view ExportInterrupted = "Exportación interrumpida.";

// "Efemerides de Sol. Time Zone: -5.00.", "Efemerides de todos los cuerpos.
// Time Zone: …" for AllBodiesTableBody: the body as the contact page lists
// it and the zone as the clock names it at the span's first day
// ("Europe/Madrid (1.00)"), with a point behind.
[[nodiscard]] std::string EphemerisTitle(int body, const WallClock& clock, TDateTime spanStart);

// Letter paper with margins of 3/4 inch, upright unless the table or the
// picture is wider than an upright page holds.
[[nodiscard]] RtfPage ExportPage(const ExportContent& content, int pixelsPerInch);

// The lines of a memo's text: none for an empty text; a line break at the end
// starts no further line.
[[nodiscard]] std::vector<std::string> MemoLines(std::string_view text);

}  // namespace kalto
