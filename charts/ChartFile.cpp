// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartFile.h"

#include "DateTime.h"
#include "ReplacingFile.h"

// Debian's SimpleIni ships without the wide-character converters; the char
// interface needs none.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kalto {

namespace {

constexpr const char* ChartSection = "Carta";
constexpr const char* PointsSection = "Puntos";

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// The shortest text that reads back as the same double.
std::string NumberText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : "0";
}

// A finite decimal number, with a point or a comma.
std::optional<double> ReadNumber(std::string_view text) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end || number.empty() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string LocalTimeText(TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(value);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d", decoded.date.year, decoded.date.month,
                  decoded.date.day, decoded.time.hour, decoded.time.minute);
    return text.data();
}

// AAAA-MM-DD HH:MM, seconds allowed; digits and separators in their places.
std::optional<TDateTime> ReadLocalTime(std::string_view text) {
    constexpr std::string_view Shape = "0000-00-00 00:00:00";
    if (text.size() != 16 && text.size() != 19) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (Shape[i] == '0' ? !digit : text[i] != Shape[i]) return std::nullopt;
    }
    const auto number = [text](std::size_t from, std::size_t length) {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = text.size() == 19 ? number(17, 2) : 0;
    if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

ChartReading Failure(std::string_view origin, const std::string& what) {
    return {std::nullopt, "la carta " + std::string(origin) + " no se puede leer: " + what};
}

// The birth data of [Carta], when it has a date; a message when a value is
// wrong.
std::optional<std::string> ReadBirth(const CSimpleIniA& ini, Chart& chart) {
    const char* date = ini.GetValue(ChartSection, "Fecha");
    if (date == nullptr) return std::nullopt;
    ChartBirth birth;
    const auto local = ReadLocalTime(date);
    if (!local) return "Fecha " + Quoted(date) + " no es una fecha AAAA-MM-DD HH:MM";
    birth.LocalTime = *local;
    if (const char* zone = ini.GetValue(ChartSection, "Zona")) birth.ZoneName = zone;
    if (const char* hours = ini.GetValue(ChartSection, "TZ")) {
        const auto value = ReadNumber(hours);
        if (!value || std::fabs(*value) > 14) return "TZ " + Quoted(hours) + " no es una zona en horas";
        birth.ZoneHours = *value;
    }
    const char* latitude = ini.GetValue(ChartSection, "Latitud");
    const char* longitude = ini.GetValue(ChartSection, "Longitud");
    if ((latitude == nullptr) != (longitude == nullptr)) return "Latitud y Longitud van juntas";
    if (latitude != nullptr) {
        birth.Latitude = ReadNumber(latitude);
        birth.Longitude = ReadNumber(longitude);
        if (!birth.Latitude || std::fabs(*birth.Latitude) > 90) return "Latitud " + Quoted(latitude) + " no válida";
        if (!birth.Longitude || std::fabs(*birth.Longitude) > 180) {
            return "Longitud " + Quoted(longitude) + " no válida";
        }
    }
    chart.Birth = birth;
    return std::nullopt;
}

}  // namespace

std::string ChartFileText(const Chart& chart) {
    std::ostringstream text;
    text << "[Carta]\nNombre=" << chart.Name << '\n';
    if (const auto& birth = chart.Birth) {
        text << "Fecha=" << LocalTimeText(birth->LocalTime) << '\n';
        if (birth->ZoneName.empty()) {
            text << "TZ=" << NumberText(birth->ZoneHours) << '\n';
        } else {
            text << "Zona=" << birth->ZoneName << '\n';
        }
        if (birth->Latitude && birth->Longitude) {
            text << "Latitud=" << NumberText(*birth->Latitude) << "\nLongitud=" << NumberText(*birth->Longitude)
                 << '\n';
        }
    }
    text << "\n[Puntos]\n";
    for (const ChartPoint& point : chart.Points) {
        text << point.Name << '=' << NumberText(point.Longitude) << '\n';
    }
    return text.str();
}

ChartReading ParseChartText(std::string_view text, std::string_view origin, std::string_view defaultName) {
    if (text.size() > MaxChartFileSize) return Failure(origin, "es demasiado grande para ser una carta");
    if (text.find('\0') != std::string_view::npos) return Failure(origin, "no es un archivo de texto");
    CSimpleIniA ini;
    ini.SetMultiKey(false);
    if (ini.LoadData(text.data(), text.size()) < 0) return Failure(origin, "no es un archivo INI");
    if (ini.GetSection(PointsSection) == nullptr) return Failure(origin, "le falta la sección [Puntos]");

    Chart chart;
    const char* name = ini.GetValue(ChartSection, "Nombre");
    chart.Name = name != nullptr && *name != '\0' ? name : std::string(defaultName);
    if (const auto problem = ReadBirth(ini, chart)) return Failure(origin, *problem);

    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(PointsSection, keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    for (const CSimpleIniA::Entry& key : keys) {
        const std::string pointName = key.pItem;
        const char* value = ini.GetValue(PointsSection, key.pItem);
        const auto longitude = ReadNumber(value != nullptr ? value : "");
        if (!longitude) {
            return Failure(origin, "el punto " + Quoted(pointName) +
                                       " no tiene una longitud en grados: " + Quoted(value != nullptr ? value : ""));
        }
        if (const auto problem = PointNameProblem(chart, pointName)) return Failure(origin, *problem);
        chart.Points.push_back({pointName, NormalizedLongitude(*longitude)});
    }
    return {std::move(chart), {}};
}

ChartReading ReadChartFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error) return Failure(file.string(), "no existe o no se puede abrir");
    if (size > MaxChartFileSize) return Failure(file.string(), "es demasiado grande para ser una carta");
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !in.is_open()) return Failure(file.string(), "no se puede leer");
    return ParseChartText(text, file.string(), file.stem().string());
}

std::optional<std::string> SaveChartFile(const std::filesystem::path& file, const Chart& chart) {
    if (const auto problem = ChartNameProblem(chart.Name)) return *problem;
    Chart checked{chart.Name, chart.Birth, {}};
    for (const ChartPoint& point : chart.Points) {
        if (const auto problem = PointNameProblem(checked, point.Name)) return *problem;
        checked.Points.push_back(point);
    }
    if (const auto failure = ReplaceFile(file, ChartFileText(chart))) {
        return "no se pudo guardar la carta en " + file.string();
    }
    return std::nullopt;
}

std::filesystem::path UserChartsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && *config == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return base / "Kalto" / "cartas";
}

std::string ChartFileName(std::string_view name) {
    std::string file;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool kept = byte >= 0x80 || std::isalnum(byte) || c == ' ' || c == '-' || c == '_';
        file += kept ? c : '_';
    }
    if (file.empty() || file.front() == ' ' || file.front() == '-') file.insert(0, "carta ");
    return file + ".ini";
}

}  // namespace kalto
