// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsCommand.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "ContactGrid.h"
#include "ContactResults.h"
#include "ContactSearch.h"
#include "RtfOutput.h"
#include "RunSpan.h"
#include "TextForms.h"

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

constexpr std::string_view CsvHeader =
    "indice,cuerpo,posicion,inicia,partil,finaliza,contacto,lon_inicia,lon_partil,lon_finaliza,partil_utc\n";

enum class ContactsFormat { Csv, Text, Rtf };
constexpr std::array<std::string_view, 3> FormatNames = {"csv", "texto", "rtf"};

struct ContactsOptions {
    std::optional<int> body;
    std::optional<std::string_view> position;
    std::optional<int> sign;
    RunSpanOptions Span;  // the dates and the zone; the step is not taken
    int angle = DefaultContactAngle;
    bool exact = false;
    bool exactMoments = false;
    OrbSpin orb;
    ContactsFormat format = ContactsFormat::Csv;
    SeriesEvaluation evaluation = SeriesEvaluation::Fitted;
    // The document of --formato rtf: its file, the detail tables instead of
    // the summary (--detalle) and the search options first (--opciones).
    std::optional<std::string> output;
    bool details = false;
    bool searchOptions = false;
};

// A body of the contact page's list, which has no "todos".
void SetBody(ContactsOptions& options, std::string_view value) {
    const auto item = ItemIndex(value, ContactBodyItems);
    if (!item) {
        throw UsageError("cuerpo desconocido: " + Quoted(value) +
                         "; debe ser Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu o Nod");
    }
    options.body = *item + 1;
}

void SetAngleType(ContactsOptions& options, std::string_view value) {
    if (value != "exacto" && value != "multiplo" && value != "múltiplo") {
        throw UsageError("tipo de ángulo desconocido: " + Quoted(value) + "; debe ser multiplo o exacto");
    }
    options.exact = value == "exacto";
}

constexpr std::string_view Synopsis =
    "  contactos --cuerpo NOMBRE --posicion G[:M[:S]] [--signo SIGNO]\n"
    "            --desde AAAA-MM-DD --hasta AAAA-MM-DD [--angulo GRADOS]\n"
    "            [--tipo multiplo|exacto] [--orbe G:M] [--tz HORAS] [--zona NOMBRE]\n"
    "            [--momentos-exactos] [--formato texto|csv]\n"
    "            [--directo] [--formato rtf --salida ARCHIVO.rtf [--detalle] [--opciones]]\n"
    "      Busca los intervalos en que el cuerpo está, dentro del orbe, al ángulo\n"
    "      dado (o a un múltiplo suyo) de la posición, desde las 00:00 locales de\n"
    "      --desde hasta las de --hasta; para cada contacto da cuándo inicia, es\n"
    "      partil y finaliza, en hora civil local.\n";

// In the order of the usage's list.
constexpr std::array<OptionDeclaration<ContactsOptions>, 16> Options{{
    {"--cuerpo",
     OptionValue::Required,
     SetBody,
     {{{"NOMBRE", "Sol, Lun, Mer, Ven, Mar, Jup, Sat, Ura, Nep, Plu o Nod."}}}},
    {"--posicion",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.position = value; },
     {{{"G:M:S", "grados eclípticos de 0 a 359 (con --signo, grados\n"
                 "dentro del signo, de 0 a 29), minutos y segundos;\n"
                 "se normaliza como en la ventana (60 segundos suman\n"
                 "un minuto, 360 grados son 0, 30 grados de un signo\n"
                 "son 0 del mismo signo)."}}}},
    {"--signo",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.sign = ParseSign(value); },
     {{{"SIGNO", "Ari, Tau, Gem, Can, Leo, Vir, Lib, Esc, Sag, Cap, Acu\n"
                 "o Pis: la posición se cuenta dentro de ese signo."}}}},
    {"--desde", OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.Span.Start = ParseDate(value); }},
    {"--hasta", OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.Span.End = ParseDate(value); }},
    {"--angulo",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.angle = ParseAngle(value); },
     {{{"GRADOS", "número entero de 0 a 180 (por omisión 15)."}}}},
    {"--tipo",
     OptionValue::Required,
     SetAngleType,
     {{{"multiplo", "(por omisión) cualquier múltiplo del ángulo, la\n"
                    "conjunción incluida; exacto: solo el ángulo."}}}},
    {"--orbe",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.orb = ParseOrb(value); },
     {{{"G:M", "grados de 0 a 5 y minutos (por omisión 0:30); nunca\n"
               "menos de 0:30."}}}},
    {"--momentos-exactos",
     OptionValue::None,
     [](ContactsOptions& options, std::string_view) { options.exactMoments = true; },
     {{{"", "lleva cada momento que halla la búsqueda fina (a 1'\n"
            "de arco) al instante en que el ángulo es exacto: el\n"
            "borde del orbe al iniciar y al finalizar, el ángulo\n"
            "en el partil y, si el cuerpo se estaciona dentro del\n"
            "orbe, el instante en que su longitud cambia de\n"
            "sentido."}}}},
    {"--tz",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.Span.ZoneHours = ParseZoneHours(value); },
     {{{"HORAS", ZoneHelp}}}},
    {"--zona",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.Span.Zone = ParseZoneName(value); },
     {{{"NOMBRE", "zona de la base de datos de zonas horarias, como\n"
                  "Europe/Madrid (la lista: kalto-cli zonas): la búsqueda\n"
                  "va de las 00:00 de su reloj en --desde a las de --hasta\n"
                  "y da los momentos con su horario de verano. No vale\n"
                  "junto con --tz."}}}},
    {"--formato",
     OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) {
         options.format = ParseFormat<ContactsFormat>(value, FormatNames, "texto, csv o rtf");
     },
     {{{"csv", "(por omisión) cabecera «indice,cuerpo,posicion,inicia,\n"
               "partil,finaliza,contacto,lon_inicia,lon_partil,\n"
               "lon_finaliza,partil_utc» y una línea por contacto, por\n"
               "orden de inicio; horas AAAA-MM-DDTHH:MM:SS redondeadas\n"
               "al segundo, partil_utc en tiempo universal\n"
               "(AAAA-MM-DDTHH:MM:SSZ); ángulos en grados. Un momento\n"
               "que la búsqueda fina no alcanzó dentro de su límite\n"
               "queda vacío."},
       {"texto", "las líneas de las opciones de búsqueda y la tabla de\n"
                 "contactos de la ventana, separada por tabuladores."},
       {"rtf", "el documento RTF de los contactos, como lo exporta la\n"
               "ventana, en el archivo --salida: la tabla resumen o,\n"
               "con --detalle, una tabla de detalle por contacto;\n"
               "con --opciones, antes las opciones de búsqueda. Si\n"
               "no se puede escribir, un mensaje y estado de salida\n"
               "1, sin dejar un archivo a medias."}}}},
    {"--directo",
     OptionValue::None,
     [](ContactsOptions& options, std::string_view) { options.evaluation = SeriesEvaluation::Direct; },
     {{{"", "suma las series completas en cada instante en lugar\n"
            "de sus aproximaciones de Chebyshev (más lento; sirve\n"
            "para comprobar que dan los mismos contactos)."}}}},
    {"--salida", OptionValue::Required,
     [](ContactsOptions& options, std::string_view value) { options.output = std::string(value); }},
    {"--detalle", OptionValue::None, [](ContactsOptions& options, std::string_view) { options.details = true; }},
    {"--opciones", OptionValue::None, [](ContactsOptions& options, std::string_view) { options.searchOptions = true; }},
}};

constexpr CommandDeclaration<ContactsOptions> Command{"contactos", Options, 18};

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

ContactsOptions ParseOptions(std::span<const std::string_view> args) {
    ContactsOptions options;
    ParseCommandOptions(args, Command, options);
    if (!options.body) throw UsageError("falta --cuerpo NOMBRE, el cuerpo cuyos contactos se buscan");
    if (!options.position) throw UsageError("falta --posicion G[:M[:S]], la posición de contacto");
    CheckSearchSpan(options.Span);
    CheckDocumentOptions(options);
    return options;
}

ContactSearchInput SearchInput(const ContactsOptions& options) {
    ContactSearchInput input;
    input.Body = *options.body;
    input.StartDate = *options.Span.Start;
    input.EndDate = *options.Span.End;
    input.Angle = options.angle;
    input.Exact = options.exact;
    input.Position = ParsePosition(*options.position, options.sign);
    input.Orb = ContactOrb(options.orb);
    input.Clock = SpanClock(options.Span);
    input.Evaluation = options.evaluation;
    input.ExactMoments = options.exactMoments;
    return input;
}

void WriteCsv(const ContactRecordList& contacts, double target, std::ostream& out) {
    out << CsvHeader;
    for (const ContactRecordPtr& record : contacts) {
        const std::array<TDateTime, ContactMomentCount> times{record->StartTime, record->ExactTime, record->EndTime};
        const std::array<double, ContactMomentCount> longitudes{record->StartLongitude, record->ExactLongitude,
                                                                record->EndLongitude};
        std::string line = std::to_string(record->Index) + ',' +
                           std::string(ContactBodyItems[static_cast<std::size_t>(record->BodyIndex)]) + ',' +
                           CsvAngleText(target);
        for (int i = 0; i < ContactMomentCount; ++i) {
            line += ',';
            if (i < record->MomentsFound) {
                line += CsvDateTimeText(record->Clock.ToWallTime(times[static_cast<std::size_t>(i)]));
            }
        }
        line += ',' + CsvAngleText(record->ContactAngle);
        for (int i = 0; i < ContactMomentCount; ++i) {
            line += ',';
            if (i < record->MomentsFound) line += CsvAngleText(longitudes[static_cast<std::size_t>(i)]);
        }
        line += ',';
        if (record->MomentsFound > 1) line += CsvDateTimeText(record->ExactTime) + 'Z';
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

std::string ContactsUsage() {
    return std::string(Synopsis) + OptionListText(Command);
}

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
