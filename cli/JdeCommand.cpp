// SPDX-License-Identifier: GPL-3.0-or-later
#include "JdeCommand.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "NumberText.h"
#include "TimeScales.h"
#include "TimeZones.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

namespace kalto::cli {

namespace {

struct JdeOptions {
    std::optional<std::string_view> dateText;
    std::optional<double> zoneHours;
    std::optional<TimeZone> zone;
};

// The date and time, the one argument that is not an option.
void SetDateText(JdeOptions& options, std::string_view argument) {
    if (options.dateText) {
        throw UsageError("sobra el argumento " + Quoted(argument) + ": jde toma una sola fecha");
    }
    options.dateText = argument;
}

constexpr std::string_view Synopsis = "  jde \"AAAA-MM-DD HH:MM[:SS]\" [--tz HORAS] [--zona NOMBRE]\n"
                                      "      Día Juliano de las Efemérides (JDE) de una fecha y hora civil local.\n"
                                      "      Escribe una línea con el JDE (6 decimales), un blanco y el ΔT\n"
                                      "      empleado, en segundos (3 decimales).\n";

constexpr std::array<OptionDeclaration<JdeOptions>, 2> Options{{
    {"--tz",
     OptionValue::Required,
     [](JdeOptions& options, std::string_view value) { options.zoneHours = ParseZoneHours(value); },
     {{{"HORAS", "zona horaria en horas al este de Greenwich, de -11.99\n"
                 "a 11.99 (por omisión 0: la hora dada es Tiempo Universal)."}}},
     false,
     "horas al este de Greenwich"},
    {"--zona",
     OptionValue::Required,
     [](JdeOptions& options, std::string_view value) { options.zone = ParseZoneName(value); },
     {{{"NOMBRE", "zona de la base de datos de zonas horarias, como\n"
                  "Europe/Madrid (la lista: kalto-cli zonas); la hora dada es\n"
                  "la del reloj de esa zona ese día, con su horario de verano.\n"
                  "Una hora saltada al adelantar el reloj se lee con la hora\n"
                  "de antes del cambio; una hora repetida al atrasarlo, la\n"
                  "primera vez. No vale junto con --tz."}}},
     false,
     "nombre de zona, como Europe/Madrid"},
}};

constexpr CommandDeclaration<JdeOptions> Command{"jde", Options, 13, SetDateText};

}  // namespace

std::string JdeUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

void RunJde(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    JdeOptions options;
    ParseCommandOptions(args, Command, options);
    if (!options.dateText) {
        throw UsageError("falta la fecha y hora, escrita «AAAA-MM-DD HH:MM[:SS]»");
    }
    if (options.zoneHours && options.zone) {
        throw UsageError(std::string(BothZonesMessage));
    }
    const TDateTime local = ParseLocalDateTime(*options.dateText);
    const EphemerisInstant instant = options.zone ? LocalToJDE(options.zone->ToUniversalTime(local), 0)
                                                  : LocalToJDE(local, ZoneOffset(options.zoneHours.value_or(0)));
    out << Fixed(instant.jde, 6) << ' ' << Fixed(instant.deltaTSeconds, 3) << '\n';
}

}  // namespace kalto::cli
