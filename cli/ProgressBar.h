// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A progress bar drawn in place on a terminal: "[#####-----]  50 %".

#include <cstdint>
#include <ostream>

namespace kalto::cli {

// True when `stream` is the standard error and that is a terminal: a bar
// written anywhere else would only fill a file with carriage returns.
[[nodiscard]] bool IsTerminalStandardError(const std::ostream& stream);

class ProgressBar {
public:
    ProgressBar(std::ostream& out, std::int64_t total) : Out(out), Total(total) {}

    // Redraws the bar for `done` of the total.
    void Show(std::int64_t done);
    // Erases the bar, leaving the cursor at the start of the empty line.
    void Clear();

private:
    std::ostream& Out;
    std::int64_t Total;
};

}  // namespace kalto::cli
