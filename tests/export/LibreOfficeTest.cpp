// SPDX-License-Identifier: GPL-3.0-or-later
// The documents read back by a real word processor: LibreOffice converts a
// writer sample, an ephemeris table, the contact summary and details and the
// graph in one run, and their texts, cells and pictures must come back.

#include "ContactGrid.h"
#include "ContactSearch.h"
#include "DrawGraph.h"
#include "EphemerisRun.h"
#include "EphemerisTable.h"
#include "ExportDocuments.h"
#include "GraphPicture.h"
#include "GuiApplication.h"
#include "OfficeDocuments.h"
#include "RtfWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using namespace office;

// A 900 × 500 bitmap like the graph's: white with a frame.
BitmapImage GraphLikeBitmap() {
    BitmapImage bitmap{900, 500, {}};
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x) {
            const bool frame = x < 2 || y < 2 || x >= bitmap.Width - 2 || y >= bitmap.Height - 2;
            bitmap.Pixels.push_back(frame ? 0xFF000080u : 0xFFFFFFFFu);
        }
    }
    return bitmap;
}

void SaveDocument(const fs::path& file, const ExportContent& content) {
    RtfWriter writer(file);
    const ExportStatus status = WriteDocument(writer, content, ExportSettings{});
    ASSERT_TRUE(status.Ok()) << status.ErrorMessage;
}

// A run of `days` days from 1 January 2027, one step a day.
EphemerisRows RunFromNewYear(int days, double zoneHours) {
    EphemerisRequest request;
    request.StartDate = EncodeDate(2027, 1, 1);
    request.EndDate = request.StartDate + days - 1;
    request.SpanDays = days;
    request.StepsPerDay = 1;
    request.Clock = WallClock(zoneHours);
    EphemerisProgress progress;
    return RunEphemeris(request, progress);
}

// The squares of the Sun to 0° Aries in 2027: the equinoxes and solstices.
ContactsExport SunSquares(bool details) {
    ContactSearchInput input;
    input.Body = Sol;
    input.StartDate = EncodeDate(2027, 1, 1);
    input.EndDate = EncodeDate(2027, 12, 31);
    input.Angle = 90;
    input.Orb = 1;
    ContactSearchProgress progress;
    ContactsExport contacts;
    CommitContactSearch(contacts.Results, SearchContacts(input, progress), input, true);
    contacts.SearchOptions = SearchDescription(input, SpanishDateFormatNames());
    contacts.Details = details;
    return contacts;
}

// The graph of a month of every body, as the window draws it.
BitmapImage MonthGraph() {
    GraphFrame frame;
    frame.Width = GraphPictureWidth;
    frame.Height = GraphPictureHeight;
    frame.Rows = RunFromNewYear(31, 0);
    frame.StartDate = frame.Rows->StartDate;
    frame.EndDate = frame.Rows->EndDate;
    frame.ShownBodies.fill(true);
    EnsureGuiApplication();
    return GraphPicture(frame);
}

std::vector<std::string> Cells(std::initializer_list<std::string_view> texts) {
    return {texts.begin(), texts.end()};
}

// The one picture of a document: its size in inches and its Windows metafile.
void ExpectPicture(std::string_view body, const BitmapImage& bitmap) {
    const std::vector<std::string> frames = Elements(body, "<draw:frame", "</draw:frame>");
    ASSERT_EQ(frames.size(), 1u);
    // The size on a screen of 96 pixels per inch.
    EXPECT_NEAR(LengthInInches(frames[0], "svg:width"), bitmap.Width / 96.0, 0.005);
    EXPECT_NEAR(LengthInInches(frames[0], "svg:height"), bitmap.Height / 96.0, 0.005);
    // The metafile as the document holds it (LibreOffice adds a PNG rendering of it).
    constexpr std::string_view Open = "<office:binary-data>";
    constexpr std::string_view Close = "</office:binary-data>";
    const std::vector<std::string> metafiles =
        Elements(frames[0], "<draw:image draw:mime-type=\"image/x-wmf\"", "</draw:image>");
    ASSERT_EQ(metafiles.size(), 1u);
    const std::vector<std::string> data = Elements(metafiles[0], Open, Close);
    ASSERT_EQ(data.size(), 1u);
    const std::string_view base64 =
        std::string_view(data[0]).substr(Open.size(), data[0].size() - Open.size() - Close.size());
    EXPECT_TRUE(Base64Bytes(base64) == StretchedBitmapMetafile(bitmap)) << "the metafile did not arrive whole";
}

TEST(LibreOfficeTest, ReadsTheExportedDocuments) {
    if (!HasProgram("soffice")) GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    std::string name = (fs::temp_directory_path() / "kalto-soffice-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    const fs::path folder = name;
    struct RemoveFolder {
        fs::path Folder;
        ~RemoveFolder() { fs::remove_all(Folder); }
    } removeFolder{folder};

    // The writer alone: texts that need escapes, and characters beyond the code page.
    const BitmapImage framed = GraphLikeBitmap();
    {
        RtfWriter writer(folder / "writer.rtf");
        writer.WriteHeader();
        writer.WriteText("Efemerides de Sol. Time Zone: 0.00.", RtfFont{}, RtfAlignment::Center);
        writer.WriteGrid(
            RtfGrid{{30, 95, 85},
                    {{"Día", "Fecha", "Lon."}, {"1", "ene 01 2024, lun", "10° Ari 20'"}, {"2", "{x}\\y", "Луна ♈"}}},
            96);
        writer.WritePicture(96, framed, RtfAlignment::Center);
        ASSERT_TRUE(writer.SaveDocument().Ok());
    }
    const EphemerisRows moon = RunFromNewYear(3, -5);
    ASSERT_TRUE(moon);
    SaveDocument(
        folder / "tabla.rtf",
        EphemerisTableExport{.Rows = moon, .Body = Lun, .Clock = WallClock(-5.0), .OptionalColumns = {3, 4, 5, 6, 7}});
    const ContactsExport summary = SunSquares(false);
    ASSERT_EQ(summary.Results.SortedContactList.size(), 4u);
    SaveDocument(folder / "contactos.rtf", summary);
    const ContactsExport details = SunSquares(true);
    SaveDocument(folder / "detalle.rtf", details);
    const BitmapImage graph = MonthGraph();
    SaveDocument(folder / "grafico.rtf", GraphExport{graph});

    const std::vector<fs::path> documents{"writer.rtf", "tabla.rtf", "contactos.rtf", "detalle.rtf", "grafico.rtf"};
    ASSERT_TRUE(ConvertToFlatText(folder, documents)) << ReadFile(folder / "soffice.log");
    const auto body = [&](std::string_view stem) {
        const std::string flat = ReadFile(folder / (std::string(stem) + ".fodt"));
        EXPECT_FALSE(flat.empty()) << stem << ": " << ReadFile(folder / "soffice.log");
        return DocumentBody(flat);
    };

    {
        SCOPED_TRACE("writer sample");
        const std::string text = body("writer");
        EXPECT_NE(XmlText(text).find("Efemerides de Sol. Time Zone: 0.00."), std::string::npos);
        const std::vector<std::vector<std::string>> expected{Cells({"Día", "Fecha", "Lon."}),
                                                             Cells({"1", "ene 01 2024, lun", "10° Ari 20'"}),
                                                             Cells({"2", "{x}\\y", "Луна ♈"})};
        EXPECT_EQ(TableRows(text), expected);
        ExpectPicture(text, framed);
    }
    {
        SCOPED_TRACE("ephemeris table");
        const std::string text = body("tabla");
        EXPECT_NE(XmlText(text).find("Efemerides de Lun. Time Zone: -5.00."), std::string::npos);
        std::vector<std::vector<std::string>> expected{
            Cells({"Día", "Fecha", "Val.", "Hora", "Lon.", "Lat.", "Asc.", "Dec."})};
        const std::vector<EphemerisRow>& rows = moon->Bodies[Lun];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            std::vector<std::string> cells;
            for (int column = 0; column < EphemerisColumnCount; ++column) {
                cells.push_back(Squeezed(EphemerisCellText(rows[i], static_cast<int>(i) + 1, column,
                                                           SpanishDateFormatNames(), moon->Clock)));
            }
            expected.push_back(cells);
        }
        EXPECT_EQ(TableRows(text), expected);
    }
    {
        SCOPED_TRACE("contact summary");
        const std::string text = body("contactos");
        const std::string plain = Squeezed(XmlText(text));
        for (const std::string& line : *summary.SearchOptions) {
            EXPECT_NE(plain.find(Squeezed(line)), std::string::npos) << line;
        }
        const ContactGridFill fill = FillContactGrid(ContactGridMode::Export, summary.Results.SortedContactList,
                                                     summary.Results, SpanishDateFormatNames());
        std::vector<std::vector<std::string>> expected;
        for (const auto& row : fill.Grid) {
            std::vector<std::string> cells;
            for (const std::string& cell : row) cells.push_back(Squeezed(cell));
            expected.push_back(cells);
        }
        EXPECT_EQ(TableRows(text), expected);
    }
    {
        SCOPED_TRACE("contact details");
        const std::string text = body("detalle");
        const std::string plain = Squeezed(XmlText(text));
        std::vector<std::vector<std::string>> expected;
        int number = 1;
        for (const ContactRecordPtr& record : details.Results.SortedContactList) {
            EXPECT_NE(plain.find(std::to_string(number++) + ". Sol con "), std::string::npos) << plain;
            for (const auto& row : FillContactDetail(*record, details.Results.LastTarget, details.Results.LastOrb,
                                                     SpanishDateFormatNames())) {
                std::vector<std::string> cells;
                for (const std::string& cell : row) cells.push_back(Squeezed(cell));
                expected.push_back(cells);
            }
        }
        EXPECT_EQ(Elements(text, "<table:table ", "</table:table>").size(), 4u);
        EXPECT_EQ(TableRows(text), expected);
    }
    {
        SCOPED_TRACE("graph");
        const std::string text = body("grafico");
        EXPECT_NE(XmlText(text).find("Diagrama de Efemerides"), std::string::npos);
        ExpectPicture(text, graph);
    }
}

}  // namespace
}  // namespace kalto
