// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <string_view>

namespace kalto {
namespace {

using test::ChangedSettings;
using test::ReadFile;
using test::TemporaryFolder;
using test::WriteFile;

// The file a first start leaves: the three sections in order, each key in
// order at its default.
constexpr const char* DefaultFile = "[Posicion]\n"
                                    "Gra=0\n"
                                    "Min=0\n"
                                    "Sec=0\n"
                                    "Cordenadas=0\n"
                                    "Signos=-1\n"
                                    "\n"
                                    "\n"
                                    "[Contacto]\n"
                                    "Planeta=0\n"
                                    "Angulo=15\n"
                                    "TipAngulo=0\n"
                                    "Gra=0\n"
                                    "Min=30\n"
                                    "MomentosExactos=0\n"
                                    "\n"
                                    "\n"
                                    "[Config]\n"
                                    "TZ=0\n"
                                    "Zona=\n"
                                    "Papel=a4\n"
                                    "Carta=\n"
                                    "DiaEfem=1\n"
                                    "Signo=1\n"
                                    "Deca=1\n"
                                    "Mes=1\n"
                                    "Dias=0\n"
                                    "Auto=0\n"
                                    "Colors1=255\n"
                                    "Colors2=15253922\n"
                                    "Colors3=14277081\n"
                                    "Colors4=16761563\n"
                                    "Colors5=16770495\n"
                                    "Colors6=16777215\n";

TEST(SettingsFile, AFirstStartWithoutAFileGivesTheDefaultsAndWritesEveryKeyInOrder) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    const KaltoSettings loaded = LoadSettings(file, KaltoSettings{});
    EXPECT_EQ(loaded, KaltoSettings{});
    ASSERT_EQ(SaveSettings(file, loaded, ','), std::nullopt);
    EXPECT_EQ(ReadFile(file), DefaultFile);
}

TEST(SettingsFile, AMissingFileLeavesTheCallersValuesWhole) {
    const TemporaryFolder folder;
    EXPECT_EQ(LoadSettings(folder.Path() / "kalto.ini", ChangedSettings()), ChangedSettings());
}

TEST(SettingsFile, EveryKeyRoundTripsAndASecondSaveChangesNothing) {
    KaltoSettings extremes = ChangedSettings();
    extremes.PositionDegrees = INT_MIN;
    extremes.OrbMinutes = INT_MAX;
    extremes.Sign = -1;
    extremes.TimeZone = 11.99;
    extremes.Colors[BackColor] = 0xFFFFFFFF;
    extremes.Colors[DayColor] = 0;
    KaltoSettings westward = ChangedSettings();
    westward.TimeZone = -11.99;
    struct Case {
        const char* name;
        KaltoSettings settings;
        char separator;
    };
    const Case cases[] = {
        {"changed, decimal comma", ChangedSettings(), ','},
        {"changed, decimal point", ChangedSettings(), '.'},
        {"defaults", KaltoSettings{}, ','},
        {"extremes", extremes, '.'},
        {"westward", westward, ','},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        const auto file = folder.Path() / "kalto.ini";
        ASSERT_EQ(SaveSettings(file, KaltoSettings{}, c.separator), std::nullopt);  // an old file to replace
        ASSERT_EQ(SaveSettings(file, c.settings, c.separator), std::nullopt);
        const std::string written = ReadFile(file);
        EXPECT_EQ(LoadSettings(file, KaltoSettings{}), c.settings);
        ASSERT_EQ(SaveSettings(file, c.settings, c.separator), std::nullopt);
        EXPECT_EQ(ReadFile(file), written);
    }
}

TEST(SettingsFile, TheTimeZoneIsWrittenWithTheLocaleSeparatorInUpTo15Digits) {
    struct Case {
        double timeZone;
        char separator;
        const char* line;
    };
    const Case cases[] = {
        {5.75, ',', "TZ=5,75"},
        {5.75, '.', "TZ=5.75"},
        {-11.99, ',', "TZ=-11,99"},
        {11.99, '.', "TZ=11.99"},
        {-0.5, ',', "TZ=-0,5"},
        {3, ',', "TZ=3"},
        {0, ',', "TZ=0"},
        {-0.0, '.', "TZ=0"},
        {1.0 / 3, ',', "TZ=0,333333333333333"},
        {2.0 / 3, '.', "TZ=0.666666666666667"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const TemporaryFolder folder;
        const auto file = folder.Path() / "kalto.ini";
        KaltoSettings settings;
        settings.TimeZone = c.timeZone;
        ASSERT_EQ(SaveSettings(file, settings, c.separator), std::nullopt);
        EXPECT_NE(ReadFile(file).find(std::string("\n") + c.line + "\n"), std::string::npos) << ReadFile(file);
    }
}

TEST(SettingsFile, TheTimeZoneIsReadWithEitherSeparatorAndAnythingElseIsZero) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"5,75", 5.75}, {"5.75", 5.75}, {"-11,99", -11.99}, {"-0.5", -0.5}, {"3", 3},     {" 2,5 ", 2.5},
        {"1e1", 10},    {"", 0},        {"abc", 0},         {"5,75h", 0},   {"1,5,0", 0}, {"1.000,5", 0},
        {"nan", 0},     {"inf", 0},     {"1e400", 0},       {"0x10", 0},    {"5;75", 0},  {"- 5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TemporaryFolder folder;
        const auto file = folder.Path() / "kalto.ini";
        WriteFile(file, std::string("[Config]\nTZ=") + c.text + "\n");
        EXPECT_EQ(LoadSettings(file, KaltoSettings{}).TimeZone, c.expected);
    }
}

TEST(SettingsFile, EachKeyIsReadByItsTypeAndTextThatIsNotANumberKeepsTheDefault) {
    struct Case {
        const char* section;
        const char* key;
        const char* text;
        std::function<void(KaltoSettings&)> change;  // none: the default stays
    };
    const Case cases[] = {
        {"Posicion", "Gra", "12", [](KaltoSettings& s) { s.PositionDegrees = 12; }},
        {"Posicion", "Min", "-5", [](KaltoSettings& s) { s.PositionMinutes = -5; }},
        {"Posicion", "Sec", "0015", [](KaltoSettings& s) { s.PositionSeconds = 15; }},
        {"Posicion", "Cordenadas", "0", [](KaltoSettings& s) { s.Coordinates = 0; }},
        {"Posicion", "Signos", "-1", [](KaltoSettings& s) { s.Sign = -1; }},
        {"Contacto", "Planeta", "2147483647", [](KaltoSettings& s) { s.ContactBody = INT_MAX; }},
        {"Contacto", "Angulo", "0x1E", [](KaltoSettings& s) { s.Angle = 30; }},
        {"Contacto", "TipAngulo", "0", [](KaltoSettings& s) { s.AngleType = 0; }},
        {"Contacto", "Gra", "-2147483648", [](KaltoSettings& s) { s.OrbDegrees = INT_MIN; }},
        {"Contacto", "Min", "45", [](KaltoSettings& s) { s.OrbMinutes = 45; }},
        {"Contacto", "MomentosExactos", "0", [](KaltoSettings& s) { s.ExactMoments = false; }},
        {"Config", "Zona", "Asia/Kolkata", [](KaltoSettings& s) { s.ZoneName = "Asia/Kolkata"; }},
        {"Config", "Zona", "", [](KaltoSettings& s) { s.ZoneName.clear(); }},
        {"Config", "Papel", "a4", [](KaltoSettings& s) { s.Paper = "a4"; }},
        {"Config", "Carta", "/tmp/x y.ini", [](KaltoSettings& s) { s.ChartFile = "/tmp/x y.ini"; }},
        {"Config", "DiaEfem", "1", [](KaltoSettings& s) { s.DayMarker = true; }},
        {"Config", "Signo", "2", [](KaltoSettings& s) { s.SignLines = true; }},
        {"Config", "Deca", "-1", [](KaltoSettings& s) { s.DecanLines = true; }},
        {"Config", "Mes", "0x10", [](KaltoSettings& s) { s.MonthLines = true; }},
        {"Config", "Dias", "0", [](KaltoSettings& s) { s.DayLines = false; }},
        {"Config", "Auto", "0x0", [](KaltoSettings& s) { s.AutoSearch = false; }},
        {"Config", "Colors1", "0xFF", [](KaltoSettings& s) { s.Colors[1] = RgbColor(255, 0, 0); }},
        {"Config", "Colors2", "0x0000FF", [](KaltoSettings& s) { s.Colors[2] = RgbColor(255, 0, 0); }},
        {"Config", "Colors3", "0xFF0000", [](KaltoSettings& s) { s.Colors[3] = RgbColor(0, 0, 255); }},
        {"Config", "Colors4", "0X00ff00", [](KaltoSettings& s) { s.Colors[4] = RgbColor(0, 255, 0); }},
        {"Config", "Colors5", "0xFFFFFFFF", [](KaltoSettings& s) { s.Colors[5] = 0xFFFFFFFF; }},
        {"Config", "Colors6", "-1", [](KaltoSettings& s) { s.Colors[6] = 0xFFFFFFFF; }},
        {"Config", "Colors6", "  16777215  ", [](KaltoSettings& s) { s.Colors[6] = RgbColor(255, 255, 255); }},
        {"Posicion", "Gra", "abc", nullptr},
        {"Posicion", "Min", "12abc", nullptr},
        {"Posicion", "Sec", "", nullptr},
        {"Posicion", "Cordenadas", "1.5", nullptr},
        {"Posicion", "Signos", "- 1", nullptr},
        {"Contacto", "Planeta", "2147483648", nullptr},
        {"Contacto", "Angulo", "0x", nullptr},
        {"Contacto", "TipAngulo", "0xG", nullptr},
        {"Contacto", "Gra", "0x1FFFFFFFF", nullptr},
        {"Contacto", "Min", "1 2", nullptr},
        {"Contacto", "MomentosExactos", "si", nullptr},
        {"Config", "DiaEfem", "yes", nullptr},
        {"Config", "Signo", "true", nullptr},
        {"Config", "Colors1", "#FF0000", nullptr},
        {"Config", "Colors2", "0x-1", nullptr},
        {"Config", "Colors3", "$FF", nullptr},
        {"Config", "TZ", "abc", nullptr},
        {"Config", "Gra", "9", nullptr},        // a key of another section
        {"Posicion", "Planeta", "3", nullptr},  // likewise
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.text);
        const TemporaryFolder folder;
        const auto file = folder.Path() / "kalto.ini";
        WriteFile(file, std::string("[") + c.section + "]\n" + c.key + "=" + c.text + "\n");
        KaltoSettings expected = ChangedSettings();
        if (c.change) c.change(expected);
        EXPECT_EQ(LoadSettings(file, ChangedSettings()), expected);
    }
}

TEST(SettingsFile, NamesMatchWithoutRegardToCaseAndKeepTheirCaseInTheFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, "[POSICION]\n"
                    "GRA=12\n"
                    "min=34\n"
                    "[contacto]\n"
                    "PLANETA=4\n"
                    "mIn=45\n"
                    "[CoNfIg]\n"
                    "tz=2,5\n"
                    "colors2=0xFF0000\n"
                    "dIaEfEm=0\n");
    KaltoSettings expected;
    expected.PositionDegrees = 12;
    expected.PositionMinutes = 34;
    expected.ContactBody = 4;
    expected.OrbMinutes = 45;
    expected.TimeZone = 2.5;
    expected.Colors[SignColor] = RgbColor(0, 0, 255);
    expected.DayMarker = false;
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), expected);

    ASSERT_EQ(SaveSettings(file, ChangedSettings(), ','), std::nullopt);
    EXPECT_EQ(ReadFile(file), "[POSICION]\n"
                              "GRA=123\n"
                              "min=45\n"
                              "Sec=36\n"
                              "Cordenadas=1\n"
                              "Signos=11\n"
                              "\n"
                              "\n"
                              "[contacto]\n"
                              "PLANETA=10\n"
                              "mIn=15\n"
                              "Angulo=120\n"
                              "TipAngulo=1\n"
                              "Gra=4\n"
                              "MomentosExactos=1\n"
                              "\n"
                              "\n"
                              "[CoNfIg]\n"
                              "tz=-5,75\n"
                              "colors2=394242\n"
                              "dIaEfEm=0\n"
                              "Zona=America/Argentina/Buenos_Aires\n"
                              "Papel=carta\n"
                              "Carta=/home/ana/.config/Kalto/cartas/Ana.ini\n"
                              "Signo=0\n"
                              "Deca=0\n"
                              "Mes=0\n"
                              "Dias=1\n"
                              "Auto=1\n"
                              "Colors1=197121\n"
                              "Colors3=591363\n"
                              "Colors4=788484\n"
                              "Colors5=985605\n"
                              "Colors6=1182726\n");
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), ChangedSettings());
}

TEST(SettingsFile, CommentsAndUnknownSectionsAndKeysSurviveASave) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, "; Kalto settings\n"
                    "; kept by hand\n"
                    "\n"
                    "; the target position\n"
                    "[Posicion]\n"
                    "Gra=10\n"
                    "; the minutes\n"
                    "Min=20\n"
                    "Extra=keep me\n"
                    "\n"
                    "[Ventana]\n"
                    "; another tool's window\n"
                    "Left=100\n"
                    "Top=200\n"
                    "\n"
                    "[Config]\n"
                    "TZ=1.5\n"
                    "Color=unknown\n"
                    "\n"
                    "; written by hand at the end\n"
                    "# in two lines\n");
    ASSERT_EQ(SaveSettings(file, ChangedSettings(), '.'), std::nullopt);
    const std::string saved = ReadFile(file);
    EXPECT_EQ(saved, "; Kalto settings\n"
                     "; kept by hand\n"
                     "\n"
                     "\n"
                     "; the target position\n"
                     "[Posicion]\n"
                     "Gra=123\n"
                     "\n"
                     "; the minutes\n"
                     "Min=45\n"
                     "Extra=keep me\n"
                     "Sec=36\n"
                     "Cordenadas=1\n"
                     "Signos=11\n"
                     "\n"
                     "\n"
                     "[Ventana]\n"
                     "\n"
                     "; another tool's window\n"
                     "Left=100\n"
                     "Top=200\n"
                     "\n"
                     "\n"
                     "[Config]\n"
                     "TZ=-5.75\n"
                     "Color=unknown\n"
                     "Zona=America/Argentina/Buenos_Aires\n"
                     "Papel=carta\n"
                     "Carta=/home/ana/.config/Kalto/cartas/Ana.ini\n"
                     "DiaEfem=0\n"
                     "Signo=0\n"
                     "Deca=0\n"
                     "Mes=0\n"
                     "Dias=1\n"
                     "Auto=1\n"
                     "Colors1=197121\n"
                     "Colors2=394242\n"
                     "Colors3=591363\n"
                     "Colors4=788484\n"
                     "Colors5=985605\n"
                     "Colors6=1182726\n"
                     "\n"
                     "\n"
                     "[Contacto]\n"
                     "Planeta=10\n"
                     "Angulo=120\n"
                     "TipAngulo=1\n"
                     "Gra=4\n"
                     "Min=15\n"
                     "MomentosExactos=1\n"
                     "\n"
                     "; written by hand at the end\n"
                     "# in two lines\n");
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), ChangedSettings());
    ASSERT_EQ(SaveSettings(file, ChangedSettings(), '.'), std::nullopt);
    EXPECT_EQ(ReadFile(file), saved);
}

TEST(SettingsFile, AByteOrderMarkIsReadAndKept) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, "\xEF\xBB\xBF[Posicion]\r\nGra=7\r\n");
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}).PositionDegrees, 7);
    ASSERT_EQ(SaveSettings(file, ChangedSettings(), ','), std::nullopt);
    const std::string saved = ReadFile(file);
    EXPECT_EQ(saved.rfind("\xEF\xBB\xBF[Posicion]\nGra=123\n", 0), 0u) << saved;
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), ChangedSettings());
}

TEST(SettingsFile, ALineThatOpensASectionWithoutClosingItIsLeftOut) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, "[Posicion]\nGra=5\n[Broken\nMin=7\n");
    KaltoSettings expected;
    expected.PositionDegrees = 5;
    expected.PositionMinutes = 7;  // under the last section opened
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), expected);
    ASSERT_EQ(SaveSettings(file, expected, ','), std::nullopt);
    std::string defaultsWithThePosition = DefaultFile;
    defaultsWithThePosition.replace(0, std::string_view("[Posicion]\nGra=0\nMin=0\n").size(),
                                    "[Posicion]\nGra=5\nMin=7\n");
    const std::string saved = ReadFile(file);
    EXPECT_EQ(saved, defaultsWithThePosition);
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), expected);
    ASSERT_EQ(SaveSettings(file, expected, ','), std::nullopt);
    EXPECT_EQ(ReadFile(file), saved);
}

// A lone CR ends a line as LF does: the unclosed section after it is left out
// too, so that the keys below it keep their section, at every save and load.
TEST(SettingsFile, ALineThatOpensASectionWithoutClosingItIsLeftOutAfterALoneCarriageReturn) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "kalto.ini";
    WriteFile(file, "[Config]\r[Broken\nDeca=0\rMes=0\n");
    KaltoSettings expected;
    expected.DecanLines = false;
    expected.MonthLines = false;
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), expected);
    ASSERT_EQ(SaveSettings(file, expected, '.'), std::nullopt);
    EXPECT_EQ(LoadSettings(file, KaltoSettings{}), expected);
}

TEST(SettingsFile, ValuesAreReadUpTo2047Characters) {
    struct Case {
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {std::string(2045, '0') + "15", 15},  // 2047 characters: read whole
        {std::string(2046, '0') + "15", 1},   // 2048: the last one is cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        const TemporaryFolder folder;
        const auto file = folder.Path() / "kalto.ini";
        WriteFile(file, "[Contacto]\nAngulo=" + c.text + "\n");
        EXPECT_EQ(LoadSettings(file, KaltoSettings{}).Angle, c.expected);
    }
}

}  // namespace
}  // namespace kalto
