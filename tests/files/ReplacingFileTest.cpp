// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file: streamed in pieces and committed, or written whole. A
// write that cannot finish (a folder the user may not write in, a file size
// limit that stops it part way as a full disk does, the name of a folder) is
// reported in Spanish naming the file, leaves the file already there byte for
// byte as it was and nothing of the new one. A symbolic link stays a link and
// the file it names is replaced; a replaced file keeps its permissions.

#include "../support/WriteFailures.h"
#include "ReplacingFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::PreviousContent;
using test::ReadFile;
using test::EntryNames;
using test::WriteFile;

// Half a megabyte, far more than the size limit below.
const std::string NewContent(32 * (16 << 10), 'x');

// As a document is written: in pieces, then committed.
std::string WritePieces(const fs::path& target) {
    ReplacingFile file(target);
    for (std::size_t at = 0; at < NewContent.size() && file.Write(NewContent.substr(at, 16 << 10)); at += 16 << 10) {
    }
    file.Commit();
    return file.ErrorMessage();
}

// As the settings file is written: whole.
std::string WriteWhole(const fs::path& target) {
    return ReplaceFile(target, NewContent).value_or("");
}

const test::NamedWriter Writers[] = {
    {"file written in pieces", WritePieces},
    {"file written whole", WriteWhole},
};

using ReplacingFileTest = test::WriteFailureFolder;

TEST_F(ReplacingFileTest, AFailureNamesTheFileAndLeavesNothingNorHarmsTheOldFile) {
    ExpectEveryFailureReported(Writers, 64 << 10);
}

// Without the limits the same writers save, so that the failures above come
// from the limits alone.
TEST_F(ReplacingFileTest, TheSameWritersSaveWithoutTheLimits) {
    ExpectEveryWriterSaves(Writers, [](const fs::path& target) { EXPECT_EQ(ReadFile(target), NewContent); });
}

// The target "enlace" is a symbolic link to `link`, made in `Base` after the
// files of `files` (relative paths) hold the previous content.
struct LinkCase {
    const char* Name;
    std::vector<const char*> Files;
    std::vector<std::pair<const char*, const char*>> Links;  // name, what it points at
    const char* Replaced;  // the file that holds the new content, or nullptr on failure
    const char* Message;   // on failure, after "No se pudo "
};

const LinkCase LinkCases[] = {
    {"a link beside its file", {"archivo"}, {{"enlace", "archivo"}}, "archivo", nullptr},
    {"a relative link into another folder",
     {"dotfiles/archivo"},
     {{"enlace", "dotfiles/archivo"}},
     "dotfiles/archivo",
     nullptr},
    {"a link to a link", {"archivo"}, {{"enlace", "medio"}, {"medio", "archivo"}}, "archivo", nullptr},
    {"a link whose own link is relative to its folder",
     {"dotfiles/archivo"},
     {{"enlace", "dotfiles/medio"}, {"dotfiles/medio", "archivo"}},
     "dotfiles/archivo",
     nullptr},
    {"a link to a file not made yet", {}, {{"enlace", "nuevo"}}, "nuevo", nullptr},
    {"links that loop",
     {},
     {{"enlace", "otro"}, {"otro", "enlace"}},
     nullptr,
     "crear el archivo \"%s\": hay demasiados enlaces simbólicos."},
    {"a link to a folder",
     {"dotfiles/archivo"},
     {{"enlace", "dotfiles"}},
     nullptr,
     "crear el archivo \"%s\": el nombre es el de una carpeta."},
};

TEST_F(ReplacingFileTest, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
    for (const LinkCase& c : LinkCases) {
        for (const test::NamedWriter& writer : Writers) {
            SCOPED_TRACE(std::string(writer.Name) + " through " + c.Name);
            const fs::path folder = Base / "carpeta";
            fs::create_directories(folder / "dotfiles");
            for (const char* file : c.Files) WriteFile(folder / file, PreviousContent);
            for (const auto& [name, pointee] : c.Links) fs::create_symlink(pointee, folder / name);
            const fs::path target = folder / "enlace";

            const std::string message = writer.Write(target);

            for (const auto& [name, pointee] : c.Links) {
                ASSERT_TRUE(fs::is_symlink(folder / name)) << name;
                EXPECT_EQ(fs::read_symlink(folder / name), pointee);
            }
            if (c.Replaced != nullptr) {
                EXPECT_EQ(message, "");
                EXPECT_EQ(ReadFile(folder / c.Replaced), NewContent);
            } else {
                EXPECT_EQ(message, test::FailureMessage(
                                       {.Name = c.Name, .Where = {}, .Limits = {}, .Message = c.Message}, target));
                for (const char* file : c.Files) EXPECT_EQ(ReadFile(folder / file), PreviousContent);
            }
            // No temporary file stays beside the link nor beside the file.
            std::vector<std::string> expected;
            for (const auto& [name, pointee] : c.Links) {
                if (fs::path(name).parent_path().empty()) expected.emplace_back(name);
            }
            expected.emplace_back("dotfiles");
            if (c.Replaced != nullptr && fs::path(c.Replaced).parent_path().empty()) expected.emplace_back(c.Replaced);
            for (const char* file : c.Files) {
                if (fs::path(file).parent_path().empty()) expected.emplace_back(file);
            }
            std::sort(expected.begin(), expected.end());
            expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
            EXPECT_EQ(EntryNames(folder), expected);
            fs::remove_all(folder);
        }
    }
}

struct PermissionCase {
    const char* Name;
    int Mode;   // of the file already there, or -1 for none
    int Umask;  // the process's file creation mask while writing
    int Expected;
};

const PermissionCase PermissionCases[] = {
    {"a private file", 0600, 022, 0600},           {"a file the group may read", 0640, 077, 0640},
    {"an executable file", 0755, 022, 0755},       {"a read-only file in a folder the user may write", 0444, 022, 0444},
    {"a new file under umask 022", -1, 022, 0644}, {"a new file under umask 077", -1, 077, 0600},
};

TEST_F(ReplacingFileTest, AReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    for (const PermissionCase& c : PermissionCases) {
        for (const test::NamedWriter& writer : Writers) {
            SCOPED_TRACE(std::string(writer.Name) + " over " + c.Name);
            const fs::path target = Base / "archivo";
            if (c.Mode >= 0) {
                WriteFile(target, PreviousContent);
                fs::permissions(target, fs::perms(c.Mode));
            }
            const mode_t previousMask = ::umask(static_cast<mode_t>(c.Umask));
            const std::string message = writer.Write(target);
            ::umask(previousMask);
            EXPECT_EQ(message, "");
            EXPECT_EQ(fs::status(target).permissions(), fs::perms(c.Expected));
            EXPECT_EQ(ReadFile(target), NewContent);
            fs::remove(target);
        }
    }
}

}  // namespace
}  // namespace kalto
