// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli jde: the Julian Ephemeris Day of a local date and time.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

// The lines of the help that describe the command.
inline constexpr std::string_view JdeUsage =
    "  jde \"AAAA-MM-DD HH:MM[:SS]\" [--tz HORAS]\n"
    "      Día Juliano de las Efemérides (JDE) de una fecha y hora civil local.\n"
    "      Escribe una línea con el JDE (6 decimales), un blanco y el ΔT\n"
    "      empleado, en segundos (3 decimales).\n"
    "      --tz HORAS   zona horaria en horas al este de Greenwich, de -11.99\n"
    "                   a 11.99 (por omisión 0: la hora dada es Tiempo Universal).\n";

// Runs `jde` with its arguments (the words after "jde"); prints "JDE DELTAT".
// Throws UsageError when the arguments are wrong.
void RunJde(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
