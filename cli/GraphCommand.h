// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli grafico: the window's ephemeris graph of a span of dates, drawn
// into a PNG file or, with --formato rtf, the window's graph document.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

inline constexpr std::string_view GraphUsage =
    "  grafico --desde AAAA-MM-DD --hasta AAAA-MM-DD --salida ARCHIVO [--formato png|rtf]\n"
    "          [--cada MINUTOS] [--tz HORAS] [--cuerpos Sol,Lun,...|todos]\n"
    "          [--signos N] [--primer-signo Ari|...|Pis] [--glifo TIPO]\n"
    "          [--sin-lineas] [--rejilla signos,decanos,dias,meses|ninguna]\n"
    "          [--marcador AAAA-MM-DD] [--ancho PIXELES] [--alto PIXELES]\n"
    "      Dibuja el gráfico de efemérides de la ventana (posición en el zodiaco\n"
    "      de cada cuerpo, día a día) en un archivo PNG.\n"
    "      --desde, --hasta, --cada, --tz  como en efemerides.\n"
    "      --cuerpos LISTA  cuerpos separados por comas (Sol, Lun, Mer, Ven, Mar,\n"
    "                       Jup, Sat, Ura, Nep, Plu, Nod) o todos (por omisión).\n"
    "      --signos N       número de signos a lo alto, de 1 a 12 (12).\n"
    "      --primer-signo S signo de la banda de arriba: Ari, Tau, Gem, Can,\n"
    "                       Leo, Vir, Lib, Esc, Sag, Cap, Acu, Pis (Ari).\n"
    "      --glifo TIPO     marca de cada día: circulo, cuadrado, triangulo,\n"
    "                       asterisco, imagen (el símbolo del cuerpo) o ninguno\n"
    "                       (por omisión).\n"
    "      --sin-lineas     no une los puntos de cada cuerpo con líneas.\n"
    "      --rejilla LISTA  líneas de signos, decanos, dias y meses separadas por\n"
    "                       comas, o ninguna (por omisión signos,decanos,meses).\n"
    "      --marcador FECHA marca ese día con una línea vertical roja.\n"
    "      --ancho, --alto  tamaño de la imagen en píxeles, de 1 a 4096\n"
    "                       (900 x 500).\n"
    "      --formato png    (por omisión) la imagen PNG.\n"
    "      --formato rtf    el documento RTF del gráfico, como lo exporta la\n"
    "                       ventana: el título y la imagen centrada.\n"
    "      --salida ARCHIVO el PNG o el RTF; si no se puede escribir, un mensaje\n"
    "                       y estado de salida 1, sin dejar un archivo a medias.\n";

// Throws UsageError when the arguments are wrong and CommandFailure when the
// file cannot be written. `err` gets the note on a moved end date.
void RunGraphCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kalto::cli
