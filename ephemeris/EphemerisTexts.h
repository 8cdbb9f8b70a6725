// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that the ephemeris page shows for the state of a run.

#include <string_view>

namespace kalto {

inline constexpr std::string_view StatusToCompute = " Status: Efemerides por calcular";
inline constexpr std::string_view StatusComputing = " Status: Calculando efemerides. ";
inline constexpr std::string_view StatusComputed = " Status: OK Nuevo rango de Efemerides calculadas. ";
inline constexpr std::string_view StatusInterrupted = "Cálculos Interrumpidos";
inline constexpr std::string_view RangeComputing = "calculando";
inline constexpr std::string_view RangeNone = "< >";

// Date patterns: the instant being computed, and each end of the computed range
// (joined by RangeSeparator).
inline constexpr std::string_view ComputingInstantPattern = "mmm-dd-yyyy,hh:mm am/pm";
inline constexpr std::string_view RangeDatePattern = "mmm dd yyyy";
inline constexpr std::string_view RangeSeparator = " - ";

}  // namespace kalto
