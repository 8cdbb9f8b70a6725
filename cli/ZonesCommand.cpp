// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZonesCommand.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "TimeZones.h"

namespace kalto::cli {

std::string ZonesUsage() {
    return "  zonas\n"
           "      Escribe los nombres de zona que acepta --zona, uno por línea y en\n"
           "      orden: los de la base de datos de zonas horarias del sistema\n"
           "      (tzdata), con sus alias (UTC, US/Eastern).\n";
}

void RunZones(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    if (!args.empty()) {
        if (args.front().starts_with("--")) ThrowUnknownOption(args.front());
        throw UsageError("sobra el argumento " + Quoted(args.front()) + ": zonas no toma argumentos");
    }
    const std::vector<std::string> names = TimeZoneNames();
    if (names.empty()) {
        throw CommandFailure("no se pudo leer la base de datos de zonas horarias (/usr/share/zoneinfo)");
    }
    for (const std::string& name : names) {
        out << name << '\n';
    }
}

}  // namespace kalto::cli
