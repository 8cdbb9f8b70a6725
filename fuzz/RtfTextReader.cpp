// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTextReader.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kalto::fuzz {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F (the Unicode Consortium's CP1252.TXT); 0 where
// the code page has no character.
constexpr std::array<char32_t, 32> HighControlCharacters = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromWindows1252(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t c = HighControlCharacters[byte - 0x80];
    return c == 0 ? U'\uFFFD' : c;
}

// A control word: its letters, its parameter if any, and where it ends (after
// the space that delimits it).
struct ControlWord {
    std::string_view Name;
    std::optional<long> Parameter;
    std::size_t End;
};

ControlWord ReadControlWord(std::string_view rtf, std::size_t at) {  // `at` is past the backslash
    std::size_t i = at;
    while (i < rtf.size() && IsLetter(rtf[i])) ++i;
    ControlWord word{rtf.substr(at, i - at), std::nullopt, i};
    const std::size_t numberStart = i;
    if (i < rtf.size() && rtf[i] == '-') ++i;
    const std::size_t digitsStart = i;
    long value = 0;
    while (i < rtf.size() && IsDigit(rtf[i]) && i - digitsStart < 10) value = value * 10 + (rtf[i++] - '0');
    if (i > digitsStart) {
        word.Parameter = rtf[numberStart] == '-' ? -value : value;
    } else {
        i = numberStart;
    }
    if (i < rtf.size() && rtf[i] == ' ') ++i;
    word.End = i;
    return word;
}

// Builds paragraphs of UTF-8 text from characters and UTF-16 code units.
class TextBuilder {
public:
    void Character(char32_t c) {
        FlushSurrogate();
        AppendUtf8(Paragraphs.back(), c);
    }
    void CodeUnit(std::uint16_t unit) {
        if (unit >= 0xD800 && unit < 0xDC00) {
            FlushSurrogate();
            HighSurrogate = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000 && HighSurrogate) {
            const char32_t c = 0x10000 + ((*HighSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            HighSurrogate.reset();
            AppendUtf8(Paragraphs.back(), c);
        } else {
            Character(unit >= 0xD800 && unit < 0xE000 ? U'\uFFFD' : unit);
        }
    }
    void Paragraph() {
        FlushSurrogate();
        Paragraphs.emplace_back();
    }
    std::vector<std::string> Take() {
        FlushSurrogate();
        return std::move(Paragraphs);
    }

private:
    // A high surrogate without its low one reads as U+FFFD.
    void FlushSurrogate() {
        if (HighSurrogate) AppendUtf8(Paragraphs.back(), U'\uFFFD');
        HighSurrogate.reset();
    }
    std::vector<std::string> Paragraphs{std::string()};
    std::optional<std::uint16_t> HighSurrogate;
};

}  // namespace

bool BracesBalanced(std::string_view rtf) {
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            if (i + 1 < rtf.size() && rtf[i + 1] == '\'') {
                i += 3;  // \'hh
            } else if (i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
                i = ReadControlWord(rtf, i + 1).End - 1;
            } else {
                ++i;  // a control symbol: \{, \} or \\, for instance
            }
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0) return false;
        }
    }
    return depth == 0;
}

std::vector<std::string> RtfParagraphs(std::string_view rtf) {
    TextBuilder text;
    // Per open group, whether it is a destination that holds no text.
    std::vector<bool> skipped{false};
    bool groupStart = false;  // the last thing read opened a group
    int fallbackToSkip = 0;   // characters after \uN still to skip
    const auto textChar = [&](char32_t c) {
        if (skipped.back()) return;
        if (fallbackToSkip > 0) {
            --fallbackToSkip;
            return;
        }
        text.Character(c);
    };
    for (std::size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        const bool opened = groupStart;
        groupStart = false;
        if (c == '{') {
            skipped.push_back(skipped.back());
            groupStart = true;
            ++i;
        } else if (c == '}') {
            if (skipped.size() > 1) skipped.pop_back();
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;  // line ends in the file are not text
        } else if (c != '\\') {
            textChar(FromWindows1252(static_cast<unsigned char>(c)));
            ++i;
        } else if (i + 1 >= rtf.size()) {
            ++i;
        } else if (rtf[i + 1] == '\'') {
            const int high = i + 2 < rtf.size() ? HexValue(rtf[i + 2]) : -1;
            const int low = i + 3 < rtf.size() ? HexValue(rtf[i + 3]) : -1;
            textChar(high < 0 || low < 0 ? U'\uFFFD' : FromWindows1252(static_cast<unsigned char>(high * 16 + low)));
            i += 4;
        } else if (!IsLetter(rtf[i + 1])) {
            if (rtf[i + 1] == '*' && opened) skipped.back() = true;
            if (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}')
                textChar(static_cast<unsigned char>(rtf[i + 1]));
            i += 2;
        } else {
            const ControlWord word = ReadControlWord(rtf, i + 1);
            i = word.End;
            if (opened && (word.Name == "fonttbl" || word.Name == "colortbl")) {
                skipped.back() = true;
            } else if (skipped.back()) {
                continue;
            } else if (word.Name == "par") {
                fallbackToSkip = 0;
                text.Paragraph();
            } else if (word.Name == "tab") {
                textChar(U'\t');
            } else if (word.Name == "line") {
                textChar(U'\n');
            } else if (word.Name == "u" && word.Parameter) {
                text.CodeUnit(static_cast<std::uint16_t>(*word.Parameter));
                fallbackToSkip = 1;
            }
        }
    }
    return text.Take();
}

std::string TextAsWritten(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        // The sequence's length and the range of its second byte (Unicode,
        // Table 3-7, well-formed UTF-8 byte sequences).
        std::size_t length = 1;
        unsigned char secondLow = 0x80;
        unsigned char secondHigh = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead == 0xE0) {
            length = 3;
            secondLow = 0xA0;
        } else if ((lead >= 0xE1 && lead <= 0xEC) || lead == 0xEE || lead == 0xEF) {
            length = 3;
        } else if (lead == 0xED) {
            length = 3;
            secondHigh = 0x9F;
        } else if (lead == 0xF0) {
            length = 4;
            secondLow = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            length = 4;
        } else if (lead == 0xF4) {
            length = 4;
            secondHigh = 0x8F;
        } else {
            out += '?';
            ++i;
            continue;
        }
        std::size_t good = 1;  // bytes of the maximal subpart read so far
        while (good < length && i + good < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + good]);
            const unsigned char low = good == 1 ? secondLow : 0x80;
            const unsigned char high = good == 1 ? secondHigh : 0xBF;
            if (next < low || next > high) break;
            ++good;
        }
        if (good < length) {
            out += '?';
            i += good;
            continue;
        }
        const std::string_view sequence = utf8.substr(i, length);
        i += length;
        if (length > 1) {
            // A C1 control is U+0080..U+009F, two bytes C2 80..C2 9F.
            const bool c1 = lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
            out += c1 ? std::string("?") : std::string(sequence);
        } else if (lead == '\r') {
            out += '\n';
            if (i < utf8.size() && utf8[i] == '\n') ++i;
        } else if (lead == '\n' || lead == '\t') {
            out += static_cast<char>(lead);
        } else {
            out += lead < 0x20 || lead == 0x7F ? '?' : static_cast<char>(lead);
        }
    }
    return out;
}

}  // namespace kalto::fuzz
