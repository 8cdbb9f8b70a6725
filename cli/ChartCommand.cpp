// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartCommand.h"

#include "ArgumentParsing.h"
#include "BirthChart.h"
#include "ChartFile.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace kalto::cli {

namespace {

struct ChartOptions {
    std::optional<std::string> name;
    std::optional<TDateTime> localTime;
    std::optional<double> zoneHours;
    std::optional<TimeZone> zone;
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<std::string> output;
};

// Decimal degrees from -limit to limit, with a point.
double ParseDegrees(std::string_view text, double limit, std::string_view what) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || !(std::fabs(value) <= limit)) {
        throw UsageError(std::string(what) + " no válida: " + Quoted(text) + "; se esperaban grados decimales de " +
                         Fixed(-limit, 0) + " a " + Fixed(limit, 0));
    }
    return value;
}

constexpr std::string_view Synopsis =
    "  carta --nombre NOMBRE --fecha \"AAAA-MM-DD HH:MM\" [--tz HORAS] [--zona NOMBRE]\n"
    "        [--latitud GRADOS --longitud GRADOS] --salida ARCHIVO\n"
    "      Escribe el archivo de la carta de un nacimiento: los once cuerpos de\n"
    "      ese momento y, con el lugar, el ascendente ASC y el medio cielo MC.\n"
    "      Escribe además los puntos, uno por línea: nombre y longitud.\n";

constexpr std::array<OptionDeclaration<ChartOptions>, 7> Options{{
    {"--nombre",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) {
         if (const auto problem = ChartNameProblem(value)) throw UsageError(*problem);
         options.name = std::string(value);
     },
     {{{"NOMBRE", "nombre de la carta."}}},
     false,
     "nombre de la carta"},
    {"--fecha",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.localTime = ParseLocalDateTime(value); },
     {{{"\"AAAA-MM-DD HH:MM\"", "fecha y hora civil local del nacimiento."}}},
     false,
     "fecha y hora, como \"1990-05-17 08:30\""},
    {"--tz",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.zoneHours = ParseZoneHours(value); },
     {{{"HORAS", "zona horaria en horas al este de Greenwich, de -11.99\na 11.99 (por omisión 0)."}}},
     false,
     "horas al este de Greenwich"},
    {"--zona",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.zone = ParseZoneName(value); },
     {{{"NOMBRE", "zona de la base de datos de zonas horarias, como\nEurope/Madrid. No vale junto con --tz."}}},
     false,
     "nombre de zona, como Europe/Madrid"},
    {"--latitud",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.latitude = ParseDegrees(value, 90, "latitud"); },
     {{{"GRADOS", "latitud geográfica en grados decimales, norte positiva\n(Barcelona: 41.3874)."}}},
     false,
     "grados decimales"},
    {"--longitud",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.longitude = ParseDegrees(value, 180, "longitud"); },
     {{{"GRADOS", "longitud geográfica en grados decimales, este positiva\n(Barcelona: 2.1686). Va con --latitud."}}},
     false,
     "grados decimales"},
    {"--salida",
     OptionValue::Required,
     [](ChartOptions& options, std::string_view value) { options.output = std::string(value); },
     {{{"ARCHIVO", "el archivo de la carta que se escribe."}}},
     false,
     "archivo"},
}};

constexpr CommandDeclaration<ChartOptions> Command{"carta", Options, 21};

}  // namespace

std::string ChartUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

void RunChart(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    ChartOptions options;
    ParseCommandOptions(args, Command, options);
    if (!options.name) throw UsageError("falta --nombre");
    if (!options.localTime) throw UsageError("falta --fecha, escrita «AAAA-MM-DD HH:MM»");
    if (!options.output) throw UsageError("falta --salida ARCHIVO");
    if (options.zoneHours && options.zone) throw UsageError(std::string(BothZonesMessage));
    if (options.latitude.has_value() != options.longitude.has_value()) {
        throw UsageError("--latitud y --longitud van juntas");
    }
    ChartBirth birth;
    birth.LocalTime = *options.localTime;
    birth.ZoneHours = options.zoneHours.value_or(0);
    birth.ZoneName = options.zone ? std::string(options.zone->Name()) : std::string();
    birth.Latitude = options.latitude;
    birth.Longitude = options.longitude;
    const WallClock clock = options.zone ? WallClock(*options.zone) : WallClock(birth.ZoneHours);
    const Chart chart = MakeBirthChart(*options.name, birth, clock);
    if (const auto failure = SaveChartFile(*options.output, chart)) throw CommandFailure(*failure);
    for (const ChartPoint& point : chart.Points) {
        out << point.Name << ' ' << Fixed(point.Longitude, 6) << '\n';
    }
}

}  // namespace kalto::cli
