// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the ephemeris graph: the six slots the user can change, and
// the fixed colour of each body's series.

#include "Bodies.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kalto {

// A colour as the settings file stores it: red in the lowest byte, then green,
// then blue (0x00BBGGRR).
using TColor = std::uint32_t;

[[nodiscard]] constexpr int RedOf(TColor color) noexcept {
    return static_cast<int>(color & 0xFF);
}
[[nodiscard]] constexpr int GreenOf(TColor color) noexcept {
    return static_cast<int>((color >> 8) & 0xFF);
}
[[nodiscard]] constexpr int BlueOf(TColor color) noexcept {
    return static_cast<int>((color >> 16) & 0xFF);
}
[[nodiscard]] constexpr TColor RgbColor(int red, int green, int blue) noexcept {
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

// The colour slots, numbered as the page's colour items.
enum GraphColorSlot : int {
    DayColor = 1,  // the day marker
    SignColor,     // the frame and the sign lines
    DecanColor,    // the decan lines
    MonthColor,    // the month lines
    DaysColor,     // the day lines
    BackColor,     // the background
};
inline constexpr int GraphColorSlotCount = 6;

// Captions of the slot buttons, indexed by slot (index 0 unused).
inline constexpr std::array<std::string_view, GraphColorSlotCount + 1> GraphColorCaptions = {
    "", "Día", "Signo", "Deca.", "Mes", "Dias", "Fondo"};

// The six slots, indexed 1..6 by GraphColorSlot. A default-constructed set
// holds the defaults, which the reset button restores.
struct GraphColors {
    std::array<TColor, GraphColorSlotCount + 1> Slots = {
        0,
        0x000000FF,  // DayColor: red
        0x00E8C1A2,  // SignColor: light blue (162, 193, 232)
        0x00D9D9D9,  // DecanColor: light grey
        0x00FFC2DB,  // MonthColor: lilac (219, 194, 255)
        0x00FFE5BF,  // DaysColor: pale blue (191, 229, 255)
        0x00FFFFFF,  // BackColor: white
    };

    [[nodiscard]] TColor& operator[](int slot) noexcept { return Slots[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] TColor operator[](int slot) const noexcept { return Slots[static_cast<std::size_t>(slot)]; }
    bool operator==(const GraphColors&) const = default;
};

// The colour of each body's series (the font colour of its check box),
// indexed by body number; the hidden twelfth box is aqua.
inline constexpr std::array<TColor, Rue + 1> BodyColors = {
    0,
    0x000080FF,  // Sol: orange
    0x00FF0000,  // Lun: blue
    0x00800080,  // Mer: purple
    0x00FF00FF,  // Ven: fuchsia
    0x000000FF,  // Mar: red
    0x0000FF00,  // Jup: lime
    0x00000080,  // Sat: maroon
    0x00808000,  // Ura: teal
    0x00800000,  // Nep: navy
    0x00008000,  // Plu: green
    0x00008080,  // Nod: olive
    0x00FFFF00,  // Rue: aqua
};

}  // namespace kalto
