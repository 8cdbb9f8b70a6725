// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kalto::test {

KaltoSettings ChangedSettings() {
    KaltoSettings settings;
    settings.PositionDegrees = 123;
    settings.PositionMinutes = 45;
    settings.PositionSeconds = 36;
    settings.Coordinates = 1;
    settings.Sign = 11;
    settings.ContactBody = 10;
    settings.Angle = 120;
    settings.AngleType = 1;
    settings.OrbDegrees = 4;
    settings.OrbMinutes = 15;
    settings.TimeZone = -5.75;
    settings.DayMarker = false;
    settings.SignLines = false;
    settings.DecanLines = false;
    settings.MonthLines = false;
    settings.DayLines = true;
    settings.AutoSearch = true;
    for (int slot = 1; slot <= GraphColorSlotCount; ++slot) settings.Colors[slot] = RgbColor(slot, 2 * slot, 3 * slot);
    return settings;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalto-settings-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    // A test may have left a folder read-only.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
        if (entry.is_directory(error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
    }
    std::filesystem::remove_all(path_, error);
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream stream(file, std::ios::binary);
    stream << text;
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

std::vector<std::string> EntryNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kalto::test
