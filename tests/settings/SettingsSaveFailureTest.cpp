// A save that cannot finish leaves the previous file as it was, reports the
// path, and leaves no temporary file behind. Root may write anywhere, so the
// permission checks run in a child process as an ordinary user, and a write
// cut short comes from a file size limit set in a child.

#include "Settings.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::ChangedSettings;
using test::EntryNames;
using test::ReadText;
using test::TemporaryFolder;
using test::WriteText;

constexpr const char* OldFile = "; the previous settings\n[Posicion]\nGra=10\n";

std::string FailureMessage(const fs::path& file) { return "Unable to write to " + file.string(); }

// In a child: saves, prints the message, and exits with 0 only when the save
// failed with the message for `file`.
[[noreturn]] void SaveAndExitWithTheOutcome(const fs::path& file) {
    const auto message = SaveSettings(file, ChangedSettings(), ',');
    if (message) std::fprintf(stderr, "%s\n", message->c_str());
    std::_Exit(message == FailureMessage(file) ? 0 : 1);
}

// In a child: files grow no larger than `bytes`, and no core file is written.
void LimitFileSize(rlim_t bytes) {
    const rlimit size{bytes, bytes};
    const rlimit noCore{0, 0};
    if (::setrlimit(RLIMIT_FSIZE, &size) != 0 || ::setrlimit(RLIMIT_CORE, &noCore) != 0) std::_Exit(2);
}

TEST(SettingsSaveFailure, AFolderThatIsAFileReportsThePath) {
    const TemporaryFolder folder;
    const auto notAFolder = folder.Path() / "kalto";
    WriteText(notAFolder, OldFile);
    const auto file = notAFolder / "kalto.ini";
    EXPECT_EQ(SaveSettings(file, ChangedSettings(), ','), FailureMessage(file));
    EXPECT_EQ(ReadText(notAFolder), OldFile);
}

TEST(SettingsSaveFailure, AFileThatCannotBeReadIsNotReplaced) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    fs::create_directory(file);
    WriteText(file / "inside", OldFile);
    EXPECT_EQ(SaveSettings(file, ChangedSettings(), ','), FailureMessage(file));
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(ReadText(file / "inside"), OldFile);
}

TEST(SettingsSaveFailureDeathTest, AFolderTheUserCannotWriteKeepsTheOldFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteText(file, OldFile);
    fs::permissions(file, fs::perms(0644));
    fs::permissions(folder.Path(), fs::perms(0555));
    EXPECT_EXIT(
        {
            test::BecomeOrdinaryUser();
            SaveAndExitWithTheOutcome(file);
        },
        testing::ExitedWithCode(0), "Unable to write to ");
    EXPECT_EQ(ReadText(file), OldFile);
    EXPECT_EQ(EntryNames(folder.Path()), std::vector<std::string>{"kalto.ini"});
}

TEST(SettingsSaveFailureDeathTest, AWriteCutShortKeepsTheOldFileAndLeavesNoTemporary) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteText(file, OldFile);
    EXPECT_EXIT(
        {
            LimitFileSize(128);  // the new file needs about 330 bytes
            std::signal(SIGXFSZ, SIG_IGN);
            SaveAndExitWithTheOutcome(file);
        },
        testing::ExitedWithCode(0), "Unable to write to ");
    EXPECT_EQ(ReadText(file), OldFile);
    EXPECT_EQ(EntryNames(folder.Path()), std::vector<std::string>{"kalto.ini"});
}

TEST(SettingsSaveFailureDeathTest, AProgramKilledWhileWritingKeepsTheOldFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteText(file, OldFile);
    EXPECT_EXIT(
        {
            LimitFileSize(128);
            std::signal(SIGXFSZ, SIG_DFL);  // the kernel kills the writer past the limit
            (void)SaveSettings(file, ChangedSettings(), ',');
            std::_Exit(0);
        },
        testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(ReadText(file), OldFile);
    // The next save, by a program left to finish, replaces it.
    ASSERT_EQ(SaveSettings(file, ChangedSettings(), ','), std::nullopt);
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), ChangedSettings());
}

TEST(SettingsSave, TheFileKeepsItsPermissionsAndANewOneFollowsTheCreationMask) {
    const TemporaryFolder folder;
    const auto kept = folder.Path() / "kept.ini";
    WriteText(kept, OldFile);
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
    WriteText(target, OldFile);
    const auto link = folder.Path() / "kalto.ini";
    fs::create_symlink(target, link);
    ASSERT_EQ(SaveSettings(link, ChangedSettings(), ','), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadSettings(target, KaltoSettings{}), ChangedSettings());
    EXPECT_EQ(EntryNames(folder.Path() / "dotfiles"), std::vector<std::string>{"kalto.ini"});
}

}  // namespace
}  // namespace kalto
