// SPDX-License-Identifier: GPL-3.0-or-later
#include "EphemerisCommand.h"

#include "ArgumentParsing.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "ProgressBar.h"
#include "RtfOutput.h"
#include "UsageError.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

using namespace std::chrono_literals;

// A run that ends within this time shows no progress bar.
constexpr auto ProgressDelay = 500ms;
constexpr auto ProgressInterval = 100ms;

constexpr std::array<std::string_view, 8> OptionNames = {"--desde",  "--hasta",   "--cada",     "--tz",
                                                         "--cuerpo", "--formato", "--columnas", "--salida"};
constexpr std::string_view DirectFlag = "--directo";
constexpr std::array<std::string_view, 1> DirectFlags = {DirectFlag};
constexpr std::string_view AllBodies = "todos";
constexpr std::string_view CsvHeader = "cuerpo,fecha_local,longitud,latitud,ascension_recta,declinacion,distancia\n";
constexpr std::string_view SummaryHeader = "cuerpo,filas,longitud,latitud,ascension_recta,declinacion\n";

// Output is gathered in a buffer of this size and written a buffer at a time.
constexpr std::size_t OutputBufferSize = std::size_t{1} << 20;

enum class OutputFormat { Csv, Text, Summary, Rtf };

struct EphemerisOptions {
    std::optional<TDateTime> start;
    std::optional<TDateTime> end;
    int stepsPerDay = 1;
    double zoneHours = 0;
    int firstBody = FirstBody;
    int lastBody = LastComputedBody;
    OutputFormat format = OutputFormat::Csv;
    SeriesEvaluation evaluation = SeriesEvaluation::Fitted;
    // The document of --formato rtf: its file and the table's optional columns.
    std::optional<std::string> output;
    std::optional<std::vector<int>> columns;
};

// The table's optional columns when --columnas is not given: "hora,lon".
const std::vector<int> DefaultDocumentColumns{3, 4};

// The body number of a label ("Sol" .. "Nod", in any case), or 0 for "todos".
int ParseBodyOrAll(std::string_view text) {
    return SameLetters(text, AllBodies) ? 0 : ParseBody(text);
}

OutputFormat ParseFormat(std::string_view text) {
    if (text == "csv") return OutputFormat::Csv;
    if (text == "texto") return OutputFormat::Text;
    if (text == "resumen") return OutputFormat::Summary;
    if (text == "rtf") return OutputFormat::Rtf;
    throw UsageError("formato desconocido: " + Quoted(text) + "; debe ser texto, csv, resumen o rtf");
}

// --salida and --columnas belong to the document, which holds one body's table.
void CheckDocumentOptions(const EphemerisOptions& options) {
    if (options.format != OutputFormat::Rtf) {
        if (options.output || options.columns) {
            throw UsageError("--salida y --columnas solo valen con --formato rtf");
        }
        return;
    }
    if (!options.output || options.output->empty()) {
        throw UsageError("falta --salida ARCHIVO.rtf, el archivo del documento");
    }
    if (options.firstBody != options.lastBody) {
        throw UsageError("--formato rtf escribe la tabla de un solo cuerpo: falta --cuerpo NOMBRE");
    }
}

// Options are "--name value" or "--name=value", and the flag --directo.
EphemerisOptions ParseOptions(std::span<const std::string_view> args) {
    EphemerisOptions options;
    ForEachOption(args, "efemerides", OptionNames, DirectFlags, [&](const CommandOption& option) {
        const std::string_view name = option.Name;
        const std::string_view value = option.Value.value_or("");
        if (name == DirectFlag) {
            options.evaluation = SeriesEvaluation::Direct;
        } else if (name == "--desde") {
            options.start = ParseDate(value);
        } else if (name == "--hasta") {
            options.end = ParseDate(value);
        } else if (name == "--cada") {
            options.stepsPerDay = ParseStepsPerDay(value);
        } else if (name == "--tz") {
            options.zoneHours = ParseZoneHours(value);
        } else if (name == "--cuerpo") {
            const int body = ParseBodyOrAll(value);
            options.firstBody = body == 0 ? FirstBody : body;
            options.lastBody = body == 0 ? LastComputedBody : body;
        } else if (name == "--columnas") {
            options.columns = ParseTableColumns(value);
        } else if (name == "--salida") {
            options.output = std::string(value);
        } else {
            options.format = ParseFormat(value);
        }
    });
    if (!options.start) {
        throw UsageError("falta --desde AAAA-MM-DD, el primer día");
    }
    if (!options.end) {
        throw UsageError("falta --hasta AAAA-MM-DD, el último día");
    }
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
void AppendDateTime(std::string& text, TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(value);
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

void WriteCsv(const EphemerisRowSet& rows, const EphemerisOptions& options, std::ostream& out) {
    std::string buffer(CsvHeader);
    buffer.reserve(OutputBufferSize + 256);
    for (int body = options.firstBody; body <= options.lastBody; ++body) {
        for (const EphemerisRow& row : rows.Bodies[body]) {
            buffer += BodyLabels[body];
            buffer += ',';
            AppendDateTime(buffer, row.LocalTime);
            for (const float value : {row.Longitude, row.Latitude, row.RightAscension, row.Declination, row.Distance}) {
                buffer += ',';
                AppendNumber(buffer, value);
            }
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
                line += EphemerisCellText(bodyRows[i], static_cast<int>(i) + 1, column, names);
            }
            out << line << '\n';
        }
    }
}

}  // namespace

void RunEphemerisCommand(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out,
                         std::ostream& err) {
    const EphemerisOptions options = ParseOptions(args);
    const TDateTime start = *options.start;
    const TDateTime end = LimitEndDate(start, *options.end);
    const EphemerisRequest request{
        start, end, SpanDays(start, end), options.stepsPerDay, options.zoneHours, options.evaluation};
    CheckEphemerisDays(start, request.SpanDays);
    if (end != *options.end) {
        err << "kalto-cli: nota: de " << DateText(start) << " a " << DateText(*options.end)
            << " hay más de 730 días; se calcula hasta " << DateText(end) << ", 24 meses después de --desde.\n";
    }
    // Created before the run, so that a file that cannot be written is
    // reported at once; removed unless saved.
    const std::unique_ptr<RtfWriter> document =
        options.format == OutputFormat::Rtf ? CreateRtfDocument(*options.output) : nullptr;
    // Nothing requests a stop, so the run always completes.
    const std::unique_ptr<EphemerisRowSet> rows = ComputeRows(request, err);
    switch (options.format) {
        case OutputFormat::Csv: WriteCsv(*rows, options, out); break;
        case OutputFormat::Text: WriteTable(*rows, options, out); break;
        case OutputFormat::Summary: WriteSummary(*rows, options, out); break;
        case OutputFormat::Rtf: {
            EphemerisTableExport table;
            // The document reads the rows in place, through a pointer that owns nothing.
            table.Rows = EphemerisRows(EphemerisRows(), rows.get());
            table.Body = options.firstBody;
            table.ZoneHours = options.zoneHours;
            table.OptionalColumns = options.columns.value_or(DefaultDocumentColumns);
            WriteRtfDocument(*document, table);
            break;
        }
    }
}

}  // namespace kalto::cli
