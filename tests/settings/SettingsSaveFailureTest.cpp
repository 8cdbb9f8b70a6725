// SPDX-License-Identifier: GPL-3.0-or-later
// A save that cannot finish leaves the previous file as it was, reports the
// path, and leaves no temporary file behind. Root may write anywhere, so the
// permission checks run in a child process as an ordinary user, and a write
// cut short comes from a file size limit set in a child.

#include "../support/ChildProcess.h"
#include "Settings.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::ChangedSettings;
using test::EntryNames;
using test::ReadFile;
using test::TemporaryFolder;
using test::WriteFile;

constexpr const char* OldFile = "; the previous settings\n[Posicion]\nGra=10\n";

std::string FailureMessage(const fs::path& file) {
    return "Unable to write to " + file.string();
}

// Saves in a child process under `limits`: the message on its standard error,
// and exit code 1 if the save reported success.
test::ChildOutcome SaveInChild(const test::WriteLimits& limits, const fs::path& file) {
    return test::RunInChild(limits, [&file] {
        const auto message = SaveSettings(file, ChangedSettings(), ',');
        if (message) std::fprintf(stderr, "%s\n", message->c_str());
        return message ? 0 : 1;
    });
}

TEST(SettingsSaveFailure, AFolderThatIsAFileReportsThePath) {
    const TemporaryFolder folder;
    const auto notAFolder = folder.Path() / "kalto";
    WriteFile(notAFolder, OldFile);
    const auto file = notAFolder / "kalto.ini";
    EXPECT_EQ(SaveSettings(file, ChangedSettings(), ','), FailureMessage(file));
    EXPECT_EQ(ReadFile(notAFolder), OldFile);
}

TEST(SettingsSaveFailure, AFileThatCannotBeReadIsNotReplaced) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    fs::create_directory(file);
    WriteFile(file / "inside", OldFile);
    EXPECT_EQ(SaveSettings(file, ChangedSettings(), ','), FailureMessage(file));
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(ReadFile(file / "inside"), OldFile);
}

// The suites named DeathTest run first, while the process has no other
// threads to make a fork unsafe.
TEST(SettingsSaveFailureDeathTest, AFolderTheUserCannotWriteKeepsTheOldFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, OldFile);
    fs::permissions(file, fs::perms(0644));
    fs::permissions(folder.Path(), fs::perms(0555));
    const test::ChildOutcome outcome = SaveInChild(test::AsOrdinaryUser(), file);
    EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
    EXPECT_EQ(outcome.Errors, FailureMessage(file) + "\n");
    EXPECT_EQ(ReadFile(file), OldFile);
    EXPECT_EQ(EntryNames(folder.Path()), std::vector<std::string>{"kalto.ini"});
}

TEST(SettingsSaveFailureDeathTest, AWriteCutShortKeepsTheOldFileAndLeavesNoTemporary) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, OldFile);
    const test::ChildOutcome outcome = SaveInChild(test::UnderFileSizeLimit(128), file);  // the file needs some 330
    EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
    EXPECT_EQ(outcome.Errors, FailureMessage(file) + "\n");
    EXPECT_EQ(ReadFile(file), OldFile);
    EXPECT_EQ(EntryNames(folder.Path()), std::vector<std::string>{"kalto.ini"});
}

TEST(SettingsSaveFailureDeathTest, AProgramKilledWhileWritingKeepsTheOldFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, OldFile);
    // The kernel kills the writer past the limit.
    const test::ChildOutcome outcome = SaveInChild(test::UnderFileSizeLimit(128, false), file);
    EXPECT_EQ(outcome.Signal, SIGXFSZ) << outcome.Errors;
    EXPECT_EQ(ReadFile(file), OldFile);
    // The next save, by a program left to finish, replaces it.
    ASSERT_EQ(SaveSettings(file, ChangedSettings(), ','), std::nullopt);
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), ChangedSettings());
}

TEST(SettingsSave, TheFileKeepsItsPermissionsAndANewOneFollowsTheCreationMask) {
    const TemporaryFolder folder;
    const auto kept = folder.Path() / "kept.ini";
    WriteFile(kept, OldFile);
    fs::permissions(kept, fs::perms(0600));
    ASSERT_EQ(SaveSettings(kept, ChangedSettings(), ','), std::nullopt);
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0600));

    const mode_t previousMask = ::umask(022);
    const auto created = folder.Path() / "created.ini";
    const auto outcome = SaveSettings(created, ChangedSettings(), ',');
    ::umask(previousMask);
    ASSERT_EQ(outcome, std::nullopt);
    EXPECT_EQ(fs::status(created).permissions(), fs::perms(0644));
}

TEST(SettingsSave, ASymbolicLinkKeepsPointingAtTheFileItNames) {
    const TemporaryFolder folder;
    fs::create_directory(folder.Path() / "dotfiles");
    const auto target = folder.Path() / "dotfiles" / "kalto.ini";
    WriteFile(target, OldFile);
    const auto link = folder.Path() / "kalto.ini";
    fs::create_symlink(target, link);
    ASSERT_EQ(SaveSettings(link, ChangedSettings(), ','), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadSettings(target, KaltoSettings{}), ChangedSettings());
    EXPECT_EQ(EntryNames(folder.Path() / "dotfiles"), std::vector<std::string>{"kalto.ini"});
}

}  // namespace
}  // namespace kalto
