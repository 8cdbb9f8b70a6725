// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing made to fail as it fails for a user (ChildProcess.h): the folder
// each failure is set up in, and what must hold after it. A writer that fails
// says so in Spanish naming the file; the file already under that name stays
// byte for byte as it was, and nothing of the new one remains in the folder.
// Shared by the tests of the file replacement, of the documents and of the
// command line's output files.

#include "ChildProcess.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kalto::test {

// Bytes that no writer produces, a zero byte and line ends among them.
inline const std::string PreviousContent("{\\rtf1 previous}\0\r\n\xff", 21);

enum class FailurePlace { ReadOnlyFolder, SizeLimit, FolderName };

struct WriteFailure {
    const char* Name;
    FailurePlace Where;
    WriteLimits Limits;
    const char* Message;  // after "No se pudo ", "%s" standing for the file
};

// A folder without write permission, a file size limit of `sizeLimit` bytes
// with SIGXFSZ ignored, and a folder under the file's name.
[[nodiscard]] inline std::vector<WriteFailure> CommonWriteFailures(rlim_t sizeLimit) {
    return {
        {"a folder without write permission", FailurePlace::ReadOnlyFolder, AsOrdinaryUser(),
         "crear el archivo \"%s\": permiso denegado."},
        {"a file size limit, SIGXFSZ ignored", FailurePlace::SizeLimit, UnderFileSizeLimit(sizeLimit),
         "escribir el archivo \"%s\": el archivo supera el tamaño permitido."},
        {"a folder of that name",
         FailurePlace::FolderName,
         {},
         "crear el archivo \"%s\": el nombre es el de una carpeta."},
    };
}

// "No se pudo …" naming `target`.
[[nodiscard]] inline std::string FailureMessage(const WriteFailure& failure, const std::filesystem::path& target) {
    std::string text = std::string("No se pudo ") + failure.Message;
    text.replace(text.find("%s"), 2, target.string());
    return text;
}

// A writer of a file: the message it ends with, empty when it saved.
struct NamedWriter {
    const char* Name;
    std::function<std::string(const std::filesystem::path& target)> Write;
};

// A fresh folder, reachable by the unprivileged user a child may become, in
// which each failure gets its own folder "carpeta".
class WriteFailureFolder : public ::testing::Test {
protected:
    // "carpeta" holding the previous content as `fileName`, or a folder of
    // that name holding it, read-only where the failure wants it: the target.
    [[nodiscard]] std::filesystem::path PrepareFailure(const WriteFailure& failure, const std::string& fileName) const {
        const std::filesystem::path folder = Base / "carpeta";
        std::filesystem::create_directory(folder);
        const std::filesystem::path target = folder / fileName;
        if (failure.Where == FailurePlace::FolderName) {
            std::filesystem::create_directory(target);
            WriteFile(target / "dentro.rtf", PreviousContent);
        } else {
            WriteFile(target, PreviousContent);
        }
        if (failure.Where == FailurePlace::ReadOnlyFolder) {
            std::filesystem::permissions(folder, std::filesystem::perms(0555));
        }
        return target;
    }

    // Nothing but the target in its folder and the previous content where it
    // was; then the folder goes.
    void ExpectNothingLeftOrHarmed(const WriteFailure& failure, const std::filesystem::path& target) const {
        const std::filesystem::path folder = target.parent_path();
        EXPECT_EQ(EntryNames(folder), std::vector<std::string>{target.filename()});
        if (failure.Where == FailurePlace::FolderName) {
            EXPECT_EQ(EntryNames(target), std::vector<std::string>{"dentro.rtf"});
            EXPECT_EQ(ReadFile(target / "dentro.rtf"), PreviousContent);
        } else {
            EXPECT_EQ(ReadFile(target), PreviousContent);
        }
        std::filesystem::permissions(folder, std::filesystem::perms(0755));
        std::filesystem::remove_all(folder);
    }

    // Each writer in each of CommonWriteFailures(sizeLimit), run in a child
    // that reports the message on its standard error and exits with 1 if the
    // writer said that it saved.
    void ExpectEveryFailureReported(std::span<const NamedWriter> writers, rlim_t sizeLimit) const {
        for (const WriteFailure& failure : CommonWriteFailures(sizeLimit)) {
            for (const NamedWriter& writer : writers) {
                SCOPED_TRACE(std::string(writer.Name) + " in " + failure.Name);
                const std::filesystem::path target = PrepareFailure(failure, "documento.rtf");
                const ChildOutcome outcome = RunInChild(failure.Limits, [&] {
                    const std::string message = writer.Write(target);
                    std::fputs((message + "\n").c_str(), stderr);
                    return message.empty() ? 1 : 0;
                });
                EXPECT_EQ(outcome.Signal, 0);
                EXPECT_EQ(outcome.ExitCode, 0) << outcome.Errors;
                EXPECT_EQ(outcome.Errors, FailureMessage(failure, target) + "\n");
                ExpectNothingLeftOrHarmed(failure, target);
            }
        }
    }

    // Without the limits each writer replaces the previous content of
    // "documento.rtf" and leaves nothing else beside it; `check` looks at
    // the new file.
    void ExpectEveryWriterSaves(std::span<const NamedWriter> writers,
                                const std::function<void(const std::filesystem::path&)>& check) const {
        for (const NamedWriter& writer : writers) {
            SCOPED_TRACE(writer.Name);
            const std::filesystem::path target = Base / "documento.rtf";
            WriteFile(target, PreviousContent);
            EXPECT_EQ(writer.Write(target), "");
            check(target);
            EXPECT_EQ(EntryNames(Base), std::vector<std::string>{"documento.rtf"});
        }
    }

    const TemporaryFolder Folder{"kalto-write-failure"};
    const std::filesystem::path Base = Folder.Path();
};

}  // namespace kalto::test
