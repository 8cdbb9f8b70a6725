// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings file lives, and the decimal separator its time zone is
// written with.

#include <QString>

#include <filesystem>

class QLocale;

namespace kalto {

inline constexpr const char* SettingsFileName = "kalto.ini";

// The settings file: kalto.ini in `programDirectory` (the folder of the program
// file, taken as it is) when that folder can be written and does not lie under
// /usr; otherwise, as for a program installed under /usr (even when root runs
// it), in the user's configuration folder
// (QStandardPaths::AppConfigLocation), created here when missing. The program
// reads the file at this path and writes it back to the same path.
[[nodiscard]] std::filesystem::path SettingsFilePath(const QString& programDirectory);

// The decimal separator of `locale` as a single character, '.' for a locale
// whose separator is not ASCII (the file is read with either '.' or ',').
[[nodiscard]] char DecimalSeparatorOf(const QLocale& locale);

}  // namespace kalto
