// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything one drawing of the ephemeris graph is given: the rows and dates of
// the run, the options of the graph panel, the colours and the size of the
// target. The screen paint fills it from the controls; the export and the
// command line fill it for their own pictures.

#include "DateFormat.h"
#include "EphemerisRows.h"
#include "GraphColors.h"
#include "SignNames.h"

#include <array>
#include <string_view>

namespace kalto {

// The point glyph of the series, in the order of the page's list of points.
enum class GraphGlyph : int { Circle = 0, Square, Triangle, Asterisk, BodyImage, None };
inline constexpr int GraphGlyphCount = 6;
inline constexpr int PointGlyphCount = 4;  // Circle..Asterisk have a point glyph

inline constexpr std::array<std::string_view, GraphGlyphCount> GraphGlyphCaptions = {
    "Círculo", "Cuadrado", "Triangulo", "Asterísco", "Imagen", "[Ninguno]"};

// The items of the first-sign list, in the lists' form ("Acu").
inline constexpr const std::array<std::string_view, SignCount>& GraphSignChoices = SignListItems;

inline constexpr int MaxGraphSigns = 12;

struct GraphFrame {
    // The target: the drawing covers (0, 0) to (Width, Height) of the painter.
    int Width = 0;
    int Height = 0;

    // The last completed run (null before the first) and its dates, both 0
    // before the first run.
    EphemerisRows Rows;
    TDateTime StartDate = 0;
    TDateTime EndDate = 0;

    // Which bodies are drawn, by body number (Sol..Nod; Rue never is).
    std::array<bool, Rue + 1> ShownBodies{};
    int GraphSigns = MaxGraphSigns;  // sign bands shown, 1..12
    int GraphFirstSign = 0;          // sign of the top band, 0 = Ari
    GraphGlyph Glyph = GraphGlyph::None;
    bool Lines = true;  // join consecutive points

    // The grid.
    bool SignLines = true;
    bool DecanLines = true;
    bool DayLines = false;
    bool MonthLines = true;

    // The day marker.
    bool ShowMarker = true;
    TDateTime MarkerDate = 0;

    GraphColors Colors;
    // Month and day names of the status texts.
    DateFormatNames Names = SpanishDateFormatNames();
};

}  // namespace kalto
