// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli posiciones: every body at each Julian Ephemeris Day read from the
// standard input, as one step of the ephemeris computes them.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

inline constexpr std::string_view PositionsUsage =
    "  posiciones < FICHERO\n"
    "      Lee Días Julianos de las Efemérides de la entrada estándar, uno por\n"
    "      línea (número decimal con punto; se saltan las líneas en blanco), y\n"
    "      para cada uno escribe once líneas «JDE CUERPO LON LAT DIST AR DEC»:\n"
    "      el JDE (6 decimales), el número del cuerpo (1 Sol, 2 Luna, 3 Mercurio\n"
    "      ... 9 Neptuno, 10 Plutón, 11 Nodo medio) y la longitud y latitud\n"
    "      eclípticas aparentes, la distancia (UA; km para la Luna; 0 para\n"
    "      Plutón y el Nodo), la ascensión recta y la declinación, en grados\n"
    "      con 9 decimales.\n";

// Throws UsageError naming the line when a line is not a number; the lines
// before it have been printed.
void RunPositions(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
