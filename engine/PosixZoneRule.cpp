// SPDX-License-Identifier: GPL-3.0-or-later
#include "PosixZoneRule.h"

#include "DateTime.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace kalto {

namespace {

constexpr int SecondsPerHour = 3600;
constexpr std::int64_t SecondsPerDay = 86400;
// Days from 1899-12-30, the zero of TDateTime, to 1970-01-01.
constexpr std::int64_t UnixEpochDay = 25569;

// Reads a TZ string from left to right; each part returns nothing when the
// text does not have it.
class TzReader {
public:
    explicit TzReader(std::string_view text) : text_(text) {}

    [[nodiscard]] bool AtEnd() const { return position_ == text_.size(); }

    bool Take(char c) {
        if (position_ < text_.size() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }

    [[nodiscard]] bool Peek(char c) const { return position_ < text_.size() && text_[position_] == c; }

    // A zone abbreviation: three or more letters, or any text between < and >.
    [[nodiscard]] bool Name() {
        if (Take('<')) {
            const auto close = text_.find('>', position_);
            if (close == std::string_view::npos || close - position_ < 3) return false;
            position_ = close + 1;
            return true;
        }
        const std::size_t first = position_;
        while (position_ < text_.size() && IsLetter(text_[position_])) ++position_;
        return position_ - first >= 3;
    }

    // Decimal digits, at most `maxDigits` of them.
    [[nodiscard]] std::optional<int> Number(int maxDigits) {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9') {
            value = value * 10 + (text_[position_++] - '0');
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

    // "[+-]hh[:mm[:ss]]" in seconds, the hours up to `maxHours`.
    [[nodiscard]] std::optional<int> Duration(int maxHours) {
        const int sign = Take('-') ? -1 : 1;
        if (sign > 0) Take('+');
        const auto hours = Number(3);
        if (!hours || *hours > maxHours) return std::nullopt;
        int seconds = *hours * SecondsPerHour;
        for (int unit = 60; unit >= 1 && Take(':'); unit /= 60) {
            const auto part = Number(2);
            if (!part || *part > 59) return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }

    [[nodiscard]] std::optional<PosixZoneRule::ChangeDay> Day() {
        PosixZoneRule::ChangeDay day;
        if (Take('M')) {
            const auto month = Number(2);
            if (!month || *month < 1 || *month > 12 || !Take('.')) return std::nullopt;
            const auto week = Number(1);
            if (!week || *week < 1 || *week > 5 || !Take('.')) return std::nullopt;
            const auto weekday = Number(1);
            if (!weekday || *weekday > 6) return std::nullopt;
            day = {'M', *month, *week, *weekday};
        } else if (Take('J')) {
            const auto number = Number(3);
            if (!number || *number < 1 || *number > 365) return std::nullopt;
            day = {'J', 0, 0, *number};
        } else {
            const auto number = Number(3);
            if (!number || *number > 365) return std::nullopt;
            day = {'N', 0, 0, *number};
        }
        return day;
    }

private:
    static bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    std::string_view text_;
    std::size_t position_ = 0;
};

// The day number from 1970-01-01 of a date.
std::int64_t UnixDay(int year, int month, int day) {
    return static_cast<std::int64_t>(EncodeDate(year, month, day)) - UnixEpochDay;
}

std::int64_t ChangeDayNumber(const PosixZoneRule::ChangeDay& change, int year) {
    switch (change.Kind) {
        case 'J': {
            // 1 to 365 without 29 February: from 1 March a leap year is a day on.
            const int leapDay = IsLeapYear(year) && change.Day >= 60 ? 1 : 0;
            return UnixDay(year, 1, 1) + change.Day - 1 + leapDay;
        }
        case 'N': return UnixDay(year, 1, 1) + change.Day;
        default: {
            const int firstWeekday = DayOfWeek(EncodeDate(year, change.Month, 1));
            int day = 1 + (change.Day - firstWeekday + 7) % 7 + (change.Week - 1) * 7;
            while (day > DaysInMonth(year, change.Month)) day -= 7;
            return UnixDay(year, change.Month, day);
        }
    }
}

}  // namespace

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text) {
    TzReader reader(text);
    PosixZoneRule rule;
    // POSIX writes offsets west of Greenwich: "CET-1" is one hour east.
    constexpr int MaxOffsetHours = 24;
    if (!reader.Name()) return std::nullopt;
    const auto standard = reader.Duration(MaxOffsetHours);
    if (!standard) return std::nullopt;
    rule.StandardOffset = -*standard;
    rule.DaylightOffset = rule.StandardOffset;
    if (reader.AtEnd()) return rule;
    if (!reader.Name()) return std::nullopt;
    rule.HasDaylightTime = true;
    rule.DaylightOffset = rule.StandardOffset + SecondsPerHour;
    if (!reader.Peek(',')) {
        const auto daylight = reader.Duration(MaxOffsetHours);
        if (!daylight) return std::nullopt;
        rule.DaylightOffset = -*daylight;
    }
    // Every footer that has daylight time states its change days.
    constexpr int MaxChangeHours = 167;
    if (!reader.Take(',')) return std::nullopt;
    const auto start = reader.Day();
    if (!start) return std::nullopt;
    rule.Start = *start;
    if (reader.Take('/')) {
        const auto time = reader.Duration(MaxChangeHours);
        if (!time) return std::nullopt;
        rule.StartTime = *time;
    }
    if (!reader.Take(',')) return std::nullopt;
    const auto end = reader.Day();
    if (!end) return std::nullopt;
    rule.End = *end;
    if (reader.Take('/')) {
        const auto time = reader.Duration(MaxChangeHours);
        if (!time) return std::nullopt;
        rule.EndTime = *time;
    }
    if (!reader.AtEnd()) return std::nullopt;
    return rule;
}

std::optional<PosixZoneRule> ReadTzifFooterRule(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // Version 1 files have no footer; the footer is the file's last line.
    if (content.size() < 6 || !content.starts_with("TZif") || content[4] < '2' || !content.ends_with('\n')) {
        return std::nullopt;
    }
    const auto newline = content.rfind('\n', content.size() - 2);
    if (newline == std::string::npos) return std::nullopt;
    return ParsePosixZoneRule(std::string_view(content).substr(newline + 1, content.size() - newline - 2));
}

int PosixRuleOffset(const PosixZoneRule& rule, std::int64_t universalSeconds) {
    if (!rule.HasDaylightTime) return rule.StandardOffset;
    // The changes of the year that holds the instant in standard time.
    const std::int64_t standardSeconds = universalSeconds + rule.StandardOffset;
    const auto day = static_cast<double>(standardSeconds / SecondsPerDay - (standardSeconds % SecondsPerDay < 0));
    const int year = DecodeDate(day + static_cast<double>(UnixEpochDay)).year;
    const std::int64_t start = ChangeDayNumber(rule.Start, year) * SecondsPerDay + rule.StartTime - rule.StandardOffset;
    const std::int64_t end = ChangeDayNumber(rule.End, year) * SecondsPerDay + rule.EndTime - rule.DaylightOffset;
    // In the southern hemisphere daylight time spans the turn of the year.
    const bool daylight = start < end ? universalSeconds >= start && universalSeconds < end
                                      : !(universalSeconds >= end && universalSeconds < start);
    return daylight ? rule.DaylightOffset : rule.StandardOffset;
}

}  // namespace kalto
