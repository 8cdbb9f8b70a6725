// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer's text path: any bytes as the text of a paragraph (WriteText)
// and as the lines of a memo (WriteMemo, lines separated by NUL bytes in the
// input) make a document whose braces balance and whose paragraphs read back
// as the text, after the replacements the writer documents. The first byte
// chooses the alignment and the font.

#include "FuzzCheck.h"
#include "RtfTextReader.h"
#include "RtfWriter.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kalto::fuzz::Check;

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos; text.remove_prefix(at + 1)) {
        parts.emplace_back(text.substr(0, at));
    }
    parts.emplace_back(text);
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    // The paragraph's text ends at the first NUL; the memo's lines follow.
    const std::size_t end = input.find('\0');
    const std::string_view text = input.substr(0, end);
    const std::vector<std::string> lines =
        end == std::string_view::npos ? std::vector<std::string>{} : Split(input.substr(end + 1), '\0');

    const kalto::RtfFont font{.Size = 6 + choice % 20,
                              .Bold = (choice & 0x20) != 0,
                              .Italic = (choice & 0x40) != 0,
                              .Underline = (choice & 0x80) != 0,
                              .Color = (choice & 1) != 0 ? std::optional<std::uint32_t>(0x0000FF) : std::nullopt};
    const auto alignment = static_cast<kalto::RtfAlignment>(choice % 3);

    std::ostringstream stream;
    kalto::RtfWriter document(stream);
    document.FontList = {R"({\f0\fswiss\fcharset0 Arial;})"};
    document.WriteHeader();
    document.WriteText(text, font, alignment);
    document.WriteMemo(lines, font, alignment);
    Check(document.SaveDocument().Ok(), "the document is written");
    const std::string rtf = stream.str();

    Check(kalto::fuzz::BracesBalanced(rtf), "braces balance");
    // Before the first \par: nothing; then the paragraph, then the memo's own
    // paragraph and its lines. The memo separates its lines with " \par ",
    // whose first space is text: every line but the last reads back with a
    // space at its end.
    std::vector<std::string> expected{"", kalto::fuzz::TextAsWritten(text), ""};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        expected.push_back(kalto::fuzz::TextAsWritten(lines[i]) + (i + 1 < lines.size() ? " " : ""));
    }
    Check(kalto::fuzz::RtfParagraphs(rtf) == expected, "the text reads back");
    return 0;
}
