// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandOptions.h"

namespace kalto::cli {

namespace {

// The option list's indent, before the names.
constexpr std::size_t ListIndent = 6;

}  // namespace

void AppendOptionHelp(std::string& list, std::string_view label, std::string_view text, std::size_t column) {
    list.append(ListIndent, ' ').append(label);
    // A label that reaches the text column leaves the text to the next line.
    if (label.size() < column) {
        list.append(column - label.size(), ' ');
    } else {
        list.append(1, '\n').append(ListIndent + column, ' ');
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        list.append(text.substr(start, end - start)).append(1, '\n');
        if (end == std::string_view::npos) return;
        list.append(ListIndent + column, ' ');
        start = end + 1;
    }
}

}  // namespace kalto::cli
