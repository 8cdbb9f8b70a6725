// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventsCommand.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "EventTable.h"
#include "RunSpan.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

enum class EventsFormat { Csv, Text };
constexpr std::array<std::string_view, 2> FormatNames = {"csv", "texto"};

struct EventsOptions {
    RunSpanOptions Span;  // --desde, --hasta, --tz, --zona
    std::vector<EventKind> kinds = AllEventKinds();
    EventsFormat format = EventsFormat::Csv;
};

void SetKinds(EventsOptions& options, std::string_view value) {
    options.kinds.clear();
    for (const std::string_view item : ListItems(value)) {
        const std::optional<int> kind = ItemIndex(item, EventKindNames);
        if (!kind) {
            throw UsageError("tipo de evento desconocido: " + Quoted(item) +
                             "; debe ser estaciones, ingresos, luna, fases, aspectos o vacio");
        }
        if (std::find(options.kinds.begin(), options.kinds.end(), static_cast<EventKind>(*kind)) !=
            options.kinds.end()) {
            throw UsageError("tipo de evento repetido: " + Quoted(item));
        }
        options.kinds.push_back(static_cast<EventKind>(*kind));
    }
}

constexpr std::string_view Synopsis = "  eventos --desde AAAA-MM-DD --hasta AAAA-MM-DD [--tz HORAS] [--zona NOMBRE]\n"
                                      "          [--tipos estaciones,ingresos,luna,fases,aspectos,vacio]\n"
                                      "          [--formato csv|texto]\n"
                                      "      Los eventos entre las 00:00 locales de --desde y las de --hasta, por\n"
                                      "      orden de su momento exacto: estaciones de Mercurio a Plutón, ingresos\n"
                                      "      en los signos, fases de la Luna, aspectos exactos entre los cuerpos y\n"
                                      "      la Luna vacía de curso (los periodos que empiezan en el intervalo).\n";

constexpr std::array<OptionDeclaration<EventsOptions>, 2> OwnOptions{{
    {"--tipos",
     OptionValue::Required,
     SetKinds,
     {{{"LISTA", "tipos de evento separados por comas, por omisión\n"
                 "todos: estaciones (de Mercurio a Plutón), ingresos\n"
                 "(del Sol, de Mercurio a Plutón y del nodo), luna (los\n"
                 "ingresos de la Luna), fases, aspectos (de 0, 60, 90,\n"
                 "120 y 180 grados entre el Sol, la Luna y Mercurio a\n"
                 "Plutón) y vacio (la Luna vacía de curso)."}}},
     false,
     "lista de tipos"},
    {"--formato",
     OptionValue::Required,
     [](EventsOptions& options, std::string_view value) {
         options.format = ParseFormat<EventsFormat>(value, FormatNames, "csv o texto");
     },
     {{{"csv", "(por omisión) cabecera «momento,cuerpo,evento,longitud,\n"
               "fin,momento_utc» y una línea por evento; horas locales\n"
               "AAAA-MM-DDTHH:MM:SS redondeadas al segundo, longitud en\n"
               "grados, fin solo para la Luna vacía de curso, momento_utc\n"
               "en tiempo universal con Z."},
       {"texto", "el encabezado y la tabla de la lista, separada por\ntabuladores."}}}},
}};

constexpr auto Options = JoinDeclarations(SearchSpanDeclarations<EventsOptions>(), OwnOptions);
constexpr CommandDeclaration<EventsOptions> Command{"eventos", Options, 19};

EventsOptions ParseOptions(std::span<const std::string_view> args) {
    EventsOptions options;
    ParseCommandOptions(args, Command, options);
    CheckSearchSpan(options.Span);
    return options;
}

}  // namespace

std::string EventsUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

void RunEvents(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    const EventsOptions options = ParseOptions(args);
    const WallClock clock = SpanClock(options.Span);
    EventRequest request;
    request.Start = clock.ToUniversalTime(*options.Span.Start);
    request.End = clock.ToUniversalTime(*options.Span.End);
    request.Kinds = options.kinds;
    EventProgress progress;  // nothing requests a stop
    const std::vector<Event> events = SearchEvents(request, progress).value_or(std::vector<Event>{});

    if (options.format == EventsFormat::Csv) {
        out << EventCsvHeader << '\n';
        for (const Event& event : events) out << EventCsvLine(event, clock) << '\n';
        return;
    }
    const DateFormatNames names = SpanishDateFormatNames();
    for (const std::string& line : EventHeading(request, clock, names)) out << line << '\n';
    for (std::size_t column = 0; column < EventColumns.size(); ++column) {
        out << (column == 0 ? "" : "\t") << EventColumns[column].Title;
    }
    out << '\n';
    for (const Event& event : events) {
        const auto cells = EventCells(event, clock, names);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            out << (column == 0 ? "" : "\t") << cells[column];
        }
        out << '\n';
    }
}

}  // namespace kalto::cli
