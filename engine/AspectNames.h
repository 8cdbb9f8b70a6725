// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the major aspects, as the program's lists write them.

#include <string_view>

namespace kalto {

// "conjunción", "sextil", "cuadratura", "trígono", "oposición" for 0, 60, 90,
// 120 and 180 degrees; empty for any other angle.
[[nodiscard]] constexpr std::string_view AspectName(int degrees) noexcept {
    switch (degrees) {
        case 0: return "conjunción";
        case 60: return "sextil";
        case 90: return "cuadratura";
        case 120: return "trígono";
        case 180: return "oposición";
        default: return "";
    }
}

}  // namespace kalto
