// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events of a span, as an ephemeris lists them beside its pages: the
// stations of the planets, the sign ingresses, the Moon's phases, the exact
// aspects between the bodies (the aspectarian) and the Moon's void-of-course
// periods, each at its exact moment from the root-finder.
//
// Between two neighbouring samples of a body (BodySamples) its longitude moves
// one way, so a sign boundary is crossed there at most once; the angle between
// two bodies is sampled every six hours, in which it moves less than four
// degrees (the Moon's) and turns only where the two move alike, so that an
// aspect that the angle merely grazes for less than a step may go unlisted.

#include "Bodies.h"
#include "DateTime.h"
#include "Engine.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalto {

enum class EventKind {
    Station,       // a planet's station, Mercury to Pluto
    Ingress,       // a sign ingress of the Sun, Mercury to Pluto or the node
    MoonIngress,   // a sign ingress of the Moon
    Phase,         // new moon, first quarter, full moon, last quarter
    Aspect,        // an exact major aspect between two of the Sun, Moon, Mercury to Pluto
    VoidOfCourse,  // the Moon void of course
};

inline constexpr int EventKindCount = 6;

// The kinds' names in the command line's --tipos, by EventKind.
inline constexpr std::array<std::string_view, EventKindCount> EventKindNames = {"estaciones", "ingresos", "luna",
                                                                                "fases",      "aspectos", "vacio"};

// The kinds in their order.
[[nodiscard]] std::vector<EventKind> AllEventKinds();

struct EventRequest {
    // The span, universal time: events from Start up to End.
    TDateTime Start = 0;
    TDateTime End = 0;
    std::vector<EventKind> Kinds = AllEventKinds();
    SeriesEvaluation Evaluation = SeriesEvaluation::Fitted;
};

// The bodies whose aspects the aspectarian lists, from the fastest to the
// slowest: an aspect's row belongs to the one of its two bodies that comes
// first here.
inline constexpr std::array<int, 10> AspectBodies = {Lun, Mer, Ven, Sol, Mar, Jup, Sat, Ura, Nep, Plu};

struct Event {
    TDateTime Time = 0;  // universal time; a void period's start
    int Body = 0;        // the Moon for phases and void periods
    EventKind Kind = EventKind::Station;
    // What the kind needs besides: a station's direction after it (-1 turning
    // retrograde, 1 turning direct), the sign entered (0 = Aries), the phase
    // (0 new, 1 first quarter, 2 full, 3 last quarter), the aspect's degrees
    // (0, 60, 90, 120, 180); 0 for a void period.
    int Detail = 0;
    int Other = 0;                   // an aspect's other body; 0 otherwise
    double Longitude = 0;            // the body's apparent longitude at Time, 0 <= x < 360
    std::optional<TDateTime> End{};  // a void period's end: the Moon's next ingress
    std::string Text{};              // «estación retrógrada», «ingreso en Tau», «sextil Sat», ...

    bool operator==(const Event&) const = default;
};

// The event's text: «estación retrógrada», «estación directa», «ingreso en
// Acu» (the signs as the contact lists name them), «luna nueva», «cuarto
// creciente», «luna llena», «cuarto menguante», «conjunción Jup», «sextil
// Sat», «cuadratura Sat», «trígono Ura», «oposición Plu», «luna vacía de
// curso».
[[nodiscard]] std::string EventText(EventKind kind, int detail, int other);

// Shared with whoever watches a search: how many of its parts are done out of
// how many (Parts is set when the search starts), and a stop request that the
// search honours between parts.
struct EventProgress {
    std::atomic<int> PartsDone{0};
    std::atomic<int> Parts{0};
    std::atomic<bool> StopRequested{false};
};

// Every event of the kinds asked whose moment lies in [Start, End), sorted by
// moment, then by body and kind. A void period is listed when its start lies
// in the span (its end may fall after End; a period that began before Start is
// left to the span before). Nothing when a stop was requested. threads = 0
// uses every core, each with an engine of its own.
[[nodiscard]] std::optional<std::vector<Event>> SearchEvents(const EventRequest& request, EventProgress& progress,
                                                             unsigned threads = 0);

}  // namespace kalto
