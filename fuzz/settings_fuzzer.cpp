// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader: any bytes as kalto.ini read without a crash into
// settings that keep what the reader promises: a finite time zone, and values
// that the writer stores and the reader then gives back unchanged, so nothing
// read is lost or changed at the next start. The controls hold each value to
// their own range when the window applies them.

#include "FuzzCheck.h"
#include "Settings.h"

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using kalto::fuzz::Check;

// A folder of this process's own under the temporary folder ($TMPDIR, where
// a memory file system such as /dev/shm makes the runs faster), removed when
// the process ends normally (a crash leaves it for inspection).
class SettingsFolder {
public:
    SettingsFolder()
        : Path(std::filesystem::temp_directory_path() / ("kalto-settings-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(Path);
    }
    ~SettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    const std::filesystem::path Path;
};

void WriteFile(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(out.good(), "the input file is written");
}

// Equal but for the time zone, which the writer keeps to 15 significant digits.
bool SameSettings(kalto::KaltoSettings a, kalto::KaltoSettings b) {
    const bool zonesClose = std::fabs(a.TimeZone - b.TimeZone) <= 1e-14 * std::fabs(a.TimeZone);
    a.TimeZone = b.TimeZone = 0;
    return zonesClose && a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SettingsFolder folder;
    const std::filesystem::path file = folder.Path / "kalto.ini";
    WriteFile(file, data, size);

    const kalto::KaltoSettings defaults;
    const kalto::KaltoSettings loaded = kalto::LoadSettings(file, defaults);
    Check(std::isfinite(loaded.TimeZone), "the time zone is finite");

    // Either decimal separator, as the locale gives it.
    const char separator = size % 2 == 0 ? '.' : ',';
    const auto failure = kalto::SaveSettings(file, loaded, separator);
    Check(!failure.has_value(), "the settings are written back into the file");
    Check(SameSettings(kalto::LoadSettings(file, defaults), loaded), "the settings written read back the same");
    return 0;
}
