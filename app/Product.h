// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product's name and version, as the window title and the about box show them.

namespace kalto {

inline constexpr const char* ProductName = "Kalto";
inline constexpr const char* ProductVersion = "3.00";

}  // namespace kalto
