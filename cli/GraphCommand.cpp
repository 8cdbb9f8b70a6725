// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphCommand.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "DrawGraph.h"
#include "EphemerisRun.h"
#include "GraphPicture.h"
#include "OffscreenApplication.h"
#include "ReplacingFile.h"
#include "RtfOutput.h"
#include "RunSpan.h"
#include "TextForms.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

constexpr int MaxImageSide = 4096;

constexpr std::array<std::string_view, GraphGlyphCount> GlyphNames = {"circulo",   "cuadrado", "triangulo",
                                                                      "asterisco", "imagen",   "ninguno"};
// The grid lines, in the order of GridLines below.
constexpr std::array<std::string_view, 4> GridNames = {"signos", "decanos", "dias", "meses"};

enum class GraphFormat { Png, Rtf };
constexpr std::array<std::string_view, 2> FormatNames = {"png", "rtf"};

struct GraphOptions {
    RunSpanOptions Span;
    std::optional<std::string> output;
    bool document = false;  // --formato rtf: the graph document instead of the PNG
    GraphFrame frame;
};

int ParseWhole(std::string_view text, int low, int high, std::string_view what) {
    const std::optional<int> value = WholeNumber(text, low, high);
    if (!value) {
        throw UsageError(std::string(what) + " no válido: " + Quoted(text) + "; debe ser un número entero de " +
                         std::to_string(low) + " a " + std::to_string(high));
    }
    return *value;
}

void SetBodies(GraphOptions& options, std::string_view value) {
    std::array<bool, Rue + 1>& shown = options.frame.ShownBodies;
    shown = {};
    if (SameLetters(value, "todos")) {
        std::fill(shown.begin() + FirstBody, shown.begin() + LastComputedBody + 1, true);
        return;
    }
    for (const std::string_view item : ListItems(value)) {
        shown[static_cast<std::size_t>(ParseBody(item))] = true;
    }
}

// A sign as the first-sign list names it; the table's "Aqu" is taken too.
void SetFirstSign(GraphOptions& options, std::string_view value) {
    const auto sign = ItemIndex(value, SignAbbreviations);
    options.frame.GraphFirstSign = sign ? *sign : ParseSign(value);
}

void SetGlyph(GraphOptions& options, std::string_view value) {
    const auto glyph = ItemIndex(value, GlyphNames);
    if (!glyph) {
        throw UsageError("glifo desconocido: " + Quoted(value) +
                         "; debe ser circulo, cuadrado, triangulo, asterisco, imagen o ninguno");
    }
    options.frame.Glyph = static_cast<GraphGlyph>(*glyph);
}

void SetGrid(GraphOptions& options, std::string_view value) {
    GraphFrame& frame = options.frame;
    std::array<bool*, 4> gridLines = {&frame.SignLines, &frame.DecanLines, &frame.DayLines, &frame.MonthLines};
    for (bool* line : gridLines) {
        *line = false;
    }
    if (SameLetters(value, "ninguna")) {
        return;
    }
    for (const std::string_view item : ListItems(value)) {
        const std::optional<int> line = ItemIndex(item, GridNames);
        if (!line) {
            throw UsageError("línea de rejilla desconocida: " + Quoted(item) +
                             "; debe ser signos, decanos, dias, meses o ninguna");
        }
        *gridLines[static_cast<std::size_t>(*line)] = true;
    }
}

void SetMarker(GraphOptions& options, std::string_view value) {
    options.frame.ShowMarker = true;
    options.frame.MarkerDate = ParseDate(value);
}

void SetFormat(GraphOptions& options, std::string_view value) {
    options.document = ParseFormat<GraphFormat>(value, FormatNames, "png o rtf") == GraphFormat::Rtf;
}

constexpr std::string_view Synopsis =
    "  grafico --desde AAAA-MM-DD --hasta AAAA-MM-DD --salida ARCHIVO [--formato png|rtf]\n"
    "          [--cada MINUTOS] [--tz HORAS] [--zona NOMBRE] [--cuerpos Sol,Lun,...|todos]\n"
    "          [--signos N] [--primer-signo Ari|...|Pis] [--glifo TIPO]\n"
    "          [--sin-lineas] [--rejilla signos,decanos,dias,meses|ninguna]\n"
    "          [--marcador AAAA-MM-DD] [--ancho PIXELES] [--alto PIXELES]\n"
    "      Dibuja el gráfico de efemérides de la ventana (posición en el zodiaco\n"
    "      de cada cuerpo, día a día) en un archivo PNG.\n"
    "      --desde, --hasta, --cada, --tz, --zona  como en efemerides.\n";

// Those of the span are described by the synopsis, as in efemerides.
constexpr std::array<OptionDeclaration<GraphOptions>, 12> OwnOptions{{
    {"--zona", OptionValue::Required,
     [](GraphOptions& options, std::string_view value) { options.Span.Zone = ParseZoneName(value); }},
    {"--cuerpos",
     OptionValue::Required,
     SetBodies,
     {{{"LISTA", "cuerpos separados por comas (Sol, Lun, Mer, Ven, Mar,\n"
                 "Jup, Sat, Ura, Nep, Plu, Nod) o todos (por omisión)."}}}},
    {"--signos",
     OptionValue::Required,
     [](GraphOptions& options, std::string_view value) {
         options.frame.GraphSigns = ParseWhole(value, 1, MaxGraphSigns, "número de signos");
     },
     {{{"N", "número de signos a lo alto, de 1 a 12 (12)."}}}},
    {"--primer-signo",
     OptionValue::Required,
     SetFirstSign,
     {{{"S", "signo de la banda de arriba: Ari, Tau, Gem, Can,\n"
             "Leo, Vir, Lib, Esc, Sag, Cap, Acu, Pis (Ari)."}}}},
    {"--glifo",
     OptionValue::Required,
     SetGlyph,
     {{{"TIPO", "marca de cada día: circulo, cuadrado, triangulo,\n"
                "asterisco, imagen (el símbolo del cuerpo) o ninguno\n"
                "(por omisión)."}}}},
    {"--sin-lineas",
     OptionValue::Refused,
     [](GraphOptions& options, std::string_view) { options.frame.Lines = false; },
     {{{"", "no une los puntos de cada cuerpo con líneas."}}}},
    {"--rejilla",
     OptionValue::Required,
     SetGrid,
     {{{"LISTA", "líneas de signos, decanos, dias y meses separadas por\n"
                 "comas, o ninguna (por omisión signos,decanos,meses)."}}}},
    {"--marcador", OptionValue::Required, SetMarker, {{{"FECHA", "marca ese día con una línea vertical roja."}}}},
    {"--ancho",
     OptionValue::Required,
     [](GraphOptions& options, std::string_view value) {
         options.frame.Width = ParseWhole(value, 1, MaxImageSide, "ancho");
     },
     {},
     true},
    {"--alto",
     OptionValue::Required,
     [](GraphOptions& options, std::string_view value) {
         options.frame.Height = ParseWhole(value, 1, MaxImageSide, "alto");
     },
     {{{"", "tamaño de la imagen en píxeles, de 1 a 4096\n"
            "(900 x 500)."}}}},
    {"--formato",
     OptionValue::Required,
     SetFormat,
     {{{"png", "(por omisión) la imagen PNG."},
       {"rtf", "el documento RTF del gráfico, como lo exporta la\n"
               "ventana: el título y la imagen centrada."}}}},
    {"--salida",
     OptionValue::Required,
     [](GraphOptions& options, std::string_view value) { options.output = std::string(value); },
     {{{"ARCHIVO", "el PNG o el RTF; si no se puede escribir, un mensaje\n"
                   "y estado de salida 1, sin dejar un archivo a medias."}}}},
}};

constexpr auto Options = JoinDeclarations(SpanDeclarations<GraphOptions>(false), OwnOptions);
constexpr CommandDeclaration<GraphOptions> Command{"grafico", Options, 17};

// The frame of a first start of the window, but for every body shown and the
// day marker hidden until --marcador asks for it.
GraphFrame DefaultFrame() {
    GraphFrame frame;
    frame.Width = GraphPictureWidth;
    frame.Height = GraphPictureHeight;
    std::fill(frame.ShownBodies.begin() + FirstBody, frame.ShownBodies.begin() + LastComputedBody + 1, true);
    frame.ShowMarker = false;
    return frame;
}

GraphOptions ParseOptions(std::span<const std::string_view> args) {
    GraphOptions options;
    options.frame = DefaultFrame();
    ParseCommandOptions(args, Command, options);
    CheckSpanDates(options.Span);
    if (!options.output || options.output->empty()) {
        throw UsageError(options.document ? "falta --salida ARCHIVO.rtf, el archivo del documento"
                                          : "falta --salida ARCHIVO.png, el archivo del gráfico");
    }
    return options;
}

// The document of the graph: its title with the zone and the picture, at 96
// pixels per inch.
void WriteGraphDocument(GraphOptions& options, const EphemerisRequest& request, std::ostream& err) {
    // Created before the run, so that a file that cannot be written is
    // reported at once; removed unless saved.
    const std::unique_ptr<RtfWriter> document = CreateRtfDocument(*options.output);
    options.frame.Rows = ComputeRows(request, err);
    options.frame.StartDate = request.StartDate;
    options.frame.EndDate = request.EndDate;
    GraphExport graph;
    graph.ZoneText = request.Clock.ZoneText(request.StartDate);  // the zone the rows were computed in
    {
        const OffscreenApplication application;
        graph.Picture = GraphPicture(options.frame);
    }
    WriteRtfDocument(*document, graph);
}

}  // namespace

std::string GraphUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

void RunGraphCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& /*out*/,
                     std::ostream& err) {
    GraphOptions options = ParseOptions(args);
    const EphemerisRequest request = SpanRequest(options.Span, SeriesEvaluation::Fitted, "dibuja", err);
    if (options.document) {
        WriteGraphDocument(options, request, err);
        return;
    }
    // Created before the run, so that a folder that cannot take the file is
    // reported at once; removed unless committed.
    ReplacingFile file(*options.output);
    if (file.Failed()) {
        throw CommandFailure(file.ErrorMessage());
    }

    // Nothing requests a stop, so the run always completes.
    options.frame.Rows = ComputeRows(request, err);
    options.frame.StartDate = request.StartDate;
    options.frame.EndDate = request.EndDate;

    QByteArray png;
    {
        const OffscreenApplication application;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!RenderGraphImage(options.frame).save(&buffer, "PNG")) {
            throw CommandFailure("No se pudo codificar la imagen PNG.");
        }
    }
    if (!file.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size()))) || !file.Commit()) {
        throw CommandFailure(file.ErrorMessage());
    }
}

}  // namespace kalto::cli
