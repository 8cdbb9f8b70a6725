#include "EphemerisStep.h"
#include "TimeScales.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

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
CliResult RunCli(std::initializer_list<std::string> args, const std::string& input = "") {
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

// The lines of a text, each split at single blanks.
std::vector<std::vector<std::string>> Fields(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t blank; (blank = line.find(' ', start)) != std::string::npos; start = blank + 1) {
            fields.push_back(line.substr(start, blank - start));
        }
        fields.push_back(line.substr(start));
        lines.push_back(fields);
    }
    return lines;
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
        {{"jde", "2024-01-01 10:00", "--zona", "3"}, "opción desconocida"},
        {{"jde", "2024-01-01 10:00", "2024-01-02 10:00"}, "sobra el argumento"},
        {{"jde"}, "falta la fecha"},
        {{"efemerides"}, "orden desconocida"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
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
        const RecPlaneta p = ComputeAllBodies(engine, jde)[body];
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

}  // namespace
}  // namespace kalto
