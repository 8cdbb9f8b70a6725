// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user manual, an HTML page installed with the program: where it lies and
// how it opens.

#include <QString>

namespace kalto {

// The manual's index page for a program in `programDir`, or an empty string
// when none is found. The build tree mirrors the installed layout, where the
// manual lies in share/kalto/manual beside bin/; the data directories of the
// desktop (XDG_DATA_DIRS) are searched after that.
[[nodiscard]] QString UserManualPath(const QString& programDir);

// Opens the manual with the desktop's default browser. A manual that is
// missing or that no browser opens is ignored, as a help link that fails.
void OpenUserManual();

}  // namespace kalto
