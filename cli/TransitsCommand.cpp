// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitsCommand.h"

#include "ArgumentParsing.h"
#include "ChartFile.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "RtfOutput.h"
#include "RunSpan.h"
#include "TransitTable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

enum class TransitsFormat { Csv, Text, Rtf };
constexpr std::array<std::string_view, 3> FormatNames = {"csv", "texto", "rtf"};

struct TransitsOptions {
    std::optional<std::string> chart;
    RunSpanOptions Span;  // --desde, --hasta, --tz, --zona
    std::vector<int> bodies;
    std::vector<int> aspects{MajorAspects.begin(), MajorAspects.end()};
    std::vector<double> orbs{DefaultTransitOrb};
    TransitsFormat format = TransitsFormat::Csv;
    std::optional<std::string> output;
};

std::vector<int> BodiesButTheMoon() {
    std::vector<int> bodies;
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        if (body != Lun) bodies.push_back(body);
    }
    return bodies;
}

void SetBodies(TransitsOptions& options, std::string_view value) {
    options.bodies.clear();
    if (SameLetters(value, "todos")) {
        for (int body = FirstBody; body <= LastComputedBody; ++body) options.bodies.push_back(body);
        return;
    }
    for (const std::string_view item : ListItems(value)) {
        const int body = ParseBody(item);
        if (std::find(options.bodies.begin(), options.bodies.end(), body) == options.bodies.end()) {
            options.bodies.push_back(body);
        }
    }
}

void SetAspects(TransitsOptions& options, std::string_view value) {
    options.aspects.clear();
    for (const std::string_view item : ListItems(value)) {
        const std::optional<int> degrees = WholeNumber(item, 0, 180);
        if (!degrees) {
            throw UsageError("aspecto no válido: " + Quoted(item) + "; se esperaban grados enteros de 0 a 180");
        }
        if (std::find(options.aspects.begin(), options.aspects.end(), *degrees) != options.aspects.end()) {
            throw UsageError("aspecto repetido: " + Quoted(item));
        }
        options.aspects.push_back(*degrees);
    }
}

// "G:M", from 0:05 to 10:00.
double ParseTransitOrb(std::string_view text) {
    const std::vector<std::string_view> items = [text] {
        std::vector<std::string_view> fields;
        const std::size_t colon = text.find(':');
        fields.push_back(text.substr(0, colon));
        if (colon != std::string_view::npos) fields.push_back(text.substr(colon + 1));
        return fields;
    }();
    const std::optional<int> degrees = WholeNumber(items[0], 0, 10);
    const std::optional<int> minutes = items.size() == 2 ? WholeNumber(items[1], 0, 59) : std::optional<int>(0);
    const double orb = degrees && minutes ? *degrees + *minutes / 60.0 : -1;
    if (orb < MinTransitOrb - 1e-12 || orb > MaxTransitOrb) {
        throw UsageError("orbe no válido: " + Quoted(text) + "; se esperaba G:M, de 0:05 a 10:00");
    }
    return orb;
}

void SetOrbs(TransitsOptions& options, std::string_view value) {
    options.orbs.clear();
    for (const std::string_view item : ListItems(value)) options.orbs.push_back(ParseTransitOrb(item));
}

constexpr std::string_view Synopsis = "  transitos --carta ARCHIVO --desde AAAA-MM-DD --hasta AAAA-MM-DD\n"
                                      "            [--cuerpos Sol,Mer,...|todos] [--aspectos 0,60,90,120,180]\n"
                                      "            [--orbes G:M | G:M,G:M,...] [--tz HORAS] [--zona NOMBRE]\n"
                                      "            [--formato csv|texto] [--formato rtf --salida ARCHIVO.rtf]\n"
                                      "      Los tránsitos de los cuerpos a los puntos de una carta: cada estancia\n"
                                      "      de un cuerpo dentro del orbe de un aspecto a un punto, con cada paso\n"
                                      "      exacto entre las 00:00 locales de --desde y las de --hasta (la entrada\n"
                                      "      y la salida pueden caer fuera). Una estancia con n pasos exactos (un\n"
                                      "      bucle retrógrado da tres) da una línea por paso, 1/n .. n/n; una sin\n"
                                      "      paso exacto, una línea sin momento exacto.\n";

constexpr std::array<OptionDeclaration<TransitsOptions>, 6> OwnOptions{{
    {"--carta",
     OptionValue::Required,
     [](TransitsOptions& options, std::string_view value) { options.chart = std::string(value); },
     {{{"ARCHIVO", "el archivo de la carta (kalto-cli carta lo escribe)."}}},
     false,
     "archivo de carta"},
    {"--cuerpos",
     OptionValue::Required,
     SetBodies,
     {{{"LISTA", "cuerpos en tránsito separados por comas (Sol, Lun,\n"
                 "Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod) o todos;\n"
                 "por omisión todos menos la Luna."}}},
     false,
     "lista de cuerpos"},
    {"--aspectos",
     OptionValue::Required,
     SetAspects,
     {{{"LISTA", "aspectos en grados enteros de 0 a 180, separados por\n"
                 "comas (por omisión 0,60,90,120,180); cada uno a ambos\n"
                 "lados del punto, salvo 0 y 180."}}},
     false,
     "lista de grados"},
    {"--orbes",
     OptionValue::Required,
     SetOrbs,
     {{{"G:M", "un orbe para todos los aspectos, o uno por aspecto en su\n"
               "orden, de 0:05 a 10:00 (por omisión 1:00)."}}},
     false,
     "orbe G:M"},
    {"--formato",
     OptionValue::Required,
     [](TransitsOptions& options, std::string_view value) {
         options.format = ParseFormat<TransitsFormat>(value, FormatNames, "csv, texto o rtf");
     },
     {{{"csv", "(por omisión) cabecera «cuerpo,aspecto,punto,inicia,\n"
               "exacto,finaliza,pasada,lon_exacto,exacto_utc» y una línea\n"
               "por fila, por orden del momento exacto; horas locales\n"
               "AAAA-MM-DDTHH:MM:SS redondeadas al segundo, exacto_utc en\n"
               "tiempo universal con Z."},
       {"texto", "el encabezado y la tabla de la ventana, separada por\ntabuladores."},
       {"rtf", "el documento RTF de la lista en el archivo --salida."}}}},
    {"--salida", OptionValue::Required,
     [](TransitsOptions& options, std::string_view value) { options.output = std::string(value); }},
}};

constexpr auto Options = JoinDeclarations(OwnOptions, SearchSpanDeclarations<TransitsOptions>());
constexpr CommandDeclaration<TransitsOptions> Command{"transitos", Options, 19};

TransitsOptions ParseOptions(std::span<const std::string_view> args) {
    TransitsOptions options;
    options.bodies = BodiesButTheMoon();
    ParseCommandOptions(args, Command, options);
    if (!options.chart) throw UsageError("falta --carta ARCHIVO");
    CheckSearchSpan(options.Span);
    if (options.orbs.size() != 1 && options.orbs.size() != options.aspects.size()) {
        throw UsageError("--orbes da " + std::to_string(options.orbs.size()) + " orbes para " +
                         std::to_string(options.aspects.size()) + " aspectos; dé uno o uno por aspecto");
    }
    if (options.format == TransitsFormat::Rtf) {
        if (!options.output || options.output->empty()) {
            throw UsageError("falta --salida ARCHIVO.rtf, el archivo del documento");
        }
    } else if (options.output) {
        throw UsageError("--salida solo vale con --formato rtf");
    }
    return options;
}

}  // namespace

std::string TransitsUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

void RunTransits(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    const TransitsOptions options = ParseOptions(args);
    const ChartReading chart = ReadChartFile(*options.chart);
    if (!chart.Value) throw CommandFailure(chart.Problem);
    const std::unique_ptr<RtfWriter> document =
        options.format == TransitsFormat::Rtf ? CreateRtfDocument(*options.output) : nullptr;

    const WallClock clock = SpanClock(options.Span);
    TransitRequest request;
    request.Bodies = options.bodies;
    request.Points = chart.Value->Points;
    for (std::size_t i = 0; i < options.aspects.size(); ++i) {
        request.Aspects.push_back({options.aspects[i], options.orbs[options.orbs.size() == 1 ? 0 : i]});
    }
    request.Start = clock.ToUniversalTime(*options.Span.Start);
    request.End = clock.ToUniversalTime(*options.Span.End);
    TransitProgress progress;  // nothing requests a stop
    const std::vector<Transit> rows = SearchTransits(request, progress).value_or(std::vector<Transit>{});

    const DateFormatNames names = SpanishDateFormatNames();
    switch (options.format) {
        case TransitsFormat::Csv:
            out << TransitCsvHeader << '\n';
            for (const Transit& row : rows) out << TransitCsvLine(row, request.Points, clock) << '\n';
            break;
        case TransitsFormat::Text: {
            for (const std::string& line : TransitHeading(chart.Value->Name, request, clock, names))
                out << line << '\n';
            for (std::size_t column = 0; column < TransitColumns.size(); ++column) {
                out << (column == 0 ? "" : "\t") << TransitColumns[column].Title;
            }
            out << '\n';
            for (const Transit& row : rows) {
                const auto cells = TransitCells(row, request.Points, clock, names);
                for (std::size_t column = 0; column < cells.size(); ++column) {
                    out << (column == 0 ? "" : "\t") << cells[column];
                }
                out << '\n';
            }
            break;
        }
        case TransitsFormat::Rtf:
            WriteRtfDocument(*document, TransitsExport{TransitHeading(chart.Value->Name, request, clock, names),
                                                       request.Points, rows, clock});
            break;
    }
}

}  // namespace kalto::cli
