// SPDX-License-Identifier: GPL-3.0-or-later
#include "DateFormat.h"

#include <algorithm>

namespace kalto {

namespace {

char ToLowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiLetter(char c) noexcept {
    const char lower = ToLowerAscii(c);
    return lower >= 'a' && lower <= 'z';
}

bool IsQuote(char c) noexcept {
    return c == '"' || c == '\'';
}

bool IsAmPmAt(std::string_view pattern, std::size_t i) noexcept {
    constexpr std::string_view marker = "am/pm";
    if (pattern.size() - i < marker.size()) {
        return false;
    }
    for (std::size_t k = 0; k < marker.size(); ++k) {
        if (ToLowerAscii(pattern[i + k]) != marker[k]) {
            return false;
        }
    }
    return true;
}

// The closing quote of quoted text opened at `i`; the end of the pattern when
// it is never closed.
std::size_t ClosingQuote(std::string_view pattern, std::size_t i) noexcept {
    return std::min(pattern.find(pattern[i], i + 1), pattern.size());
}

// Whether an hour field ending at `from` is on the 12-hour clock: an am/pm
// marker comes before the next hour field.
bool TwelveHourClockFrom(std::string_view pattern, std::size_t from) noexcept {
    std::size_t i = from;
    while (i < pattern.size()) {
        if (IsQuote(pattern[i])) {
            i = ClosingQuote(pattern, i) + 1;
        } else if (IsAmPmAt(pattern, i)) {
            return true;
        } else if (ToLowerAscii(pattern[i]) == 'h') {
            return false;
        } else {
            ++i;
        }
    }
    return false;
}

void AppendNumber(std::string& out, int number, std::size_t digits) {
    const std::string text = std::to_string(number);
    if (text.size() < digits) {
        out.append(digits - text.size(), '0');
    }
    out += text;
}

// 0001-01-01 00:00 and 10000-01-01 00:00.
constexpr TDateTime FirstDateTime = -693593;
constexpr TDateTime EndDateTime = 2958466;

}  // namespace

DateFormatNames SpanishDateFormatNames() {
    return {
        {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"},
        {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre",
         "diciembre"},
        {"dom", "lun", "mar", "mié", "jue", "vie", "sáb"},
        {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"},
        "/",
        ":",
    };
}

std::string FormatDateTime(std::string_view pattern, TDateTime value, const DateFormatNames& names) {
    if (!(value >= FirstDateTime && value < EndDateTime)) {
        return {};
    }
    const DecodedDateTime decoded = DecodeDateTime(value);
    const CalendarDate& date = decoded.date;
    const ClockTime& time = decoded.time;
    const int weekday = DayOfWeek(value);

    std::string out;
    char lastLetter = 0;  // the last letter read outside quotes, lower case
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (IsQuote(c)) {
            const std::size_t close = ClosingQuote(pattern, i);
            out += pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (IsAmPmAt(pattern, i)) {
            out += pattern.substr(time.hour < 12 ? i : i + 3, 2);
            lastLetter = 'a';
            i += 5;
            continue;
        }
        if (!IsAsciiLetter(c)) {
            if (c == '/') {
                out += names.dateSeparator;
            } else if (c == ':') {
                out += names.timeSeparator;
            } else {
                out += c;
            }
            ++i;
            continue;
        }

        const char letter = ToLowerAscii(c);
        std::size_t count = 1;
        while (i + count < pattern.size() && ToLowerAscii(pattern[i + count]) == letter) {
            ++count;
        }
        switch (letter) {
            case 'd':
                if (count <= 2) {
                    AppendNumber(out, date.day, count);
                } else {
                    out += count == 3 ? names.shortDayNames[weekday] : names.longDayNames[weekday];
                }
                break;
            case 'm':
                if (count <= 2 && lastLetter == 'h') {
                    AppendNumber(out, time.minute, count);
                } else if (count <= 2) {
                    AppendNumber(out, date.month, count);
                } else {
                    out += count == 3 ? names.shortMonthNames[date.month - 1] : names.longMonthNames[date.month - 1];
                }
                break;
            case 'y':
                if (count <= 2) {
                    AppendNumber(out, date.year % 100, 2);
                } else {
                    AppendNumber(out, date.year, 4);
                }
                break;
            case 'h': {
                int hour = time.hour;
                if (TwelveHourClockFrom(pattern, i + count)) {
                    hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
                }
                AppendNumber(out, hour, count == 1 ? 1 : 2);
                break;
            }
            case 'n': AppendNumber(out, time.minute, count == 1 ? 1 : 2); break;
            case 's': AppendNumber(out, time.second, count == 1 ? 1 : 2); break;
            default: out += pattern.substr(i, count); break;
        }
        lastLetter = letter;
        i += count;
    }
    return out;
}

}  // namespace kalto
