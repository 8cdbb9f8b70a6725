#include "CommandLine.h"

#include "JdeCommand.h"
#include "PositionsCommand.h"
#include "UsageError.h"

#include <algorithm>
#include <array>
#include <string>

namespace kalto::cli {

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    void (*run)(std::span<const std::string_view> args, std::istream& in, std::ostream& out);
};

constexpr std::array<Command, 2> Commands{{
    {"jde", JdeUsage, RunJde},
    {"posiciones", PositionsUsage, RunPositions},
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
        out << command.usage;
    }
    out << "\n"
           "Ejemplo:\n"
           "  kalto-cli jde \"2026-12-08 12:00\" --tz -3\n"
           "  echo 2451545.0 | kalto-cli posiciones\n"
           "\n"
           "Estado de salida: 0 si todo fue bien, 2 si la orden o los datos están mal escritos.\n";
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    if (args.empty() || IsHelp(args.front())) {
        PrintHelp(out);
        return ExitOk;
    }
    try {
        for (const Command& command : Commands) {
            if (args.front() == command.name) {
                const auto rest = args.subspan(1);
                if (std::ranges::any_of(rest, IsHelp)) {
                    out << "Uso:\n" << command.usage;
                } else {
                    command.run(rest, in, out);
                }
                return ExitOk;
            }
        }
        throw UsageError("orden desconocida: " + std::string(args.front()));
    } catch (const UsageError& error) {
        err << "kalto-cli: " << error.what() << "\n"
            << "Escriba «kalto-cli --help» para ver el uso.\n";
        return ExitUsage;
    }
}

}  // namespace kalto::cli
