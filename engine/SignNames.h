// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The abbreviations of the zodiac signs, index 0 = Aries (0 to 30 degrees) to
// 11 = Pisces. The program shows them in two forms that differ only in the
// eleventh sign: the ephemeris table and the graph's pointer read-out write
// the Latin "Aqu", the sign lists (the contact page's signs, the graph's first
// sign) the Spanish "Acu".

#include <array>
#include <cstddef>
#include <string_view>

namespace kalto {

inline constexpr int SignCount = 12;

struct SignName {
    std::string_view Table;  // the table's and read-out's form
    std::string_view List;   // the sign lists' form
};

inline constexpr std::array<SignName, SignCount> SignNames = {{
    {"Ari", "Ari"},
    {"Tau", "Tau"},
    {"Gem", "Gem"},
    {"Can", "Can"},
    {"Leo", "Leo"},
    {"Vir", "Vir"},
    {"Lib", "Lib"},
    {"Esc", "Esc"},
    {"Sag", "Sag"},
    {"Cap", "Cap"},
    {"Aqu", "Acu"},
    {"Pis", "Pis"},
}};

// One form of every sign, in order.
template <std::string_view SignName::*Form>
[[nodiscard]] constexpr std::array<std::string_view, SignCount> SignForms() noexcept {
    std::array<std::string_view, SignCount> forms{};
    for (std::size_t i = 0; i < forms.size(); ++i) forms[i] = SignNames[i].*Form;
    return forms;
}

// The table's form: "Aqu".
inline constexpr std::array<std::string_view, SignCount> SignAbbreviations = SignForms<&SignName::Table>();
// The lists' form: "Acu".
inline constexpr std::array<std::string_view, SignCount> SignListItems = SignForms<&SignName::List>();

}  // namespace kalto
