// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsCommand.h"

#include "ArgumentParsing.h"
#include "ContactGrid.h"
#include "ContactResults.h"
#include "ContactSearch.h"
#include "RtfOutput.h"
#include "UsageError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalto::cli {

namespace {

constexpr std::array<std::string_view, 11> OptionNames = {"--cuerpo", "--posicion", "--signo", "--desde",
                                                          "--hasta",  "--angulo",   "--tipo",  "--orbe",
                                                          "--tz",     "--formato",  "--salida"};
constexpr std::array<std::string_view, 3> Flags = {"--directo", "--detalle", "--opciones"};
constexpr std::string_view CsvHeader =
    "indice,cuerpo,posicion,inicia,partil,finaliza,contacto,lon_inicia,lon_partil,lon_finaliza\n";

// A contact may begin decades before the first date and end decades after the
// last (Pluto's stay near a point); these limits keep every date printable.
constexpr int FirstYear = 100;
constexpr int LastYear = 9899;

enum class ContactsFormat { Csv, Text, Rtf };

struct ContactsOptions {
    std::optional<int> body;
    std::optional<std::string_view> position;
    std::optional<int> sign;
    std::optional<TDateTime> start;
    std::optional<TDateTime> end;
    int angle = DefaultContactAngle;
    bool exact = false;
    OrbSpin orb;
    double zoneHours = 0;
    ContactsFormat format = ContactsFormat::Csv;
    SeriesEvaluation evaluation = SeriesEvaluation::Fitted;
    // The document of --formato rtf: its file, the detail tables instead of
    // the summary (--detalle) and the search options first (--opciones).
    std::optional<std::string> output;
    bool details = false;
    bool searchOptions = false;
};

// A body of the contact page's list, which has no "todos".
int ParseContactBody(std::string_view text) {
    if (const auto item = ItemIndex(text, ContactBodyItems)) return *item + 1;
    throw UsageError("cuerpo desconocido: " + Quoted(text) +
                     "; debe ser Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu o Nod");
}

bool ParseIsExact(std::string_view text) {
    if (text == "exacto") return true;
    if (text == "multiplo" || text == "múltiplo") return false;
    throw UsageError("tipo de ángulo desconocido: " + Quoted(text) + "; debe ser multiplo o exacto");
}

ContactsFormat ParseFormat(std::string_view text) {
    if (text == "csv") return ContactsFormat::Csv;
    if (text == "texto") return ContactsFormat::Text;
    if (text == "rtf") return ContactsFormat::Rtf;
    throw UsageError("formato desconocido: " + Quoted(text) + "; debe ser texto, csv o rtf");
}

// --salida, --detalle and --opciones belong to the document.
void CheckDocumentOptions(const ContactsOptions& options) {
    if (options.format != ContactsFormat::Rtf) {
        if (options.output || options.details || options.searchOptions) {
            throw UsageError("--salida, --detalle y --opciones solo valen con --formato rtf");
        }
        return;
    }
    if (!options.output || options.output->empty()) {
        throw UsageError("falta --salida ARCHIVO.rtf, el archivo del documento");
    }
}

// Options are "--name value" or "--name=value", and the flags --directo,
// --detalle and --opciones.
ContactsOptions ParseOptions(std::span<const std::string_view> args) {
    ContactsOptions options;
    ForEachOption(args, "contactos", OptionNames, Flags, [&](const CommandOption& option) {
        const std::string_view name = option.Name;
        const std::string_view value = option.Value.value_or("");
        if (name == "--directo") {
            options.evaluation = SeriesEvaluation::Direct;
        } else if (name == "--detalle") {
            options.details = true;
        } else if (name == "--opciones") {
            options.searchOptions = true;
        } else if (name == "--cuerpo") {
            options.body = ParseContactBody(value);
        } else if (name == "--posicion") {
            options.position = value;
        } else if (name == "--signo") {
            options.sign = ParseSign(value);
        } else if (name == "--desde") {
            options.start = ParseDate(value);
        } else if (name == "--hasta") {
            options.end = ParseDate(value);
        } else if (name == "--angulo") {
            options.angle = ParseAngle(value);
        } else if (name == "--tipo") {
            options.exact = ParseIsExact(value);
        } else if (name == "--orbe") {
            options.orb = ParseOrb(value);
        } else if (name == "--tz") {
            options.zoneHours = ParseZoneHours(value);
        } else if (name == "--salida") {
            options.output = std::string(value);
        } else {
            options.format = ParseFormat(value);
        }
    });
    if (!options.body) throw UsageError("falta --cuerpo NOMBRE, el cuerpo cuyos contactos se buscan");
    if (!options.position) throw UsageError("falta --posicion G[:M[:S]], la posición de contacto");
    if (!options.start) throw UsageError("falta --desde AAAA-MM-DD, el primer día");
    if (!options.end) throw UsageError("falta --hasta AAAA-MM-DD, el último día");
    if (*options.end < *options.start) {
        throw UsageError("--hasta " + DateText(*options.end) + " es anterior a --desde " + DateText(*options.start));
    }
    if (*options.start < EncodeDate(FirstYear, 1, 1) || *options.end > EncodeDate(LastYear, 12, 31)) {
        throw UsageError("las fechas deben quedar entre los años 0100 y 9899");
    }
    CheckDocumentOptions(options);
    return options;
}

ContactSearchInput SearchInput(const ContactsOptions& options) {
    ContactSearchInput input;
    input.Body = *options.body;
    input.StartDate = *options.start;
    input.EndDate = *options.end;
    input.Angle = options.angle;
    input.Exact = options.exact;
    input.Position = ParsePosition(*options.position, options.sign);
    input.Orb = ContactOrb(options.orb);
    input.ZoneHours = options.zoneHours;
    input.Evaluation = options.evaluation;
    return input;
}

// Local time rounded to the second, "AAAA-MM-DDTHH:MM:SS".
std::string DateTimeText(TDateTime value) {
    const DecodedDateTime decoded = DecodeDateTime(std::round(value * 86400) / 86400);
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02dT%02d:%02d:%02d", decoded.date.year, decoded.date.month,
                  decoded.date.day, decoded.time.hour, decoded.time.minute, decoded.time.second);
    return buffer.data();
}

// An angle with 9 significant digits.
std::string AngleNumber(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 9);
    return std::string(buffer.data(), result.ptr);
}

void WriteCsv(const ContactRecordList& contacts, double target, std::ostream& out) {
    out << CsvHeader;
    for (const ContactRecordPtr& record : contacts) {
        const std::array<TDateTime, ContactMomentCount> times{record->StartTime, record->ExactTime, record->EndTime};
        const std::array<double, ContactMomentCount> longitudes{record->StartLongitude, record->ExactLongitude,
                                                                record->EndLongitude};
        std::string line = std::to_string(record->Index) + ',' +
                           std::string(ContactBodyItems[static_cast<std::size_t>(record->BodyIndex)]) + ',' +
                           AngleNumber(target);
        for (int i = 0; i < ContactMomentCount; ++i) {
            line += ',';
            if (i < record->MomentsFound) line += DateTimeText(times[static_cast<std::size_t>(i)]);
        }
        line += ',' + AngleNumber(record->ContactAngle);
        for (int i = 0; i < ContactMomentCount; ++i) {
            line += ',';
            if (i < record->MomentsFound) line += AngleNumber(longitudes[static_cast<std::size_t>(i)]);
        }
        out << line << '\n';
    }
}

// The description lines, then the grid as the window shows it: without its
// hidden column 0.
void WriteText(const ContactSearchInput& input, const ContactResults& results, std::ostream& out) {
    const DateFormatNames names = SpanishDateFormatNames();
    for (const std::string& line : SearchDescription(input, names)) out << line << '\n';
    const ContactGridFill fill = FillContactGrid(ContactGridMode::Window, results.SortedContactList, results, names);
    for (const std::vector<std::string>& row : fill.Grid) {
        std::string line;
        for (std::size_t column = 1; column < row.size(); ++column) {
            if (column > 1) line += '\t';
            line += row[column];
        }
        out << line << '\n';
    }
}

}  // namespace

void RunContacts(std::span<const std::string_view> args, std::istream& /*in*/, std::ostream& out) {
    const ContactsOptions options = ParseOptions(args);
    const ContactSearchInput input = SearchInput(options);
    // Created before the search, so that a file that cannot be written is
    // reported at once; removed unless saved.
    const std::unique_ptr<RtfWriter> document =
        options.format == ContactsFormat::Rtf ? CreateRtfDocument(*options.output) : nullptr;
    // Nothing requests a stop, so the search always completes.
    ContactSearchProgress progress;
    ContactResults results;
    CommitContactSearch(results, SearchContacts(input, progress), input, true);
    switch (options.format) {
        case ContactsFormat::Csv: WriteCsv(results.SortedContactList, ContactTarget(input.Position), out); break;
        case ContactsFormat::Text: WriteText(input, results, out); break;
        case ContactsFormat::Rtf: {
            ContactsExport contacts;
            if (options.searchOptions) contacts.SearchOptions = SearchDescription(input, SpanishDateFormatNames());
            contacts.Details = options.details;
            contacts.Results = results;
            WriteRtfDocument(*document, contacts);
            break;
        }
    }
}

}  // namespace kalto::cli
