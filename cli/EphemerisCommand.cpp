// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisCommand.h"

#include "AllBodiesTable.h"
#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "EphemerisRun.h"
#include "EphemerisTable.h"
#include "MonthlyPdf.h"
#include "OffscreenApplication.h"
#include "RtfOutput.h"
#include "RunSpan.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

constexpr std::string_view AllBodies = "todos";
constexpr std::string_view CsvHeader =
    "cuerpo,fecha_local,longitud,latitud,ascension_recta,declinacion,distancia,utc\n";
constexpr std::string_view AllBodiesCsvHeader = "fecha_local,Sol,Lun,Mer,Ven,Mar,Jup,Sat,Ura,Nep,Plu,Nod,utc\n";
constexpr std::string_view SummaryHeader = "cuerpo,filas,longitud,latitud,ascension_recta,declinacion\n";

// Output is gathered in a buffer of this size and written a buffer at a time.
constexpr std::size_t OutputBufferSize = std::size_t{1} << 20;

enum class OutputFormat { Csv, Text, Summary, Rtf, Pdf };
constexpr std::array<std::string_view, 5> FormatNames = {"csv", "texto", "resumen", "rtf", "pdf"};

struct EphemerisOptions {
    RunSpanOptions Span;
    int firstBody = FirstBody;
    int lastBody = LastComputedBody;
    bool bodyGiven = false;
    bool allBodiesView = false;  // --vista todos: a line a step with every body
    OutputFormat format = OutputFormat::Csv;
    SeriesEvaluation evaluation = SeriesEvaluation::Fitted;
    // The document of --formato rtf: its file and the table's optional columns.
    std::optional<std::string> output;
    std::optional<std::vector<int>> columns;
    PaperSize paper = PaperSize::A4;  // --papel, of the PDF
    bool paperGiven = false;
    bool stepGiven = false;
};

// The table's optional columns when --columnas is not given: "hora,lon".
const std::vector<int> DefaultDocumentColumns{3, 4};

void SetBody(EphemerisOptions& options, std::string_view value) {
    // A label ("Sol" .. "Nod", in any case) or "todos".
    const int body = SameLetters(value, AllBodies) ? 0 : ParseBody(value);
    options.firstBody = body == 0 ? FirstBody : body;
    options.lastBody = body == 0 ? LastComputedBody : body;
    options.bodyGiven = true;
}

void SetView(EphemerisOptions& options, std::string_view value) {
    if (!SameLetters(value, AllBodies)) {
        throw UsageError("vista desconocida: " + Quoted(value) + "; la única es todos");
    }
    options.allBodiesView = true;
}

constexpr std::string_view Synopsis =
    "  efemerides --desde AAAA-MM-DD --hasta AAAA-MM-DD [--cada MINUTOS] [--tz HORAS]\n"
    "             [--zona NOMBRE]\n"
    "             [--cuerpo NOMBRE|todos] [--formato texto|csv|resumen] [--directo]\n"
    "             [--vista todos [--formato csv|texto|rtf]]\n"
    "             [--vista todos --formato pdf --salida ARCHIVO.pdf [--papel a4|carta]]\n"
    "             [--formato rtf --salida ARCHIVO.rtf [--columnas hora,lon,lat,ar,dec]]\n"
    "      Posiciones de los cuerpos en cada paso de los días de --desde a\n"
    "      --hasta, ambos incluidos, en hora civil local. Si entre las dos\n"
    "      fechas hay más de 730 días, el cálculo acaba 24 meses después de\n"
    "      --desde (y lo avisa en la salida de errores).\n";

// After the span's options, in the order of the usage's list.
constexpr std::array<OptionDeclaration<EphemerisOptions>, 8> OwnOptions{{
    {"--zona",
     OptionValue::Required,
     [](EphemerisOptions& options, std::string_view value) { options.Span.Zone = ParseZoneName(value); },
     {{{"NOMBRE", "zona de la base de datos de zonas horarias, como\n"
                  "Europe/Madrid (la lista: kalto-cli zonas): cada día\n"
                  "empieza a las 00:00 de su reloj, con su horario de\n"
                  "verano; los pasos de menos de un día van a intervalos\n"
                  "iguales de tiempo real desde las 00:00 del primer día.\n"
                  "No vale junto con --tz."}}}},
    {"--cuerpo",
     OptionValue::Required,
     SetBody,
     {{{"NOMBRE", "Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod\n"
                  "o todos (por omisión)."}}}},
    {"--vista",
     OptionValue::Required,
     SetView,
     {{{"todos", "una línea por paso con todos los cuerpos: en csv,\n"
                 "cabecera «fecha_local,Sol,Lun,...,Nod,utc» con las\n"
                 "longitudes; en texto y rtf, la tabla «Todos» de la\n"
                 "ventana (signos abreviados y marcas R, SR, SD). No\n"
                 "vale con --cuerpo ni --columnas."}}}},
    {"--formato",
     OptionValue::Required,
     [](EphemerisOptions& options, std::string_view value) {
         options.format = ParseFormat<OutputFormat>(value, FormatNames, "texto, csv, resumen, rtf o pdf");
     },
     {{{"csv", "(por omisión) cabecera «cuerpo,fecha_local,longitud,\n"
               "latitud,ascension_recta,declinacion,distancia» y una\n"
               "línea por paso y cuerpo; fecha AAAA-MM-DDTHH:MM:SS;\n"
               "ángulos en grados, distancia en UA (km para la Luna,\n"
               "0 para Plutón y el Nodo); utc, el mismo instante en\n"
               "Tiempo Universal, AAAA-MM-DDTHH:MM:SSZ."},
       {"texto", "para cada cuerpo, «# Sol» y la tabla de la ventana\n"
                 "con sus ocho columnas, separadas por tabuladores."},
       {"resumen", "cabecera «cuerpo,filas,longitud,latitud,\n"
                   "ascension_recta,declinacion» y, para cada cuerpo, el\n"
                   "número de filas y la suma de cada columna tal como\n"
                   "se guarda (9 cifras significativas): para medir o\n"
                   "comparar un cálculo sin escribirlo entero."},
       {"rtf", "el documento RTF de la tabla de un cuerpo (--cuerpo),\n"
               "como lo exporta la ventana, en el archivo --salida;\n"
               "si no se puede escribir, un mensaje y estado de\n"
               "salida 1, sin dejar un archivo a medias."},
       {"pdf", "con --vista todos: las páginas para imprimir, una por\n"
               "mes entero del mes de --desde al de --hasta (hasta\n"
               "24), cada día a sus 00:00 locales con todos los\n"
               "cuerpos y, debajo, los eventos del mes; en el archivo\n"
               "--salida. No vale con --cada."}}}},
    {"--columnas",
     OptionValue::Required,
     [](EphemerisOptions& options, std::string_view value) { options.columns = ParseTableColumns(value); },
     {{{"LISTA", "columnas opcionales de la tabla, separadas por comas:\n"
                 "hora, lon, lat, ar, dec (por omisión hora,lon), o\n"
                 "ninguna; Día, Fecha y Val. van siempre."}}}},
    {"--directo",
     OptionValue::None,
     [](EphemerisOptions& options, std::string_view) { options.evaluation = SeriesEvaluation::Direct; },
     {{{"", "suma las series completas en cada paso en lugar de\n"
            "sus aproximaciones de Chebyshev (mucho más lento;\n"
            "sirve para comprobar que dan los mismos valores)."}}}},
    {"--salida", OptionValue::Required,
     [](EphemerisOptions& options, std::string_view value) { options.output = std::string(value); }},
    {"--papel",
     OptionValue::Required,
     [](EphemerisOptions& options, std::string_view value) {
         const auto paper = PaperNamed(value);
         if (!paper) throw UsageError("papel desconocido: " + Quoted(value) + "; debe ser a4 o carta");
         options.paper = *paper;
         options.paperGiven = true;
     },
     {{{"a4|carta", "el papel del PDF, apaisado (por omisión a4)."}}}},
}};

constexpr auto Options = JoinDeclarations(SpanDeclarations<EphemerisOptions>(true), OwnOptions);
constexpr CommandDeclaration<EphemerisOptions> Command{"efemerides", Options, 17};

// --salida and --columnas belong to the document, which holds one body's table.
void CheckDocumentOptions(const EphemerisOptions& options) {
    if (options.paperGiven && options.format != OutputFormat::Pdf) {
        throw UsageError("--papel solo vale con --formato pdf");
    }
    if (options.format == OutputFormat::Pdf) {
        if (!options.allBodiesView) throw UsageError("--formato pdf escribe la vista todos: falta --vista todos");
        if (options.stepGiven) throw UsageError("--cada no vale con --formato pdf: las páginas van día a día");
        if (!options.output || options.output->empty()) {
            throw UsageError("falta --salida ARCHIVO.pdf, el archivo de las páginas");
        }
        if (MonthCount(*options.Span.Start, *options.Span.End) > MaxMonthPages) {
            throw UsageError("--formato pdf escribe como mucho 24 meses");
        }
        return;
    }
    if (options.format != OutputFormat::Rtf) {
        if (options.output || options.columns) {
            throw UsageError("--salida y --columnas solo valen con --formato rtf");
        }
        return;
    }
    if (!options.output || options.output->empty()) {
        throw UsageError("falta --salida ARCHIVO.rtf, el archivo del documento");
    }
    if (options.firstBody != options.lastBody && !options.allBodiesView) {
        throw UsageError("--formato rtf escribe la tabla de un solo cuerpo: falta --cuerpo NOMBRE");
    }
}

void CheckView(const EphemerisOptions& options) {
    if (!options.allBodiesView) return;
    if (options.bodyGiven || options.columns) throw UsageError("--cuerpo y --columnas no valen con --vista todos");
    if (options.format == OutputFormat::Summary) throw UsageError("--formato resumen no vale con --vista todos");
}

EphemerisOptions ParseOptions(std::span<const std::string_view> args) {
    EphemerisOptions options;
    ParseCommandOptions(args, Command, options);
    options.stepGiven =
        std::find(args.begin(), args.end(), "--cada") != args.end() ||
        std::any_of(args.begin(), args.end(), [](std::string_view arg) { return arg.starts_with("--cada="); });
    CheckSpanDates(options.Span);
    CheckView(options);
    CheckDocumentOptions(options);
    return options;
}

// Appends `value` as `digits` decimal digits with leading zeros.
void AppendDigits(std::string& text, int value, int digits) {
    std::array<char, 10> buffer{};
    for (int i = digits - 1; i >= 0; --i) {
        buffer[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    text.append(buffer.data(), static_cast<std::size_t>(digits));
}

// AAAA-MM-DDTHH:MM:SS.
void AppendDecoded(std::string& text, const DecodedDateTime& decoded) {
    AppendDigits(text, decoded.date.year, 4);
    text += '-';
    AppendDigits(text, decoded.date.month, 2);
    text += '-';
    AppendDigits(text, decoded.date.day, 2);
    text += 'T';
    AppendDigits(text, decoded.time.hour, 2);
    text += ':';
    AppendDigits(text, decoded.time.minute, 2);
    text += ':';
    AppendDigits(text, decoded.time.second, 2);
}

// AAAA-MM-DDTHH:MM:SS, the time to the millisecond with the seconds cut.
void AppendDateTime(std::string& text, TDateTime value) {
    AppendDecoded(text, DecodeDateTime(value));
}

// AAAA-MM-DDTHH:MM:SSZ, rounded to the second.
void AppendUniversalTime(std::string& text, TDateTime value) {
    constexpr double SecondsPerDay = 86'400;
    AppendDecoded(text, DecodeDateTime(std::round(value * SecondsPerDay) / SecondsPerDay));
    text += 'Z';
}

// A value with 9 significant digits: a stored value given back exactly.
template <typename Number>
void AppendNumber(std::string& text, Number value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 9);
    text.append(buffer.data(), result.ptr);
}

// Writes the buffer out once it holds OutputBufferSize characters.
void WriteWhenFull(std::string& buffer, std::ostream& out) {
    if (buffer.size() >= OutputBufferSize) {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    }
}

void WriteCsv(const EphemerisRowSet& rows, const EphemerisOptions& options, std::ostream& out) {
    // Row i of every body is the same instant: its two texts are made once.
    const std::vector<EphemerisRow>& instants = rows.Bodies[Sol];
    std::vector<std::string> wallTexts(instants.size());
    std::vector<std::string> universalTexts(instants.size());
    for (std::size_t i = 0; i < instants.size(); ++i) {
        AppendDateTime(wallTexts[i], rows.Clock.ToWallTime(instants[i].UniversalTime));
        AppendUniversalTime(universalTexts[i], instants[i].UniversalTime);
    }
    std::string buffer(CsvHeader);
    buffer.reserve(OutputBufferSize + 256);
    for (int body = options.firstBody; body <= options.lastBody; ++body) {
        const std::vector<EphemerisRow>& bodyRows = rows.Bodies[body];
        for (std::size_t i = 0; i < bodyRows.size(); ++i) {
            const EphemerisRow& row = bodyRows[i];
            buffer += BodyLabels[body];
            buffer += ',';
            buffer += wallTexts[i];
            for (const float value : {row.Longitude, row.Latitude, row.RightAscension, row.Declination, row.Distance}) {
                buffer += ',';
                AppendNumber(buffer, value);
            }
            buffer += ',';
            buffer += universalTexts[i];
            buffer += '\n';
            WriteWhenFull(buffer, out);
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

// Per body, the row count and the sum of each angle column, added in row
// order in double precision.
void WriteSummary(const EphemerisRowSet& rows, const EphemerisOptions& options, std::ostream& out) {
    std::string text(SummaryHeader);
    for (int body = options.firstBody; body <= options.lastBody; ++body) {
        std::array<double, 4> sums{};
        for (const EphemerisRow& row : rows.Bodies[body]) {
            sums[0] += row.Longitude;
            sums[1] += row.Latitude;
            sums[2] += row.RightAscension;
            sums[3] += row.Declination;
        }
        text += BodyLabels[body];
        text += ',';
        text += std::to_string(rows.Bodies[body].size());
        for (const double sum : sums) {
            text += ',';
            AppendNumber(text, sum);
        }
        text += '\n';
    }
    out << text;
}

void WriteTable(const EphemerisRowSet& rows, const EphemerisOptions& options, std::ostream& out) {
    const DateFormatNames names = SpanishDateFormatNames();
    std::string line;
    for (int body = options.firstBody; body <= options.lastBody; ++body) {
        out << "# " << BodyLabels[body] << '\n';
        line.clear();
        for (const EphemerisColumn& column : EphemerisColumns) {
            line.append(line.empty() ? "" : "\t").append(column.Header);
        }
        out << line << '\n';
        const std::vector<EphemerisRow>& bodyRows = rows.Bodies[body];
        for (std::size_t i = 0; i < bodyRows.size(); ++i) {
            line.clear();
            for (int column = 0; column < EphemerisColumnCount; ++column) {
                if (column > 0) {
                    line += '\t';
                }
                line += EphemerisCellText(bodyRows[i], static_cast<int>(i) + 1, column, names, rows.Clock);
            }
            out << line << '\n';
        }
    }
}

// A line a step: the wall time, every body's longitude, the universal time.
void WriteAllBodiesCsv(const EphemerisRowSet& rows, std::ostream& out) {
    std::string buffer(AllBodiesCsvHeader);
    buffer.reserve(OutputBufferSize + 512);
    for (std::size_t i = 0; i < rows.RowCount(); ++i) {
        const TDateTime instant = rows.Bodies[Sol][i].UniversalTime;
        AppendDateTime(buffer, rows.Clock.ToWallTime(instant));
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            buffer += ',';
            AppendNumber(buffer, rows.Bodies[static_cast<std::size_t>(body)][i].Longitude);
        }
        buffer += ',';
        AppendUniversalTime(buffer, instant);
        buffer += '\n';
        WriteWhenFull(buffer, out);
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

// The window's "Todos" table, separated by tabs.
void WriteAllBodiesText(const EphemerisRowSet& rows, std::ostream& out) {
    const DateFormatNames names = SpanishDateFormatNames();
    const MotionMarks marks(rows);
    std::string line;
    for (const EphemerisColumn& column : AllBodiesColumns) {
        line.append(line.empty() ? "" : "\t").append(column.Header);
    }
    out << line << '\n';
    for (std::size_t i = 0; i < rows.RowCount(); ++i) {
        line.clear();
        for (int column = 0; column < AllBodiesColumnCount; ++column) {
            if (column > 0) line += '\t';
            line += AllBodiesCellText(rows, marks, i, column, names);
        }
        out << line << '\n';
    }
}

}  // namespace

std::string EphemerisUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

// The printable pages of whole months, each day at its own 00:00.
void WriteMonthlyPages(const EphemerisOptions& options) {
    const WallClock clock = SpanClock(options.Span);
    const std::atomic<bool> never{false};
    const std::optional<MonthPages> pages = ComputeMonthPages(*options.Span.Start, *options.Span.End, clock, never);
    const OffscreenApplication application;
    if (const auto failure = WriteMonthlyPdf(*options.output, *pages, options.paper, SpanishDateFormatNames())) {
        throw CommandFailure(*failure);
    }
}

void RunEphemerisCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out,
                         std::ostream& err) {
    const EphemerisOptions options = ParseOptions(args);
    if (options.format == OutputFormat::Pdf) {
        WriteMonthlyPages(options);
        return;
    }
    const EphemerisRequest request = SpanRequest(options.Span, options.evaluation, "calcula", err);
    // Created before the run, so that a file that cannot be written is
    // reported at once; removed unless saved.
    const std::unique_ptr<RtfWriter> document =
        options.format == OutputFormat::Rtf ? CreateRtfDocument(*options.output) : nullptr;
    // Nothing requests a stop, so the run always completes.
    const std::unique_ptr<EphemerisRowSet> rows = ComputeRows(request, err);
    switch (options.format) {
        case OutputFormat::Csv:
            if (options.allBodiesView) {
                WriteAllBodiesCsv(*rows, out);
            } else {
                WriteCsv(*rows, options, out);
            }
            break;
        case OutputFormat::Text:
            if (options.allBodiesView) {
                WriteAllBodiesText(*rows, out);
            } else {
                WriteTable(*rows, options, out);
            }
            break;
        case OutputFormat::Summary: WriteSummary(*rows, options, out); break;
        case OutputFormat::Pdf: break;  // written above
        case OutputFormat::Rtf: {
            EphemerisTableExport table;
            // The document reads the rows in place, through a pointer that owns nothing.
            table.Rows = EphemerisRows(EphemerisRows(), rows.get());
            table.Body = options.allBodiesView ? AllBodiesTableBody : options.firstBody;
            table.Clock = request.Clock;
            table.OptionalColumns = options.columns.value_or(DefaultDocumentColumns);
            WriteRtfDocument(*document, table);
            break;
        }
    }
}

}  // namespace kalto::cli
