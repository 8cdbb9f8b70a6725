#include "EphemerisCommand.h"

#include "ArgumentParsing.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "ProgressBar.h"
#include "UsageError.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <future>
#include <optional>
#include <string>

namespace kalto::cli {

namespace {

using namespace std::chrono_literals;

// A run that ends within this time shows no progress bar.
constexpr auto ProgressDelay = 500ms;
constexpr auto ProgressInterval = 100ms;

constexpr std::array<std::string_view, 6> OptionNames = {"--desde", "--hasta", "--cada",
                                                         "--tz",    "--cuerpo", "--formato"};
constexpr std::string_view AllBodies = "todos";
constexpr std::string_view CsvHeader = "cuerpo,fecha_local,longitud,latitud,ascension_recta,declinacion,distancia\n";

struct EphemerisOptions {
    std::optional<TDateTime> start;
    std::optional<TDateTime> end;
    int stepsPerDay = 1;
    double zoneHours = 0;
    int firstBody = FirstBody;
    int lastBody = LastComputedBody;
    bool csv = true;
};

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// The item of the step selector whose length is `text` minutes.
int ParseStepsPerDay(std::string_view text) {
    int minutes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    if (error == std::errc() && end == text.data() + text.size()) {
        for (const EphemerisStepChoice& choice : EphemerisStepChoices) {
            if (minutes * choice.StepsPerDay == 1440) {
                return choice.StepsPerDay;
            }
        }
    }
    throw UsageError("paso no válido: " + Quoted(text) + "; debe ser 1440, 720, 360, 180, 120, 60, 30, 15, 10 o 5 minutos");
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The body number of a label ("Sol" .. "Nod", in any case), or 0 for "todos".
int ParseBody(std::string_view text) {
    if (SameLetters(text, AllBodies)) {
        return 0;
    }
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        if (SameLetters(text, BodyLabels[body])) {
            return body;
        }
    }
    throw UsageError("cuerpo desconocido: " + Quoted(text) +
                     "; debe ser Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu, Nod o todos");
}

bool ParseIsCsv(std::string_view text) {
    if (text == "csv" || text == "texto") {
        return text == "csv";
    }
    throw UsageError("formato desconocido: " + Quoted(text) + "; debe ser texto o csv");
}

// Options are "--name value" or "--name=value".
EphemerisOptions ParseOptions(std::span<const std::string_view> args) {
    EphemerisOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            throw UsageError("sobra el argumento " + Quoted(arg) + ": efemerides solo toma opciones");
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (std::ranges::find(OptionNames, name) == OptionNames.end()) {
            throw UsageError("opción desconocida: " + std::string(arg));
        }
        if (equals == std::string_view::npos && i + 1 == args.size()) {
            throw UsageError("falta el valor de " + std::string(name));
        }
        const std::string_view value = equals == std::string_view::npos ? args[++i] : arg.substr(equals + 1);
        if (name == "--desde") {
            options.start = ParseDate(value);
        } else if (name == "--hasta") {
            options.end = ParseDate(value);
        } else if (name == "--cada") {
            options.stepsPerDay = ParseStepsPerDay(value);
        } else if (name == "--tz") {
            options.zoneHours = ParseZoneHours(value);
        } else if (name == "--cuerpo") {
            const int body = ParseBody(value);
            options.firstBody = body == 0 ? FirstBody : body;
            options.lastBody = body == 0 ? LastComputedBody : body;
        } else {
            options.csv = ParseIsCsv(value);
        }
    }
    if (!options.start) {
        throw UsageError("falta --desde AAAA-MM-DD, el primer día");
    }
    if (!options.end) {
        throw UsageError("falta --hasta AAAA-MM-DD, el último día");
    }
    return options;
}

std::string DateText(TDateTime value) {
    const CalendarDate date = DecodeDate(value);
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer.data();
}

std::string DateTimeText(TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(value);
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02dT%02d:%02d:%02d", decoded.date.year,
                  decoded.date.month, decoded.date.day, decoded.time.hour, decoded.time.minute, decoded.time.second);
    return buffer.data();
}

// A stored value with the 9 significant digits that give it back exactly.
void AppendNumber(std::string& line, float value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 9);
    line.append(buffer.data(), result.ptr);
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
    out << CsvHeader;
    std::string line;
    for (int body = options.firstBody; body <= options.lastBody; ++body) {
        for (const TPosPlanet& row : rows.Bodies[body]) {
            line = BodyLabels[body];
            line += ',';
            line += DateTimeText(row.LocalTime);
            for (const float value : {row.Longitude, row.Latitude, row.RightAscension, row.Declination, row.Distance}) {
                line += ',';
                AppendNumber(line, value);
            }
            line += '\n';
            out << line;
        }
    }
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
        const std::vector<TPosPlanet>& bodyRows = rows.Bodies[body];
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
    const EphemerisRequest request{start, end, SpanDays(start, end), options.stepsPerDay, options.zoneHours};
    // The run goes forward from the start whatever the order of the dates; the
    // dates it prints must stay in 0001..9999.
    const TDateTime lastDay = start + (request.SpanDays - 1);
    if (start < EncodeDate(1, 1, 1) || lastDay > EncodeDate(9999, 12, 31)) {
        throw UsageError("las efemérides van del " + DateText(start) + " al " + DateText(lastDay) +
                         "; deben quedar entre los años 0001 y 9999");
    }
    if (end != *options.end) {
        err << "kalto-cli: nota: de " << DateText(start) << " a " << DateText(*options.end)
            << " hay más de 730 días; se calcula hasta " << DateText(end) << ", 24 meses después de --desde.\n";
    }
    // Nothing requests a stop, so the run always completes.
    const std::unique_ptr<EphemerisRowSet> rows = ComputeRows(request, err);
    if (options.csv) {
        WriteCsv(*rows, options, out);
    } else {
        WriteTable(*rows, options, out);
    }
}

}  // namespace kalto::cli
