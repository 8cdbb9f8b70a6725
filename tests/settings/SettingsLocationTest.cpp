// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/ChildProcess.h"
#include "QtText.h"
#include "SettingsLocation.h"
#include "SettingsTestSupport.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::TemporaryFolder;
using test::WriteFile;

// Points XDG_CONFIG_HOME, the root of the user's configuration folders, at
// `folder` for the life of the object.
class ConfigHome {
public:
    explicit ConfigHome(const fs::path& folder) {
        if (const char* value = std::getenv(Variable)) previous_ = value;
        ::setenv(Variable, folder.c_str(), 1);
    }
    ~ConfigHome() {
        if (previous_) {
            ::setenv(Variable, previous_->c_str(), 1);
        } else {
            ::unsetenv(Variable);
        }
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

private:
    static constexpr const char* Variable = "XDG_CONFIG_HOME";
    std::optional<std::string> previous_;
};

TEST(SettingsLocation, AWritableProgramFolderHoldsTheFileNamedInLowerCase) {
    const TemporaryFolder folder;
    const auto program = folder.Path() / "Opt" / "Kalto Program";
    fs::create_directories(program);
    EXPECT_EQ(SettingsFilePath(ToQString(program.string())), program / "kalto.ini");
}

TEST(SettingsLocation, AProgramFolderThatCannotBeWrittenGivesTheUserConfigurationFolder) {
    const TemporaryFolder folder;
    const ConfigHome home(folder.Path() / "config");
    const auto configFolder = folder.Path() / "config" / "Kalto";  // the application's name
    WriteFile(folder.Path() / "a file", "");
    struct Case {
        const char* name;
        fs::path program;
    };
    const Case cases[] = {
        {"a file, not a folder", folder.Path() / "a file"},
        {"a folder that does not exist", folder.Path() / "missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SettingsFilePath(ToQString(c.program.string())), configFolder / "kalto.ini");
        EXPECT_TRUE(fs::is_directory(configFolder));
    }
}

TEST(SettingsLocationDeathTest, AReadOnlyProgramFolderGivesTheUserConfigurationFolder) {
    const TemporaryFolder folder;
    fs::permissions(folder.Path(), fs::perms(0755));
    const auto program = folder.Path() / "bin";
    fs::create_directory(program);
    fs::permissions(program, fs::perms(0555));
    fs::create_directory(folder.Path() / "config");
    fs::permissions(folder.Path() / "config", fs::perms(0777));
    const ConfigHome home(folder.Path() / "config");
    const auto configFolder = folder.Path() / "config" / "Kalto";
    const test::ChildOutcome outcome = test::RunInChild(test::AsOrdinaryUser(), [&] {
        const bool chosen = SettingsFilePath(ToQString(program.string())) == configFolder / "kalto.ini";
        return chosen && fs::is_directory(configFolder) ? 0 : 1;
    });
    EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
}

// The installed program keeps no settings beside itself, even when root, who
// can write there, runs it.
TEST(SettingsLocation, AProgramFolderUnderUsrGivesTheUserConfigurationFolder) {
    const TemporaryFolder folder;
    const ConfigHome home(folder.Path() / "config");
    const auto configFolder = folder.Path() / "config" / "Kalto";
    for (const char* program : {"/usr/bin", "/usr/local/bin", "/usr/local/../bin"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(SettingsFilePath(QString::fromUtf8(program)), configFolder / "kalto.ini");
    }
}

TEST(SettingsLocation, TheDecimalSeparatorIsTheLocalesOrAPointOutsideAscii) {
    struct Case {
        QLocale locale;
        char separator;
    };
    const Case cases[] = {
        {QLocale(QLocale::Spanish, QLocale::Spain), ','},
        {QLocale(QLocale::Spanish, QLocale::Mexico), '.'},
        {QLocale(QLocale::German, QLocale::Germany), ','},
        {QLocale(QLocale::English, QLocale::UnitedStates), '.'},
        {QLocale::c(), '.'},
        {QLocale(QLocale::Arabic, QLocale::Egypt), '.'},  // U+066B ARABIC DECIMAL SEPARATOR
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(DecimalSeparatorOf(c.locale), c.separator);
    }
}

}  // namespace
}  // namespace kalto
