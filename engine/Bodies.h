// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body numbering that the whole program uses: the position table and every
// per-body list are indexed by it.

#include <array>
#include <string_view>

namespace kalto {

enum Body : int {
    Sol = 1,  // Sun
    Lun,      // Moon
    Mer,
    Ven,
    Mar,
    Jup,
    Sat,
    Ura,
    Nep,
    Plu,  // Pluto
    Nod,  // mean ascending lunar node
    Rue,  // a twelfth slot that nothing computes
};

inline constexpr int FirstBody = Sol;
inline constexpr int LastComputedBody = Nod;
inline constexpr int ComputedBodyCount = LastComputedBody;

// Captions of the bodies, indexed by body number (index 0 unused).
inline constexpr std::array<std::string_view, 13> BodyLabels = {
    "", "Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod", "Rue",
};

}  // namespace kalto
