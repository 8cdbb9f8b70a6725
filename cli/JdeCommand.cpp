// SPDX-License-Identifier: GPL-3.0-or-later
#include "JdeCommand.h"

#include "ArgumentParsing.h"
#include "NumberText.h"
#include "TimeScales.h"
#include "UsageError.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

namespace kalto::cli {

namespace {

constexpr std::string_view ZoneOption = "--tz";

}  // namespace

void RunJde(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    std::optional<std::string_view> dateText;
    double zoneHours = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == ZoneOption) {
            if (i + 1 == args.size()) {
                throw UsageError("falta el valor de --tz (horas al este de Greenwich)");
            }
            zoneHours = ParseZoneHours(args[++i]);
        } else if (arg.starts_with("--tz=")) {
            zoneHours = ParseZoneHours(arg.substr(ZoneOption.size() + 1));
        } else if (arg.starts_with("--")) {
            throw UsageError("opción desconocida: " + std::string(arg));
        } else if (dateText) {
            throw UsageError("sobra el argumento «" + std::string(arg) + "»: jde toma una sola fecha");
        } else {
            dateText = arg;
        }
    }
    if (!dateText) {
        throw UsageError("falta la fecha y hora, escrita «AAAA-MM-DD HH:MM[:SS]»");
    }
    const TDateTime local = ParseLocalDateTime(*dateText);
    const EphemerisInstant instant = LocalToJDE(local, ZoneOffset(zoneHours));
    out << Fixed(instant.jde, 6) << ' ' << Fixed(instant.deltaTSeconds, 3) << '\n';
}

}  // namespace kalto::cli
