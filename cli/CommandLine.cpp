// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "ChartCommand.h"
#include "CommandErrors.h"
#include "ContactsCommand.h"
#include "EphemerisCommand.h"
#include "EventsCommand.h"
#include "GraphCommand.h"
#include "JdeCommand.h"
#include "PositionsCommand.h"
#include "TransitsCommand.h"
#include "ZonesCommand.h"

#include <algorithm>
#include <array>
#include <string>

namespace kalto::cli {

namespace {

struct Command {
    std::string_view name;
    std::string (*usage)();  // the lines of the help that describe it
    void (*run)(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
};

// Commands that write nothing to the standard error besides their usage errors.
template <void (*Run)(std::span<const std::string_view>, std::istream&, std::ostream&)>
void WithoutMessages(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream&) {
    Run(args, in, out);
}

constexpr std::array<Command, 9> Commands{{
    {"jde", JdeUsage, WithoutMessages<RunJde>},
    {"posiciones", PositionsUsage, WithoutMessages<RunPositions>},
    {"efemerides", EphemerisUsage, RunEphemerisCommand},
    {"contactos", ContactsUsage, WithoutMessages<RunContacts>},
    {"grafico", GraphUsage, RunGraphCommand},
    {"zonas", ZonesUsage, WithoutMessages<RunZones>},
    {"carta", ChartUsage, WithoutMessages<RunChart>},
    {"transitos", TransitsUsage, WithoutMessages<RunTransits>},
    {"eventos", EventsUsage, WithoutMessages<RunEvents>},
}};

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

void PrintHelp(std::ostream& out) {
    out << "Uso: kalto-cli ORDEN [ARGUMENTOS]\n"
           "     kalto-cli --help | -h\n"
           "\n"
           "Órdenes:\n";
    for (const Command& command : Commands) {
        out << command.usage();
    }
    out << "\n"
           "Ejemplo:\n"
           "  kalto-cli jde \"2026-12-08 12:00\" --tz -3\n"
           "  kalto-cli jde \"2027-06-21 16:11\" --zona Europe/Madrid\n"
           "  echo 2451545.0 | kalto-cli posiciones\n"
           "  kalto-cli efemerides --desde 2027-01-01 --hasta 2027-02-01 --cada 60 --cuerpo Lun\n"
           "  kalto-cli contactos --cuerpo Sol --posicion 0 --angulo 90 --orbe 1:0 --desde 2027-01-01 --hasta 2027-12-31\n"
           "  kalto-cli grafico --desde 2027-01-01 --hasta 2027-02-01 --glifo imagen --salida enero.png\n"
           "  kalto-cli carta --nombre Ana --fecha \"1990-05-17 08:30\" --zona Europe/Madrid --latitud 41.3874 "
           "--longitud 2.1686 --salida ana.ini\n"
           "  kalto-cli eventos --desde 2027-01-01 --hasta 2027-02-01 --zona Europe/Madrid --tipos fases,ingresos\n"
           "  kalto-cli efemerides --desde 2027-01-01 --hasta 2027-02-01 --cuerpo Sol --columnas hora,lon,dec \\\n"
           "             --formato rtf --salida sol.rtf\n"
           "\n"
           "Estado de salida: 0 si todo fue bien, 1 si no se pudo escribir el archivo de salida,\n"
           "2 si la orden o los datos están mal escritos.\n";
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty() || IsHelp(args.front())) {
        PrintHelp(out);
        return ExitOk;
    }
    try {
        for (const Command& command : Commands) {
            if (args.front() == command.name) {
                const auto rest = args.subspan(1);
                if (std::ranges::any_of(rest, IsHelp)) {
                    out << "Uso:\n" << command.usage();
                } else {
                    command.run(rest, in, out, err);
                }
                return ExitOk;
            }
        }
        throw UsageError("orden desconocida: " + std::string(args.front()));
    } catch (const UsageError& error) {
        err << "kalto-cli: " << error.what() << "\n"
            << "Escriba «kalto-cli --help» para ver el uso.\n";
        return ExitUsage;
    } catch (const CommandFailure& failure) {
        err << "kalto-cli: " << failure.what() << "\n";
        return ExitFailure;
    }
}

}  // namespace kalto::cli
