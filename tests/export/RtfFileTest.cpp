// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's file: streamed beside the target, renamed over it when saved,
// and never a partial file nor a harmed existing file when anything fails
// (the failures of the disk and the folder are in WriteFailureTest).

#include "RtfWriter.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::EntryNames;
using test::ReadFile;
using test::WriteFile;

void WriteSample(RtfWriter& writer) {
    writer.WriteHeader();
    writer.WriteText("Efemerides de Sol", RtfFont{}, RtfAlignment::Center);
    writer.WriteGrid(RtfGrid{{30, 95}, {{"Día", "Fecha"}, {"1", "ene 01 2024, lun"}}}, 96);
}

std::string SampleDocument() {
    std::ostringstream out;
    RtfWriter writer(out);
    WriteSample(writer);
    writer.SaveDocument();
    return out.str();
}

// Writes table rows until the document holds at least `bytes`.
void WriteRows(RtfWriter& writer, std::size_t bytes) {
    const std::vector<int> widths{30, 95, 85, 65, 75};
    const std::vector<std::string> row{"123", "ene 01 2024, lun", "10° Ari 20' 30\"", "10:05 am", "10° 20' 30\""};
    constexpr std::size_t RowBytes = 500;  // less than one row writes
    for (std::size_t written = 0; written < bytes && writer.Status().Ok(); written += RowBytes) {
        writer.WriteGridRow(widths, row, GridFont, 96);
    }
}

class RtfFileTest : public ::testing::Test {
protected:
    const test::TemporaryFolder Temporary{"kalto-export"};
    const fs::path Folder = Temporary.Path();
};

TEST_F(RtfFileTest, SavedFileHoldsTheDocumentAndNothingElseRemains) {
    const fs::path target = Folder / "efemerides.rtf";
    RtfWriter writer(target);
    WriteSample(writer);
    const ExportStatus status = writer.SaveDocument();
    ASSERT_TRUE(status.Ok()) << status.ErrorMessage;
    EXPECT_EQ(ReadFile(target), SampleDocument());
    EXPECT_EQ(EntryNames(Folder), std::vector<std::string>{"efemerides.rtf"});
}

TEST_F(RtfFileTest, StreamsIntoAHiddenFileBesideTheTarget) {
    const fs::path target = Folder / "grande.rtf";
    RtfWriter writer(target);
    writer.WriteHeader();
    WriteRows(writer, 3 << 20);
    ASSERT_TRUE(writer.Status().Ok()) << writer.Status().ErrorMessage;
    EXPECT_FALSE(fs::exists(target));
    const std::vector<std::string> entries = EntryNames(Folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].starts_with(".grande.rtf.")) << entries[0];
    // Most of the document is on disk before it is saved.
    EXPECT_GE(fs::file_size(Folder / entries[0]), 2u << 20);

    ASSERT_TRUE(writer.SaveDocument().Ok());
    EXPECT_EQ(EntryNames(Folder), std::vector<std::string>{"grande.rtf"});
    const std::string document = ReadFile(target);
    EXPECT_GE(document.size(), 3u << 20);
    EXPECT_TRUE(document.starts_with("{\\rtf1"));
    EXPECT_TRUE(document.ends_with("{\\row}\r\n}"));
}

TEST_F(RtfFileTest, ReplacesAnExistingFileKeepingItsPermissions) {
    const fs::path target = Folder / "doc.rtf";
    WriteFile(target, "old content");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    RtfWriter writer(target);
    WriteSample(writer);
    ASSERT_TRUE(writer.SaveDocument().Ok());
    EXPECT_EQ(ReadFile(target), SampleDocument());
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntryNames(Folder), std::vector<std::string>{"doc.rtf"});
}

TEST_F(RtfFileTest, UnsavedWriterLeavesNothingAndKeepsTheExistingFile) {
    const fs::path target = Folder / "doc.rtf";
    WriteFile(target, "old content");
    {
        RtfWriter writer(target);
        WriteSample(writer);
        WriteRows(writer, 2 << 20);
    }
    EXPECT_EQ(ReadFile(target), "old content");
    EXPECT_EQ(EntryNames(Folder), std::vector<std::string>{"doc.rtf"});
}

TEST_F(RtfFileTest, FailureWhileBuildingKeepsTheExistingFile) {
    const fs::path target = Folder / "doc.rtf";
    WriteFile(target, "old content");
    RtfWriter writer(target);
    WriteSample(writer);
    writer.WritePicture(96, BitmapImage{0, 0, {}}, RtfAlignment::Center);
    const ExportStatus status = writer.SaveDocument();
    EXPECT_FALSE(status.Ok());
    EXPECT_NE(status.ErrorMessage.find(target.string()), std::string::npos) << status.ErrorMessage;
    EXPECT_EQ(ReadFile(target), "old content");
    EXPECT_EQ(EntryNames(Folder), std::vector<std::string>{"doc.rtf"});
}

TEST_F(RtfFileTest, MissingFolderIsAnErrorNamingThePath) {
    const fs::path target = Folder / "no-existe" / "doc.rtf";
    RtfWriter writer(target);
    EXPECT_FALSE(writer.Status().Ok());
    WriteSample(writer);
    const ExportStatus status = writer.SaveDocument();
    EXPECT_EQ(status.ErrorMessage, "No se pudo crear el archivo \"" + target.string() + "\": la carpeta no existe.");
    EXPECT_FALSE(fs::exists(target.parent_path()));
    EXPECT_TRUE(EntryNames(Folder).empty());
}

}  // namespace
}  // namespace kalto
