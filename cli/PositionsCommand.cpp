// SPDX-License-Identifier: GPL-3.0-or-later
#include "PositionsCommand.h"

#include "CommandErrors.h"
#include "EphemerisStep.h"
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kalto::cli {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A decimal number with a point, nothing else on the line.
bool ParseJde(std::string_view text, double& jde) {
    if (text.starts_with('+')) text.remove_prefix(1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), jde, std::chars_format::fixed);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() && std::isfinite(jde);
}

}  // namespace

std::string PositionsUsage() {
    return "  posiciones < FICHERO\n"
           "      Lee Días Julianos de las Efemérides de la entrada estándar, uno por\n"
           "      línea (número decimal con punto; se saltan las líneas en blanco), y\n"
           "      para cada uno escribe once líneas «JDE CUERPO LON LAT DIST AR DEC»:\n"
           "      el JDE (6 decimales), el número del cuerpo (1 Sol, 2 Luna, 3 Mercurio\n"
           "      ... 9 Neptuno, 10 Plutón, 11 Nodo medio) y la longitud y latitud\n"
           "      eclípticas aparentes, la distancia (UA; km para la Luna; 0 para\n"
           "      Plutón y el Nodo), la ascensión recta y la declinación, en grados\n"
           "      con 9 decimales.\n";
}

void RunPositions(std::span<const std::string_view> args, std::istream& in, std::ostream& out) {
    if (!args.empty()) {
        throw UsageError("posiciones no toma argumentos; lee los JDE de la entrada estándar");
    }
    Engine engine;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const std::string_view text = Trimmed(line);
        if (text.empty()) continue;
        double jde = 0;
        if (!ParseJde(text, jde)) {
            out.flush();
            throw UsageError("la línea " + std::to_string(lineNumber) + " no es un Día Juliano: «" + std::string(text) +
                             "»");
        }
        const StepPositions step = ComputeAllBodies(engine, jde);
        const std::string jdeText = Fixed(jde, 6);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            const BodyPosition& p = step[body];
            out << jdeText << ' ' << body << ' ' << Fixed(p.Longitude, 9) << ' ' << Fixed(p.Latitude, 9) << ' '
                << Fixed(p.Distance, 9) << ' ' << Fixed(p.RightAscension, 9) << ' ' << Fixed(p.Declination, 9) << '\n';
        }
    }
}

}  // namespace kalto::cli
