// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's UTF-8 texts as Qt strings.

#include <QString>

#include <string_view>

namespace kalto {

[[nodiscard]] inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kalto
