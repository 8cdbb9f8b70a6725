// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file written under a temporary name beside its target and renamed over the
// target only once complete: a failure never leaves a partial file behind nor
// harms a file that already has the target's name.

#include <filesystem>
#include <string>
#include <string_view>

namespace kalto {

class ReplacingFile {
public:
    // Creates the temporary file in the target's folder; on failure Failed()
    // is true and ErrorMessage() says why.
    explicit ReplacingFile(std::filesystem::path target);
    // Removes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Appends the bytes; false once anything has failed.
    bool Write(std::string_view bytes);
    // Writes the file through to the disk and renames it over the target;
    // false (and the temporary file removed) on failure.
    bool Commit();

    [[nodiscard]] bool Failed() const noexcept { return !Error.empty(); }
    // In Spanish, naming the target: "No se pudo escribir el archivo "…": …".
    [[nodiscard]] const std::string& ErrorMessage() const noexcept { return Error; }
    [[nodiscard]] const std::filesystem::path& TemporaryPath() const noexcept { return Temporary; }

private:
    void Fail(std::string_view action, int error);
    void Discard() noexcept;

    std::filesystem::path Target;
    std::filesystem::path Temporary;
    int Descriptor = -1;
    bool Committed = false;
    std::string Error;
};

}  // namespace kalto
