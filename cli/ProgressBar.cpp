// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressBar.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <unistd.h>

namespace kalto::cli {

namespace {

constexpr std::string_view Caption = "Calculando efemérides ";
constexpr int BarWidth = 40;
// Carriage return, then the terminal's "erase to the end of the line".
constexpr std::string_view EraseLine = "\r\033[K";

}  // namespace

bool IsTerminalStandardError(const std::ostream& stream) {
    return &stream == &std::cerr && isatty(STDERR_FILENO) == 1;
}

void ProgressBar::Show(std::int64_t done) {
    const std::int64_t shown = std::clamp<std::int64_t>(done, 0, Total);
    const auto filled = static_cast<int>(Total > 0 ? shown * BarWidth / Total : BarWidth);
    const auto percent = Total > 0 ? shown * 100 / Total : 100;
    std::string percentText = std::to_string(percent);
    percentText.insert(0, 3 - std::min<std::size_t>(percentText.size(), 3), ' ');
    Out << '\r' << Caption << '[' << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(BarWidth - filled), '-') << "] " << percentText << " %" << std::flush;
}

void ProgressBar::Clear() {
    Out << EraseLine << std::flush;
}

}  // namespace kalto::cli
