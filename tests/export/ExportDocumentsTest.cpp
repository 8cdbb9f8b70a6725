// SPDX-License-Identifier: GPL-3.0-or-later
// The documents of each page, byte for byte: the ephemeris table, the graph
// and the contacts, with the creation stamp, the page and the progress.

#include "ExportDocuments.h"

#include "ContactInputs.h"
#include "DateTime.h"
#include "RtfGridMarkup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <sstream>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::CellStart;
using test::GridEnd;
using test::GridStart;
using test::RowEnd;
using test::RowStart;
using test::RowTexts;

// The document's fixed pieces, as a word processor reads them.
constexpr std::string_view Header =
    R"({\rtf1\ansi\ansicpg1252\deff0\deftab720{\fonttbl{\f0\fswiss\fcharset0 Arial;}})"
    R"({\colortbl\red0\green0\blue0;\red128\green0\blue0;\red0\green128\blue0;\red128\green128\blue0;)"
    R"(\red0\green0\blue128;\red128\green0\blue128;\red0\green128\blue128;\red128\green128\blue128;)"
    R"(\red192\green192\blue192;\red255\green0\blue0;\red0\green255\blue0;\red255\green255\blue0;)"
    R"(\red0\green0\blue255;\red255\green0\blue255;\red0\green255\blue255;\red255\green255\blue255;})";
constexpr std::string_view PortraitPage = R"(\paperw12240\paperh15840\margl1080\margr1080\margt1080\margb1080)";
constexpr std::string_view LandscapePage =
    R"(\paperw15840\paperh12240\margl1080\margr1080\margt1080\margb1080\landscape)";
constexpr std::string_view DocumentEnd = "\r\n}";
constexpr std::string_view CentredText = R"(\par \pard\qc\plain\f0\fs20 )";
constexpr std::string_view LeftText = R"(\par \pard\plain\f0\fs20 )";

// Cell boundaries at 96 pixels per inch: 15 twips a pixel, 4 pixels of grid
// lines a column, 108 twips beyond.
constexpr int TableBoundaries[] = {618, 2103, 3438, 4473, 5658, 6843, 8028, 9213};
constexpr int SummaryBoundaries[] = {618, 1128, 2463, 4998, 7533, 10068, 11928, 12963};
constexpr int DetailBoundaries[] = {768, 2253, 3363, 4398, 5658, 6693, 7728};

// A table row with the given cell boundaries and Windows-1252 cell texts.
std::string Row(std::span<const int> boundaries, const std::vector<std::string>& cells) {
    std::string row(RowStart);
    for (const int boundary : boundaries) row += std::string(CellStart) + "\\cellx" + std::to_string(boundary);
    row += RowTexts;
    for (const std::string& cell : cells) row += cell + "\\cell ";
    return row + std::string(RowEnd);
}

std::string S(std::string_view text) {
    return std::string(text);
}

std::string Document(const ExportContent& content, const ExportSettings& settings = {}) {
    std::ostringstream out;
    RtfWriter writer(out);
    const ExportStatus status = WriteDocument(writer, content, settings);
    EXPECT_TRUE(status.Ok()) << status.ErrorMessage;
    return out.str();
}

// Two rows of the Sun: noon of Monday 1 January 2024 at 45.5° and half past
// six the next morning at 359.75°.
EphemerisRows TwoSunRows() {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Bodies[Sol] = {
        EphemerisRow{45.5f, 1.25f, 200.0f, -10.5f, 0.98f, EncodeDate(2024, 1, 1) + 0.5},
        EphemerisRow{359.75f, 0.0f, 359.75f, 0.0f, 0.98f, EncodeDate(2024, 1, 2) + EncodeTime(6, 30, 0)},
    };
    rows->StartDate = EncodeDate(2024, 1, 1);
    rows->EndDate = EncodeDate(2024, 1, 2);
    return rows;
}

EphemerisTableExport Table(EphemerisRows rows, int body = Sol, std::vector<int> optionalColumns = {3, 4}) {
    return {.Rows = std::move(rows), .Body = body, .Clock = WallClock(), .OptionalColumns = std::move(optionalColumns)};
}

TEST(ExportDocumentsTest, EphemerisTableDocumentByteForByte) {
    const EphemerisTableExport table{
        .Rows = TwoSunRows(), .Body = Sol, .Clock = WallClock(), .OptionalColumns = {3, 4}};
    const std::span<const int> boundaries(TableBoundaries, 5);
    const std::string expected =
        S(Header) + S(PortraitPage) + S(CentredText) + S(CentredText) + "Efemerides de Sol. Time Zone: 0.00." +
        S(CentredText) + S(GridStart) +
        Row(boundaries, {"D\xED"
                         "a",
                         "Fecha", "Val.", "Hora", "Lon."}) +
        Row(boundaries, {" 1", "ene 01 2024, lun", " 15\xB0 30' 00\"Tau", "12:00 pm", " 45\xB0 30' 00\""}) +
        Row(boundaries, {" 2", "ene 02 2024, mar", " 29\xB0 45' 00\"Pis", "06:30 am", " 359\xB0 45' 00\""}) +
        S(GridEnd) + S(DocumentEnd);
    EXPECT_EQ(Document(table), expected);
}

// The shown optional columns follow the fixed ones in the table's order, with
// the export's headers ("Asc.", not "AR.") and widths.
TEST(ExportDocumentsTest, EphemerisTableColumns) {
    const struct {
        std::vector<int> Optional;
        std::vector<std::string> Headers;
    } cases[] = {
        {{},
         {"D\xED"
          "a",
          "Fecha", "Val."}},
        {{3, 4},
         {"D\xED"
          "a",
          "Fecha", "Val.", "Hora", "Lon."}},
        {{3, 4, 5, 6, 7},
         {"D\xED"
          "a",
          "Fecha", "Val.", "Hora", "Lon.", "Lat.", "Asc.", "Dec."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Headers.size());
        const std::string document = Document(Table(TwoSunRows(), Sol, c.Optional));
        EXPECT_NE(document.find(Row(std::span<const int>(TableBoundaries, c.Headers.size()), c.Headers)),
                  std::string::npos);
    }
    // Lat. and Dec. shown alone: their cells, not those of Hora and Lon.
    const std::string document = Document(
        EphemerisTableExport{.Rows = TwoSunRows(), .Body = Sol, .Clock = WallClock(), .OptionalColumns = {5, 7}});
    const int boundaries[] = {618, 2103, 3438, 4623, 5808};
    EXPECT_NE(document.find(Row(boundaries, {"D\xED"
                                             "a",
                                             "Fecha", "Val.", "Lat.", "Dec."})),
              std::string::npos);
    EXPECT_NE(document.find(Row(boundaries, {" 1", "ene 01 2024, lun", " 15\xB0 30' 00\"Tau", "+ 01\xB0 15' 00\"",
                                             "- 10\xB0 30' 00\""})),
              std::string::npos);
}

TEST(ExportDocumentsTest, EphemerisTitles) {
    const struct {
        int Body;
        double Zone;
        std::string_view Title;
    } cases[] = {
        {Sol, 0, "Efemerides de Sol. Time Zone: 0.00."},
        {Lun, -5, "Efemerides de Lun. Time Zone: -5.00."},
        {Nod, 5.5, "Efemerides de Nod. Time Zone: 5.50."},
        {Plu, -11.99, "Efemerides de Plu. Time Zone: -11.99."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title);
        EXPECT_EQ(EphemerisTitle(c.Body, WallClock(c.Zone), 0), c.Title);
    }
}

// A named zone with its offset on the span's first day: Madrid is at +1 until
// 01:00 UT on 28 March 2027 and at +2 from then to 31 October (zdump -v).
TEST(ExportDocumentsTest, EphemerisTitleNamesAZoneWithItsOffsetAtTheStart) {
    const auto zone = TimeZone::Find("Europe/Madrid");
    ASSERT_TRUE(zone);
    const struct {
        TDateTime Start;
        std::string_view Title;
    } cases[] = {
        {EncodeDate(2027, 3, 28), "Efemerides de Sol. Time Zone: Europe/Madrid (1.00)."},
        {EncodeDate(2027, 3, 29), "Efemerides de Sol. Time Zone: Europe/Madrid (2.00)."},
        {EncodeDate(2027, 10, 31), "Efemerides de Sol. Time Zone: Europe/Madrid (2.00)."},
        {EncodeDate(2027, 11, 1), "Efemerides de Sol. Time Zone: Europe/Madrid (1.00)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Start);
        EXPECT_EQ(EphemerisTitle(Sol, WallClock(*zone), c.Start), c.Title);
    }
}

// Before any run, or for a body without rows: the header row and one blank line.
TEST(ExportDocumentsTest, TableWithoutRowsHasOneBlankLine) {
    const std::span<const int> boundaries(TableBoundaries, 5);
    for (const EphemerisRows& rows : {EphemerisRows(), TwoSunRows()}) {
        SCOPED_TRACE(rows ? "no rows of the Moon" : "no run");
        const std::string document =
            Document(EphemerisTableExport{.Rows = rows, .Body = Lun, .Clock = WallClock(), .OptionalColumns = {3, 4}});
        const std::string table = S(GridStart) +
                                  Row(boundaries, {"D\xED"
                                                   "a",
                                                   "Fecha", "Val.", "Hora", "Lon."}) +
                                  Row(boundaries, {"", "", "", "", ""}) + S(GridEnd) + S(DocumentEnd);
        EXPECT_TRUE(document.ends_with(table)) << document;
    }
}

// A contact of the Sun at 90° of the point 0°, from 06:00 to 08:00 of Friday
// 19 March 2027, exact at 07:00.
ContactRecordPtr SunSquare() {
    auto record = std::make_shared<ContactRecord>();
    record->BodyIndex = 0;
    record->PositionText = " 00\u00B0 00' 00\"";
    record->StartTime = EncodeDate(2027, 3, 19) + EncodeTime(6, 0, 0);
    record->ExactTime = EncodeDate(2027, 3, 19) + EncodeTime(7, 0, 0);
    record->EndTime = EncodeDate(2027, 3, 19) + EncodeTime(8, 0, 0);
    record->ContactAngle = 90;
    record->StartLongitude = 89;
    record->ExactLongitude = 90;
    record->EndLongitude = 91;
    record->MomentsFound = ContactMomentCount;
    return record;
}

ContactResults OneContact() {
    ContactResults results;
    results.ContactList = {SunSquare()};
    results.SortedContactList = results.ContactList;
    results.LastTarget = 0;
    results.LastOrb = 1;
    return results;
}

TEST(ExportDocumentsTest, ContactSummaryDocumentByteForByte) {
    ContactsExport contacts;
    contacts.SearchOptions = std::vector<std::string>{" Contactos de SOL", " Time Zone: 0.00."};
    contacts.Description = std::vector<std::string>{"Cuadratura del equinoccio"};
    contacts.Results = OneContact();
    const std::string expected =
        S(Header) + S(LandscapePage) + R"(\par \pard\plain\f0\fs16 \par  Contactos de SOL \par  Time Zone: 0.00.)" +
        R"(\par \pard\plain\f0\fs16 \par Cuadratura del equinoccio)" + S(GridStart) +
        Row(SummaryBoundaries, {"No.", "Pla.", "Pos.", "Inicia", "Partil", "Finaliza", "Dur. Aprox.", "Contacto"}) +
        Row(SummaryBoundaries,
            {" 1", "Sol", " 00\xB0 00' 00\"", "mar-19-2027, vie, 06:00:00 am", "mar-19-2027, vie, 07:00:00 am",
             "mar-19-2027, vie, 08:00:00 am", " 02h 00m 00s", " 90\xB0 00' 00\""}) +
        S(GridEnd) + S(DocumentEnd);
    EXPECT_EQ(Document(contacts), expected);
}

TEST(ExportDocumentsTest, ContactDetailDocumentByteForByte) {
    ContactsExport contacts;
    contacts.SearchOptions = std::vector<std::string>{" Contactos de SOL"};
    contacts.Details = true;
    contacts.Results = OneContact();
    const std::string expected =
        S(Header) + S(PortraitPage) + R"(\par \pard\plain\f0\fs16 \par  Contactos de SOL)" + S(LeftText) +
        "1. Sol con  00\xB0 00' 00\". Contacto:  90\xB0 00' 00\". Duraci\xF3n aprox.:  02h 00m 00s" + S(GridStart) +
        Row(DetailBoundaries, {"Det.", "Fecha", "Hora", "Angulo",
                               "Pos. Zod\xED"
                               "aco",
                               "Pos. Ecl\xED"
                               "ptica",
                               "Precisi\xF3n"}) +
        Row(DetailBoundaries, {"inicia", "mar-19-2027, vie", "06:00:00 am", " 89\xB0 00' 00\"", " 29\xB0 00' 00\"Gem",
                               " 89\xB0 00' 00\"", " 00\xB0 00' 00\""}) +
        Row(DetailBoundaries, {"partil", "mar-19-2027, vie", "07:00:00 am", " 90\xB0 00' 00\"", " 00\xB0 00' 00\"Can",
                               " 90\xB0 00' 00\"", " 00\xB0 00' 00\""}) +
        Row(DetailBoundaries, {"finaliza", "mar-19-2027, vie", "08:00:00 am", " 91\xB0 00' 00\"", " 01\xB0 00' 00\"Can",
                               " 91\xB0 00' 00\"", " 00\xB0 00' 00\""}) +
        S(GridEnd) + S(DocumentEnd);
    EXPECT_EQ(Document(contacts), expected);
}

// Each contact that the angle filter lets through gets its number, heading and
// table in the order of the sorted list.
TEST(ExportDocumentsTest, DetailTablesForTheContactsShown) {
    ContactResults results = OneContact();
    auto opposition = std::make_shared<ContactRecord>(*SunSquare());
    opposition->ContactAngle = 180;
    auto conjunction = std::make_shared<ContactRecord>(*SunSquare());
    conjunction->ContactAngle = 0;
    conjunction->BodyIndex = 1;
    results.SortedContactList = {results.ContactList[0], opposition, conjunction};
    results.Filter[AngleBand(180)] = false;

    ContactsExport contacts;
    contacts.Details = true;
    contacts.Results = results;
    const std::string document = Document(contacts);
    EXPECT_NE(document.find(S(LeftText) + "1. Sol con "), std::string::npos);
    EXPECT_NE(document.find(S(LeftText) + "2. Lun con  00\xB0 00' 00\". Contacto:  00\xB0"), std::string::npos);
    EXPECT_EQ(document.find("3. "), std::string::npos);
    EXPECT_EQ(document.find("180\xB0"), std::string::npos);
    std::size_t tables = 0;
    for (std::size_t at = document.find(GridStart); at != std::string::npos; at = document.find(GridStart, at + 1)) {
        ++tables;
    }
    EXPECT_EQ(tables, 2u);
}

// Every option cleared and nothing shown: the header, the summary table with
// its header row and one empty row, and the end.
TEST(ExportDocumentsTest, ContactsWithNothingShown) {
    ContactsExport contacts;
    contacts.Results = OneContact();
    contacts.Results.Filter = NoAngleBands;
    const std::string expected =
        S(Header) + S(LandscapePage) + S(GridStart) +
        Row(SummaryBoundaries, {"No.", "Pla.", "Pos.", "Inicia", "Partil", "Finaliza", "Dur. Aprox.", "Contacto"}) +
        Row(SummaryBoundaries, {"", "", "", "", "", "", "", ""}) + S(GridEnd) + S(DocumentEnd);
    EXPECT_EQ(Document(contacts), expected);
}

TEST(ExportDocumentsTest, MemoWithoutLinesWritesOnlyItsFormat) {
    ContactsExport contacts;
    contacts.SearchOptions = MemoLines("");
    contacts.Description = MemoLines("");
    contacts.Results.Filter = NoAngleBands;
    const std::string document = Document(contacts);
    EXPECT_NE(document.find(S(LandscapePage) + R"(\par \pard\plain\f0\fs16\par \pard\plain\f0\fs16)" + S(GridStart)),
              std::string::npos);
}

TEST(ExportDocumentsTest, MemoLines) {
    const struct {
        std::string_view Text;
        std::vector<std::string> Lines;
    } cases[] = {
        {"", {}},           {"uno", {"uno"}}, {"uno\ndos", {"uno", "dos"}},
        {"uno\n", {"uno"}}, {"\n", {""}},     {"uno\n\ntres", {"uno", "", "tres"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(MemoLines(c.Text), c.Lines);
    }
}

BitmapImage WhiteBitmap(int width, int height) {
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    return {width, height, std::vector<std::uint32_t>(count, 0xFFFFFFFFu)};
}

TEST(ExportDocumentsTest, GraphDocumentIsTheTitleAndTheCentredPicture) {
    const BitmapImage picture = WhiteBitmap(900, 500);
    const std::vector<std::uint8_t> metafile = StretchedBitmapMetafile(picture);
    const std::string expected =
        S(Header) + S(LandscapePage) + S(CentredText) + S(CentredText) + "Diagrama de Efemerides" + S(CentredText) +
        R"(\par \pard\qc\plain\cgrid {\pict\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0)" +
        R"(\picw23822\pich13234\picwgoal13500\pichgoal7500\wmetafile8 \bin)" + std::to_string(metafile.size()) +
        std::string(metafile.begin(), metafile.end()) + "}" + S(DocumentEnd);
    EXPECT_EQ(Document(GraphExport{picture}), expected);
}

// The page turns to landscape only when the widest thing on it needs the room.
TEST(ExportDocumentsTest, PageOrientation) {
    ContactsExport details;
    details.Details = true;
    const struct {
        std::string_view Name;
        ExportContent Content;
        int PixelsPerInch;
        bool Landscape;
    } cases[] = {
        {"table of all eight columns", Table(nullptr, Sol, {3, 4, 5, 6, 7}), 96, false},
        {"graph", GraphExport{WhiteBitmap(900, 500)}, 96, true},
        {"graph on a screen of 144 pixels per inch", GraphExport{WhiteBitmap(900, 500)}, 144, false},
        {"contact summary", ContactsExport{}, 96, true},
        {"contact details", details, 96, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const RtfPage page = ExportPage(c.Content, c.PixelsPerInch);
        EXPECT_EQ(page.Landscape, c.Landscape);
        EXPECT_EQ(page.PaperWidth, 12240);
        EXPECT_EQ(page.PaperHeight, 15840);
        EXPECT_EQ(page.Margin, 1080);
    }
}

// The stamp is the first paragraph, right-aligned, in the names given.
TEST(ExportDocumentsTest, CreationStampComesFirstAndRightAligned) {
    ExportSettings settings;
    settings.CreationStamp = EncodeDate(2027, 12, 8) + EncodeTime(15, 4, 5);
    const std::string document = Document(GraphExport{WhiteBitmap(2, 2)}, settings);
    const std::string start = S(Header) + S(PortraitPage);
    ASSERT_TRUE(document.starts_with(start));
    EXPECT_TRUE(document.substr(start.size())
                    .starts_with(S(R"(\par \pard\qr\plain\f0\fs20 dic-08-2027, 03:04:05 pm)") + S(CentredText)))
        << document.substr(start.size(), 80);
}

TEST(ExportDocumentsTest, ProgressGrowsToOneHundred) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Bodies[Sol].resize(1000, EphemerisRow{10, 0, 10, 0, 1, EncodeDate(2024, 1, 1)});
    std::vector<int> reported;
    std::ostringstream out;
    RtfWriter writer(out);
    const ExportStatus status =
        WriteDocument(writer, Table(rows), ExportSettings{}, [&](int percent) { reported.push_back(percent); });
    ASSERT_TRUE(status.Ok());
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), 1);
    EXPECT_EQ(reported.back(), 100);
    for (std::size_t i = 1; i < reported.size(); ++i) EXPECT_LT(reported[i - 1], reported[i]);
    EXPECT_GE(reported.size(), 90u);  // the rows move the bar step by step
}

class ExportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "kalto-documents-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        Folder = name;
    }
    void TearDown() override { fs::remove_all(Folder); }
    [[nodiscard]] bool FolderIsEmpty() const { return fs::is_empty(Folder); }
    fs::path Folder;
};

// A stop leaves no file: not the target, nor the temporary file.
TEST_F(ExportFileTest, StopAbandonsTheDocument) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Bodies[Sol].resize(5000, EphemerisRow{10, 0, 10, 0, 1, EncodeDate(2024, 1, 1)});
    std::stop_source stop;
    ExportStatus status;
    {
        RtfWriter writer(Folder / "tabla.rtf");
        status = WriteDocument(
            writer, Table(rows), ExportSettings{},
            [&](int percent) {
                if (percent >= 10) stop.request_stop();
            },
            stop.get_token());
    }
    EXPECT_EQ(status.ErrorMessage, ExportInterrupted);
    EXPECT_TRUE(FolderIsEmpty());
}

TEST_F(ExportFileTest, UnwritableTargetReportsInSpanishAndLeavesNothing) {
    RtfWriter writer(Folder / "no-existe" / "tabla.rtf");
    const ExportStatus status = WriteDocument(writer, Table(TwoSunRows()), ExportSettings{});
    EXPECT_EQ(status.ErrorMessage, "No se pudo crear el archivo \"" + (Folder / "no-existe" / "tabla.rtf").string() +
                                       "\": la carpeta no existe.");
    EXPECT_TRUE(FolderIsEmpty());
}

// Exporting twice to one name replaces the file.
TEST_F(ExportFileTest, SecondExportReplacesTheFile) {
    const fs::path file = Folder / "tabla.rtf";
    for (const int body : {Sol, Lun}) {
        RtfWriter writer(file);
        ASSERT_TRUE(WriteDocument(writer, Table(TwoSunRows(), body), ExportSettings{}).Ok());
    }
    std::ostringstream expected;
    RtfWriter reference(expected);
    ASSERT_TRUE(WriteDocument(reference, Table(TwoSunRows(), Lun), ExportSettings{}).Ok());
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), expected.str());
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace kalto
