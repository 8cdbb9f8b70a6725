// SPDX-License-Identifier: GPL-3.0-or-later
// Generates the definitions of the constant coefficient tables declared in
// engine/ConstTables.h from the published data files in engine/data/:
//   - ConstEarth ... ConstNeptune from the VSOP87 version D files of
//     Bretagnon and Francou (A&A 202, 309, 1988);
//   - ConstMoon from Meeus, Astronomical Algorithms, 2nd ed., tables 47.A, 47.B;
//   - ConstPlutoII from Chapront's (1995) Pluto series and the Earth series
//     referred to the ecliptic of J2000.0 (Meeus, ch. 26).
//
// Usage: kalto_tablegen <data directory> <output directory>
//
// Every file is read and checked before anything is written; a fault in a data
// file stops the program with the file and line, so the build fails.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A line of a data file, named in error messages.
struct Where {
    fs::path file;
    std::size_t line = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
    }
};

std::vector<std::string> ReadLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + file.string());
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(std::move(line));
    }
    return lines;
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The whole of `text` (blanks around it aside) as a number; anything else fails.
template <typename Number>
Number Parse(std::string_view text, const Where& where) {
    text = Trim(text);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    bool ok = !text.empty() && error == std::errc{} && end == text.data() + text.size();
    if constexpr (std::is_floating_point_v<Number>) {
        ok = ok && std::isfinite(value);
    }
    if (!ok) {
        where.Fail("not a number: '" + std::string(text) + "'");
    }
    return value;
}

// An integer count of 10^-exponent units, converted to the double nearest to
// its decimal value (as the literal "8722e-8" would be, not 8722 * 1e-8).
double ParseScaledInteger(std::string_view text, int exponent, const Where& where) {
    Parse<long long>(text, where);
    return Parse<double>(std::string(Trim(text)) + "e-" + std::to_string(exponent), where);
}

// The rows of a comma-separated file whose first line must read `header`.
struct CsvRow {
    Where where;
    std::vector<std::string> fields;
};

std::vector<CsvRow> ReadCsv(const fs::path& file, std::string_view header) {
    const std::vector<std::string> lines = ReadLines(file);
    if (lines.empty() || lines.front() != header) {
        Where{file, 1}.Fail("the header must read '" + std::string(header) + "'");
    }
    const std::size_t columns = std::count(header.begin(), header.end(), ',') + 1;
    std::vector<CsvRow> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        CsvRow row{{file, i + 1}, {}};
        std::istringstream fields(lines[i]);
        for (std::string field; std::getline(fields, field, ',');) {
            row.fields.push_back(field);
        }
        if (row.fields.size() != columns) {
            row.where.Fail("expected " + std::to_string(columns) + " fields");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// A series of terms A cos(B + C t), in file order.
struct Series {
    std::vector<double> A, B, C;
};

// ---------------------------------------------------------------------------
// VSOP87 version D

struct VsopBody {
    const char* file;
    const char* name;  // as written in the header records
    char code;         // body code of the term records
    const char* table;
    const char* label;
};

constexpr VsopBody VsopBodies[] = {
    {"VSOP87D.ear", "EARTH", '3', "ConstEarth", "the Earth"},
    {"VSOP87D.mer", "MERCURY", '1', "ConstMercury", "Mercury"},
    {"VSOP87D.ven", "VENUS", '2', "ConstVenus", "Venus"},
    {"VSOP87D.mar", "MARS", '4', "ConsMars", "Mars"},
    {"VSOP87D.jup", "JUPITER", '5', "ConstJupiter", "Jupiter"},
    {"VSOP87D.sat", "SATURN", '6', "ConstSaturn", "Saturn"},
    {"VSOP87D.ura", "URANUS", '7', "ConstUrano", "Uranus"},
    {"VSOP87D.nep", "NEPTUNE", '8', "ConstNeptune", "Neptune"},
};

constexpr char CoordinateLetters[] = {'L', 'B', 'R'};
constexpr const char* CoordinateNames[] = {"Longitude", "Latitude", "Radius"};

// Series of L, B and R, each power 0 upward.
using VsopTheory = std::array<std::vector<Series>, 3>;

// Columns `first` to `last` (1-based, inclusive) of a record, as in the
// authors' notice.
std::string_view Columns(const std::string& record, std::size_t first, std::size_t last) {
    return std::string_view(record).substr(first - 1, last - first + 1);
}

// Reads a VSOP87D file: each series opens with a header record giving its
// variable (1 L, 2 B, 3 R), power of time and number of terms; the term records
// follow, each ending with A (cols. 80-97), B (98-111) and C (112-131).
VsopTheory ReadVsop(const fs::path& file, const VsopBody& body) {
    VsopTheory theory;
    const std::vector<std::string> records = ReadLines(file);
    Series* series = nullptr;
    std::string codes;  // version, body, variable and power, as the term records repeat them
    std::size_t lastVariable = 0;
    std::size_t declared = 0;
    Where header;
    const auto checkCount = [&] {
        if (series != nullptr && series->A.size() != declared) {
            header.Fail("the header declares " + std::to_string(declared) + " terms, " +
                        std::to_string(series->A.size()) + " follow");
        }
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Where where{file, i + 1};
        const std::string& record = records[i];
        if (record.size() != 132) {
            where.Fail("a record must be 132 characters long");
        }
        if (record.starts_with(" VSOP87")) {
            checkCount();
            header = where;
            const auto variable = Parse<std::size_t>(Columns(record, 42, 42), where);
            const auto power = Parse<std::size_t>(Columns(record, 60, 60), where);
            declared = Parse<std::size_t>(Columns(record, 61, 67), where);
            if (Columns(record, 18, 18) != "4" || Trim(Columns(record, 23, 29)) != body.name) {
                where.Fail(std::string("not a VSOP87D header of ") + body.name);
            }
            if (variable < 1 || variable > 3 || variable < lastVariable || power != theory[variable - 1].size()) {
                where.Fail("series out of order (L, B, R, each power 0 upward)");
            }
            if (declared == 0) {
                where.Fail("a series without terms");
            }
            series = &theory[variable - 1].emplace_back();
            lastVariable = variable;
            codes = {'4', body.code, char('0' + variable), char('0' + power)};
        } else {
            if (series == nullptr || Columns(record, 2, 5) != codes) {
                where.Fail("term record that does not belong to the series header before it");
            }
            if (Parse<std::size_t>(Columns(record, 6, 10), where) != series->A.size() + 1) {
                where.Fail("rank out of sequence");
            }
            series->A.push_back(Parse<double>(Columns(record, 80, 97), where));
            series->B.push_back(Parse<double>(Columns(record, 98, 111), where));
            series->C.push_back(Parse<double>(Columns(record, 112, 131), where));
        }
    }
    if (series == nullptr) {
        Where{file, 1}.Fail("no series");
    }
    checkCount();
    return theory;
}

// ---------------------------------------------------------------------------
// Meeus's lunar tables and Chapront's Pluto series

using LunarRow = std::array<int, 5>;  // d, m, m', f, coefficient

std::vector<LunarRow> ReadLunarTerms(const fs::path& file) {
    std::vector<LunarRow> terms;
    for (const CsvRow& row : ReadCsv(file, "d,m,mp,f,c")) {
        LunarRow& term = terms.emplace_back();
        for (std::size_t k = 0; k < term.size(); ++k) {
            term[k] = Parse<int>(row.fields[k], row.where);
        }
    }
    return terms;
}

struct PlutoCoordinate {
    std::vector<double> polynomial, cosines, sines;  // 1e-10 AU
};

struct PlutoSeries {
    std::vector<double> frequencies;  // radians per day
    std::array<PlutoCoordinate, 3> xyz;
};

// Chapront's term i multiplies its cosine and sine by x^power: power 0 for
// i = 0..81, 1 for 82..100, 2 for 101..105.
constexpr std::size_t PlutoPower(std::size_t i) {
    return i < 82 ? 0 : i < 101 ? 1 : 2;
}

PlutoSeries ReadPluto(const fs::path& folder) {
    PlutoSeries pluto;
    for (const CsvRow& row : ReadCsv(folder / "frequencies.csv", "i,power,nu")) {
        const std::size_t i = pluto.frequencies.size();
        if (Parse<std::size_t>(row.fields[0], row.where) != i ||
            Parse<std::size_t>(row.fields[1], row.where) != PlutoPower(i)) {
            row.where.Fail("expected term " + std::to_string(i) + " of power " + std::to_string(PlutoPower(i)));
        }
        pluto.frequencies.push_back(Parse<double>(row.fields[2], row.where));
    }
    const std::vector<CsvRow> polynomials = ReadCsv(folder / "polynomials.csv", "coord,p0,p1,p2,p3");
    if (polynomials.size() != 3) {
        Where{folder / "polynomials.csv", 1}.Fail("expected the rows X, Y, Z");
    }
    const char* amplitudeFiles[] = {"amplitudes_x.csv", "amplitudes_y.csv", "amplitudes_z.csv"};
    for (std::size_t k = 0; k < 3; ++k) {
        PlutoCoordinate& coordinate = pluto.xyz[k];
        const CsvRow& polynomial = polynomials[k];
        if (polynomial.fields[0] != std::string(1, char('X' + k))) {
            polynomial.where.Fail("expected the rows X, Y, Z");
        }
        for (std::size_t p = 1; p <= 4; ++p) {
            coordinate.polynomial.push_back(double(Parse<long long>(polynomial.fields[p], polynomial.where)));
        }
        for (const CsvRow& row : ReadCsv(folder / amplitudeFiles[k], "i,cos,sin")) {
            if (Parse<std::size_t>(row.fields[0], row.where) != coordinate.cosines.size()) {
                row.where.Fail("term out of sequence");
            }
            coordinate.cosines.push_back(double(Parse<long long>(row.fields[1], row.where)));
            coordinate.sines.push_back(double(Parse<long long>(row.fields[2], row.where)));
        }
    }
    return pluto;
}

// ---------------------------------------------------------------------------
// The Earth referred to the ecliptic and equinox of J2000.0 (Meeus, ch. 26):
// VSOP87D's L0 and B0 unchanged, L1 without the precession in its first term,
// and Meeus's short series for L2..L4 and B1..B4.

struct EarthJ2000 {
    Series L1;
    std::vector<Series> L2to4, B1to4;
};

// One of Meeus's short series: amplitudes in 1e-8 rad, stored in radians.
Series ReadMeeusSeries(const fs::path& file) {
    Series series;
    for (const CsvRow& row : ReadCsv(file, "A,B,C")) {
        series.A.push_back(ParseScaledInteger(row.fields[0], 8, row.where));
        series.B.push_back(Parse<double>(row.fields[1], row.where));
        series.C.push_back(Parse<double>(row.fields[2], row.where));
    }
    return series;
}

EarthJ2000 ReadEarthJ2000(const fs::path& folder, const VsopTheory& earth) {
    EarthJ2000 j2000{earth[0].at(1), {}, {}};
    const fs::path replacementFile = folder / "L1_term0_replacement.csv";
    const std::vector<CsvRow> replacement = ReadCsv(replacementFile, "A_rad,B,C");
    if (replacement.size() != 1) {
        Where{replacementFile, 1}.Fail("expected one term");
    }
    // The term replaced is the mean motion in longitude, the secular term of L1.
    if (j2000.L1.C.front() != 0) {
        throw std::runtime_error("VSOP87D.ear: the first term of the Earth's L1 is not its secular term");
    }
    const CsvRow& term = replacement.front();
    j2000.L1.A.front() = Parse<double>(term.fields[0], term.where);
    j2000.L1.B.front() = Parse<double>(term.fields[1], term.where);
    j2000.L1.C.front() = Parse<double>(term.fields[2], term.where);
    for (const char* name : {"L2.csv", "L3.csv", "L4.csv"}) {
        j2000.L2to4.push_back(ReadMeeusSeries(folder / name));
    }
    for (const char* name : {"B1.csv", "B2.csv", "B3.csv", "B4.csv"}) {
        j2000.B1to4.push_back(ReadMeeusSeries(folder / name));
    }
    return j2000;
}

// ---------------------------------------------------------------------------
// Writing the C++ sources

// The shortest decimal text that reads back as exactly `value`, as a floating literal.
std::string Literal(double value) {
    std::array<char, 32> text{};
    char* end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    std::string literal(text.data(), end);
    if (literal.find_first_of(".e") == std::string::npos) {
        literal += ".0";
    }
    return literal;
}

// A braced list of doubles, four a line.
std::string DoubleList(const std::vector<double>& values) {
    std::string list = "{";
    for (std::size_t i = 0; i < values.size(); ++i) {
        list += i % 4 == 0 ? "\n    " : " ";
        list += Literal(values[i]) + ",";
    }
    return list + "\n}";
}

std::string Banner(std::string_view source) {
    return "// Generated by kalto_tablegen from " + std::string(source) + ". Do not edit.\n";
}

// The Earth's VSOP87D series L0 and B0 are defined once, with the Earth, and
// shared by the J2000 Earth series of ConstPlutoII.
constexpr std::string_view SharedNamespace = "EarthVsop87D";

bool IsSharedEarthSeries(const VsopBody& body, std::size_t coordinate, std::size_t power) {
    return body.code == '3' && coordinate < 2 && power == 0;
}

// Arrays name_A, name_B, name_C and a compile-time check of their length.
void WriteSeriesArrays(std::ostream& out, const std::string& name, const Series& series) {
    const std::string size = std::to_string(series.A.size());
    out << "\n// " << name << ": " << series.A.size() << (series.A.size() == 1 ? " term\n" : " terms\n");
    const auto writeArray = [&](const char* suffix, const std::vector<double>& values) {
        out << "constexpr double " << name << suffix << "[] = " << DoubleList(values) << ";\n";
    };
    writeArray("_A", series.A);
    writeArray("_B", series.B);
    writeArray("_C", series.C);
    out << "static_assert(std::size(" << name << "_A) == " << size << " && std::size(" << name << "_B) == " << size
        << " && std::size(" << name << "_C) == " << size << ");\n";
}

std::string SeriesSpans(const std::string& name) {
    return "    {" + name + "_A, " + name + "_B, " + name + "_C},\n";
}

std::string SharedEarthHeader(const VsopTheory& earth) {
    std::ostringstream out;
    out << "#pragma once\n"
        << Banner("vsop87d/VSOP87D.ear")
        << "// The Earth's VSOP87D series L0 and B0, defined in ConstEarth.cpp and also\n"
        << "// used unchanged by the J2000 Earth series of ConstPlutoII.\n\n"
        << "namespace kalto::" << SharedNamespace << " {\n\n";
    for (std::size_t coordinate = 0; coordinate < 2; ++coordinate) {
        const std::size_t size = earth[coordinate].front().A.size();
        for (const char* part : {"A", "B", "C"}) {
            out << "extern const double " << CoordinateLetters[coordinate] << "0_" << part << "[" << size << "];\n";
        }
    }
    out << "\n}  // namespace kalto::" << SharedNamespace << "\n";
    return out.str();
}

std::string VsopSource(const VsopBody& body, const VsopTheory& theory) {
    std::ostringstream out;
    out << Banner(std::string("vsop87d/") + body.file)
        << "// VSOP87 version D (Bretagnon and Francou, A&A 202, 309, 1988): heliocentric\n"
        << "// longitude L, latitude B and radius vector R of " << body.label << ", referred to the mean\n"
        << "// ecliptic and equinox of the date. Terms in the published order.\n\n"
        << "#include \"ConstTables.h\"\n";
    if (body.code == '3') {
        out << "#include \"EarthVsop87D.h\"\n";
    }
    out << "\n#include <iterator>\n\nnamespace kalto {\n";
    std::array<std::string, 3> spans;
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        for (std::size_t power = 0; power < theory[coordinate].size(); ++power) {
            std::string name = CoordinateLetters[coordinate] + std::to_string(power);
            if (IsSharedEarthSeries(body, coordinate, power)) {
                name = std::string(SharedNamespace) + "::" + name;
            }
            WriteSeriesArrays(out, name, theory[coordinate][power]);
            spans[coordinate] += SeriesSpans(name);
        }
    }
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        out << "\nconstexpr VsopSeries " << CoordinateNames[coordinate] << "[] = {\n" << spans[coordinate] << "};\n";
    }
    out << "\nconstinit const VsopTheory " << body.table << " = {Longitude, Latitude, Radius};\n\n"
        << "}  // namespace kalto\n";
    return out.str();
}

// A named array that initialises the std::array `member`, checked to fill it
// exactly (an aggregate would silently pad a short list with zeros).
void WriteFixedArray(std::ostream& out, std::string_view type, const std::string& name, const std::string& list,
                     std::string_view member, std::string_view source) {
    out << "\nconstexpr " << type << " " << name << "[] = " << list << ";\n"
        << "static_assert(std::size(" << name << ") == std::tuple_size_v<decltype(" << member << ")>,\n"
        << "              \"" << source << ": not as many entries as " << member << " holds\");\n";
}

std::string LunarList(const std::vector<LunarRow>& terms) {
    std::string list = "{\n";
    for (const LunarRow& t : terms) {
        list += "    {" + std::to_string(t[0]) + ", " + std::to_string(t[1]) + ", " + std::to_string(t[2]) + ", " +
                std::to_string(t[3]) + ", " + std::to_string(t[4]) + "},\n";
    }
    return list + "}";
}

std::string MoonSource(const fs::path& folder) {
    std::ostringstream out;
    out << Banner("moon/*.csv") << "// Periodic terms of the Moon, Meeus, Astronomical Algorithms, 2nd ed., ch. 47:\n"
        << "// rows of table 47.A with a longitude (sine) or a distance (cosine) coefficient,\n"
        << "// and table 47.B (latitude, sine), in the order of the tables.\n\n"
        << "#include \"ConstTables.h\"\n\n#include <array>\n#include <iterator>\n#include <tuple>\n\n"
        << "namespace kalto {\n";
    for (const char* table : {"Longitude", "Distance", "Latitude"}) {
        std::string file = table;
        file[0] = char(file[0] - 'A' + 'a');
        file += "_terms.csv";
        WriteFixedArray(out, "LunarTerm", std::string(table) + "Terms", LunarList(ReadLunarTerms(folder / file)),
                        std::string("MoonTables::") + table, "moon/" + file);
    }
    out << "\nconstinit const MoonTables ConstMoon = {\n"
        << "    std::to_array(LongitudeTerms),\n    std::to_array(DistanceTerms),\n    std::to_array(LatitudeTerms),\n"
        << "};\n\n}  // namespace kalto\n";
    return out.str();
}

std::string PlutoSource(const PlutoSeries& pluto, const EarthJ2000& earth) {
    std::ostringstream out;
    out << Banner("pluto/*.csv, earth-j2000/*.csv and vsop87d/VSOP87D.ear")
        << "// Chapront's (1995) series of Pluto's heliocentric X, Y, Z (equator and equinox\n"
        << "// of J2000.0, 1700-2100), amplitudes and polynomial coefficients in 1e-10 AU;\n"
        << "// and the Earth referred to the ecliptic and equinox of J2000.0 (Meeus,\n"
        << "// Astronomical Algorithms, 2nd ed., ch. 26): VSOP87D's L0 and B0, VSOP87D's L1\n"
        << "// with the precession taken out of its first term, and Meeus's short series\n"
        << "// L2..L4, B1..B4 (his amplitudes of 1e-8 rad, in radians).\n\n"
        << "#include \"ConstTables.h\"\n#include \"EarthVsop87D.h\"\n\n"
        << "#include <array>\n#include <iterator>\n#include <tuple>\n\nnamespace kalto {\n";
    WriteFixedArray(out, "double", "Frequencies", DoubleList(pluto.frequencies), "PlutoSeriesTables::Frequencies",
                    "pluto/frequencies.csv");
    for (std::size_t k = 0; k < 3; ++k) {
        const PlutoCoordinate& c = pluto.xyz[k];
        const std::string xyz(1, char('X' + k));
        const std::string amplitudes = "pluto/amplitudes_" + std::string(1, char('x' + k)) + ".csv";
        WriteFixedArray(out, "double", xyz + "Polynomial", DoubleList(c.polynomial), "PlutoCoordinate::Polynomial",
                        "pluto/polynomials.csv");
        WriteFixedArray(out, "double", xyz + "Cosines", DoubleList(c.cosines), "PlutoCoordinate::Cosines", amplitudes);
        WriteFixedArray(out, "double", xyz + "Sines", DoubleList(c.sines), "PlutoCoordinate::Sines", amplitudes);
    }

    std::string longitude = SeriesSpans(std::string(SharedNamespace) + "::L0");
    std::string latitude = SeriesSpans(std::string(SharedNamespace) + "::B0");
    WriteSeriesArrays(out, "EarthL1", earth.L1);
    longitude += SeriesSpans("EarthL1");
    for (std::size_t k = 0; k < earth.L2to4.size(); ++k) {
        const std::string name = "EarthL" + std::to_string(k + 2);
        WriteSeriesArrays(out, name, earth.L2to4[k]);
        longitude += SeriesSpans(name);
    }
    for (std::size_t k = 0; k < earth.B1to4.size(); ++k) {
        const std::string name = "EarthB" + std::to_string(k + 1);
        WriteSeriesArrays(out, name, earth.B1to4[k]);
        latitude += SeriesSpans(name);
    }
    out << "\nconstexpr VsopSeries EarthLongitude[] = {\n"
        << longitude << "};\n"
        << "\nconstexpr VsopSeries EarthLatitude[] = {\n"
        << latitude << "};\n"
        << "\nconstinit const PlutoSeriesTables ConstPlutoII = {\n"
        << "    .Frequencies = std::to_array(Frequencies),\n";
    for (const char xyz : {'X', 'Y', 'Z'}) {
        out << "    ." << xyz << " = {std::to_array(" << xyz << "Polynomial), std::to_array(" << xyz
            << "Cosines), std::to_array(" << xyz << "Sines)},\n";
    }
    out << "    .EarthL = EarthLongitude,\n    .EarthB = EarthLatitude,\n};\n\n}  // namespace kalto\n";
    return out.str();
}

void Generate(const fs::path& data, const fs::path& output) {
    std::vector<VsopTheory> theories;
    for (const VsopBody& body : VsopBodies) {
        theories.push_back(ReadVsop(data / "vsop87d" / body.file, body));
    }
    const VsopTheory& earth = theories.front();
    const std::string moon = MoonSource(data / "moon");
    const std::string pluto = PlutoSource(ReadPluto(data / "pluto"), ReadEarthJ2000(data / "earth-j2000", earth));

    fs::create_directories(output);
    WriteFile(output / "EarthVsop87D.h", SharedEarthHeader(earth));
    for (std::size_t i = 0; i < theories.size(); ++i) {
        WriteFile(output / (std::string(VsopBodies[i].table) + ".cpp"), VsopSource(VsopBodies[i], theories[i]));
    }
    WriteFile(output / "ConstMoon.cpp", moon);
    WriteFile(output / "ConstPlutoII.cpp", pluto);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: kalto_tablegen <data directory> <output directory>\n";
        return 2;
    }
    try {
        Generate(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "kalto_tablegen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
