// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kalto {
namespace {

using test::ReadFile;
using test::TemporaryFolder;
using test::WriteFile;

Chart Natal() {
    return {.Name = "Ana María",
            .Birth = ChartBirth{.LocalTime = EncodeDate(1990, 5, 17) + EncodeTime(8, 30, 0),
                                .ZoneName = "Europe/Madrid",
                                .ZoneHours = 0,
                                .Latitude = 41.3874,
                                .Longitude = 2.1686},
            .Points = {{"Sol", 56.09251234567}, {"ASC", 0.1 + 0.2}, {"Vértice", 359.99999999}}};
}

TEST(ChartFile, ChartsRoundTripExactly) {
    Chart fixed = Natal();
    fixed.Birth->ZoneName.clear();
    fixed.Birth->ZoneHours = -3.5;
    fixed.Birth->Latitude.reset();
    fixed.Birth->Longitude.reset();
    const Chart byHand{.Name = "Puntos sueltos", .Birth = std::nullopt, .Points = {{"Fortuna", 123.5}}};
    for (const Chart& chart : {Natal(), fixed, byHand}) {
        SCOPED_TRACE(chart.Name);
        const TemporaryFolder folder;
        const auto file = folder.Path() / ChartFileName(chart.Name);
        ASSERT_EQ(SaveChartFile(file, chart), std::nullopt);
        const ChartReading read = ReadChartFile(file);
        ASSERT_TRUE(read.Value) << read.Problem;
        EXPECT_EQ(*read.Value, chart);
    }
}

TEST(ChartFile, TheFileReadsAsWritten) {
    EXPECT_EQ(ChartFileText(Natal()),
              "[Carta]\nNombre=Ana María\nFecha=1990-05-17 08:30\nZona=Europe/Madrid\nLatitud=41.3874\n"
              "Longitud=2.1686\n\n[Puntos]\nSol=56.09251234567\nASC=0.30000000000000004\nVértice=359.99999999\n");
}

TEST(ChartFile, AHandWrittenFileWithoutItsHeader) {
    const ChartReading read = ParseChartText("; mis puntos\n[Puntos]\nLuna natal = 12,5\nX=-30\nY=725\n", "f", "mía");
    ASSERT_TRUE(read.Value) << read.Problem;
    EXPECT_EQ(read.Value->Name, "mía");
    EXPECT_FALSE(read.Value->Birth);
    const std::vector<ChartPoint> expected{{"Luna natal", 12.5}, {"X", 330}, {"Y", 5}};
    EXPECT_EQ(read.Value->Points, expected);
}

TEST(ChartFile, ADamagedFileSaysWhatIsWrong) {
    struct Case {
        const char* text;
        const char* problem;
    };
    const Case cases[] = {
        {"[Carta]\nNombre=x\n", "le falta la sección [Puntos]"},
        {"cualquier cosa\n", "le falta la sección [Puntos]"},
        {"[Puntos]\nSol=abc\n", "el punto «Sol» no tiene una longitud en grados: «abc»"},
        {"[Puntos]\nSol=\n", "el punto «Sol» no tiene una longitud en grados"},
        {"[Puntos]\nSol=nan\n", "no tiene una longitud"},
        {"[Carta]\nFecha=1990-02-30 10:00\n[Puntos]\n", "Fecha «1990-02-30 10:00» no es una fecha"},
        {"[Carta]\nFecha=1990-5-17 10:00\n[Puntos]\n", "no es una fecha"},
        {"[Carta]\nFecha=1990-05-17 10:00\nLatitud=40\n[Puntos]\n", "Latitud y Longitud van juntas"},
        {"[Carta]\nFecha=1990-05-17 10:00\nLatitud=95\nLongitud=0\n[Puntos]\n", "Latitud «95» no válida"},
        {"[Carta]\nFecha=1990-05-17 10:00\nTZ=GMT\n[Puntos]\n", "TZ «GMT» no es una zona"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ChartReading read = ParseChartText(c.text, "carta.ini", "carta");
        EXPECT_FALSE(read.Value);
        EXPECT_NE(read.Problem.find("la carta carta.ini no se puede leer: "), std::string::npos) << read.Problem;
        EXPECT_NE(read.Problem.find(c.problem), std::string::npos) << read.Problem;
    }
    EXPECT_FALSE(ParseChartText(std::string("[Puntos]\nSol=1\0", 16), "f", "f").Value);
    EXPECT_FALSE(ReadChartFile("/nonexistent/carta.ini").Value);
}

// A chart that could not be written whole leaves the previous file as it was.
TEST(ChartFile, ARefusedSaveLeavesThePreviousFile) {
    const TemporaryFolder folder;
    const auto file = folder.Path() / "ana.ini";
    ASSERT_EQ(SaveChartFile(file, Natal()), std::nullopt);
    const std::string saved = ReadFile(file);
    const char* badNames[] = {"a=b", "", " Sol", "#uno", "sol", "dos\nlíneas"};
    for (const char* name : badNames) {
        SCOPED_TRACE(name);
        Chart bad = Natal();
        bad.Points.push_back({name, 1});
        EXPECT_TRUE(SaveChartFile(file, bad).has_value());
        EXPECT_EQ(ReadFile(file), saved);
    }
    EXPECT_TRUE(SaveChartFile(folder.Path() / "no-such-folder" / "x.ini", Natal()).has_value());
}

TEST(ChartFile, FileNamesOfCharts) {
    EXPECT_EQ(ChartFileName("Ana María"), "Ana María.ini");
    EXPECT_EQ(ChartFileName("../etc/passwd"), "___etc_passwd.ini");
    EXPECT_EQ(ChartFileName(""), "carta .ini");
    EXPECT_EQ(ChartFileName("-x"), "carta -x.ini");
}

}  // namespace
}  // namespace kalto
