// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphCommand.h"

#include "ArgumentParsing.h"
#include "CommandFailure.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "GraphPicture.h"
#include "DrawGraph.h"
#include "ProgressBar.h"
#include "ReplacingFile.h"
#include "RtfOutput.h"
#include "TextForms.h"
#include "UsageError.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

using namespace std::chrono_literals;

// A run that ends within this time shows no progress bar.
constexpr auto ProgressDelay = 500ms;
constexpr auto ProgressInterval = 100ms;

constexpr std::array<std::string_view, 15> OptionNames = {
    "--desde",      "--hasta",   "--cada",     "--tz",    "--cuerpos", "--signos", "--primer-signo", "--glifo",
    "--sin-lineas", "--rejilla", "--marcador", "--ancho", "--alto",    "--salida", "--formato"};
// --sin-lineas is a flag; it is among the names above too, so that a value
// given to it is refused with a message of its own.
constexpr std::string_view FlagOption = "--sin-lineas";
constexpr std::array<std::string_view, 1> Flags = {FlagOption};
constexpr int MaxImageSide = 4096;

constexpr std::array<std::string_view, GraphGlyphCount> GlyphNames = {"circulo",   "cuadrado", "triangulo",
                                                                      "asterisco", "imagen",   "ninguno"};
// The grid lines, in the order of GridLines below.
constexpr std::array<std::string_view, 4> GridNames = {"signos", "decanos", "dias", "meses"};

struct GraphOptions {
    std::optional<TDateTime> start;
    std::optional<TDateTime> end;
    std::optional<std::string> output;
    bool document = false;  // --formato rtf: the graph document instead of the PNG
    int stepsPerDay = 1;
    double zoneHours = 0;
    GraphFrame frame;
};

// The parts of a comma-separated list.
std::vector<std::string_view> ListItems(std::string_view text) {
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return items;
        }
        start = comma + 1;
    }
}

int ParseWhole(std::string_view text, int low, int high, std::string_view what) {
    const std::optional<int> value = WholeNumber(text, low, high);
    if (!value) {
        throw UsageError(std::string(what) + " no válido: " + Quoted(text) + "; debe ser un número entero de " +
                         std::to_string(low) + " a " + std::to_string(high));
    }
    return *value;
}

std::array<bool, Rue + 1> ParseBodies(std::string_view text) {
    std::array<bool, Rue + 1> shown{};
    if (SameLetters(text, "todos")) {
        std::fill(shown.begin() + FirstBody, shown.begin() + LastComputedBody + 1, true);
        return shown;
    }
    for (const std::string_view item : ListItems(text)) {
        shown[static_cast<std::size_t>(ParseBody(item))] = true;
    }
    return shown;
}

// The index of a sign as the first-sign list names it; the abbreviation
// table's "Aqu" is taken too.
int ParseFirstSign(std::string_view text) {
    if (const auto sign = ItemIndex(text, SignAbbreviations)) return *sign;
    return ParseSign(text);
}

GraphGlyph ParseGlyph(std::string_view text) {
    if (const auto glyph = ItemIndex(text, GlyphNames)) return static_cast<GraphGlyph>(*glyph);
    throw UsageError("glifo desconocido: " + Quoted(text) +
                     "; debe ser circulo, cuadrado, triangulo, asterisco, imagen o ninguno");
}

void ParseGrid(std::string_view text, GraphFrame& frame) {
    std::array<bool*, 4> gridLines = {&frame.SignLines, &frame.DecanLines, &frame.DayLines, &frame.MonthLines};
    for (bool* line : gridLines) {
        *line = false;
    }
    if (SameLetters(text, "ninguna")) {
        return;
    }
    for (const std::string_view item : ListItems(text)) {
        const std::optional<int> line = ItemIndex(item, GridNames);
        if (!line) {
            throw UsageError("línea de rejilla desconocida: " + Quoted(item) +
                             "; debe ser signos, decanos, dias, meses o ninguna");
        }
        *gridLines[static_cast<std::size_t>(*line)] = true;
    }
}

bool ParseIsDocument(std::string_view text) {
    if (text == "png" || text == "rtf") return text == "rtf";
    throw UsageError("formato desconocido: " + Quoted(text) + "; debe ser png o rtf");
}

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

// Options are "--name value" or "--name=value"; --sin-lineas takes no value.
GraphOptions ParseOptions(std::span<const std::string_view> args) {
    GraphOptions options;
    options.frame = DefaultFrame();
    ForEachOption(args, "grafico", OptionNames, Flags, [&](const CommandOption& option) {
        const std::string_view name = option.Name;
        if (name == FlagOption) {
            // "--sin-lineas=…" comes as an option with a value.
            if (option.Value) {
                throw UsageError(std::string(FlagOption) + " no lleva valor");
            }
            options.frame.Lines = false;
            return;
        }
        const std::string_view value = *option.Value;
        GraphFrame& frame = options.frame;
        if (name == "--desde") {
            options.start = ParseDate(value);
        } else if (name == "--hasta") {
            options.end = ParseDate(value);
        } else if (name == "--cada") {
            options.stepsPerDay = ParseStepsPerDay(value);
        } else if (name == "--tz") {
            options.zoneHours = ParseZoneHours(value);
        } else if (name == "--cuerpos") {
            frame.ShownBodies = ParseBodies(value);
        } else if (name == "--signos") {
            frame.GraphSigns = ParseWhole(value, 1, MaxGraphSigns, "número de signos");
        } else if (name == "--primer-signo") {
            frame.GraphFirstSign = ParseFirstSign(value);
        } else if (name == "--glifo") {
            frame.Glyph = ParseGlyph(value);
        } else if (name == "--rejilla") {
            ParseGrid(value, frame);
        } else if (name == "--marcador") {
            frame.ShowMarker = true;
            frame.MarkerDate = ParseDate(value);
        } else if (name == "--ancho") {
            frame.Width = ParseWhole(value, 1, MaxImageSide, "ancho");
        } else if (name == "--alto") {
            frame.Height = ParseWhole(value, 1, MaxImageSide, "alto");
        } else if (name == "--formato") {
            options.document = ParseIsDocument(value);
        } else {
            options.output = std::string(value);
        }
    });
    if (!options.start) {
        throw UsageError("falta --desde AAAA-MM-DD, el primer día");
    }
    if (!options.end) {
        throw UsageError("falta --hasta AAAA-MM-DD, el último día");
    }
    if (!options.output || options.output->empty()) {
        throw UsageError(options.document ? "falta --salida ARCHIVO.rtf, el archivo del documento"
                                          : "falta --salida ARCHIVO.png, el archivo del gráfico");
    }
    return options;
}

// The run, with a progress bar on a terminal once it has lasted a moment.
std::unique_ptr<EphemerisRowSet> ComputeRows(const EphemerisRequest& request, std::ostream& err) {
    EphemerisProgress progress;
    if (!IsTerminalStandardError(err)) {
        return RunEphemeris(request, progress);
    }
    auto rows = std::async(std::launch::async, [&] { return RunEphemeris(request, progress); });
    if (rows.wait_for(ProgressDelay) != std::future_status::ready) {
        ProgressBar bar(err, TotalSteps(request));
        do {
            bar.Show(progress.StepsDone.load());
        } while (rows.wait_for(ProgressInterval) != std::future_status::ready);
        bar.Clear();
    }
    return rows.get();
}

// Qt's diagnostics are written in English for developers (such as a missing
// runtime folder on a headless machine); the command keeps them off its
// standard error, all but the critical ones.
void CriticalMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

// Qt lays out text only inside a QGuiApplication; the offscreen platform
// needs no display.
class OffscreenApplication {
public:
    OffscreenApplication() : Previous(qInstallMessageHandler(CriticalMessagesOnly)) {
        if (QCoreApplication::instance() == nullptr) {
            Application.emplace(ArgumentCount, Arguments.data());
        }
    }
    ~OffscreenApplication() {
        Application.reset();
        qInstallMessageHandler(Previous);
    }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    QtMessageHandler Previous;
    char Program[10] = "kalto-cli";
    char PlatformOption[10] = "-platform";
    char Platform[10] = "offscreen";
    int ArgumentCount = 3;
    std::array<char*, 4> Arguments = {Program, PlatformOption, Platform, nullptr};
    std::optional<QGuiApplication> Application;
};

// The document of the graph: its title and the picture, at 96 pixels per inch.
void WriteGraphDocument(GraphOptions& options, const EphemerisRequest& request, std::ostream& err) {
    // Created before the run, so that a file that cannot be written is
    // reported at once; removed unless saved.
    const std::unique_ptr<RtfWriter> document = CreateRtfDocument(*options.output);
    options.frame.Rows = ComputeRows(request, err);
    options.frame.StartDate = request.StartDate;
    options.frame.EndDate = request.EndDate;
    GraphExport graph;
    {
        const OffscreenApplication application;
        graph.Picture = GraphPicture(options.frame);
    }
    WriteRtfDocument(*document, graph);
}

}  // namespace

void RunGraphCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& /*out*/,
                     std::ostream& err) {
    GraphOptions options = ParseOptions(args);
    const TDateTime start = *options.start;
    const TDateTime end = LimitEndDate(start, *options.end);
    const EphemerisRequest request{start, end, SpanDays(start, end), options.stepsPerDay, options.zoneHours};
    CheckEphemerisDays(start, request.SpanDays);
    if (end != *options.end) {
        err << "kalto-cli: nota: de " << DateText(start) << " a " << DateText(*options.end)
            << " hay más de 730 días; se dibuja hasta " << DateText(end) << ", 24 meses después de --desde.\n";
    }
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
    options.frame.StartDate = start;
    options.frame.EndDate = end;

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
