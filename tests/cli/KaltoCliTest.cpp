// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisStep.h"
#include "EphemerisTable.h"
#include "TimeScales.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iomanip>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kalto {
namespace {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A new empty temporary file; its path.
std::string TemporaryFile() {
    char path[] = "/tmp/kalto-cli-test-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) {
        ADD_FAILURE() << "mkstemp failed";
        return {};
    }
    close(file);
    return path;
}

// Runs kalto-cli with the arguments and `input` on its standard input; stdout
// through a pipe, stderr through a file.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "") {
    const std::string errPath = TemporaryFile();
    const std::string inPath = TemporaryFile();
    std::ofstream(inPath) << input;
    std::string command = ShellQuoted(KALTO_CLI_PATH);
    for (const std::string& arg : args) {
        command += ' ' + ShellQuoted(arg);
    }
    command += " <" + ShellQuoted(inPath) + " 2>" + ShellQuoted(errPath);

    CliResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "popen failed";
        return result;
    }
    char buffer[256];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, count);
    }
    const int waitStatus = pclose(pipe);
    result.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    std::ifstream errStream(errPath);
    result.err.assign(std::istreambuf_iterator<char>(errStream), std::istreambuf_iterator<char>());
    std::remove(errPath.c_str());
    std::remove(inPath.c_str());
    return result;
}

// The lines of a text, each split at every `separator`.
std::vector<std::vector<std::string>> Cells(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t next; (next = line.find(separator, start)) != std::string::npos; start = next + 1) {
            fields.push_back(line.substr(start, next - start));
        }
        fields.push_back(line.substr(start));
        lines.push_back(fields);
    }
    return lines;
}

// The lines of a text, each split at single blanks.
std::vector<std::vector<std::string>> Fields(const std::string& text) {
    return Cells(text, ' ');
}

std::size_t Decimals(const std::string& number) {
    const std::size_t point = number.find('.');
    return point == std::string::npos ? 0 : number.size() - point - 1;
}

double Number(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

TEST(KaltoCli, JdePrintsTheJulianEphemerisDayAndDeltaT) {
    struct Case {
        std::initializer_list<std::string> args;
        double universalJd;
        double deltaT;
    };
    const Case cases[] = {
        // December 1992 of the monthly table: 59.04 s.
        {{"jde", "1992-12-20 00:00"}, JulianDay(1992, 12, 20.0), 59.04},
        // 15:00 UT; 2026 runs from 68.90 s to 68.80 s at 2027.0.
        {{"jde", "2026-12-08 12:00", "--tz", "-3"}, JulianDay(2026, 12, 8.625), 68.90 - 0.10 * 341.625 / 365},
        {{"jde", "--tz=+5.75", "2000-01-01 17:45"}, 2451545.0, 63.83},
        // 1990-06-30 21:00:30 UT: ΔT of June, not of the local July.
        {{"jde", "1990-07-01 02:00:30", "--tz", "5"}, JulianDay(1990, 6, 30.875 + 30 / 86400.0), 57.17},
        {{"jde", "2000-01-01 12:00", "--tz", "0"}, 2451545.0, 63.83},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*std::next(c.args.begin()));
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const auto lines = Fields(result.out);
        ASSERT_EQ(lines.size(), 1u) << result.out;
        ASSERT_EQ(lines[0].size(), 2u) << result.out;
        EXPECT_EQ(Decimals(lines[0][0]), 6u);
        EXPECT_EQ(Decimals(lines[0][1]), 3u);
        // Printed to 6 and 3 decimals; dynamical time is rounded to the millisecond.
        EXPECT_NEAR(Number(lines[0][0]), c.universalJd + c.deltaT / 86400, 0.6e-6);
        EXPECT_NEAR(Number(lines[0][1]), c.deltaT, 0.0006);
    }
}

TEST(KaltoCli, JdeWithANamedZoneReadsTheWallClockOfThatDay) {
    // Madrid's clocks went from 02:00 to 03:00 on 2027-03-28 and back from
    // 03:00 to 02:00 on 2027-10-31 (zdump -v -c 2027,2028 Europe/Madrid): a
    // skipped time is read at the offset before the change, a repeated one
    // the first time.
    struct Case {
        const char* wall;
        const char* zone;
        const char* universal;
    };
    const Case cases[] = {
        {"2027-03-28 02:30", "Europe/Madrid", "2027-03-28 01:30"},
        {"2027-10-31 02:30", "Europe/Madrid", "2027-10-31 00:30"},
        {"2027-06-21 16:11", "Europe/Madrid", "2027-06-21 14:11"},
        {"2027-01-15 12:00", "Europe/Madrid", "2027-01-15 11:00"},
        {"2008-03-15 23:30:15", "America/Argentina/Buenos_Aires", "2008-03-16 01:30:15"},
        {"2027-01-15 12:00", "US/Eastern", "2027-01-15 17:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wall << ' ' << c.zone);
        const CliResult named = RunCli({"jde", c.wall, "--zona", c.zone});
        const CliResult universal = RunCli({"jde", c.universal, "--tz", "0"});
        EXPECT_EQ(named.status, 0);
        EXPECT_EQ(named.err, "");
        EXPECT_EQ(universal.status, 0);
        EXPECT_EQ(named.out, universal.out);
    }
}

TEST(KaltoCli, ZonasListsEveryNameSortedWithTheLinks) {
    const CliResult result = RunCli({"zonas"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> names;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) names.push_back(line);
    EXPECT_GT(names.size(), 400u);
    EXPECT_TRUE(std::ranges::adjacent_find(names, std::greater_equal<>()) == names.end()) << "not strictly sorted";
    for (const char* name : {"UTC", "US/Eastern", "Europe/Madrid", "Asia/Kathmandu"}) {
        EXPECT_TRUE(std::ranges::binary_search(names, std::string(name))) << name;
    }
}

// The output file of the commands that are refused.
const std::string NeverWritten = "/tmp/kalto-cli-test-never-written.ini";

TEST(KaltoCli, WrongArgumentsExitWithStatus2AndASpanishMessage) {
    struct Case {
        std::initializer_list<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"jde", "2023-02-29 10:00"}, "no existe en el calendario"},
        {{"jde", "2024-13-01 10:00"}, "no existe en el calendario"},
        {{"jde", "2024-04-31 10:00"}, "no existe en el calendario"},
        {{"jde", "2024-01-01 24:00"}, "no es válida"},
        {{"jde", "2024-01-01 10:60"}, "no es válida"},
        {{"jde", "2024-01-01 10:00:60"}, "no es válida"},
        {{"jde", "2024-01-01 10:00x"}, "mal escritas"},
        {{"jde", "2024-01-01 10:00:5"}, "mal escritas"},
        {{"jde", "2024-01-01"}, "mal escritas"},
        {{"jde", "24-01-01 10:00"}, "mal escritas"},
        {{"jde", ""}, "mal escritas"},
        {{"jde", "2024-01-01 10:00", "--tz", "12"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "-11.991"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "abc"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "nan"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "inf"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "1.5h"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", "3,5"}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz", ""}, "zona horaria no válida"},
        {{"jde", "2024-01-01 10:00", "--tz"}, "falta el valor de --tz"},
        {{"jde", "2024-01-01 10:00", "--zone", "UTC"}, "opción desconocida"},
        {{"jde", "2024-01-01 10:00", "--zona", "Europe/Madird"}, "zona desconocida: «Europe/Madird»"},
        {{"jde", "2024-01-01 10:00", "--zona", "3"}, "zona desconocida: «3»"},
        {{"jde", "2024-01-01 10:00", "--tz", "1", "--zona", "Europe/Madrid"}, "--tz y --zona no valen juntas"},
        {{"jde", "2024-01-01 10:00", "--zona=UTC", "--tz=0"}, "--tz y --zona no valen juntas"},
        {{"jde", "2024-01-01 10:00", "--zona"}, "falta el valor de --zona"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--zona", "Europe/Madird"},
         "zona desconocida: «Europe/Madird»"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--tz", "1", "--zona", "Europe/Madrid"},
         "--tz y --zona no valen juntas"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--zona"}, "falta el valor de --zona"},
        {{"contactos", "--cuerpo", "Sol", "--posicion", "0", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--zona",
          "Europe/Madird"},
         "zona desconocida: «Europe/Madird»"},
        {{"contactos", "--cuerpo", "Sol", "--posicion", "0", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--tz",
          "1", "--zona", "Europe/Madrid"},
         "--tz y --zona no valen juntas"},
        {{"zonas", "UTC"}, "sobra el argumento «UTC»"},
        {{"jde", "2024-01-01 10:00", "2024-01-02 10:00"}, "sobra el argumento"},
        {{"jde"}, "falta la fecha"},
        {{"planetas"}, "orden desconocida"},
        {{"efemerides"}, "falta --desde"},
        {{"efemerides", "--desde", "2027-01-01"}, "falta --hasta"},
        {{"efemerides", "--hasta", "2027-01-01"}, "falta --desde"},
        {{"efemerides", "--desde", "2027-02-29", "--hasta", "2027-03-01"}, "no existe en el calendario"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-04-31"}, "no existe en el calendario"},
        {{"efemerides", "--desde", "2027-1-01", "--hasta", "2027-03-01"}, "fecha mal escrita"},
        {{"efemerides", "--desde", "2027-01-01 00:00", "--hasta", "2027-03-01"}, "fecha mal escrita"},
        {{"efemerides", "--desde", "01-01-2027", "--hasta", "2027-03-01"}, "fecha mal escrita"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta"}, "falta el valor de --hasta"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada", "7"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada", "0"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada", "60.0"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada", "2880"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada=-60"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cada", "2147483647"}, "paso no válido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--tz", "12"}, "zona horaria no válida"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cuerpo", "Luna"}, "cuerpo desconocido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cuerpo", "Rue"}, "cuerpo desconocido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--formato", "odt"}, "formato desconocido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--paso", "60"}, "opción desconocida"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "Sol"}, "sobra el argumento"},
        {{"efemerides", "--desde", "0000-12-31", "--hasta", "0001-01-02"}, "entre los años 0001 y 9999"},
        {{"efemerides", "--desde", "9999-12-31", "--hasta", "9999-12-30"}, "entre los años 0001 y 9999"},
        {{"carta", "--fecha", "1990-05-17 08:30", "--salida", NeverWritten}, "falta --nombre"},
        {{"carta", "--nombre", "Ana", "--salida", NeverWritten}, "falta --fecha"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30"}, "falta --salida"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17", "--salida", NeverWritten}, "fecha y hora mal escritas"},
        {{"carta", "--nombre", "", "--fecha", "1990-05-17 08:30", "--salida", NeverWritten}, "necesita un nombre"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--latitud", "41", "--salida", NeverWritten},
         "--latitud y --longitud van juntas"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--latitud", "91", "--longitud", "0", "--salida",
          NeverWritten},
         "latitud no válida: «91»"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--latitud", "0", "--longitud", "2,5", "--salida",
          NeverWritten},
         "longitud no válida"},
        {{"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--zona", "Mars/Olympus", "--salida",
          NeverWritten},
         "Mars/Olympus"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todas"}, "vista desconocida"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--formato", "pdf", "--salida", NeverWritten},
         "falta --vista todos"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todos", "--formato", "pdf",
          "--salida", NeverWritten, "--cada", "60"},
         "--cada no vale con --formato pdf"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2029-01-01", "--vista", "todos", "--formato", "pdf",
          "--salida", NeverWritten},
         "como mucho 24 meses"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todos", "--formato", "pdf",
          "--salida", NeverWritten, "--papel", "a3"},
         "papel desconocido"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--papel", "a4"},
         "--papel solo vale con --formato pdf"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todos", "--cuerpo", "Sol"},
         "--cuerpo y --columnas no valen con --vista todos"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todos", "--formato", "rtf",
          "--columnas", "hora", "--salida", NeverWritten},
         "--cuerpo y --columnas no valen con --vista todos"},
        {{"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--vista", "todos", "--formato", "resumen"},
         "--formato resumen no vale con --vista todos"},
        {{"transitos", "--desde", "2027-01-01", "--hasta", "2027-02-01"}, "falta --carta"},
        {{"transitos", "--carta", "x.ini", "--hasta", "2027-02-01"}, "falta --desde"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-02-01", "--hasta", "2027-01-01"}, "es anterior a"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--orbes", "0:04"},
         "orbe no válido: «0:04»"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--orbes", "10:01"},
         "orbe no válido"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--orbes", "1:0,2:0"},
         "--orbes da 2 orbes para 5 aspectos"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--aspectos", "0,181"},
         "aspecto no válido: «181»"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--cuerpos", "Sol,Luna"},
         "cuerpo desconocido"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--formato", "rtf"},
         "falta --salida"},
        {{"transitos", "--carta", "x.ini", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--tz", "1", "--zona",
          "UTC"},
         "--tz y --zona no valen juntas"},
        {{"eventos", "--hasta", "2027-02-01"}, "falta --desde"},
        {{"eventos", "--desde", "2027-02-01", "--hasta", "2027-01-01"}, "es anterior a"},
        {{"eventos", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--tipos", "fases,eclipses"},
         "tipo de evento desconocido: «eclipses»"},
        {{"eventos", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--tipos", "luna,luna"},
         "tipo de evento repetido"},
        {{"eventos", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--formato", "rtf"}, "formato desconocido"},
        {{"eventos", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--tz", "1", "--zona", "UTC"},
         "--tz y --zona no valen juntas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(NeverWritten));
}

// The chart of a summer birth in Madrid is the chart of the same wall time at
// +2; the file holds what it printed and what it was made from.
TEST(KaltoCli, CartaWritesTheChartOfABirth) {
    const std::string named = TemporaryFile();
    const std::string fixed = TemporaryFile();
    const CliResult inMadrid =
        RunCli({"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--zona", "Europe/Madrid", "--latitud",
                "41.3874", "--longitud", "2.1686", "--salida", named});
    const CliResult atPlusTwo = RunCli({"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--tz", "2",
                                        "--latitud", "41.3874", "--longitud", "2.1686", "--salida", fixed});
    ASSERT_EQ(inMadrid.status, 0) << inMadrid.err;
    ASSERT_EQ(atPlusTwo.status, 0) << atPlusTwo.err;
    EXPECT_EQ(inMadrid.out, atPlusTwo.out);
    const auto lines = Fields(inMadrid.out);
    ASSERT_EQ(lines.size(), 13U);
    EXPECT_EQ(lines[0][0], "Sol");
    EXPECT_EQ(lines[11][0], "ASC");
    EXPECT_EQ(lines[12][0], "MC");

    std::ifstream file(named);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Carta]\nNombre=Ana\nFecha=1990-05-17 08:30\nZona=Europe/Madrid\nLatitud=41.3874\n"
                        "Longitud=2.1686\n\n[Puntos]\nSol="),
              std::string::npos)
        << text;
    // Each printed longitude, to six decimals, is the file's.
    for (const auto& line : lines) {
        const std::size_t at = text.find("\n" + line[0] + "=");
        ASSERT_NE(at, std::string::npos) << line[0];
        const std::size_t from = at + line[0].size() + 2;
        EXPECT_NEAR(Number(text.substr(from, text.find('\n', from) - from)), Number(line[1]), 5e-7) << line[0];
    }
    std::remove(named.c_str());
    std::remove(fixed.c_str());

    const CliResult unwritable =
        RunCli({"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--salida", "/nonexistent/ana.ini"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_NE(unwritable.err.find("no se pudo guardar la carta en /nonexistent/ana.ini"), std::string::npos);
}

// A line a step with every body: its longitudes are those of the one-line-a-
// body CSV, and so are its times.
TEST(KaltoCli, EphemerisViewOfAllBodiesHoldsEveryBodysRow) {
    const std::vector<std::string> span{"efemerides", "--desde", "2027-02-08", "--hasta",      "2027-02-09",
                                        "--cada",     "360",     "--zona",     "Europe/Madrid"};
    std::vector<std::string> all = span;
    all.insert(all.end(), {"--vista", "todos"});
    const CliResult byStep = RunCli(all);
    const CliResult byBody = RunCli(span);
    ASSERT_EQ(byStep.status, 0) << byStep.err;
    ASSERT_EQ(byBody.status, 0) << byBody.err;
    const auto steps = Cells(byStep.out, ',');
    const auto bodies = Cells(byBody.out, ',');
    ASSERT_EQ(steps.size(), 1U + 8U);
    ASSERT_EQ(bodies.size(), 1U + 8U * 11U);
    EXPECT_EQ(byStep.out.substr(0, byStep.out.find('\n')),
              "fecha_local,Sol,Lun,Mer,Ven,Mar,Jup,Sat,Ura,Nep,Plu,Nod,utc");
    for (std::size_t step = 1; step < steps.size(); ++step) {
        ASSERT_EQ(steps[step].size(), 13U);
        for (std::size_t body = 0; body < 11; ++body) {
            const auto& line = bodies[1 + body * 8 + (step - 1)];
            EXPECT_EQ(steps[step][0], line[1]);
            EXPECT_EQ(steps[step][1 + body], line[2]);
            EXPECT_EQ(steps[step][12], line[7]);
        }
    }
}

// What a program prints for a shell command line.
std::string OutputOf(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, count);
    pclose(pipe);
    return text;
}

// Three months, three landscape pages; their text, read back, holds each
// month's title and the Sun's place on its first day at local 00:00. A
// file that cannot be written is status 1 and nothing left behind.
TEST(KaltoCli, EphemerisPagesOfThreeMonthsAsPdf) {
    const std::string pdf = TemporaryFile();
    const CliResult result =
        RunCli({"efemerides", "--desde", "2027-01-15", "--hasta", "2027-03-02", "--vista", "todos", "--formato", "pdf",
                "--salida", pdf, "--zona", "Europe/Madrid", "--papel", "carta"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string info = OutputOf("pdfinfo " + ShellQuoted(pdf));
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("792 x 612 pts (letter)"), std::string::npos) << info;
    const CliResult sun = RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-03-01", "--zona",
                                  "Europe/Madrid", "--vista", "todos", "--formato", "texto"});
    ASSERT_EQ(sun.status, 0) << sun.err;
    const auto table = Cells(sun.out, '\t');
    const char* months[] = {"Enero 2027", "Febrero 2027", "Marzo 2027"};
    const std::size_t firstDays[] = {1, 32, 60};
    for (int page = 0; page < 3; ++page) {
        const std::string text = OutputOf("pdftotext -f " + std::to_string(page + 1) + " -l " +
                                          std::to_string(page + 1) + " " + ShellQuoted(pdf) + " -");
        EXPECT_NE(text.find(std::string(months[page]) + ". Time Zone: Europe/Madrid (1.00)."), std::string::npos)
            << text.substr(0, 200);
        const std::string position = table[firstDays[page]][3];  // the Sun's "10 Cap 17"
        EXPECT_NE(text.find(position), std::string::npos) << position;
    }
    std::remove(pdf.c_str());

    const CliResult unwritable = RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-31", "--vista",
                                         "todos", "--formato", "pdf", "--salida", "/nonexistent/e.pdf"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Unable to write to /nonexistent/e.pdf"), std::string::npos) << unwritable.err;
}

// The transits of a chart: the header, the rows by exact moment, each exact
// moment an hour ahead of its universal time in Madrid's winter, the stays
// without a pass with their four last fields empty; a chart that cannot be
// read is status 1.
TEST(KaltoCli, TransitosListsThePassesOfAChart) {
    const std::string chart = TemporaryFile();
    ASSERT_EQ(RunCli({"carta", "--nombre", "Ana", "--fecha", "1990-05-17 08:30", "--zona", "Europe/Madrid", "--latitud",
                      "41.3874", "--longitud", "2.1686", "--salida", chart})
                  .status,
              0);
    const CliResult result = RunCli({"transitos", "--carta", chart, "--desde", "2027-01-01", "--hasta", "2027-02-01",
                                     "--zona", "Europe/Madrid", "--cuerpos", "todos"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = Cells(result.out, ',');
    ASSERT_GT(lines.size(), 20U);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              "cuerpo,aspecto,punto,inicia,exacto,finaliza,pasada,lon_exacto,exacto_utc");
    std::string previous;
    bool moon = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& cells = lines[i];
        ASSERT_EQ(cells.size(), 9U) << i;
        moon = moon || cells[0] == "Lun";
        if (cells[4].empty()) {
            EXPECT_EQ(cells[6] + cells[7] + cells[8], "") << i;
            continue;
        }
        EXPECT_GE(cells[4], previous) << i;
        previous = cells[4];
        EXPECT_EQ(cells[8].back(), 'Z');
        // 2027-01-dd: the local hour is the universal one plus one.
        const int local = std::stoi(cells[4].substr(11, 2));
        const int universal = std::stoi(cells[8].substr(11, 2));
        EXPECT_EQ((universal + 1) % 24, local) << i;
        EXPECT_NE(cells[6].find('/'), std::string::npos);
    }
    EXPECT_TRUE(moon);

    test::WriteFile(chart, "[Puntos]\nSol=abc\n");
    const CliResult damaged = RunCli({"transitos", "--carta", chart, "--desde", "2027-01-01", "--hasta", "2027-02-01"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_NE(damaged.err.find("el punto «Sol» no tiene una longitud en grados"), std::string::npos) << damaged.err;
    std::remove(chart.c_str());
}

TEST(KaltoCli, PositionsPrintElevenBodiesPerInstantAsTheEngineComputesThem) {
    const CliResult result = RunCli({"posiciones"}, "2448976.5\n\n  2451545.0  \r\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Fields(result.out);
    ASSERT_EQ(lines.size(), 22u) << result.out;
    Engine engine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& f = lines[i];
        ASSERT_EQ(f.size(), 7u);
        const double jde = i < 11 ? 2448976.5 : 2451545.0;
        const int body = static_cast<int>(i % 11) + 1;
        EXPECT_EQ(f[0], i < 11 ? "2448976.500000" : "2451545.000000");
        EXPECT_EQ(f[1], std::to_string(body));
        const BodyPosition p = ComputeAllBodies(engine, jde)[body];
        const double expected[] = {p.Longitude, p.Latitude, p.Distance, p.RightAscension, p.Declination};
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(Decimals(f[k + 2]), 9u);
            EXPECT_NEAR(Number(f[k + 2]), expected[k], 0.6e-9);
        }
    }
    // Venus at 1992 December 20 and Jupiter at J2000.0, as Meeus computes them.
    EXPECT_NEAR(Number(lines[3][2]), 313.081373, 1e-5);
    EXPECT_NEAR(Number(lines[3][5]), 316.172758, 1e-5);
    EXPECT_NEAR(Number(lines[16][2]), 25.253068, 1e-5);
}

TEST(KaltoCli, PositionsStopAtALineThatIsNotANumber) {
    const CliResult result = RunCli({"posiciones"}, "2451545.0\n\n2451546,5\n2451547.0\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(Fields(result.out).size(), 11u) << result.out;
    EXPECT_NE(result.err.find("línea 3"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("2451546,5"), std::string::npos) << result.err;
}

// A stored single-precision value printed by efemerides (`stored`, 9
// significant digits) is the narrowing of a double that posiciones printed
// with 9 decimals (`printed`, so within 0.5e-9 of the engine's value): the
// engine's value lies where the narrowing gives the stored value.
void ExpectNarrowedFrom(const std::string& stored, double printed) {
    const double parsed = Number(stored);
    const float value = static_cast<float>(parsed);
    const double below = std::nextafter(value, -std::numeric_limits<float>::infinity());
    const double above = std::nextafter(value, std::numeric_limits<float>::infinity());
    const double low = (value + below) / 2;
    const double high = (value + above) / 2;
    EXPECT_TRUE(printed + 0.5e-9 >= low && printed - 0.5e-9 <= high)
        << stored << " is not " << std::setprecision(12) << printed << " narrowed to 32 bits";
}

TEST(KaltoCli, EphemerisRowsAreThePositionsOfTheSameInstantsNarrowedTo32Bits) {
    const CliResult result =
        RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-02-01", "--cada", "60", "--cuerpo", "Lun"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Cells(result.out, ',');
    ASSERT_EQ(lines.size(), 1u + 768u) << result.out.substr(0, 500);
    EXPECT_EQ(lines.front(), (std::vector<std::string>{"cuerpo", "fecha_local", "longitud", "latitud",
                                                       "ascension_recta", "declinacion", "distancia", "utc"}));
    EXPECT_EQ(lines.back()[1], "2027-02-01T23:00:00");

    // The same instants through posiciones: the JDE of each local hour (zone 0).
    std::string jdes;
    for (int hour = 0; hour < 768; ++hour) {
        const double jde = LocalToJDE(EncodeDate(2027, 1, 1) + hour / 24.0, 0).jde;
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), jde, std::chars_format::fixed).ptr;
        jdes.append(buffer.data(), end).append("\n");
    }
    const CliResult positions = RunCli({"posiciones"}, jdes);
    ASSERT_EQ(positions.status, 0) << positions.err;
    const auto positionLines = Fields(positions.out);
    ASSERT_EQ(positionLines.size(), 768u * 11u);

    for (int hour = 0; hour < 768; ++hour) {
        SCOPED_TRACE(hour);
        const auto& row = lines[static_cast<std::size_t>(hour) + 1];
        ASSERT_EQ(row.size(), 8u);
        EXPECT_EQ(row[0], "Lun");
        char date[32];
        std::snprintf(date, sizeof date, "2027-%02d-%02dT%02d:00:00", hour < 744 ? 1 : 2,
                      hour < 744 ? hour / 24 + 1 : hour / 24 - 30, hour % 24);
        EXPECT_EQ(row[1], date);
        // posiciones: JDE BODY LON LAT DIST RA DEC; efemerides: lon, lat, ra, dec, dist.
        const auto& moon = positionLines[static_cast<std::size_t>(hour) * 11 + 1];
        ASSERT_EQ(moon[1], "2");
        ExpectNarrowedFrom(row[2], Number(moon[2]));
        ExpectNarrowedFrom(row[3], Number(moon[3]));
        ExpectNarrowedFrom(row[4], Number(moon[5]));
        ExpectNarrowedFrom(row[5], Number(moon[6]));
        ExpectNarrowedFrom(row[6], Number(moon[4]));
    }
}

TEST(KaltoCli, EphemerisByDefaultIsDailyCsvOfEveryBodyInBodyOrder) {
    const CliResult result = RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Cells(result.out, ',');
    ASSERT_EQ(lines.size(), 1u + 2u * 11u) << result.out;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(lines[i].size(), 8u);
        const int body = static_cast<int>((i - 1) / 2) + 1;
        EXPECT_EQ(lines[i][0], BodyLabels[body]);
        EXPECT_EQ(lines[i][1], (i - 1) % 2 == 0 ? "2027-01-01T00:00:00" : "2027-01-02T00:00:00");
    }
    // Pluto and the node have no distance.
    EXPECT_EQ(lines[19][6], "0");
    EXPECT_EQ(lines[21][6], "0");
}

// "AAAA-MM-DDTHH:MM:SS", with or without a "Z" behind, as a date-time.
TDateTime CsvDateTime(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &year, &month, &day, &hour, &minute, &second), 6)
        << text;
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

// Across Madrid's spring change (01:00 UT on 28 March 2027, `zdump -v`): the
// utc column goes up by the step throughout, the wall clock skips 02:00.
TEST(KaltoCli, EphemerisInANamedZoneStepsEvenlyInUniversalTime) {
    const CliResult result = RunCli({"efemerides", "--desde", "2027-03-28", "--hasta", "2027-03-28", "--cada", "30",
                                     "--cuerpo", "Sol", "--zona", "Europe/Madrid"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Cells(result.out, ',');
    ASSERT_EQ(lines.size(), 1u + 48u) << result.out.substr(0, 500);
    EXPECT_EQ(lines[1][7], "2027-03-27T23:00:00Z");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i][1]);
        ASSERT_EQ(lines[i].size(), 8u);
        EXPECT_NE(lines[i][1].substr(10, 3), "T02");
        const TDateTime universal = CsvDateTime(lines[i][7]);
        const int offsetHours = universal < EncodeDate(2027, 3, 28) + EncodeTime(1, 0, 0) ? 1 : 2;
        EXPECT_NEAR(CsvDateTime(lines[i][1]) - universal, offsetHours / 24.0, 1e-9);
        if (i > 1) {
            EXPECT_NEAR(universal - CsvDateTime(lines[i - 1][7]), 30.0 / 1440, 1e-9);
        }
    }
    EXPECT_EQ(lines[5][1], "2027-03-28T03:00:00");
}

// At a fixed offset the utc column is the wall time minus the offset.
TEST(KaltoCli, EphemerisUtcColumnIsTheWallTimeLessAFixedOffset) {
    for (const char* zone : {"0", "2", "-5.5", "5.75"}) {
        SCOPED_TRACE(zone);
        const CliResult result =
            RunCli({"efemerides", "--desde", "2027-06-30", "--hasta", "2027-07-01", "--cada", "360", "--tz", zone});
        EXPECT_EQ(result.status, 0);
        const auto lines = Cells(result.out, ',');
        ASSERT_EQ(lines.size(), 1u + 8u * 11u);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i].size(), 8u);
            EXPECT_EQ(lines[i][7].back(), 'Z');
            EXPECT_NEAR(CsvDateTime(lines[i][1]) - CsvDateTime(lines[i][7]), std::atof(zone) / 24, 1e-9) << lines[i][7];
        }
    }
}

TEST(KaltoCli, EphemerisTextIsTheWindowTableOfEachBody) {
    const CliResult result = RunCli({"efemerides", "--desde", "2027-03-01", "--hasta", "2027-03-01", "--cada", "720",
                                     "--tz", "-3.5", "--formato", "texto", "--cuerpo", "todos"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Cells(result.out, '\t');
    ASSERT_EQ(lines.size(), 11u * 4u) << result.out;
    const std::vector<std::string> header{"Día", "Fecha", "Val.", "Hora", "Lon.", "Lat.", "AR.", "Dec."};
    const DateFormatNames names = SpanishDateFormatNames();
    Engine engine;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        SCOPED_TRACE(BodyLabels[body]);
        const std::size_t first = static_cast<std::size_t>(body - 1) * 4;
        EXPECT_EQ(lines[first], std::vector<std::string>{"# " + std::string(BodyLabels[body])});
        EXPECT_EQ(lines[first + 1], header);
        for (int step = 0; step < 2; ++step) {
            const TDateTime local = EncodeDate(2027, 3, 1) + step * 0.5;
            const BodyPosition p = ComputeAllBodies(engine, LocalToJDE(local, ZoneOffset(-3.5)).jde)[body];
            const EphemerisRow row{static_cast<float>(p.Longitude),      static_cast<float>(p.Latitude),
                                   static_cast<float>(p.RightAscension), static_cast<float>(p.Declination),
                                   static_cast<float>(p.Distance),       local};
            std::vector<std::string> expected;
            for (int column = 0; column < EphemerisColumnCount; ++column) {
                expected.push_back(EphemerisCellText(row, step + 1, column, names, WallClock()));
            }
            EXPECT_EQ(lines[first + 2 + static_cast<std::size_t>(step)], expected);
        }
    }
    EXPECT_EQ(lines[3][0], " 2");
    EXPECT_EQ(lines[3][1], "mar 01 2027, lun");
    EXPECT_EQ(lines[3][3], "12:00 pm");
}

TEST(KaltoCli, EphemerisTextCarriesSecondsThatRoundToSixty) {
    // The hourly Moon of 2027 has hundreds of angles whose seconds round to
    // 60 (such as 14° 29' 59.7"); each prints carried, never as 60" or 60'.
    const CliResult result = RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2028-01-01", "--cada", "60",
                                     "--cuerpo", "Lun", "--formato", "texto"});
    EXPECT_EQ(result.status, 0);
    const auto lines = Cells(result.out, '\t');
    ASSERT_EQ(lines.size(), 2u + 366u * 24u);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        for (const std::size_t column : {2u, 4u, 5u, 6u, 7u}) {
            const std::string& cell = lines[i].at(column);
            ASSERT_EQ(cell.find("60\""), std::string::npos) << "row " << i - 1 << ": " << cell;
            ASSERT_EQ(cell.find("60'"), std::string::npos) << "row " << i - 1 << ": " << cell;
        }
    }
}

TEST(KaltoCli, EphemerisZoneShiftsTheInstantsAndKeepsLocalTimes) {
    // At -3.5 h, local 12:00 is 15:30 at zone 0.
    const auto run = [](const std::string& zone) {
        const CliResult result = RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-01", "--cada", "30",
                                         "--cuerpo", "lun", "--tz=" + zone});
        EXPECT_EQ(result.status, 0) << result.err;
        return Cells(result.out, ',');
    };
    const auto west = run("-3.5");
    const auto greenwich = run("0");
    ASSERT_EQ(west.size(), 49u);
    ASSERT_EQ(greenwich.size(), 49u);
    const auto& noonWest = west[1 + 24];
    const auto& greenwich1530 = greenwich[1 + 31];
    EXPECT_EQ(noonWest[1], "2027-01-01T12:00:00");
    EXPECT_EQ(greenwich1530[1], "2027-01-01T15:30:00");
    EXPECT_EQ(std::vector(noonWest.begin() + 2, noonWest.end()),
              std::vector(greenwich1530.begin() + 2, greenwich1530.end()));
    EXPECT_NE(west[1 + 24][2], greenwich[1 + 24][2]);
}

TEST(KaltoCli, EphemerisEndDateFollowsThe730DayLimit) {
    struct Case {
        std::initializer_list<std::string> args;
        std::size_t rows;
        const char* first;
        const char* last;
        bool note;
    };
    const Case cases[] = {
        // 24 months after 2027-01-01, 732 days in all.
        {{"--desde", "2027-01-01", "--hasta", "2029-06-01"}, 732, "2027-01-01T00:00:00", "2029-01-01T00:00:00", true},
        {{"--desde", "2027-01-01", "--hasta", "2024-06-01"}, 732, "2027-01-01T00:00:00", "2029-01-01T00:00:00", true},
        {{"--desde", "2027-01-01", "--hasta", "2028-12-30"}, 730, "2027-01-01T00:00:00", "2028-12-30T00:00:00", false},
        // An end before the start: the span is counted back, the run goes forward.
        {{"--desde", "2027-01-10", "--hasta", "2027-01-01"}, 10, "2027-01-10T00:00:00", "2027-01-19T00:00:00", false},
        {{"--desde", "9999-12-31", "--hasta", "9999-12-31"}, 1, "9999-12-31T00:00:00", "9999-12-31T00:00:00", false},
        {{"--desde", "0001-01-01", "--hasta", "0001-01-01"}, 1, "0001-01-01T00:00:00", "0001-01-01T00:00:00", false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv{"efemerides", "--cuerpo", "Sol"};
        argv.insert(argv.end(), c.args);
        SCOPED_TRACE(argv[4] + " to " + argv[6]);
        const CliResult result = RunCli(argv);
        EXPECT_EQ(result.status, 0);
        const auto lines = Cells(result.out, ',');
        ASSERT_EQ(lines.size(), 1 + c.rows);
        EXPECT_EQ(lines[1][1], c.first);
        EXPECT_EQ(lines.back()[1], c.last);
        if (c.note) {
            EXPECT_NE(result.err.find("730 días"), std::string::npos) << result.err;
            EXPECT_NE(result.err.find(std::string(c.last).substr(0, 10)), std::string::npos) << result.err;
        } else {
            EXPECT_EQ(result.err, "");
        }
    }
}

TEST(KaltoCli, HelpDescribesTheCommands) {
    const std::string jdeUsage = "jde \"AAAA-MM-DD HH:MM[:SS]\" [--tz HORAS]";
    for (const auto& args : {std::initializer_list<std::string>{"--help"}, {"-h"}, {}, {"jde", "--help"}}) {
        SCOPED_TRACE(args.size());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("Uso:"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find(jdeUsage), std::string::npos) << result.out;
    }
}

TEST(KaltoCli, HelpDescribesTheEphemerisCommand) {
    const std::string usage = "efemerides --desde AAAA-MM-DD --hasta AAAA-MM-DD [--cada MINUTOS] [--tz HORAS]";
    for (const auto& args : {std::vector<std::string>{"--help"}, {"efemerides", "--help"}, {"efemerides", "-h"}}) {
        SCOPED_TRACE(args.size());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find(usage), std::string::npos) << result.out;
    }
}

// The date-time of "AAAA-MM-DDTHH:MM:SS".
TDateTime LocalDateTime(const std::string& text) {
    EXPECT_EQ(text.size(), 19u) << text;
    const auto part = [&](std::size_t pos, std::size_t size) {
        return static_cast<int>(Number(text.substr(pos, size)));
    };
    return EncodeDate(part(0, 4), part(5, 2), part(8, 2)) + EncodeTime(part(11, 2), part(14, 2), part(17, 2));
}

// The events of March 2027 in Madrid, where summer time starts on the 28th:
// the local moment an hour ahead of the universal one before, two after; in
// order; the Moon's rows for phases and void periods, and only those with an
// end; every kind present; and --tipos keeps the rows of the kinds named.
TEST(KaltoCli, EventosListsTheEventsOfASpan) {
    const std::vector<std::string> span = {"eventos",    "--desde", "2027-03-01",   "--hasta",
                                           "2027-04-01", "--zona",  "Europe/Madrid"};
    const CliResult result = RunCli(span);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "momento,cuerpo,evento,longitud,fin,momento_utc");
    const auto lines = Cells(result.out, ',');
    ASSERT_GT(lines.size(), 100U);
    std::string previous;
    std::string phases = "momento,cuerpo,evento,longitud,fin,momento_utc\n";
    std::set<std::string> kinds;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& cells = lines[i];
        ASSERT_EQ(cells.size(), 6U) << i;
        EXPECT_GE(cells[5], previous) << i;
        previous = cells[5];
        ASSERT_EQ(cells[5].back(), 'Z');
        const int offset = cells[5] < "2027-03-28T01:00:00Z" ? 1 : 2;
        EXPECT_NEAR(LocalDateTime(cells[0]) - LocalDateTime(cells[5].substr(0, 19)), offset / 24.0, 1e-9) << i;
        const std::string& text = cells[2];
        const bool isVoid = text == "luna vacía de curso";
        const bool isPhase =
            text == "luna nueva" || text == "cuarto creciente" || text == "luna llena" || text == "cuarto menguante";
        if (isVoid || isPhase) {
            EXPECT_EQ(cells[1], "Lun") << i;
        }
        EXPECT_EQ(cells[4].empty(), !isVoid) << i;
        if (isVoid) {
            EXPECT_GT(cells[4], cells[0]) << i;
        }
        if (isPhase) {
            phases += cells[0] + ',' + cells[1] + ',' + cells[2] + ',' + cells[3] + ",," + cells[5] + '\n';
        }
        kinds.insert(isVoid || isPhase ? text.substr(0, 4) : text.substr(0, text.find(' ')));
    }
    for (const char* kind :
         {"estación", "ingreso", "luna", "cuar", "conjunción", "sextil", "cuadratura", "trígono", "oposición"}) {
        EXPECT_EQ(kinds.count(kind), 1U) << kind;
    }
    std::vector<std::string> onlyPhases = span;
    onlyPhases.insert(onlyPhases.end(), {"--tipos", "fases"});
    EXPECT_EQ(RunCli(onlyPhases).out, phases);

    // The text: the heading, the titles, one line an event.
    std::vector<std::string> text = span;
    text.insert(text.end(), {"--formato", "texto"});
    const auto rows = Cells(RunCli(text).out, '\t');
    ASSERT_EQ(rows.size(), lines.size() + 2);
    EXPECT_EQ(rows[0][0].rfind("Eventos. Time Zone: Europe/Madrid", 0), 0U) << rows[0][0];
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Momento", "Cuerpo", "Evento", "Longitud", "Fin"}));
    EXPECT_EQ(rows[3][2], lines[1][2]);
}

std::size_t SignificantDigits(const std::string& number) {
    const std::size_t first = number.find_first_of("123456789");
    if (first == std::string::npos) return 0;
    const std::string digits = number.substr(first);
    return digits.size() - (digits.find('.') == std::string::npos ? 0 : 1);
}

// The local time at which the engine's Sun crosses `longitude` between a and b.
TDateTime SunCrossing(double longitude, TDateTime a, TDateTime b, double zoneHours) {
    Engine engine;
    const auto past = [&](TDateTime t) {
        const double sun = ComputeAllBodies(engine, LocalToJDE(t, ZoneOffset(zoneHours)).jde)[Sol].Longitude;
        return std::remainder(sun - longitude, 360.0) > 0;
    };
    for (int i = 0; i < 50; ++i) {
        const TDateTime middle = (a + b) / 2;
        (past(middle) ? b : a) = middle;
    }
    return a;
}

TEST(KaltoCli, ContactosListsTheCardinalIngressesOf2027) {
    // The almanacs' equinoxes and solstices of 2027, UT: Mar 20 20:24,
    // Jun 21 14:10, Sep 23 06:01, Dec 22 02:42.
    const TDateTime published[] = {
        EncodeDate(2027, 3, 20) + EncodeTime(20, 24, 30), EncodeDate(2027, 6, 21) + EncodeTime(14, 10, 30),
        EncodeDate(2027, 9, 23) + EncodeTime(6, 1, 30), EncodeDate(2027, 12, 22) + EncodeTime(2, 42, 30)};
    const double angles[] = {0, 90, 180, 90};
    constexpr double Minute = 1.0 / 1440;
    for (const std::string zone : {"0", "5.5"}) {
        SCOPED_TRACE(zone);
        const double zoneHours = Number(zone);
        const CliResult result =
            RunCli({"contactos", "--cuerpo", "Sol", "--posicion", "0", "--angulo", "90", "--tipo", "multiplo", "--orbe",
                    "1:0", "--desde", "2027-01-01", "--hasta", "2027-12-31", "--tz", zone});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const auto lines = Cells(result.out, ',');
        ASSERT_EQ(lines.size(), 5u) << result.out;
        EXPECT_EQ(lines[0],
                  (std::vector<std::string>{"indice", "cuerpo", "posicion", "inicia", "partil", "finaliza", "contacto",
                                            "lon_inicia", "lon_partil", "lon_finaliza", "partil_utc"}));
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const auto& f = lines[i + 1];
            ASSERT_EQ(f.size(), 11u);
            EXPECT_EQ(f[0], std::to_string(i));
            EXPECT_EQ(f[1], "Sol");
            EXPECT_EQ(f[2], "0");
            EXPECT_EQ(Number(f[6]), angles[i]);
            const double cardinal = 90.0 * static_cast<double>(i);
            const TDateTime local = published[i] + zoneHours / 24;
            const TDateTime crossing = SunCrossing(cardinal, local - 1, local + 1, zoneHours);
            EXPECT_NEAR(crossing, local, 2 * Minute);
            // Partil within 1' of the Sun's longitude (24 minutes), printed to the second.
            EXPECT_NEAR(LocalDateTime(f[4]), crossing, 24.5 * Minute);
            // Universal time is the wall time less the offset, both whole seconds.
            ASSERT_TRUE(f[10].ends_with('Z')) << f[10];
            EXPECT_NEAR(LocalDateTime(f[10].substr(0, f[10].size() - 1)), LocalDateTime(f[4]) - zoneHours / 24,
                        0.5 / 86400);
            EXPECT_LT(LocalDateTime(f[3]), crossing);
            EXPECT_GT(LocalDateTime(f[5]), crossing);
            EXPECT_NEAR(std::remainder(Number(f[8]) - cardinal, 360.0), 0, 1.0 / 60);
            for (const std::size_t angle : {7u, 8u, 9u}) {
                EXPECT_LE(SignificantDigits(f[angle]), 9u) << f[angle];
            }
        }
    }
}

// The June solstice of 2027 (14:10 UT) falls at 16:1x on Madrid's summer
// clock, an hour after the +1 of its winter; partil_utc stays universal. A
// search from a winter day steps as at +1, so both find the same partil.
TEST(KaltoCli, ContactosInANamedZoneShowsTheSummerClockAndKeepsUniversalTime) {
    struct Case {
        const char* option;
        const char* zone;
        const char* partil;
    };
    const Case cases[] = {
        {"--zona", "Europe/Madrid", "2027-06-21T16:1"},
        {"--tz", "1", "2027-06-21T15:1"},
    };
    std::vector<std::string> universal;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        const CliResult result = RunCli({"contactos", "--cuerpo", "Sol", "--posicion", "0", "--angulo", "90", "--orbe",
                                         "1:0", "--desde", "2027-01-01", "--hasta", "2027-12-31", c.option, c.zone});
        EXPECT_EQ(result.status, 0) << result.err;
        const auto lines = Cells(result.out, ',');
        ASSERT_EQ(lines.size(), 5u) << result.out;
        ASSERT_EQ(lines[2].size(), 11u);
        EXPECT_TRUE(lines[2][4].starts_with(c.partil)) << lines[2][4];
        EXPECT_TRUE(lines[2][10].starts_with("2027-06-21T14:1")) << lines[2][10];
        universal.push_back(lines[2][10]);
    }
    EXPECT_EQ(universal[0], universal[1]);
}

// --momentos-exactos takes each moment to the instant the angle is exact,
// with "multiplo" and with "exacto" alike: the same contacts, their
// longitudes at the edges of the orb and at the angle itself, the June
// solstice at the almanac's 14:11 UT to the minute.
TEST(KaltoCli, ContactosMomentosExactosRefinesTheMomentsWithEitherTipo) {
    struct Case {
        const char* tipo;
        std::size_t contacts;
        std::size_t solstice;  // the row of the June solstice
    };
    const Case cases[] = {{"multiplo", 4, 2}, {"exacto", 2, 1}};
    const TDateTime solstice = EncodeDate(2027, 6, 21) + EncodeTime(14, 11, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tipo);
        std::vector<std::vector<std::vector<std::string>>> runs;
        for (const bool exactMoments : {false, true}) {
            std::vector<std::string> args = {"contactos", "--cuerpo", "Sol",        "--posicion", "0",
                                             "--angulo",  "90",       "--tipo",     c.tipo,       "--orbe",
                                             "1:0",       "--desde",  "2027-01-01", "--hasta",    "2027-12-31"};
            if (exactMoments) args.insert(args.begin() + 5, "--momentos-exactos");
            const CliResult result = RunCli(args);
            EXPECT_EQ(result.status, 0) << result.err;
            runs.push_back(Cells(result.out, ','));
            ASSERT_EQ(runs.back().size(), c.contacts + 1) << result.out;
        }
        for (std::size_t row = 1; row <= c.contacts; ++row) {
            SCOPED_TRACE(row);
            const auto& scanned = runs[0][row];
            const auto& exact = runs[1][row];
            ASSERT_EQ(exact.size(), 11u);
            EXPECT_EQ(exact[6], scanned[6]);
            const double partil = Number(exact[8]);
            const double entry = std::remainder(Number(exact[7]) - partil, 360.0);
            EXPECT_NEAR(std::remainder(partil, 90.0), 0, 1e-6) << exact[8];
            EXPECT_NEAR(std::abs(entry), 1, 1e-6) << exact[7];
            EXPECT_NEAR(std::remainder(Number(exact[9]) - partil, 360.0), -entry, 1e-6) << exact[9];
            EXPECT_GT(std::abs(std::remainder(Number(scanned[8]), 90.0)), 1e-6) << scanned[8];
        }
        const std::string& partilUtc = runs[1][c.solstice][10];
        EXPECT_NEAR(LocalDateTime(partilUtc.substr(0, partilUtc.size() - 1)), solstice, 1.0 / 1440) << partilUtc;
    }
    EXPECT_EQ(RunCli({"contactos", "--momentos-exactos=1"}).status, 2);
    EXPECT_NE(RunCli({"contactos", "--help"}).out.find("--momentos-exactos"), std::string::npos);
}

TEST(KaltoCli, ContactosTextIsTheSearchDescriptionAndTheWindowGrid) {
    const CliResult result = RunCli({"contactos", "--cuerpo", "Sol", "--posicion", "0", "--angulo", "90", "--orbe",
                                     "1:0", "--desde", "2027-01-01", "--hasta", "2027-12-31", "--formato", "texto"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = Cells(result.out, '\t');
    ASSERT_EQ(lines.size(), 9u) << result.out;
    EXPECT_EQ(lines[0][0], " Contactos de SOL con la posición  00\u00B0 00' 00\"");
    EXPECT_EQ(lines[1][0], " por ángulos múltiplos de  90\u00B0 00' 00\", orbe de  01\u00B0 00' 00\".");
    EXPECT_EQ(lines[2][0], " Desde el viernes 01-ene-2027 hasta el viernes 31-dic-2027 (365 días).");
    EXPECT_EQ(lines[3][0], " Time Zone: 0.00.");
    EXPECT_EQ(lines[4], (std::vector<std::string>{"No.", "Pla.", "Pos.", "Inicia", "Partil", "Finaliza", "Dur. Aprox.",
                                                  "Contacto"}));
    for (std::size_t row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        const auto& cells = lines[row + 4];
        ASSERT_EQ(cells.size(), 8u);
        EXPECT_EQ(cells[0], std::string(" ").append(std::to_string(row)));
        EXPECT_EQ(cells[1], "Sol");
        EXPECT_EQ(cells[2], " 00\u00B0 00' 00\"");
    }
    EXPECT_TRUE(lines[5][4].starts_with("mar-20-2027, sáb, ")) << lines[5][4];
    EXPECT_EQ(lines[7][7], " 180\u00B0 00' 00\"");
}

TEST(KaltoCli, ContactosNormalisesItsValuesAsTheWindowDoes) {
    const std::vector<std::string> span = {"--desde", "2027-01-01", "--hasta", "2027-03-01", "--cuerpo", "Lun"};
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "contactos");
        args.insert(args.end(), span.begin(), span.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        return result.out;
    };
    // Seconds of 60 add a minute; 30 degrees of a sign are 0 of the same sign.
    EXPECT_EQ(run({"--posicion", "10:59:60"}), run({"--posicion", "11"}));
    const std::string leo = run({"--posicion", "30", "--signo", "Leo", "--orbe", "2:0"});
    EXPECT_EQ(leo, run({"--posicion", "120", "--orbe", "2:0"}));
    EXPECT_NE(leo.find(",Lun,120,"), std::string::npos) << leo;
    // An orb below 30' is 30'.
    EXPECT_EQ(run({"--posicion", "5", "--orbe", "0:10"}), run({"--posicion", "5", "--orbe", "0:30"}));
    const std::string text = run({"--posicion", "5", "--orbe", "0:10", "--formato", "texto", "--tipo", "exacto"});
    EXPECT_NE(text.find(" por el ángulo de  15\u00B0 00' 00\", orbe de  00\u00B0 30' 00\"."), std::string::npos)
        << text;
}

// The orb's minutes reach 60 as the window's spin edit does; carried into a
// sixth degree, which the degrees' spin edit lacks, the orb stays at 5° 59'.
TEST(KaltoCli, ContactosHoldsACarriedOrbAtItsLargest) {
    const CliResult result = RunCli({"contactos", "--cuerpo", "Sol", "--posicion", "5", "--orbe", "5:60", "--desde",
                                     "2027-01-01", "--hasta", "2027-01-31", "--formato", "texto"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find(", orbe de  05\u00B0 59' 00\"."), std::string::npos) << result.out;
}

TEST(KaltoCli, ContactosRejectsWrongOptions) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<std::string> good = {"--cuerpo", "Sol",        "--posicion", "0",
                                           "--desde",  "2027-01-01", "--hasta",    "2027-12-31"};
    const auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {"contactos"};
        args.insert(args.end(), good.begin(), good.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const Case cases[] = {
        {with({"--cuerpo", "Luna"}), "cuerpo desconocido"},
        {with({"--posicion", "10:61"}), "posición no válida"},
        {with({"--posicion", "361"}), "posición no válida"},
        {with({"--posicion", "31", "--signo", "Tau"}), "posición no válida"},
        {with({"--posicion", "1:2:3:4"}), "posición no válida"},
        {with({"--posicion", "-1"}), "posición no válida"},
        {with({"--posicion", "1.5"}), "posición no válida"},
        {with({"--signo", "Aqu"}), "signo desconocido"},
        {with({"--angulo", "181"}), "ángulo no válido"},
        {with({"--angulo", "15.5"}), "ángulo no válido"},
        {with({"--tipo", "exact"}), "tipo de ángulo desconocido"},
        {with({"--orbe", "6:0"}), "orbe no válido"},
        {with({"--orbe", "0:61"}), "orbe no válido"},
        {with({"--orbe", "1:2:3"}), "orbe no válido"},
        {with({"--formato", "xml"}), "formato desconocido"},
        {with({"--tz", "12"}), "zona horaria no válida"},
        {with({"--hasta", "2026-12-31"}), "es anterior a --desde"},
        {with({"--desde", "0050-01-01"}), "entre los años 0100 y 9899"},
        {with({"--desde", "2027-02-30"}), "no existe en el calendario"},
        {with({"Sol"}), "sobra el argumento"},
        {with({"--orb", "1:0"}), "opción desconocida"},
        {with({"--angulo"}), "falta el valor de --angulo"},
        {{"contactos", "--posicion", "0", "--desde", "2027-01-01", "--hasta", "2027-12-31"}, "falta --cuerpo"},
        {{"contactos", "--cuerpo", "Sol", "--desde", "2027-01-01", "--hasta", "2027-12-31"}, "falta --posicion"},
        {{"contactos", "--cuerpo", "Sol", "--posicion", "0", "--hasta", "2027-12-31"}, "falta --desde"},
        {{"contactos", "--cuerpo", "Sol", "--posicion", "0", "--desde", "2027-12-31"}, "falta --hasta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

TEST(KaltoCli, HelpDescribesTheContactsCommand) {
    const std::string usage = "contactos --cuerpo NOMBRE --posicion G[:M[:S]] [--signo SIGNO]";
    for (const auto& args : {std::vector<std::string>{"--help"}, {"contactos", "--help"}}) {
        SCOPED_TRACE(args.size());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find(usage), std::string::npos) << result.out;
    }
}

// A new empty temporary folder; its path.
std::filesystem::path TemporaryFolder() {
    char path[] = "/tmp/kalto-cli-test-XXXXXX";
    if (mkdtemp(path) == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
        return {};
    }
    return path;
}

struct ImageSize {
    unsigned width = 0;
    unsigned height = 0;
    bool operator==(const ImageSize&) const = default;
};

// The size in the header of a PNG file; none when the file is not a PNG.
std::optional<ImageSize> PngSize(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> header{};
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size())) {
        return std::nullopt;
    }
    constexpr std::array<unsigned char, 16> signatureAndHeaderChunk = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    if (!std::equal(signatureAndHeaderChunk.begin(), signatureAndHeaderChunk.end(), header.begin())) {
        return std::nullopt;
    }
    const auto bigEndian = [&](std::size_t at) {
        return unsigned{header[at]} << 24 | unsigned{header[at + 1]} << 16 | unsigned{header[at + 2]} << 8 |
               unsigned{header[at + 3]};
    };
    return ImageSize{bigEndian(16), bigEndian(20)};
}

std::vector<std::string> GraphArgs(const std::filesystem::path& output, std::initializer_list<std::string> more) {
    std::vector<std::string> args = {"grafico",    "--desde",  "2027-01-01",   "--hasta",
                                     "2027-01-31", "--salida", output.string()};
    args.insert(args.end(), more);
    return args;
}

TEST(KaltoCli, GraficoWritesAPngOfTheAskedSize) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "grafico.png";
    struct Case {
        const char* name;
        std::initializer_list<std::string> more;
        ImageSize size;
    };
    const Case cases[] = {
        {"the export's picture by default", {}, {900, 500}},
        {"a size of its own", {"--ancho", "320", "--alto=200"}, {320, 200}},
        {"every option",
         {"--cada", "60", "--tz", "-3", "--cuerpos", "Sol,lun,NOD", "--signos", "4", "--primer-signo", "Acu", "--glifo",
          "imagen", "--sin-lineas", "--rejilla", "dias,meses", "--marcador", "2027-01-10"},
         {900, 500}},
        {"no grid, one glyph", {"--rejilla", "ninguna", "--glifo", "asterisco", "--cuerpos", "todos"}, {900, 500}},
        {"an end before the start", {"--hasta", "2026-12-01", "--primer-signo", "aqu"}, {900, 500}},
        {"days under half a pixel", {"--ancho", "300", "--hasta", "2028-12-30"}, {300, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = RunCli(GraphArgs(output, c.more));
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(PngSize(output), c.size);
        std::filesystem::remove(output);
    }
    std::filesystem::remove_all(folder);
}

// Nothing is left behind: neither the file nor a part of it.
TEST(KaltoCli, GraficoReportsAFileThatCannotBeWrittenWithStatus1) {
    const std::filesystem::path folder = TemporaryFolder();
    std::filesystem::create_directory(folder / "carpeta");
    struct Case {
        std::filesystem::path output;
        const char* reason;
    };
    const Case cases[] = {
        {folder / "no-existe" / "grafico.png", "la carpeta no existe"},
        {folder / "carpeta", "el nombre es el de una carpeta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        const CliResult result = RunCli(GraphArgs(c.output, {}));
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("No se pudo"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.output.string()), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("--help"), std::string::npos) << result.err;  // not a usage error
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "carpeta"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "carpeta"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, GraficoRejectsWrongOptionsWithoutWritingAFile) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "grafico.png";
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"grafico", "--hasta", "2027-01-31", "--salida", output.string()}, "falta --desde"},
        {{"grafico", "--desde", "2027-01-01", "--salida", output.string()}, "falta --hasta"},
        {{"grafico", "--desde", "2027-01-01", "--hasta", "2027-01-31"}, "falta --salida"},
        {GraphArgs(output, {"--glifo", "rombo"}), "glifo desconocido"},
        {GraphArgs(output, {"--cuerpos", "Sol,Luna"}), "cuerpo desconocido: «Luna»"},
        {GraphArgs(output, {"--cuerpos", "Sol,,Lun"}), "cuerpo desconocido: «»"},
        {GraphArgs(output, {"--cuerpos", "Rue"}), "cuerpo desconocido"},
        {GraphArgs(output, {"--signos", "0"}), "número de signos no válido"},
        {GraphArgs(output, {"--signos", "13"}), "número de signos no válido"},
        {GraphArgs(output, {"--signos", "4.5"}), "número de signos no válido"},
        {GraphArgs(output, {"--primer-signo", "Aries"}), "signo desconocido"},
        {GraphArgs(output, {"--rejilla", "signos,horas"}), "línea de rejilla desconocida"},
        {GraphArgs(output, {"--ancho", "0"}), "ancho no válido"},
        {GraphArgs(output, {"--alto", "4097"}), "alto no válido"},
        {GraphArgs(output, {"--sin-lineas=si"}), "--sin-lineas no lleva valor"},
        {GraphArgs(output, {"--marcador", "2027-02-30"}), "no existe en el calendario"},
        {GraphArgs(output, {"--cada", "7"}), "paso no válido"},
        {GraphArgs(output, {"--tz", "13"}), "zona horaria no válida"},
        {GraphArgs(output, {"--lineas"}), "opción desconocida"},
        {GraphArgs(output, {"enero.png"}), "sobra el argumento"},
        {GraphArgs(output, {"--alto"}), "falta el valor de --alto"},
        {GraphArgs(output, {"--desde", "0000-12-31"}), "entre los años 0001 y 9999"},
        {GraphArgs(output, {"--zona", "Europe/Madird"}), "zona desconocida: «Europe/Madird»"},
        {GraphArgs(output, {"--tz", "1", "--zona", "Europe/Madrid"}), "--tz y --zona no valen juntas"},
        {GraphArgs(output, {"--zona"}), "falta el valor de --zona"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(output));
    }
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, HelpDescribesTheGraphCommand) {
    const std::string usage = "grafico --desde AAAA-MM-DD --hasta AAAA-MM-DD --salida ARCHIVO [--formato png|rtf]";
    for (const auto& args : {std::vector<std::string>{"--help"}, {"grafico", "--help"}}) {
        SCOPED_TRACE(args.size());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find(usage), std::string::npos) << result.out;
    }
}

// A sum as --formato resumen prints it: 9 significant digits.
std::string SummaryNumber(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 9);
    return std::string(buffer.data(), result.ptr);
}

// --formato resumen counts each body's rows and sums the stored values that
// the CSV prints (9 significant digits give a float back exactly), in row
// order.
TEST(KaltoCli, EphemerisSummaryCountsTheRowsAndSumsTheStoredAngles) {
    const std::vector<std::string> args = {"efemerides", "--desde", "2027-03-19", "--hasta", "2027-03-21",
                                           "--cada",     "30",      "--tz",       "2"};
    const CliResult csv = RunCli(args);
    std::vector<std::string> summaryArgs = args;
    summaryArgs.insert(summaryArgs.end(), {"--formato", "resumen"});
    const CliResult summary = RunCli(summaryArgs);
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.err, "");

    std::array<int, LastComputedBody + 1> counts{};
    std::array<std::array<double, 4>, LastComputedBody + 1> sums{};
    const auto rows = Cells(csv.out, ',');
    ASSERT_EQ(rows.size(), 1u + 11u * 144u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int body = static_cast<int>((i - 1) / 144) + 1;
        ASSERT_EQ(rows[i][0], BodyLabels[body]);
        ++counts[static_cast<std::size_t>(body)];
        for (std::size_t k = 0; k < 4; ++k) {
            float value = 0;
            const std::string& text = rows[i][k + 2];
            std::from_chars(text.data(), text.data() + text.size(), value);
            sums[static_cast<std::size_t>(body)][k] += value;
        }
    }

    const auto lines = Cells(summary.out, ',');
    ASSERT_EQ(lines.size(), 12u) << summary.out;
    EXPECT_EQ(lines[0],
              (std::vector<std::string>{"cuerpo", "filas", "longitud", "latitud", "ascension_recta", "declinacion"}));
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        SCOPED_TRACE(BodyLabels[body]);
        const auto b = static_cast<std::size_t>(body);
        const std::vector<std::string>& line = lines[b];
        ASSERT_EQ(line.size(), 6u);
        EXPECT_EQ(line[0], BodyLabels[body]);
        EXPECT_EQ(line[1], std::to_string(counts[b]));
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(line[k + 2], SummaryNumber(sums[b][k])) << k;
    }
}

TEST(KaltoCli, SummaryOfOneBody) {
    const CliResult result = RunCli(
        {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cuerpo", "Plu", "--formato=resumen"});
    EXPECT_EQ(result.status, 0);
    const auto lines = Cells(result.out, ',');
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_EQ(lines[1][0], "Plu");
    EXPECT_EQ(lines[1][1], "2");
}

// --directo sums the full series: the same rows and the same contacts.
TEST(KaltoCli, DirectoGivesTheResultsOfTheFittedSeries) {
    const std::vector<std::string> ephemeris = {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-03",
                                                "--cada",     "60",      "--formato",  "resumen"};
    std::vector<std::string> direct = ephemeris;
    direct.push_back("--directo");
    const auto fitted = Cells(RunCli(ephemeris).out, ',');
    const CliResult directResult = RunCli(direct);
    EXPECT_EQ(directResult.status, 0);
    const auto directLines = Cells(directResult.out, ',');
    ASSERT_EQ(fitted.size(), 12u);
    ASSERT_EQ(directLines.size(), fitted.size());
    for (std::size_t i = 1; i < fitted.size(); ++i) {
        SCOPED_TRACE(fitted[i][0]);
        EXPECT_EQ(directLines[i][1], fitted[i][1]);
        for (std::size_t k = 2; k < 6; ++k) {
            const double a = Number(fitted[i][k]);
            EXPECT_NEAR(Number(directLines[i][k]), a, 1e-8 * std::max(1.0, std::fabs(a)));
        }
    }

    const std::vector<std::string> contacts = {"contactos",  "--cuerpo", "Sol",       "--posicion", "0",
                                               "--angulo",   "90",       "--orbe",    "1:0",        "--desde",
                                               "2027-01-01", "--hasta",  "2027-12-31"};
    std::vector<std::string> directContacts = contacts;
    directContacts.insert(directContacts.begin() + 1, "--directo");
    const auto fittedRows = Cells(RunCli(contacts).out, ',');
    const auto directRows = Cells(RunCli(directContacts).out, ',');
    ASSERT_EQ(fittedRows.size(), 5u);
    ASSERT_EQ(directRows.size(), fittedRows.size());
    for (std::size_t i = 1; i < fittedRows.size(); ++i) {
        SCOPED_TRACE(i);
        for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(directRows[i][k], fittedRows[i][k]) << k;
        for (std::size_t k = 7; k < 10; ++k) EXPECT_NEAR(Number(directRows[i][k]), Number(fittedRows[i][k]), 1e-6);
    }
}

TEST(KaltoCli, HelpDescribesTheSummaryAndDirecto) {
    const CliResult result = RunCli({"--help"});
    EXPECT_NE(result.out.find("[--formato texto|csv|resumen] [--directo]"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("--formato resumen"), std::string::npos);
    EXPECT_NE(result.out.find("[--directo]\n"), std::string::npos);
    EXPECT_EQ(RunCli({"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--directo=si"}).status, 2);
}

// --- Documents (--formato rtf) ----------------------------------------------

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A document's text bytes (Windows-1252; our texts use ASCII and Latin-1
// letters only) as UTF-8.
std::string Utf8OfWindows1252(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            EXPECT_GE(byte, 0xA0) << "a byte of Windows-1252 beyond Latin-1";
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

// The cell texts of each table row of a document, in UTF-8.
std::vector<std::vector<std::string>> DocumentRows(const std::string& document) {
    constexpr std::string_view Texts = "\\cgrid0 ";
    constexpr std::string_view End = "}\\pard \\nowidctlpar\\widctlpar\\intbl\\adjustright {\\row}";
    std::vector<std::vector<std::string>> rows;
    for (std::size_t at = document.find(Texts); at != std::string::npos; at = document.find(Texts, at)) {
        at += Texts.size();
        const std::size_t end = document.find(End, at);
        if (end == std::string::npos) break;
        std::vector<std::string> cells;
        for (std::size_t cell = at; cell < end;) {
            const std::size_t next = document.find("\\cell ", cell);
            cells.push_back(Utf8OfWindows1252(std::string_view(document).substr(cell, next - cell)));
            cell = next + 6;
        }
        rows.push_back(cells);
        at = end;
    }
    return rows;
}

// The columns `keep` of each line.
std::vector<std::vector<std::string>> Columns(const std::vector<std::vector<std::string>>& lines,
                                              std::initializer_list<std::size_t> keep) {
    std::vector<std::vector<std::string>> kept;
    for (const auto& line : lines) {
        std::vector<std::string> cells;
        for (const std::size_t column : keep) cells.push_back(line.at(column));
        kept.push_back(cells);
    }
    return kept;
}

constexpr std::string_view DocumentStart = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss";

TEST(KaltoCli, EfemeridesRtfIsTheTableOfOneBodyWithTheChosenColumns) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::vector<std::string> run = {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-03",
                                          "--cuerpo",   "Lun",     "--tz",       "-5"};
    auto text = run;
    text.insert(text.end(), {"--formato", "texto"});
    const auto table = Cells(RunCli(text).out, '\t');
    ASSERT_EQ(table.size(), 5u);  // "# Lun", the header and three days
    const std::vector<std::vector<std::string>> tableRows(table.begin() + 1, table.end());

    struct Case {
        std::vector<std::string> columns;  // the --columnas option, if any
        std::initializer_list<std::size_t> shown;
        std::vector<std::string> headers;
    };
    const Case cases[] = {
        {{}, {0, 1, 2, 3, 4}, {"Día", "Fecha", "Val.", "Hora", "Lon."}},
        {{"--columnas", "dec,hora"}, {0, 1, 2, 3, 7}, {"Día", "Fecha", "Val.", "Hora", "Dec."}},
        {{"--columnas=lat,ar,dec,lon,hora"},
         {0, 1, 2, 3, 4, 5, 6, 7},
         {"Día", "Fecha", "Val.", "Hora", "Lon.", "Lat.", "Asc.", "Dec."}},
        {{"--columnas", "ninguna"}, {0, 1, 2}, {"Día", "Fecha", "Val."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headers.size());
        const std::filesystem::path output = folder / "luna.rtf";
        auto args = run;
        args.insert(args.end(), c.columns.begin(), c.columns.end());
        args.insert(args.end(), {"--formato", "rtf", "--salida", output.string()});
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "");
        const std::string document = ReadBytes(output);
        EXPECT_TRUE(document.starts_with(DocumentStart));
        EXPECT_TRUE(document.ends_with("\r\n}"));
        EXPECT_NE(document.find("\\qc\\plain\\f0\\fs20 Efemerides de Lun. Time Zone: -5.00."), std::string::npos);
        auto expected = Columns(tableRows, c.shown);
        expected.front() = c.headers;
        EXPECT_EQ(DocumentRows(document), expected);
        // Cell boundaries for 96 pixels per inch.
        EXPECT_NE(document.find("\\cellx618"), std::string::npos);
        EXPECT_NE(document.find("\\cellx2103"), std::string::npos);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(folder);
}

// A daily table in a named zone: every row is 00:00 on Madrid's summer clock,
// and the document's title names the zone with its offset on the first day.
TEST(KaltoCli, EphemerisDocumentAndTextInANamedZone) {
    const std::vector<std::string> run = {"efemerides", "--desde", "2027-07-01", "--hasta",      "2027-07-03",
                                          "--cuerpo",   "Sol",     "--zona",     "Europe/Madrid"};
    auto text = run;
    text.insert(text.end(), {"--formato", "texto"});
    const CliResult table = RunCli(text);
    EXPECT_EQ(table.status, 0) << table.err;
    const auto lines = Cells(table.out, '\t');
    ASSERT_EQ(lines.size(), 2u + 3u) << table.out;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i][3], "12:00 am") << i;
    }
    EXPECT_EQ(lines[4][1], "jul 03 2027, sáb");

    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "sol.rtf";
    auto document = run;
    document.insert(document.end(), {"--formato", "rtf", "--salida", output.string()});
    const CliResult result = RunCli(document);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(ReadBytes(output).find("Efemerides de Sol. Time Zone: Europe/Madrid (2.00)."), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, ContactosRtfIsTheSummaryOrTheDetailsWithTheOptionsFirst) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "contactos.rtf";
    const std::vector<std::string> search = {"contactos",  "--cuerpo", "Sol",       "--posicion", "0",
                                             "--angulo",   "90",       "--orbe",    "1:0",        "--desde",
                                             "2027-01-01", "--hasta",  "2027-12-31"};
    auto text = search;
    text.insert(text.end(), {"--formato", "texto"});
    const auto lines = Cells(RunCli(text).out, '\t');
    ASSERT_EQ(lines.size(), 9u);
    const auto run = [&](std::initializer_list<std::string> more) {
        auto args = search;
        args.insert(args.end(), more);
        args.insert(args.end(), {"--formato", "rtf", "--salida", output.string()});
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "");
        return ReadBytes(output);
    };
    // The options memo: its paragraph and one \par before each line.
    std::string memo = "\\par \\pard\\plain\\f0\\fs16";
    for (std::size_t i = 0; i < 4; ++i) memo += " \\par " + lines[i][0];

    {
        SCOPED_TRACE("summary");
        const std::string document = run({});
        EXPECT_EQ(document.find("\\fs16 \\par "), std::string::npos);  // no memo
        EXPECT_EQ(DocumentRows(document), std::vector<std::vector<std::string>>(lines.begin() + 4, lines.end()));
        EXPECT_NE(document.find("\\cellx12963"), std::string::npos);
        EXPECT_NE(document.find("\\landscape"), std::string::npos);
    }
    {
        SCOPED_TRACE("summary after the options");
        const std::string document = run({"--opciones"});
        const std::size_t at = Utf8OfWindows1252(document).find(memo);
        EXPECT_NE(at, std::string::npos) << document.substr(0, 1200);
        EXPECT_LT(at, Utf8OfWindows1252(document).find("\\trowd"));
        EXPECT_EQ(DocumentRows(document).size(), 5u);
    }
    {
        SCOPED_TRACE("details after the options");
        const std::string document = run({"--detalle", "--opciones"});
        EXPECT_NE(Utf8OfWindows1252(document).find(memo), std::string::npos);
        const auto rows = DocumentRows(document);
        ASSERT_EQ(rows.size(), 4u * 4u);
        for (std::size_t contact = 0; contact < 4; ++contact) {
            SCOPED_TRACE(contact);
            const auto& summary = lines[5 + contact];
            const std::string heading = "\\par \\pard\\plain\\f0\\fs20 " + std::to_string(contact + 1) + ". Sol con " +
                                        summary[2] + ". Contacto: " + summary[7] + ". Duración aprox.: " + summary[6];
            EXPECT_NE(Utf8OfWindows1252(document).find(heading), std::string::npos) << heading;
            const auto& header = rows[contact * 4];
            EXPECT_EQ(header, (std::vector<std::string>{"Det.", "Fecha", "Hora", "Angulo", "Pos. Zodíaco",
                                                        "Pos. Eclíptica", "Precisión"}));
            EXPECT_EQ(rows[contact * 4 + 1][0], "inicia");
            EXPECT_EQ(rows[contact * 4 + 2][0], "partil");
            EXPECT_EQ(rows[contact * 4 + 3][0], "finaliza");
            // The moments of the summary: "mar-19-2027, vie, 08:32:00 pm" is a date and a time.
            EXPECT_EQ(rows[contact * 4 + 1][1] + ", " + rows[contact * 4 + 1][2], summary[3]);
            EXPECT_EQ(rows[contact * 4 + 3][1] + ", " + rows[contact * 4 + 3][2], summary[5]);
        }
        EXPECT_EQ(document.find("\\landscape"), std::string::npos);
    }
    std::filesystem::remove_all(folder);
}

// The title names the zone the rows were computed in, a named zone with its
// offset on the first day.
TEST(KaltoCli, GraficoRtfTitleNamesTheZone) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "grafico.rtf";
    struct Case {
        std::initializer_list<std::string> more;
        const char* title;
    };
    const Case cases[] = {
        {{"--zona", "Europe/Madrid"}, "Diagrama de Efemerides. Time Zone: Europe/Madrid (1.00)."},
        {{"--zona", "Asia/Kolkata", "--desde", "2027-07-01", "--hasta", "2027-07-31"},
         "Diagrama de Efemerides. Time Zone: Asia/Kolkata (5.50)."},
        {{"--tz", "2"}, "Diagrama de Efemerides. Time Zone: 2.00."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        std::vector<std::string> args = GraphArgs(output, {"--formato", "rtf"});
        args.insert(args.end(), c.more);
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_NE(ReadBytes(output).find(c.title), std::string::npos);
        std::filesystem::remove(output);
    }
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, GraficoRtfIsTheTitleAndThePictureOfTheGraph) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "grafico.rtf";
    const CliResult result = RunCli(GraphArgs(output, {"--formato", "rtf", "--tz", "-3.5"}));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string document = ReadBytes(output);
    EXPECT_TRUE(document.starts_with(DocumentStart));
    EXPECT_NE(document.find("\\landscape"), std::string::npos);
    EXPECT_NE(document.find("\\qc\\plain\\f0\\fs20 Diagrama de Efemerides. Time Zone: -3.50.\\par "),
              std::string::npos);
    // 900 × 500 pixels at 96 pixels per inch, centred, and the metafile's
    // bytes are all that follow up to the end of the picture and the document.
    const std::string picture = "\\par \\pard\\qc\\plain\\cgrid {\\pict\\picscalex100\\picscaley100\\piccropl0"
                                "\\piccropr0\\piccropt0\\piccropb0\\picw23822\\pich13234\\picwgoal13500\\pichgoal7500"
                                "\\wmetafile8 \\bin";
    const std::size_t at = document.find(picture);
    ASSERT_NE(at, std::string::npos);
    std::size_t digits = 0;
    const std::size_t bytes = std::stoul(document.substr(at + picture.size()), &digits);
    EXPECT_GT(bytes, 900u * 500u * 3u);
    EXPECT_EQ(document.size(), at + picture.size() + digits + bytes + std::string_view("}\r\n}").size());
    EXPECT_TRUE(document.ends_with("}\r\n}"));
    // The picture is the graph of the PNG: the same options give the same size.
    const std::filesystem::path png = folder / "grafico.png";
    ASSERT_EQ(RunCli(GraphArgs(png, {})).status, 0);
    EXPECT_EQ(PngSize(png), (ImageSize{900, 500}));
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, DocumentOptionsAreCheckedBeforeAnyWork) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::string output = (folder / "documento.rtf").string();
    const std::vector<std::string> ephemeris = {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02"};
    const std::vector<std::string> contacts = {"contactos", "--cuerpo",   "Sol",     "--posicion", "0",
                                               "--desde",   "2027-01-01", "--hasta", "2027-01-31"};
    const auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
        args.insert(args.end(), more);
        return args;
    };
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {with(ephemeris, {"--cuerpo", "Sol", "--formato", "rtf"}), "falta --salida ARCHIVO.rtf"},
        {with(ephemeris, {"--formato", "rtf", "--salida", output}), "un solo cuerpo"},
        {with(ephemeris, {"--cuerpo", "todos", "--formato", "rtf", "--salida", output}), "un solo cuerpo"},
        {with(ephemeris, {"--cuerpo", "Sol", "--formato", "rtf", "--salida", output, "--columnas", "hora,az"}),
         "columna desconocida: «az»"},
        {with(ephemeris, {"--cuerpo", "Sol", "--formato", "rtf", "--salida", output, "--columnas", ""}),
         "columna desconocida: «»"},
        {with(ephemeris, {"--columnas", "hora"}), "solo valen con --formato rtf"},
        {with(ephemeris, {"--formato", "csv", "--salida", output}), "solo valen con --formato rtf"},
        {with(ephemeris, {"--formato", "pdf"}), "falta --vista todos"},
        {with(contacts, {"--formato", "rtf"}), "falta --salida ARCHIVO.rtf"},
        {with(contacts, {"--detalle"}), "solo valen con --formato rtf"},
        {with(contacts, {"--opciones", "--formato", "texto"}), "solo valen con --formato rtf"},
        {with(contacts, {"--salida", output}), "solo valen con --formato rtf"},
        {with(contacts, {"--detalle=si", "--formato", "rtf", "--salida", output}), "opción desconocida"},
        {GraphArgs(output, {"--formato", "pdf"}), "formato desconocido"},
        {{"grafico", "--desde", "2027-01-01", "--hasta", "2027-01-31", "--formato", "rtf"},
         "falta --salida ARCHIVO.rtf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

// Nothing is left behind: neither the document nor a part of it.
TEST(KaltoCli, DocumentThatCannotBeWrittenExitsWithStatus1) {
    const std::filesystem::path folder = TemporaryFolder();
    const std::filesystem::path output = folder / "no-existe" / "documento.rtf";
    const std::vector<std::vector<std::string>> commands = {
        {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-01-02", "--cuerpo", "Sol", "--formato", "rtf",
         "--salida", output.string()},
        {"contactos", "--cuerpo", "Sol", "--posicion", "0", "--desde", "2027-01-01", "--hasta", "2027-01-31",
         "--formato", "rtf", "--salida", output.string()},
        GraphArgs(output, {"--formato", "rtf"}),
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args.front());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err,
                  "kalto-cli: No se pudo crear el archivo \"" + output.string() + "\": la carpeta no existe.\n");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

TEST(KaltoCli, HelpDescribesTheDocuments) {
    const CliResult result = RunCli({"--help"});
    for (const char* text : {"[--formato rtf --salida ARCHIVO.rtf [--columnas hora,lon,lat,ar,dec]]",
                             "[--formato rtf --salida ARCHIVO.rtf [--detalle] [--opciones]]",
                             "--salida ARCHIVO [--formato png|rtf]", "--columnas hora,lon,dec"}) {
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace kalto
