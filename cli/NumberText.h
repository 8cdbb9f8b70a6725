// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers printed with a point and a fixed count of decimals, whatever the locale.

#include <array>
#include <charconv>
#include <string>

namespace kalto::cli {

[[nodiscard]] inline std::string Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace kalto::cli
