// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "ReplacingFile.h"

// Debian's SimpleIni ships without the wide-character converters; the char
// interface needs none.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace kalto {

namespace {

// Every key in the file's order, each with its field: `visit` is called with
// the section, the key and the field (a reference, or a copy for a colour of
// a const KaltoSettings).
template <typename Settings, typename Visit>
void ForEachKey(Settings& settings, Visit visit) {
    visit("Posicion", "Gra", settings.PositionDegrees);
    visit("Posicion", "Min", settings.PositionMinutes);
    visit("Posicion", "Sec", settings.PositionSeconds);
    visit("Posicion", "Cordenadas", settings.Coordinates);
    visit("Posicion", "Signos", settings.Sign);
    visit("Contacto", "Planeta", settings.ContactBody);
    visit("Contacto", "Angulo", settings.Angle);
    visit("Contacto", "TipAngulo", settings.AngleType);
    visit("Contacto", "Gra", settings.OrbDegrees);
    visit("Contacto", "Min", settings.OrbMinutes);
    visit("Contacto", "MomentosExactos", settings.ExactMoments);
    visit("Config", "TZ", settings.TimeZone);
    visit("Config", "Zona", settings.ZoneName);
    visit("Config", "Papel", settings.Paper);
    visit("Config", "Carta", settings.ChartFile);
    visit("Config", "DiaEfem", settings.DayMarker);
    visit("Config", "Signo", settings.SignLines);
    visit("Config", "Deca", settings.DecanLines);
    visit("Config", "Mes", settings.MonthLines);
    visit("Config", "Dias", settings.DayLines);
    visit("Config", "Auto", settings.AutoSearch);
    for (int slot = 1; slot <= GraphColorSlotCount; ++slot) {
        visit("Config", "Colors" + std::to_string(slot), settings.Colors[slot]);
    }
}

// An integer as the file holds it: decimal digits with an optional minus sign,
// or up to 32 bits of hexadecimal after "0x" or "0X", taken as a signed 32-bit
// value as the colour integers are.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
    const bool hexadecimal = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* const end = text.data() + text.size();
    if (hexadecimal) {
        std::uint32_t bits = 0;
        const auto [stop, error] = std::from_chars(text.data() + 2, end, bits, 16);
        if (error != std::errc{} || stop != end) return std::nullopt;
        return static_cast<std::int32_t>(bits);
    }
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// The time zone: a finite decimal number with '.' or ',' as its separator,
// whichever locale wrote it.
std::optional<double> ParseDecimal(std::string_view text) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const char* const end = number.data() + number.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// General format with up to 15 significant digits and the locale's separator.
// std::to_chars ignores the C locale, which Qt sets from the environment.
std::string DecimalText(double value, char decimalSeparator) {
    if (value == 0) return "0";  // not "-0"
    std::array<char, 32> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

template <typename Field>
std::string ValueText(const Field& value, char decimalSeparator) {
    if constexpr (std::is_same_v<Field, double>) {
        return DecimalText(value, decimalSeparator);
    } else if constexpr (std::is_same_v<Field, bool>) {
        return value ? "1" : "0";
    } else if constexpr (std::is_same_v<Field, std::string>) {
        return value;
    } else {
        return std::to_string(static_cast<std::int32_t>(value));  // a colour as the signed integer it is read as
    }
}

// SimpleIni takes a line that opens a section without closing it for the start
// of the next section's name, line break included, and writes that back as a
// new broken line at every save. Such a line names no section: it is left out,
// like any other line that is neither a section, a key nor a comment. Like
// SimpleIni, a lone CR ends a line too.
std::string WithoutUnclosedSections(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    while (!text.empty()) {
        const std::size_t lineEnd = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        const std::size_t first = line.find_first_not_of(" \t");
        const bool unclosed =
            first != std::string_view::npos && line[first] == '[' && line.find(']') == std::string_view::npos;
        if (!unclosed) kept += line;
        text.remove_prefix(line.size());
    }
    return kept;
}

// SimpleIni keeps a comment with the section or key that follows it and drops
// the comments after the last one. A section that no file names (its name
// starts with a control character) placed after the text collects them.
constexpr const char* EndOfFileSection = "\x1F"
                                         "end of file";

bool LoadIni(CSimpleIniA& ini, std::string_view text) {
    ini.SetMultiKey(false);
    ini.SetSpaces(false);
    std::string data = WithoutUnclosedSections(text);
    data += "\n[";
    data += EndOfFileSection;
    data += "]\n";
    return ini.LoadData(data) >= 0;
}

// The comments after the file's last section or key, and the end-of-file
// section that held them taken out.
std::string TakeTrailingComments(CSimpleIniA& ini) {
    std::string comments;
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    for (const CSimpleIniA::Entry& section : sections) {
        if (std::string_view(section.pItem) == EndOfFileSection && section.pComment != nullptr) {
            comments = section.pComment;
        }
    }
    ini.Delete(EndOfFileSection, nullptr);
    return comments;
}

enum class FileRead { Read, Missing, Failed };

FileRead ReadWholeFile(const std::filesystem::path& file, std::string& text) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    std::array<char, 4096> buffer{};
    ssize_t count = 0;
    while ((count = ::read(descriptor, buffer.data(), buffer.size())) != 0) {
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) break;
        text.append(buffer.data(), static_cast<std::size_t>(count));
    }
    ::close(descriptor);
    return count == 0 ? FileRead::Read : FileRead::Failed;
}

}  // namespace

KaltoSettings LoadSettings(const std::filesystem::path& file, const KaltoSettings& defaults) {
    KaltoSettings settings = defaults;
    std::string text;
    CSimpleIniA ini;
    if (ReadWholeFile(file, text) != FileRead::Read || !LoadIni(ini, text)) return settings;
    ForEachKey(settings, [&ini](const char* section, const std::string& key, auto& field) {
        const char* const stored = ini.GetValue(section, key.c_str());
        if (stored == nullptr) return;
        const std::string_view value = std::string_view(stored).substr(0, MaxSettingsValueLength);
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, double>) {
            if (const auto number = ParseDecimal(value)) field = *number;
        } else if constexpr (std::is_same_v<Field, std::string>) {
            field = value;
        } else if (const auto number = ParseInteger(value)) {
            field = static_cast<Field>(*number);  // a boolean is true when not 0
        }
    });
    return settings;
}

std::optional<std::string> SaveSettings(const std::filesystem::path& file, const KaltoSettings& settings,
                                        char decimalSeparator) {
    const std::string failure = "Unable to write to " + file.string();
    // The keys go into the file as it is now, so that its other content stays.
    std::string previous;
    CSimpleIniA ini;
    if (ReadWholeFile(file, previous) == FileRead::Failed || !LoadIni(ini, previous)) return failure;
    const std::string trailingComments = TakeTrailingComments(ini);
    bool stored = true;
    ForEachKey(settings, [&](const char* section, const std::string& key, const auto& field) {
        stored = stored && ini.SetValue(section, key.c_str(), ValueText(field, decimalSeparator).c_str()) >= 0;
    });
    std::string text;
    if (!stored || ini.Save(text, ini.IsUnicode()) < 0) return failure;
    if (!trailingComments.empty()) text += "\n" + trailingComments + "\n";
    if (ReplaceFile(file, text).has_value()) return failure;
    return std::nullopt;
}

}  // namespace kalto
