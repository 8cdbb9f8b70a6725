// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli efemerides: the ephemeris of a span of dates, computed as the
// window computes it, as CSV or as the window's table.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

inline constexpr std::string_view EphemerisUsage =
    "  efemerides --desde AAAA-MM-DD --hasta AAAA-MM-DD [--cada MINUTOS] [--tz HORAS]\n"
    "             [--cuerpo NOMBRE|todos] [--formato texto|csv|resumen] [--directo]\n"
    "             [--formato rtf --salida ARCHIVO.rtf [--columnas hora,lon,lat,ar,dec]]\n"
    "      Posiciones de los cuerpos en cada paso de los días de --desde a\n"
    "      --hasta, ambos incluidos, en hora civil local. Si entre las dos\n"
    "      fechas hay más de 730 días, el cálculo acaba 24 meses después de\n"
    "      --desde (y lo avisa en la salida de errores).\n"
    "      --cada MINUTOS   paso: 1440 (por omisión), 720, 360, 180, 120, 60,\n"
    "                       30, 15, 10 o 5.\n"
    "      --tz HORAS       zona horaria en horas al este de Greenwich, de -11.99\n"
    "                       a 11.99 (por omisión 0).\n"
    "      --cuerpo NOMBRE  Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod\n"
    "                       o todos (por omisión).\n"
    "      --formato csv    (por omisión) cabecera «cuerpo,fecha_local,longitud,\n"
    "                       latitud,ascension_recta,declinacion,distancia» y una\n"
    "                       línea por paso y cuerpo; fecha AAAA-MM-DDTHH:MM:SS;\n"
    "                       ángulos en grados, distancia en UA (km para la Luna,\n"
    "                       0 para Plutón y el Nodo).\n"
    "      --formato texto  para cada cuerpo, «# Sol» y la tabla de la ventana\n"
    "                       con sus ocho columnas, separadas por tabuladores.\n"
    "      --formato resumen\n"
    "                       cabecera «cuerpo,filas,longitud,latitud,\n"
    "                       ascension_recta,declinacion» y, para cada cuerpo, el\n"
    "                       número de filas y la suma de cada columna tal como\n"
    "                       se guarda (9 cifras significativas): para medir o\n"
    "                       comparar un cálculo sin escribirlo entero.\n"
    "      --formato rtf    el documento RTF de la tabla de un cuerpo (--cuerpo),\n"
    "                       como lo exporta la ventana, en el archivo --salida;\n"
    "                       si no se puede escribir, un mensaje y estado de\n"
    "                       salida 1, sin dejar un archivo a medias.\n"
    "      --columnas LISTA columnas opcionales de la tabla, separadas por comas:\n"
    "                       hora, lon, lat, ar, dec (por omisión hora,lon), o\n"
    "                       ninguna; Día, Fecha y Val. van siempre.\n"
    "      --directo        suma las series completas en cada paso en lugar de\n"
    "                       sus aproximaciones de Chebyshev (mucho más lento;\n"
    "                       sirve para comprobar que dan los mismos valores).\n";

// Throws UsageError when the arguments are wrong and CommandFailure when the
// document cannot be written. `err` gets the note on a
// moved end date and, on a terminal, the progress of a long run.
void RunEphemerisCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                         std::ostream& err);

}  // namespace kalto::cli
