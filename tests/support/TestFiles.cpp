// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace kalto::test {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder(std::string_view prefix) {
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed for " + pattern);
    Location = pattern;
    fs::permissions(Location, fs::perms(0755));
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    fs::permissions(Location, fs::perms::owner_all, fs::perm_options::add, error);
    for (auto entry = fs::recursive_directory_iterator(Location, error); !error && entry != fs::end(entry);
         entry.increment(error)) {
        if (entry->is_directory(error) && !entry->is_symlink(error))
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, error);
        error.clear();
    }
    fs::remove_all(Location, error);
}

std::string ReadFile(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

void WriteFile(const fs::path& file, std::string_view content) {
    std::ofstream stream(file, std::ios::binary);
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

std::vector<std::string> EntryNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kalto::test
