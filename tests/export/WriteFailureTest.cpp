// SPDX-License-Identifier: GPL-3.0-or-later
// Writing that cannot finish: in a folder the user may not write in, under a
// file size limit that stops it part way (as a full disk does), or onto the
// name of a folder. Each writer says so in Spanish, naming the file; a file
// already under that name stays byte for byte as it was, and nothing of the
// new one remains in the folder. The writers are the documents (RtfWriter
// through WriteDocument); the file replacement they go through is tested on
// its own in tests/files.

#include "../support/WriteFailures.h"
#include "ExportDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;

std::string WriteDocumentOf(const ExportContent& content, const fs::path& target) {
    RtfWriter writer(target);
    return WriteDocument(writer, content, ExportSettings{}).ErrorMessage;
}

// A long ephemeris table, about 2.5 MB: some 2,900 rows with every column.
std::string WriteLongTable(const fs::path& target) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Bodies[Sol].resize(2900, EphemerisRow{280.5F, 0.25F, 281.5F, -23.5F, 0.98F, EncodeDate(2027, 1, 1)});
    const EphemerisTableExport table{
        .Rows = rows, .Body = Sol, .Clock = WallClock(-3.0), .OptionalColumns = {3, 4, 5, 6, 7}};
    return WriteDocumentOf(table, target);
}

// The graph's picture of 900 × 500 pixels, a metafile of about 1.3 MB.
std::string WriteGraph(const fs::path& target) {
    return WriteDocumentOf(GraphExport{BitmapImage{900, 500, std::vector<std::uint32_t>(900 * 500, 0x00FF8000)}},
                           target);
}

const test::NamedWriter Writers[] = {
    {"ephemeris table document", WriteLongTable},
    {"graph document", WriteGraph},
};

// Every document is far larger than the size limit.
constexpr rlim_t SizeLimit = 64 << 10;

using WriteFailureTest = test::WriteFailureFolder;

TEST_F(WriteFailureTest, TheMessageNamesTheFileAndNothingIsLeftOrHarmed) {
    ExpectEveryFailureReported(Writers, SizeLimit);
}

// Without the limits the same writers save, so that the failures above come
// from the limits alone, and every document is larger than the size limit.
TEST_F(WriteFailureTest, TheSameWritersSaveWithoutTheLimits) {
    ExpectEveryWriterSaves(Writers, [](const fs::path& target) { EXPECT_GT(fs::file_size(target), 4 * SizeLimit); });
}

}  // namespace
}  // namespace kalto
