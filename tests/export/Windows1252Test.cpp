// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace kalto {
namespace {

struct ByteCase {
    char32_t Character;
    std::optional<unsigned char> Byte;
};

// From the Unicode Consortium's mapping table CP1252.TXT.
TEST(Windows1252ByteTest, MapsTheCodePageAndNothingElse) {
    const ByteCase cases[] = {
        {U'A', 0x41},
        {U'~', 0x7E},
        {U'\u00A0', 0xA0},
        {U'°', 0xB0},
        {U'º', 0xBA},
        {U'í', 0xED},
        {U'ÿ', 0xFF},
        {U'€', 0x80},
        {U'‚', 0x82},
        {U'…', 0x85},
        {U'Š', 0x8A},
        {U'Ž', 0x8E},
        {U'‘', 0x91},
        {U'”', 0x94},
        {U'–', 0x96},
        {U'—', 0x97},
        {U'™', 0x99},
        {U'ž', 0x9E},
        {U'Ÿ', 0x9F},
        {U'\u0081', std::nullopt},
        {U'\u008D', std::nullopt},
        {U'\u0100', std::nullopt},
        {U'♈', std::nullopt},
        {U'\U0001F600', std::nullopt},
    };
    for (const ByteCase& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.Character));
        EXPECT_EQ(Windows1252Byte(c.Character), c.Byte);
    }
}

// Every byte of the code page except the five unassigned ones stands for
// exactly one character.
TEST(Windows1252ByteTest, IsOneToOne) {
    int seen[256] = {};
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (const auto byte = Windows1252Byte(c)) ++seen[*byte];
    }
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const bool unassigned = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(seen[byte], unassigned ? 0 : 1);
    }
}

struct TextCase {
    std::string_view Name;
    std::string_view Utf8;
    std::string_view Rtf;
};

TEST(RtfTextTest, WritesCodePageBytesAndEscapesTheRest) {
    const TextCase cases[] = {
        {"plain", "Efemerides de Sol", "Efemerides de Sol"},
        {"degree sign as one raw byte", "12°30'",
         "12\xB0"
         "30'"},
        {"accents", "Día Precisión",
         "D\xED"
         "a Precisi\xF3n"},
        {"euro in 0x80..0x9F", "5 €", "5 \x80"},
        {"backslash", R"(C:\datos)", R"(C:\\datos)"},
        {"braces", "{x}", R"(\{x\})"},
        {"a control word cannot be formed", R"(\par)", R"(\\par)"},
        {"tab", "a\tb", R"(a\tab b)"},
        {"line feed", "a\nb", R"(a\line b)"},
        {"carriage return and line feed as one break", "a\r\nb", R"(a\line b)"},
        {"lone carriage return", "a\rb", R"(a\line b)"},
        {"other control characters",
         std::string_view("a\0b\x1b"
                          "c\x7f",
                          6),
         "a?b?c?"},
        {"C1 control", "a\u0085b", "a?b"},
        {"not in the code page", "Aries ♈", R"(Aries \u9800?)"},
        {"above U+7FFF as a negative number", "\uFB01", R"(\u-1279?)"},
        {"U+FFFD itself", "\uFFFD", R"(\u-3?)"},
        {"beyond U+FFFF as a surrogate pair", "\U0001F600", R"(\u-10179?\u-8704?)"},
        {"cyrillic", "Луна", R"(\u1051?\u1091?\u1085?\u1072?)"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RtfText(c.Utf8), c.Rtf);
    }
}

TEST(RtfTextTest, ReplacesEachMalformedSequenceWithOneQuestionMark) {
    const TextCase cases[] = {
        {"lone continuation byte", "a\x80z", "a?z"},
        {"invalid lead bytes", "a\xC0\xC1\xF5\xFFz", "a????z"},
        {"overlong slash", "a\xC0\xAFz", "a??z"},
        {"overlong three bytes", "a\xE0\x80\xAFz", "a???z"},
        {"encoded surrogate", "a\xED\xA0\x80z", "a???z"},
        {"beyond U+10FFFF", "a\xF4\x90\x80\x80z", "a????z"},
        {"truncated at the end", "a\xE2\x99", "a?"},
        {"truncated before a good character",
         "\xE2\x99"
         "b",
         "?b"},
        {"truncated before an accent",
         "\xC3"
         "Día",
         "?D\xED"
         "a"},
        {"a brace after a broken sequence stays escaped", "\xE2{", R"(?\{)"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RtfText(c.Utf8), c.Rtf);
    }
}

// Whatever the input, the text never holds an unescaped brace nor a backslash
// that starts anything but an escape the writer made.
TEST(RtfTextTest, NoByteSequenceBreaksTheDocument) {
    std::string everyByte;
    for (int pass = 0; pass < 3; ++pass) {
        for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>((byte * (pass * 2 + 1)) & 0xFF);
    }
    const std::string rtf = RtfText(everyByte);
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        SCOPED_TRACE(i);
        const char c = rtf[i];
        ASSERT_NE(c, '\0');
        if (c == '{' || c == '}') {
            FAIL() << "unescaped brace";
        }
        if (c == '\\') {
            ASSERT_LT(i + 1, rtf.size());
            const std::string_view rest(rtf.data() + i + 1, rtf.size() - i - 1);
            const bool known = rest.starts_with('\\') || rest.starts_with('{') || rest.starts_with('}') ||
                               rest.starts_with("tab ") || rest.starts_with("line ") || rest.starts_with('u');
            ASSERT_TRUE(known) << rest.substr(0, 8);
            ++i;  // the escaped character
        }
    }
}

}  // namespace
}  // namespace kalto
