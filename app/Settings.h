// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file kalto.ini: the contact-search inputs, the time zone, the
// graph's switches and colours and the "autom." switch, read once at start-up
// and written once at shut-down.

#include "GraphColors.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace kalto {

// One field a key of the file, in the file's order. A default-constructed value
// holds the value each key takes when the file does not give it; the comment
// names the section, the key and the control that shows the field.
struct KaltoSettings {
    // [Posicion]: the target position of the contact search.
    int PositionDegrees = 0;  // Gra: SEGraLon
    int PositionMinutes = 0;  // Min: SEMinLon
    int PositionSeconds = 0;  // Sec: SESecLon
    int Coordinates = 0;      // Cordenadas: item of RGCord (0 Eclíptica, 1 Zodíaco)
    int Sign = -1;            // Signos: item of RGSignos (0 Ari .. 11 Pis, -1 none)

    // [Contacto]: the body, the angle and the orb of the contact search.
    int ContactBody = 0;  // Planeta: item of RGPlanetas (body number - 1)
    int Angle = 15;       // Angulo: SEAngulo
    int AngleType = 0;    // TipAngulo: item of RGTipoAngulo (0 Múltiplo, 1 Exacto)
    int OrbDegrees = 0;   // Gra: SEGraOrb
    int OrbMinutes = 30;  // Min: SEMinOrb

    // [Config]
    double TimeZone = 0;      // TZ: SETz, hours east of Greenwich
    bool DayMarker = true;    // DiaEfem: CBDiaEfem
    bool SignLines = true;    // Signo: CBSignos
    bool DecanLines = true;   // Deca: CBDeca
    bool MonthLines = true;   // Mes: CBMes
    bool DayLines = false;    // Dias: CBDias
    bool AutoSearch = false;  // Auto: CBAutomatic
    GraphColors Colors;       // Colors1 .. Colors6: the graph's colour slots 1 .. 6

    bool operator==(const KaltoSettings&) const = default;
};

// Longer values are cut to this length on reading.
inline constexpr std::size_t MaxSettingsValueLength = 2047;

// Reads the file. Each key that the file lacks, or gives as text that is not a
// number of its type, keeps its value from `defaults`: pass KaltoSettings{} with
// the controls' current values in Coordinates, Sign, ContactBody and Angle,
// whose default is whatever the control holds. A missing or unreadable file
// gives `defaults` whole. Integers may be written in hexadecimal with a 0x
// prefix; "TZ" is read with either decimal separator, '.' or ',', so that a
// file written under another locale reads the same.
[[nodiscard]] KaltoSettings LoadSettings(const std::filesystem::path& file, const KaltoSettings& defaults);

// Writes every key into the file, keeping the order, the comments and any
// other sections and keys of the file already there; "TZ" is written with
// `decimalSeparator`. The new text goes to a temporary file beside it that
// replaces the old file only once it is wholly on disk, so a failure or a crash
// leaves the previous file as it was. Returns nothing on success, otherwise the
// message to show: "Unable to write to " and the file's path.
[[nodiscard]] std::optional<std::string> SaveSettings(const std::filesystem::path& file, const KaltoSettings& settings,
                                                      char decimalSeparator);

}  // namespace kalto
