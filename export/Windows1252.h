// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's UTF-8 texts as Rich Text Format text in the Windows-1252 code
// page: one byte for each character the code page holds, an escape for the rest.

#include <optional>
#include <string>
#include <string_view>

namespace kalto {

// The Windows-1252 byte of a Unicode character, or nothing when the code page
// lacks it (0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for no character).
[[nodiscard]] std::optional<unsigned char> Windows1252Byte(char32_t character) noexcept;

// Appends `utf8` to `out` as RTF text:
// - characters of Windows-1252 as their byte, unescaped ("°" is 0xB0);
// - backslash and braces escaped as \\ \{ \};
// - tab as \tab, line breaks (LF, CR or CR LF) as \line;
// - other characters as \uN? with N the signed 16-bit UTF-16 code unit, two
//   such escapes (a surrogate pair) beyond U+FFFF, '?' being what readers
//   without Unicode show;
// - other control characters and each malformed UTF-8 sequence as '?'.
// So no text can end a group or start a control word of the document.
void AppendRtfText(std::string& out, std::string_view utf8);

[[nodiscard]] std::string RtfText(std::string_view utf8);

}  // namespace kalto
