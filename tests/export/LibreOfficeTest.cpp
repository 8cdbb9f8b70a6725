// A document with a table and a picture, read back by LibreOffice: its text,
// its cells and the picture at the size the document gives it.

#include "RtfWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;

bool HasProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The text of an XML fragment: tags dropped, the five predefined entities resolved.
std::string XmlText(std::string_view xml) {
    std::string text;
    bool inTag = false;
    for (const char c : xml) {
        if (c == '<') inTag = true;
        else if (c == '>') inTag = false;
        else if (!inTag) text += c;
    }
    const std::pair<std::string_view, std::string_view> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// Without the blanks and line breaks of the XML's indentation.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \n") + 1 - first);
}

// The texts between each `open` … `close` pair.
std::vector<std::string> Elements(std::string_view xml, std::string_view open, std::string_view close) {
    std::vector<std::string> elements;
    for (std::size_t at = xml.find(open); at != std::string_view::npos; at = xml.find(open, at + 1)) {
        const std::size_t end = xml.find(close, at);
        if (end == std::string_view::npos) break;
        elements.emplace_back(xml.substr(at, end + close.size() - at));
    }
    return elements;
}

// An attribute such as svg:width="9.3752in" in inches.
double LengthInInches(std::string_view element, std::string_view attribute) {
    const std::string key = std::string(attribute) + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string_view::npos) return 0;
    const std::string value(element.substr(at + key.size(), element.find('"', at + key.size()) - at - key.size()));
    std::size_t unitAt = 0;
    const double number = std::stod(value, &unitAt);
    const std::string unit = value.substr(unitAt);
    if (unit == "in") return number;
    if (unit == "cm") return number / 2.54;
    if (unit == "mm") return number / 25.4;
    if (unit == "pt") return number / 72;
    ADD_FAILURE() << "unknown unit in " << value;
    return 0;
}

// A 900 × 500 bitmap as the graph export makes: white with a frame.
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

TEST(LibreOfficeTest, ReadsTheTableAndThePictureAtItsSize) {
    if (!HasProgram("soffice")) GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    std::string name = (fs::temp_directory_path() / "kalto-soffice-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    const fs::path folder = name;
    struct RemoveFolder {
        fs::path Folder;
        ~RemoveFolder() { fs::remove_all(Folder); }
    } removeFolder{folder};
    const fs::path document = folder / "efemerides.rtf";

    TCtrlToRTF writer(document);
    writer.WriteHeader();
    writer.WriteText("Efemerides de Sol. Time Zone: 0.00.", RtfFont{}, RtfAlignment::Center);
    writer.WriteGrid(RtfGrid{{30, 95, 85},
                             {{"Día", "Fecha", "Lon."},
                              {"1", "ene 01 2024, lun", "10° Ari 20'"},
                              {"2", "{x}\\y", "Луна ♈"}}},
                     96);
    writer.WritePicture(96, GraphLikeBitmap(), RtfAlignment::Center);
    ASSERT_TRUE(writer.SaveDocument().Ok());

    // A private profile, so that a running LibreOffice does not take the job.
    const std::string command = "cd '" + folder.string() + "' && timeout 300 soffice -env:UserInstallation=file://" +
                                folder.string() + "/profile --headless --convert-to fodt --outdir '" +
                                folder.string() + "' '" + document.string() + "' >soffice.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(folder / "soffice.log");
    const std::string flat = ReadFile(folder / "efemerides.fodt");
    ASSERT_FALSE(flat.empty()) << ReadFile(folder / "soffice.log");
    const std::string_view body = std::string_view(flat).substr(flat.find("<office:body>"));

    EXPECT_NE(XmlText(body).find("Efemerides de Sol. Time Zone: 0.00."), std::string::npos);

    EXPECT_EQ(Elements(body, "<table:table-row", "</table:table-row>").size(), 3u);
    std::vector<std::string> cells;
    for (const std::string& cell : Elements(body, "<table:table-cell", "</table:table-cell>")) {
        cells.push_back(Trimmed(XmlText(cell)));
    }
    const std::vector<std::string> expected{"Día", "Fecha",       "Lon.", "1",     "ene 01 2024, lun",
                                            "10° Ari 20'", "2", "{x}\\y", "Луна ♈"};
    EXPECT_EQ(cells, expected);

    const std::vector<std::string> frames = Elements(body, "<draw:frame", "</draw:frame>");
    ASSERT_EQ(frames.size(), 1u);
    // 900 × 500 pixels at 96 pixels per inch.
    EXPECT_NEAR(LengthInInches(frames[0], "svg:width"), 9.375, 0.005);
    EXPECT_NEAR(LengthInInches(frames[0], "svg:height"), 500.0 / 96, 0.005);
    EXPECT_NE(frames[0].find("draw:mime-type=\"image/x-wmf\""), std::string::npos);
    const std::vector<std::string> data = Elements(frames[0], "<office:binary-data>", "</office:binary-data>");
    ASSERT_FALSE(data.empty());
    EXPECT_GT(data[0].size(), 1000u);
}

}  // namespace
}  // namespace kalto
