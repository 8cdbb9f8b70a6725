// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small reader of the Rich Text Format documents the program writes, for the
// fuzz targets: it checks the group structure and gives back the text of each
// paragraph, decoded from the Windows-1252 code page and \uN escapes.

#include <string>
#include <string_view>
#include <vector>

namespace kalto::fuzz {

// Whether every unescaped "{" has its "}" and no "}" closes more than was
// opened, reading escapes (\\ \{ \} \'hh, control words) as RTF readers do.
[[nodiscard]] bool BracesBalanced(std::string_view rtf);

// The text of the document as UTF-8, one string a paragraph: the text before
// the first \par, then the text after each \par. Destination groups (the font
// and colour tables, "{\*...}") hold no text; \tab reads as a tab and \line as
// a line feed; the character after \uN (\uc1) is skipped. Characters the code
// page lacks read as U+FFFD.
[[nodiscard]] std::vector<std::string> RtfParagraphs(std::string_view rtf);

// The text the writer promises to put in the document for `utf8`: line breaks
// (LF, CR or CR LF) as one line feed, tabs kept, every other control character
// and each maximal malformed UTF-8 subsequence (Unicode, section 3.9) as "?".
[[nodiscard]] std::string TextAsWritten(std::string_view utf8);

}  // namespace kalto::fuzz
