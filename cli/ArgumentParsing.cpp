#include "ArgumentParsing.h"

#include "UsageError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalto::cli {

namespace {

constexpr double MaxZoneHours = 11.99;

// Reads exactly `width` decimal digits at `pos`, or returns -1.
int Digits(std::string_view text, std::size_t pos, std::size_t width) {
    if (pos + width > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool Separator(std::string_view text, std::size_t pos, char expected) {
    return pos < text.size() && text[pos] == expected;
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

}  // namespace

TDateTime ParseLocalDateTime(std::string_view text) {
    // AAAA-MM-DD HH:MM[:SS], positions fixed.
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2);
    const int minute = Digits(text, 14, 2);
    const bool withSeconds = text.size() > 16;
    const int second = withSeconds ? Digits(text, 17, 2) : 0;
    const bool wellFormed = year >= 0 && month >= 0 && day >= 0 && hour >= 0 && minute >= 0 && second >= 0 &&
                            Separator(text, 4, '-') && Separator(text, 7, '-') && Separator(text, 10, ' ') &&
                            Separator(text, 13, ':') && (!withSeconds || Separator(text, 16, ':')) &&
                            text.size() == (withSeconds ? 19u : 16u);
    if (!wellFormed) {
        throw UsageError("fecha y hora mal escritas: " + Quoted(text) + "; se esperaba AAAA-MM-DD HH:MM o AAAA-MM-DD HH:MM:SS");
    }
    if (!IsValidDate(year, month, day)) {
        throw UsageError("la fecha " + std::string(text.substr(0, 10)) + " no existe en el calendario");
    }
    if (hour > 23 || minute > 59 || second > 59) {
        throw UsageError("la hora " + std::string(text.substr(11)) +
                         " no es válida: las horas van de 00 a 23, los minutos y los segundos de 00 a 59");
    }
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

TDateTime ParseDate(std::string_view text) {
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    const bool wellFormed = year >= 0 && month >= 0 && day >= 0 && Separator(text, 4, '-') &&
                            Separator(text, 7, '-') && text.size() == 10;
    if (!wellFormed) {
        throw UsageError("fecha mal escrita: " + Quoted(text) + "; se esperaba AAAA-MM-DD");
    }
    if (!IsValidDate(year, month, day)) {
        throw UsageError("la fecha " + std::string(text) + " no existe en el calendario");
    }
    return EncodeDate(year, month, day);
}

double ParseZoneHours(std::string_view text) {
    std::string_view number = text;
    if (number.size() > 1 && number.front() == '+' && number[1] != '-') {
        number.remove_prefix(1);
    }
    double hours = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), hours);
    const bool isNumber = error == std::errc() && end == number.data() + number.size();
    // Written so that NaN fails it too.
    if (!isNumber || !(std::fabs(hours) <= MaxZoneHours)) {
        throw UsageError("zona horaria no válida: " + Quoted(text) +
                         "; debe ser un número de horas al este de Greenwich entre -11.99 y 11.99");
    }
    return hours;
}

}  // namespace kalto::cli
