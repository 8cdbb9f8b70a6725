// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for the tests: a fresh folder removed with everything in it when the
// test ends, even where a test took its permissions away, and whole files read
// and written as bytes.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalto::test {

// A new folder under the system's temporary folder, named `prefix`-XXXXXX. It
// is open to every user (0755), so that a child that became an ordinary user
// reaches it; the destructor gives the owner back the rights a test took away
// from any folder inside and removes it all.
class TemporaryFolder {
public:
    explicit TemporaryFolder(std::string_view prefix = "kalto-test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const noexcept { return Location; }

private:
    std::filesystem::path Location;
};

// The file's bytes; empty when it cannot be read.
[[nodiscard]] std::string ReadFile(const std::filesystem::path& file);
// Writes `content` as the whole file; throws when it cannot.
void WriteFile(const std::filesystem::path& file, std::string_view content);
// The names of the entries of `folder`, sorted.
[[nodiscard]] std::vector<std::string> EntryNames(const std::filesystem::path& folder);

}  // namespace kalto::test
