// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file kalto.ini: the contact-search inputs, the time zone, the
// graph's switches and colours and the "autom." and "momentos exactos"
// switches, read once at start-up and written once at shut-down.

#include "GraphColors.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace kalto {

// One field a key of the file, in the file's order. A default-constructed value
// holds the value each key takes when the file does not give it; the comment
// names the section, the key and what the field holds. SettingsRanges.h holds
// each field to the range the window can show.
struct KaltoSettings {
    // [Posicion]: the target position of the contact search.
    int PositionDegrees = 0;  // Gra: whole degrees
    int PositionMinutes = 0;  // Min: arc minutes
    int PositionSeconds = 0;  // Sec: arc seconds
    int Coordinates = 0;      // Cordenadas: 0 ecliptic longitude, 1 degrees within a sign
    int Sign = -1;            // Signos: 0 Aries .. 11 Pisces, -1 none

    // [Contacto]: the body, the angle and the orb of the contact search.
    int ContactBody = 0;        // Planeta: the searched body's number - 1
    int Angle = 15;             // Angulo: whole degrees
    int AngleType = 0;          // TipAngulo: 0 the angle's multiples, 1 the angle exactly
    int OrbDegrees = 0;         // Gra: the orb's whole degrees
    int OrbMinutes = 30;        // Min: the orb's arc minutes
    bool ExactMoments = false;  // MomentosExactos: "momentos exactos", the search refines its moments

    // [Config]
    double TimeZone = 0;       // TZ: hours east of Greenwich
    std::string ZoneName;      // Zona: a zone of the time-zone database; empty, the fixed offset TZ
    std::string Paper = "a4";  // Papel: the printable pages' paper, "a4" or "carta"
    std::string ChartFile;     // Carta: the chart file the transits page shows; empty, none
    bool DayMarker = true;     // DiaEfem: the graph marks the ephemeris day
    bool SignLines = true;     // Signo: the graph's lines at each sign
    bool DecanLines = true;    // Deca: the graph's lines at each decan
    bool MonthLines = true;    // Mes: the graph's lines at each month
    bool DayLines = false;     // Dias: the graph's lines at each day
    bool AutoSearch = false;   // Auto: a changed input starts the contact search
    GraphColors Colors;        // Colors1 .. Colors6: the graph's colour slots 1 .. 6

    bool operator==(const KaltoSettings&) const = default;
};

// Longer values are cut to this length on reading.
inline constexpr std::size_t MaxSettingsValueLength = 2047;

// Reads the file. Each key that the file lacks, or gives as text that is not a
// number of its type, keeps its value from `defaults`: pass KaltoSettings{} with
// the window's current values in Coordinates, Sign, ContactBody and Angle,
// whose default is whatever the window shows. A missing or unreadable file
// gives `defaults` whole. Integers may be written in hexadecimal with a 0x
// prefix; "TZ" is read with either decimal separator, '.' or ',', so that a
// file written under another locale reads the same.
[[nodiscard]] KaltoSettings LoadSettings(const std::filesystem::path& file, const KaltoSettings& defaults);

// Writes every key into the file, keeping the order, the comments and any
// other sections and keys of the file already there; "TZ" is written with
// `decimalSeparator`. The new text goes to a temporary file beside it that
// replaces the old file only once it is wholly on disk, so a failure or a crash
// leaves the previous file as it was (ReplacingFile.h). Returns nothing on success, otherwise the
// message to show: "Unable to write to " and the file's path.
[[nodiscard]] std::optional<std::string> SaveSettings(const std::filesystem::path& file, const KaltoSettings& settings,
                                                      char decimalSeparator);

}  // namespace kalto
