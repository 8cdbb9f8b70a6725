// SPDX-License-Identifier: GPL-3.0-or-later
// kalto-cli's output files when writing cannot finish: in a folder the user
// may not write in, under a file size limit that stops the file part way (as a
// full disk does, and as `ulimit -f` sets, the signal SIGXFSZ left to its
// default action or ignored), or onto the name of a folder. The program says
// why in Spanish on standard error, naming the file, and exits with status 1;
// a file already under that name stays byte for byte, and nothing of the new
// one remains in the folder.

#include "../support/WriteFailures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kalto {
namespace {

namespace fs = std::filesystem;
using test::ChildOutcome;
using test::PreviousContent;
using test::RunProgram;
using test::EntryNames;
using test::WriteFile;
using test::WriteFailure;
using test::WriteLimits;

constexpr rlim_t SizeLimit = 4 << 10;

struct Command {
    const char* FileName;
    std::vector<std::string> Arguments;  // all but --salida
};

// Each file is several times larger than the size limit (see the last test).
const Command Commands[] = {
    {"luna.rtf",
     {"efemerides", "--desde", "2027-01-01", "--hasta", "2027-02-28", "--cada", "60", "--cuerpo", "Lun", "--columnas",
      "hora,lon,lat,ar,dec", "--formato", "rtf"}},
    {"ingresos.rtf",
     {"contactos", "--cuerpo", "Sol", "--posicion", "0", "--angulo", "30", "--desde", "2027-01-01", "--hasta",
      "2027-12-31", "--detalle", "--opciones", "--formato", "rtf"}},
    {"grafico.rtf", {"grafico", "--desde", "2027-01-01", "--hasta", "2027-01-31", "--formato", "rtf"}},
    {"grafico.png", {"grafico", "--desde", "2027-01-01", "--hasta", "2027-06-30", "--glifo", "imagen"}},
};

ChildOutcome RunCli(const WriteLimits& limits, const Command& command, const fs::path& output) {
    std::vector<std::string> line{KALTO_CLI_PATH};
    line.insert(line.end(), command.Arguments.begin(), command.Arguments.end());
    line.insert(line.end(), {"--salida", output.string()});
    return RunProgram(limits, line);
}

// The common failures, and the size limit with SIGXFSZ left to its default
// action as a shell leaves it, which the program ignores itself.
std::vector<WriteFailure> Failures() {
    std::vector<WriteFailure> failures = test::CommonWriteFailures(SizeLimit);
    failures.push_back({"a file size limit, SIGXFSZ as a shell leaves it", test::FailurePlace::SizeLimit,
                        test::UnderFileSizeLimit(SizeLimit, false),
                        "escribir el archivo \"%s\": el archivo supera el tamaño permitido."});
    return failures;
}

using KaltoCliWriteFailure = test::WriteFailureFolder;

TEST_F(KaltoCliWriteFailure, Status1AMessageNamingTheFileAndNothingLeftOrHarmed) {
    for (const WriteFailure& failure : Failures()) {
        for (const Command& command : Commands) {
            SCOPED_TRACE(std::string(command.Arguments.front()) + " " + command.FileName + " in " + failure.Name);
            const fs::path output = PrepareFailure(failure, command.FileName);
            const ChildOutcome outcome = RunCli(failure.Limits, command, output);
            EXPECT_EQ(outcome.Signal, 0);
            EXPECT_EQ(outcome.ExitCode, 1);
            EXPECT_EQ(outcome.Output, "");
            EXPECT_EQ(outcome.Errors, "kalto-cli: " + test::FailureMessage(failure, output) + "\n");
            ExpectNothingLeftOrHarmed(failure, output);
        }
    }
}

// Without the limits the same commands replace the file, so that the failures
// above come from the limits alone; every file is larger than the size limit.
TEST_F(KaltoCliWriteFailure, TheSameCommandsWriteTheirFilesWithoutTheLimits) {
    for (const Command& command : Commands) {
        SCOPED_TRACE(command.FileName);
        const fs::path output = Base / command.FileName;
        WriteFile(output, PreviousContent);
        const ChildOutcome outcome = RunCli({}, command, output);
        EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
        EXPECT_EQ(outcome.Errors, "");
        EXPECT_GT(fs::file_size(output), 4 * SizeLimit);
        fs::remove(output);
    }
    EXPECT_TRUE(EntryNames(Base).empty());
}

}  // namespace
}  // namespace kalto
