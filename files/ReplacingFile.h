// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file whole or not at all, the program's one way of saving a
// file: the new content goes to a hidden temporary file beside the target,
// reaches the disk, and is renamed over the target, which readers see change
// in one step. A failure or a crash never leaves a partial file under the
// target's name nor harms the file already there. A symbolic link stays a link
// and the file it names is the one replaced; a replaced file keeps its
// permissions, and a new one gets those of any new file (0666 less the umask).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalto {

// The content written progressively, as a document of hundreds of megabytes
// is, and committed at the end; removed unless committed.
class ReplacingFile {
public:
    // Creates the temporary file; on failure Failed() is true and
    // ErrorMessage() says why. A target that is a folder fails here, before
    // anything is written for nothing.
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
    // In Spanish, naming the target as given: "No se pudo escribir el archivo "…": …".
    [[nodiscard]] const std::string& ErrorMessage() const noexcept { return Error; }

private:
    void Fail(std::string_view action, int error);
    void Discard() noexcept;

    std::filesystem::path Target;    // as the caller named it
    std::filesystem::path Replaced;  // the target, or the file its symbolic links name
    std::filesystem::path Temporary;
    int Descriptor = -1;
    bool Committed = false;
    std::string Error;
};

// Replaces `target` with `content` in one go, as ReplacingFile does: nothing
// on success, otherwise its message.
[[nodiscard]] std::optional<std::string> ReplaceFile(const std::filesystem::path& target, std::string_view content);

}  // namespace kalto
