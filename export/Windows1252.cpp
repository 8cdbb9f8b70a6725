// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kalto {
namespace {

struct CodePageEntry {
    char32_t Character;
    unsigned char Byte;
};

// The characters that Windows-1252 puts at 0x80..0x9F, where ISO 8859-1 has
// control codes (the Unicode Consortium's mapping table CP1252.TXT).
constexpr std::array<CodePageEntry, 27> HighControlRange{{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91},
    {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98},
    {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

struct DecodedCharacter {
    char32_t Character;
    std::size_t Length;  // bytes consumed, at least 1
    bool Valid;
};

// Decodes the UTF-8 sequence at `at`. A malformed sequence is consumed up to
// the first byte that cannot continue it (its "maximal subpart", Unicode 15,
// section 3.9), so one bad byte never swallows the good characters after it.
// Overlong forms, surrogates and values beyond U+10FFFF are malformed.
DecodedCharacter DecodeUtf8(std::string_view text, std::size_t at) noexcept {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};

    std::size_t length = 0;
    char32_t character = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        character = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        character = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
        if (lead == 0xED) high = 0x9F;  // surrogates U+D800..U+DFFF
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;   // overlong below U+10000
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return {0, 1, false};
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size()) return {0, i, false};
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next < low || next > high) return {0, i, false};
        low = 0x80;
        high = 0xBF;
        character = (character << 6) | (next & 0x3Fu);
    }
    return {character, length, true};
}

void AppendUnicodeEscape(std::string& out, std::uint16_t codeUnit) {
    // RTF reads the parameter of \u as a signed 16-bit number.
    const int signedUnit = codeUnit > 0x7FFF ? static_cast<int>(codeUnit) - 0x10000 : codeUnit;
    out += "\\u";
    out += std::to_string(signedUnit);
    out += '?';
}

bool IsControl(char32_t character) noexcept {
    return character < 0x20 || (character >= 0x7F && character < 0xA0);
}

void AppendCharacter(std::string& out, char32_t character) {
    switch (character) {
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += static_cast<char>(character);
            return;
        case '\t': out += "\\tab "; return;
        case '\n':
        case '\r': out += "\\line "; return;
        default: break;
    }
    if (IsControl(character)) {
        out += '?';
    } else if (const auto byte = Windows1252Byte(character)) {
        out += static_cast<char>(*byte);
    } else if (character <= 0xFFFF) {
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(character));
    } else {
        const char32_t offset = character - 0x10000;
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
    }
}

bool IsPlainAscii(unsigned char byte) noexcept {
    return byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '{' && byte != '}';
}

}  // namespace

std::optional<unsigned char> Windows1252Byte(char32_t character) noexcept {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (const CodePageEntry& entry : HighControlRange) {
        if (entry.Character == character) return entry.Byte;
    }
    return std::nullopt;
}

void AppendRtfText(std::string& out, std::string_view utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (IsPlainAscii(byte)) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        const DecodedCharacter decoded = DecodeUtf8(utf8, at);
        at += decoded.Length;
        if (!decoded.Valid) {
            out += '?';
            continue;
        }
        AppendCharacter(out, decoded.Character);
        // CR LF is one line break.
        if (decoded.Character == '\r' && at < utf8.size() && utf8[at] == '\n') ++at;
    }
}

std::string RtfText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendRtfText(out, utf8);
    return out;
}

}  // namespace kalto
