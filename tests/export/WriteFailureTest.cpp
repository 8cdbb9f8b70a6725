// SPDX-License-Identifier: GPL-3.0-or-later
// Writing that cannot finish: in a folder the user may not write in, under a
// file size limit that stops it part way (as a full disk does), or onto the
// name of a folder. Each writer says so in Spanish, naming the file; a file
// already under that name stays byte for byte as it was, and nothing of the
// new one remains in the folder. The writers are the documents (RtfWriter
// through WriteDocument) and ReplacingFile, which the command line's PNG goes
// through.

#include "../support/ChildProcess.h"
#include "ExportDocuments.h"
#include "ReplacingFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::EntryNames;
using test::ReadFile;
using test::RunInChild;
using test::WriteFile;
using test::WriteLimits;

// Bytes that no writer produces, a zero byte and line ends among them.
const std::string PreviousContent("{\\rtf1 previous}\0\r\n\xff", 21);

// A writer of `target`: the message it ends with, empty when it saved.
using Writer = std::function<std::string(const fs::path& target)>;

std::string WriteDocumentOf(const ExportContent& content, const fs::path& target) {
    RtfWriter writer(target);
    return WriteDocument(writer, content, ExportSettings{}).ErrorMessage;
}

// A long ephemeris table, about 2.5 MB: some 2,900 rows with every column.
std::string WriteLongTable(const fs::path& target) {
    auto rows = std::make_shared<EphemerisRowSet>();
    rows->Bodies[Sol].resize(2900, EphemerisRow{280.5F, 0.25F, 281.5F, -23.5F, 0.98F, EncodeDate(2027, 1, 1)});
    const EphemerisTableExport table{.Rows = rows, .Body = Sol, .ZoneHours = -3, .OptionalColumns = {3, 4, 5, 6, 7}};
    return WriteDocumentOf(table, target);
}

// The graph's picture of 900 × 500 pixels, a metafile of about 1.3 MB.
std::string WriteGraph(const fs::path& target) {
    return WriteDocumentOf(GraphExport{BitmapImage{900, 500, std::vector<std::uint32_t>(900 * 500, 0x00FF8000)}},
                           target);
}

// The PNG's way: the bytes in pieces, then committed.
std::string WritePieces(const fs::path& target) {
    ReplacingFile file(target);
    const std::string piece(16 << 10, 'x');
    for (int i = 0; i < 32 && file.Write(piece); ++i) {
    }
    file.Commit();
    return file.ErrorMessage();
}

enum class Place { ReadOnlyFolder, SizeLimit, FolderName };

struct Failure {
    const char* Name;
    Place Where;
    WriteLimits Limits;
    const char* Message;  // after "No se pudo "
};

// Every document is far larger than the size limit.
const Failure Failures[] = {
    {"a folder without write permission", Place::ReadOnlyFolder, test::AsOrdinaryUser(),
     "crear el archivo \"%s\": permiso denegado."},
    {"a file size limit of 64 KB", Place::SizeLimit, test::UnderFileSizeLimit(64 << 10),
     "escribir el archivo \"%s\": el archivo supera el tamaño permitido."},
    {"a folder of that name", Place::FolderName, {}, "crear el archivo \"%s\": el nombre es el de una carpeta."},
};

struct WriterCase {
    const char* Name;
    Writer Write;
};

const WriterCase Writers[] = {
    {"ephemeris table document", WriteLongTable},
    {"graph document", WriteGraph},
    {"file replaced whole", WritePieces},
};

std::string Expected(const char* message, const fs::path& target) {
    std::string text = std::string("No se pudo ") + message;
    text.replace(text.find("%s"), 2, target.string());
    return text;
}

// A folder reachable by the unprivileged user a child may become.
class WriteFailureTest : public ::testing::Test {
protected:
    const test::TemporaryFolder Folder{"kalto-write-failure"};
    const fs::path Base = Folder.Path();
};

TEST_F(WriteFailureTest, TheMessageNamesTheFileAndNothingIsLeftOrHarmed) {
    for (const Failure& failure : Failures) {
        for (const WriterCase& writer : Writers) {
            SCOPED_TRACE(std::string(writer.Name) + " in " + failure.Name);
            const fs::path folder = Base / "carpeta";
            fs::create_directory(folder);
            const fs::path target = folder / "documento.rtf";
            if (failure.Where == Place::FolderName) {
                fs::create_directory(target);
                WriteFile(target / "dentro.rtf", PreviousContent);
            } else {
                WriteFile(target, PreviousContent);
            }
            if (failure.Where == Place::ReadOnlyFolder) fs::permissions(folder, fs::perms(0555));

            // The child reports the message on its standard error, and exits
            // with 1 if the writer said that it saved.
            const test::ChildOutcome outcome = RunInChild(failure.Limits, [&] {
                const std::string message = writer.Write(target);
                std::fputs((message + "\n").c_str(), stderr);
                return message.empty() ? 1 : 0;
            });
            EXPECT_EQ(outcome.Signal, 0);
            EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
            EXPECT_EQ(outcome.Errors, Expected(failure.Message, target) + "\n");
            EXPECT_EQ(EntryNames(folder), std::vector<std::string>{"documento.rtf"});
            if (failure.Where == Place::FolderName) {
                EXPECT_EQ(EntryNames(target), std::vector<std::string>{"dentro.rtf"});
                EXPECT_EQ(ReadFile(target / "dentro.rtf"), PreviousContent);
            } else {
                EXPECT_EQ(ReadFile(target), PreviousContent);
            }
            fs::permissions(folder, fs::perms(0755));
            fs::remove_all(folder);
        }
    }
}

// Without the limits the same writers save, so that the failures above come
// from the limits alone, and every document is larger than the size limit.
TEST_F(WriteFailureTest, TheSameWritersSaveWithoutTheLimits) {
    for (const WriterCase& writer : Writers) {
        SCOPED_TRACE(writer.Name);
        const fs::path target = Base / "documento.rtf";
        WriteFile(target, PreviousContent);
        EXPECT_EQ(writer.Write(target), "");
        EXPECT_GT(fs::file_size(target), 4u * (64 << 10));
        EXPECT_EQ(EntryNames(Base), std::vector<std::string>{"documento.rtf"});
    }
}

}  // namespace
}  // namespace kalto
