// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kalto-cli contactos: the contact search of the window, its contacts as CSV
// or as the window's grid.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace kalto::cli {

inline constexpr std::string_view ContactsUsage =
    "  contactos --cuerpo NOMBRE --posicion G[:M[:S]] [--signo SIGNO]\n"
    "            --desde AAAA-MM-DD --hasta AAAA-MM-DD [--angulo GRADOS]\n"
    "            [--tipo multiplo|exacto] [--orbe G:M] [--tz HORAS] [--formato texto|csv]\n"
    "            [--directo] [--formato rtf --salida ARCHIVO.rtf [--detalle] [--opciones]]\n"
    "      Busca los intervalos en que el cuerpo está, dentro del orbe, al ángulo\n"
    "      dado (o a un múltiplo suyo) de la posición, desde las 00:00 locales de\n"
    "      --desde hasta las de --hasta; para cada contacto da cuándo inicia, es\n"
    "      partil y finaliza, en hora civil local.\n"
    "      --cuerpo NOMBRE   Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu o Nod.\n"
    "      --posicion G:M:S  grados eclípticos de 0 a 359 (con --signo, grados\n"
    "                        dentro del signo, de 0 a 29), minutos y segundos;\n"
    "                        se normaliza como en la ventana (60 segundos suman\n"
    "                        un minuto, 360 grados son 0, 30 grados de un signo\n"
    "                        son 0 del mismo signo).\n"
    "      --signo SIGNO     Ari, Tau, Gem, Can, Leo, Vir, Lib, Esc, Sag, Cap, Acu\n"
    "                        o Pis: la posición se cuenta dentro de ese signo.\n"
    "      --angulo GRADOS   número entero de 0 a 180 (por omisión 15).\n"
    "      --tipo multiplo   (por omisión) cualquier múltiplo del ángulo, la\n"
    "                        conjunción incluida; exacto: solo el ángulo.\n"
    "      --orbe G:M        grados de 0 a 5 y minutos (por omisión 0:30); nunca\n"
    "                        menos de 0:30.\n"
    "      --tz HORAS        zona horaria en horas al este de Greenwich, de -11.99\n"
    "                        a 11.99 (por omisión 0).\n"
    "      --formato csv     (por omisión) cabecera «indice,cuerpo,posicion,inicia,\n"
    "                        partil,finaliza,contacto,lon_inicia,lon_partil,\n"
    "                        lon_finaliza» y una línea por contacto, por orden de\n"
    "                        inicio; horas AAAA-MM-DDTHH:MM:SS redondeadas al\n"
    "                        segundo; ángulos en grados. Un momento que la búsqueda\n"
    "                        fina no alcanzó dentro de su límite queda vacío.\n"
    "      --formato texto   las líneas de las opciones de búsqueda y la tabla de\n"
    "                        contactos de la ventana, separada por tabuladores.\n"
    "      --formato rtf     el documento RTF de los contactos, como lo exporta la\n"
    "                        ventana, en el archivo --salida: la tabla resumen o,\n"
    "                        con --detalle, una tabla de detalle por contacto;\n"
    "                        con --opciones, antes las opciones de búsqueda. Si\n"
    "                        no se puede escribir, un mensaje y estado de salida\n"
    "                        1, sin dejar un archivo a medias.\n"
    "      --directo         suma las series completas en cada instante en lugar\n"
    "                        de sus aproximaciones de Chebyshev (más lento; sirve\n"
    "                        para comprobar que dan los mismos contactos).\n";

// Throws UsageError when the arguments are wrong and CommandFailure when the
// document cannot be written.
void RunContacts(std::span<const std::string_view> args, std::istream& in, std::ostream& out);

}  // namespace kalto::cli
