// SPDX-License-Identifier: GPL-3.0-or-later
// The date/time pattern formatter: any pattern and any date value format
// without a crash, the same twice, and values outside 0001..9999 (NaN and the
// infinities too) as an empty text. The first byte chooses how the next eight
// make the value: their bits as a double, or a whole day count with a fraction
// inside the program's span; the rest is the pattern.

#include "DateFormat.h"
#include "FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using kalto::fuzz::Check;

// 0001-01-01 and 10000-01-01, days from the epoch 1899-12-30.
constexpr double FirstDay = -693593;
constexpr double EndDay = 2958466;

double ValueOf(std::uint8_t choice, std::uint64_t bits) {
    if (choice % 2 == 0) {
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Days in the span and a fraction of a day in 1/2^20 steps, near the ends
    // of the span as often as inside it.
    const auto span = static_cast<std::uint64_t>(EndDay - FirstDay);
    const double fraction = static_cast<double>(bits & 0xFFFFF) / 0x100000;
    const double day = static_cast<double>((bits >> 20) % span);
    return (choice & 2) != 0 ? FirstDay + day + fraction : EndDay - 1 - day + fraction;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, data + 1, sizeof bits);
    const double value = ValueOf(data[0], bits);
    const std::string_view pattern(reinterpret_cast<const char*>(data) + 9, size - 9);

    static const kalto::DateFormatNames names = kalto::SpanishDateFormatNames();
    const std::string text = kalto::FormatDateTime(pattern, value, names);
    Check(text == kalto::FormatDateTime(pattern, value, names), "the same value formats the same twice");
    if (!(value >= FirstDay && value < EndDay)) {
        Check(text.empty(), "a value outside the span formats as nothing");
    }
    return 0;
}
