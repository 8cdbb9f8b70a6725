// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArgumentParsing.h"

#include "CommandErrors.h"
#include "EphemerisRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "a:b:c" split at the colons.
std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos; text.remove_prefix(colon + 1)) {
        fields.push_back(text.substr(0, colon));
    }
    fields.push_back(text);
    return fields;
}

// "Ari, Tau, … Acu o Pis": the items as a message offers them.
template <std::size_t N>
std::string Alternatives(const std::array<std::string_view, N>& items) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        text.append(i == 0 ? "" : i + 1 == N ? " o " : ", ").append(items[i]);
    }
    return text;
}

}  // namespace

void ThrowExtraArgument(std::string_view argument, std::string_view command) {
    throw UsageError("sobra el argumento " + Quoted(argument) + ": " + std::string(command) + " solo toma opciones");
}

void ThrowUnknownOption(std::string_view argument) {
    throw UsageError("opción desconocida: " + std::string(argument));
}

void ThrowMissingValue(std::string_view name, std::string_view meaning) {
    throw UsageError("falta el valor de " + std::string(name) +
                     (meaning.empty() ? std::string() : " (" + std::string(meaning) + ")"));
}

void ThrowUnknownFormat(std::string_view text, std::string_view offered) {
    throw UsageError("formato desconocido: " + Quoted(text) + "; debe ser " + std::string(offered));
}

void ThrowFlagWithValue(std::string_view name) {
    throw UsageError(std::string(name) + " no lleva valor");
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool digitsOnly = !text.empty() && text.front() != '-';
    if (error != std::errc() || end != text.data() + text.size() || !digitsOnly || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string DateText(TDateTime value) {
    const CalendarDate date = DecodeDate(value);
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer.data();
}

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
        throw UsageError("fecha y hora mal escritas: " + Quoted(text) +
                         "; se esperaba AAAA-MM-DD HH:MM o AAAA-MM-DD HH:MM:SS");
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
    const bool wellFormed =
        year >= 0 && month >= 0 && day >= 0 && Separator(text, 4, '-') && Separator(text, 7, '-') && text.size() == 10;
    if (!wellFormed) {
        throw UsageError("fecha mal escrita: " + Quoted(text) + "; se esperaba AAAA-MM-DD");
    }
    if (!IsValidDate(year, month, day)) {
        throw UsageError("la fecha " + std::string(text) + " no existe en el calendario");
    }
    return EncodeDate(year, month, day);
}

void CheckEphemerisDays(TDateTime start, int spanDays) {
    const TDateTime lastDay = start + (spanDays - 1);
    if (start < EncodeDate(1, 1, 1) || lastDay > EncodeDate(9999, 12, 31)) {
        throw UsageError("las efemérides van del " + DateText(start) + " al " + DateText(lastDay) +
                         "; deben quedar entre los años 0001 y 9999");
    }
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

TimeZone ParseZoneName(std::string_view text) {
    if (auto zone = TimeZone::Find(text)) return *zone;
    throw UsageError("zona desconocida: " + Quoted(text) + "; «kalto-cli zonas» da la lista de nombres");
}

int ParseStepsPerDay(std::string_view text) {
    constexpr int MinutesPerDay = 1440;
    if (const auto minutes = WholeNumber(text, 1, MinutesPerDay)) {
        for (const EphemerisStepChoice& choice : EphemerisStepChoices) {
            if (*minutes * choice.StepsPerDay == MinutesPerDay) {
                return choice.StepsPerDay;
            }
        }
    }
    throw UsageError("paso no válido: " + Quoted(text) +
                     "; debe ser 1440, 720, 360, 180, 120, 60, 30, 15, 10 o 5 minutos");
}

int ParseBody(std::string_view text) {
    if (const auto item = ItemIndex(text, ContactBodyItems)) return *item + FirstBody;
    throw UsageError("cuerpo desconocido: " + Quoted(text) +
                     "; debe ser Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod o todos");
}

int ParseSign(std::string_view text) {
    if (const auto item = ItemIndex(text, ContactSignItems)) return *item;
    throw UsageError("signo desconocido: " + Quoted(text) + "; debe ser " + Alternatives(SignListItems));
}

int ParseAngle(std::string_view text) {
    if (const auto angle = WholeNumber(text, MinContactAngle, MaxContactAngle)) return *angle;
    throw UsageError("ángulo no válido: " + Quoted(text) + "; debe ser un número entero de grados de 0 a 180");
}

ContactPosition ParsePosition(std::string_view text, std::optional<int> sign) {
    const std::vector<std::string_view> fields = Fields(text);
    const int degreesLimit = sign ? 30 : 360;
    std::array<std::optional<int>, 3> parts{0, 0, 0};
    bool wellFormed = fields.size() <= parts.size();
    for (std::size_t i = 0; wellFormed && i < fields.size(); ++i) {
        parts[i] = WholeNumber(fields[i], 0, i == 0 ? degreesLimit : 60);
        wellFormed = parts[i].has_value();
    }
    if (!wellFormed) {
        throw UsageError("posición no válida: " + Quoted(text) + "; se esperaba G[:M[:S]] en números enteros, " +
                         (sign ? "grados de 0 a 29 dentro del signo" : "grados de 0 a 359") +
                         ", minutos y segundos de 0 a 59");
    }
    ContactPosition position;
    position.Degrees = *parts[0];
    position.Minutes = *parts[1];
    position.Seconds = *parts[2];
    if (sign) {
        position.Mode = CoordinateMode::Zodiac;
        position.Sign = *sign;
    }
    return NormalizePosition(position);
}

std::vector<std::string_view> ListItems(std::string_view text) {
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

OrbSpin ParseOrb(std::string_view text) {
    const std::vector<std::string_view> fields = Fields(text);
    const std::optional<int> degrees = WholeNumber(fields[0], 0, MaxOrbDegrees);
    const std::optional<int> minutes = fields.size() == 2 ? WholeNumber(fields[1], 0, 60) : std::optional<int>(0);
    if (fields.size() > 2 || !degrees || !minutes) {
        throw UsageError("orbe no válido: " + Quoted(text) + "; se esperaba G:M, grados de 0 a 5 y minutos de 0 a 59");
    }
    const OrbSpin orb = NormalizeOrb({*degrees, *minutes});
    // "5:60" carries into a sixth degree, which the degrees' spin edit lacks:
    // like the window, the orb stays at its last minute.
    return orb.Degrees > MaxOrbDegrees ? OrbSpin{MaxOrbDegrees, 59} : orb;
}

}  // namespace kalto::cli
