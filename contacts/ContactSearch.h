// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contact search: a coarse scan over the span finds the instants at which
// the body stands within the orb of the angle from the target, and a fine scan
// around each fixes when the contact begins, is exact and ends.
//
// The search runs on a worker thread. It takes its inputs as a value and shares
// only a progress record of atomics with whoever watches it; the stop request
// is honoured at every coarse and every fine instant. Contacts reach the page
// only when the search completes: an interrupted search reports
// Completed = false, and its caller commits nothing of it, so a contact whose
// refinement was cut short never enters a list with its unreached times at zero.

#include "ContactInputs.h"
#include "ContactRecord.h"
#include "DateFormat.h"
#include "Engine.h"
#include "WallClock.h"

#include <atomic>
#include <string>
#include <string_view>

namespace kalto {

struct ContactSearchInput {
    int Body = Sol;                   // body number 1..11 (item of the body list + 1)
    TDateTime StartDate = 0;          // the first day; the search starts at 00:00 of it
    TDateTime EndDate = 0;            // the last day; the coarse scan runs to 00:00 of it and one step beyond
    int Angle = DefaultContactAngle;  // whole degrees 0..180
    bool Exact = false;               // "Exacto" rather than "Múltiplo"
    ContactPosition Position;         // the target position, read through ContactTarget
    double Orb = MinContactOrb;       // ContactOrb, degrees
    WallClock Clock;                  // the wall clock of the span's days and of the moments shown
    // Direct sums every series in full at every instant, to check the fitted
    // approximations that a search uses by default.
    SeriesEvaluation Evaluation = SeriesEvaluation::Fitted;
    // "momentos exactos": each moment the fine scan fixes is refined to the
    // instant at which the body stands exactly at the longitude sought
    // (ExactMoments.h); the contacts found, and where the scan resumes, stay
    // those of the fine scan.
    bool ExactMoments = false;
};

// Shared between the search and the window that watches it; safe from any thread.
struct ContactSearchProgress {
    std::atomic<bool> StopRequested{false};
    std::atomic<int> Count{0};       // contacts found so far by this search
    std::atomic<double> Instant{0};  // the local instant being examined
    std::atomic<int> DaysDone{0};    // for the gauge, 0..ContactGaugeMaximum
};

struct ContactSearchResult {
    ContactRecordList Contacts;  // in order of finding; only finished refinements
    bool Completed = false;      // false when a stop was requested
};

// How the fine scan walks.
struct FineScanPolicy {
    // For a body whose longitude only ever moves one way, the fastest it moves,
    // degrees per day: the scan then leaps over the steps at which the body
    // cannot yet be within the tolerance of the longitude it seeks, and finds
    // the same step that a walk over every step finds. 0 walks every step.
    double SpeedLimit = 0;
    // The span of time one refinement may examine, backwards and forwards
    // together, before it gives the contact up with ScanLimitReached.
    double MaxDays = 0;
};

// The policy of the search for a body: leaps for the Sun, the Moon and the mean
// node, which never turn; and a bound of three times the longest time the body
// stays within 6 degrees (the widest orb the controls allow) of a point.
[[nodiscard]] FineScanPolicy DefaultFineScan(int body) noexcept;

// SearchStep: the coarse step of the body, days.
[[nodiscard]] double SearchStep(int body) noexcept;

// The fine step, days: the coarse step scaled by 30" over half the orb.
[[nodiscard]] double FineStep(int body, double orb) noexcept;

// Time skipped after a contact before the coarse scan resumes: 1 day for the
// Sun to Jupiter, 10 days for Saturn to the node.
[[nodiscard]] double ResumeGap(int body) noexcept;

// The maximum of the gauge, trunc(end - start) + 1 (0 or less for a span whose
// end precedes its start).
[[nodiscard]] int ContactGaugeMaximum(const ContactSearchInput& input) noexcept;

// Runs the search. The body is held to 1..11, the angle to 0..180 and the orb
// to 30' .. 6 degrees, the range the controls allow.
[[nodiscard]] ContactSearchResult SearchContacts(const ContactSearchInput& input, ContactSearchProgress& progress);
[[nodiscard]] ContactSearchResult SearchContacts(const ContactSearchInput& input, ContactSearchProgress& progress,
                                                 const FineScanPolicy& policy);

// The texts of the search's status line.
inline constexpr std::string_view StatusContactsToCompute = "Status: contactos por calcular";
inline constexpr std::string_view StatusContactsInterrupted = "Cálculos Interrumpidos";
// "Status: contactos = 3. Calculando ene-05-2027, 02:30 pm"
[[nodiscard]] std::string RunningStatusText(int count, TDateTime instant, const DateFormatNames& names);
// "Status: Contactos = 3"
[[nodiscard]] std::string CompletedStatusText(int count);

}  // namespace kalto
