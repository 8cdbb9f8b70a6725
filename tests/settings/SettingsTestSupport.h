// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings tests share: a fresh folder removed with its contents when
// the test ends, and file helpers.

#include "Settings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kalto::test {

// Every field away from its default, and each colour slot distinct, so that a
// key read into the wrong field or not read at all shows.
[[nodiscard]] KaltoSettings ChangedSettings();

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

void WriteText(const std::filesystem::path& file, const std::string& text);
[[nodiscard]] std::string ReadText(const std::filesystem::path& file);
// The names of the entries of `folder`, sorted.
[[nodiscard]] std::vector<std::string> EntryNames(const std::filesystem::path& folder);

}  // namespace kalto::test
