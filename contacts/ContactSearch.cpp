// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSearch.h"

#include "AngleMatch.h"
#include "BodyLongitude.h"
#include "ExactMoments.h"
#include "TimeScales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

namespace kalto {

namespace {

// τ: a fine instant meets the longitude it seeks when it lies within 1' of it.
constexpr double FineTolerance = 1.0 / 60;

constexpr double MaxContactOrb = 6;

constexpr double Days(int days, int hours, int minutes, int seconds = 0) noexcept {
    return days + (hours * 3600 + minutes * 60 + seconds) / 86400.0;
}

// By body number; entry 0 unused.
constexpr std::array<double, LastComputedBody + 1> SearchSteps = {
    0,
    Days(0, 6, 4),       // Sol
    Days(0, 1, 0),       // Lun
    Days(0, 3, 27, 16),  // Mer
    Days(0, 5, 42),      // Ven
    Days(0, 9, 28, 1),   // Mar
    Days(1, 5, 55),      // Jup
    Days(2, 17, 0),      // Sat
    Days(4, 11, 0),      // Ura
    Days(6, 23, 0),      // Nep
    Days(9, 17, 0),      // Plu
    Days(4, 21, 0),      // Nod
};

// The longest time the body stayed within 6 degrees of any point in 1900-2100,
// days, rounded up: from the engine's positions every half day (every half
// hour for the Moon). A contact of the widest orb lasts no longer.
constexpr std::array<double, LastComputedBody + 1> LongestContactDays = {0,   14,  1.1,  60,   60,   160,
                                                                         320, 400, 1150, 1900, 3800, 230};

// The fine scan gives a contact up after three times that span: a
// refinement examines one contact and at most one coarse step before it.
constexpr double ScanBoundFactor = 3;

// The fastest the apparent longitude moves, degrees per day, with a margin:
// the engine gives at most 1.0200 for the Sun, 15.394 for the Moon and 0.0530
// for the mean node over 1700-2100. The planets turn, so they have none.
constexpr double SunSpeedLimit = 1.1;
constexpr double MoonSpeedLimit = 16.5;
constexpr double NodeSpeedLimit = 0.06;

int ValidBody(int body) noexcept {
    return std::clamp(body, FirstBody, LastComputedBody);
}

// The body's longitude at the instants of one search, which are wall-clock
// times at the offset in effect at the span's start: steps even in real time.
// Every evaluation is published as the instant being examined, on the wall
// clock.
class BodyTrack {
public:
    BodyTrack(int body, const WallClock& clock, double zoneOffset, SeriesEvaluation evaluation,
              ContactSearchProgress& progress)
        : BodyEngine(evaluation), Body(body), Clock(clock), ZoneOffsetDays(zoneOffset), Progress(progress) {}

    struct Sample {
        double Jde;
        double Longitude;
    };

    Sample At(TDateTime local) noexcept {
        Progress.Instant.store(Clock.Zone() ? Clock.ToWallTime(local + ZoneOffsetDays) : local,
                               std::memory_order_relaxed);
        const double jde = LocalToJDE(local, ZoneOffsetDays).jde;
        return {jde, ContactLongitude(BodyEngine, Body, jde)};
    }

    [[nodiscard]] bool StopRequested() const noexcept { return Progress.StopRequested.load(std::memory_order_relaxed); }

    // The engine of the track, for the refinement of the moments found.
    [[nodiscard]] Engine& Computer() noexcept { return BodyEngine; }

private:
    Engine BodyEngine;
    int Body;
    const WallClock& Clock;
    double ZoneOffsetDays;
    ContactSearchProgress& Progress;
};

// The longitude at which the contact found at `longitude` is exact: the
// multiple `angle` away from the target on the side where the body stands.
double ContactCenter(double longitude, double target, double angle) noexcept {
    return Wrap360(target + MovingDirection(target, longitude) * angle);
}

// How many fine steps the scan may take at once from a longitude `distance`
// degrees from the one it seeks: none of the steps leapt over can come within
// the tolerance of it while the body moves no faster than `speedLimit`.
std::int64_t Leap(double speedLimit, double fineStep, double distance) noexcept {
    if (!(speedLimit > 0)) return 1;
    const double steps = std::floor((distance - FineTolerance) / (speedLimit * fineStep));
    if (!(steps >= 2)) return 1;
    return static_cast<std::int64_t>(std::min(steps, 1e12));
}

enum class RefineOutcome { Finished, LimitReached, Stopped };

struct Refinement {
    RefineOutcome Outcome;
    TDateTime LastForward;  // the last instant examined going forwards (the end of a finished contact)
    bool ExactAtStation;    // a station took the place of exactness
};

// RefineContact: the fine scan that fills `record` from the detection at `L`,
// where the body moved in direction `dir` within `orb` of `center`.
//
// It walks backwards from L until the body stands at the boundary of the orb
// through which it came in, center - dir × orb, then forwards until the body
// is at the start's longitude plus the orb (exactness), then at exactness's
// plus the orb (the end). Each moment is the first fine instant within 1' of
// the longitude sought, so the start and the end fall just inside the orb,
// and seeking exactness from the start's own longitude puts it within 1' of
// the exact angle. The boundary lies on the body's own side of the target, so
// it is sought alone, not shifted by multiples of the angle: where the orbs
// of two multiples overlap, a shifted one would belong to the other multiple.
//
// Stations: going forwards, a turn before exactness makes the turning instant
// the exact moment (with the longitude one step earlier); after any turn the
// contact ends where the body leaves the orb the way it now moves: through
// its entry boundary, or through the far one if it has turned back again.
// Going backwards, a turn means that the body came in through the other
// boundary, moving the other way; that boundary is then sought instead. So a
// contact detected after a station inside the orb (at the first instant of
// the span, or at the resume instant after a contact) begins where the body
// really entered the orb.
Refinement RefineContact(BodyTrack& track, const FineScanPolicy& policy, double fineStep, TDateTime L, int dir,
                         double center, double orb, ContactRecord& record) {
    enum Phase { SeekingStart, SeekingExact, SeekingEnd };
    const double bound = std::ceil(policy.MaxDays / fineStep);
    const auto maxSteps = static_cast<std::int64_t>(std::clamp(bound, 0.0, 1e15));

    Phase phase = SeekingStart;
    int going = -1;
    int entryDir = dir;
    double rho = Wrap360(center - dir * orb);
    double previous = record.DetectLongitude;
    std::int64_t n = 0;  // the instant examined is L + n × fineStep
    std::int64_t walked = 0;
    TDateTime lastForward = L;
    bool exactAtStation = false;
    for (;;) {
        const TDateTime t = L + static_cast<double>(n) * fineStep;
        const double lambda = track.At(t).Longitude;
        if (track.StopRequested()) return {RefineOutcome::Stopped, lastForward, exactAtStation};

        if (going < 0) {
            if (MovedAgainst(dir, lambda, previous)) {
                dir = -dir;
                rho = Wrap360(center - dir * orb);
            }
        } else {
            lastForward = t;
            if (MovedAgainst(dir, previous, lambda)) {
                dir = -dir;
                if (phase == SeekingExact) {
                    record.ExactTime = t;
                    record.ExactLongitude = previous;
                    record.MomentsFound = 2;
                    exactAtStation = true;
                    phase = SeekingEnd;
                }
                rho = dir == entryDir ? Wrap360(record.StartLongitude + 2 * entryDir * orb) : record.StartLongitude;
            }
        }

        if (Separation(lambda, rho) <= FineTolerance) {
            switch (phase) {
                case SeekingStart:
                    record.StartTime = t;
                    record.StartLongitude = lambda;
                    record.MomentsFound = 1;
                    going = +1;
                    entryDir = dir;
                    rho = Wrap360(lambda + dir * orb);
                    phase = SeekingExact;
                    break;
                case SeekingExact:
                    record.ExactTime = t;
                    record.ExactLongitude = lambda;
                    record.MomentsFound = 2;
                    rho = Wrap360(lambda + dir * orb);
                    phase = SeekingEnd;
                    break;
                case SeekingEnd:
                    record.EndTime = t;
                    record.EndLongitude = lambda;
                    record.MomentsFound = ContactMomentCount;
                    return {RefineOutcome::Finished, t, exactAtStation};
            }
        }

        previous = lambda;
        const std::int64_t leap = Leap(policy.SpeedLimit, fineStep, Separation(lambda, rho));
        walked += leap;
        if (walked > maxSteps) return {RefineOutcome::LimitReached, lastForward, exactAtStation};
        n += going * leap;
    }
}

}  // namespace

FineScanPolicy DefaultFineScan(int body) noexcept {
    body = ValidBody(body);
    FineScanPolicy policy;
    switch (body) {
        case Sol: policy.SpeedLimit = SunSpeedLimit; break;
        case Lun: policy.SpeedLimit = MoonSpeedLimit; break;
        case Nod: policy.SpeedLimit = NodeSpeedLimit; break;
        default: break;
    }
    policy.MaxDays = ScanBoundFactor * LongestContactDays[static_cast<std::size_t>(body)];
    return policy;
}

double SearchStep(int body) noexcept {
    return SearchSteps[static_cast<std::size_t>(ValidBody(body))];
}

double FineStep(int body, double orb) noexcept {
    return SearchStep(body) * (1.0 / 120) / (orb / 2);
}

double ResumeGap(int body) noexcept {
    return ValidBody(body) <= Jup ? 1 : 10;
}

int ContactGaugeMaximum(const ContactSearchInput& input) noexcept {
    return ContactSpanDays(input.StartDate, input.EndDate) + 1;
}

ContactSearchResult SearchContacts(const ContactSearchInput& input, ContactSearchProgress& progress) {
    return SearchContacts(input, progress, DefaultFineScan(input.Body));
}

ContactSearchResult SearchContacts(const ContactSearchInput& input, ContactSearchProgress& progress,
                                   const FineScanPolicy& policy) {
    const int body = ValidBody(input.Body);
    const double alpha = std::clamp(input.Angle, MinContactAngle, MaxContactAngle);
    const double orb = input.Orb >= MinContactOrb ? std::min(input.Orb, MaxContactOrb) : MinContactOrb;
    const double target = ContactTarget(input.Position);
    const std::string positionText = PositionText(input.Position);
    const TDateTime firstDay = std::floor(input.StartDate);
    const TDateTime lastDay = std::floor(input.EndDate);
    const double zoneOffset = input.Clock.OffsetAt(firstDay);
    // Local 00:00 of the last day, which a change of offset moves in real time.
    const double endJde = LocalToJDE(lastDay + (input.Clock.OffsetAt(lastDay) - zoneOffset), zoneOffset).jde;
    const double step = SearchStep(body);
    const double fineStep = FineStep(body, orb);
    const int gaugeMaximum = std::max(ContactGaugeMaximum(input), 0);

    BodyTrack track(body, input.Clock, zoneOffset, input.Evaluation, progress);
    ContactSearchResult result;
    int count = 0;
    TDateTime L = firstDay;
    // The direction at the first instant is judged against one coarse step before it.
    double previous = track.At(L - step).Longitude;
    for (;;) {
        const BodyTrack::Sample sample = track.At(L);
        double lastJde = sample.Jde;
        const double lambda = sample.Longitude;
        const AngleMatchResult match = AngleMatch(lambda, target, alpha, orb, input.Exact);
        if (match.InOrb) {
            auto record = std::make_shared<ContactRecord>();
            // Judged on the circle, so that crossing 0° is not taken for
            // retrograde motion; the mean node always moves backwards.
            const int dir = body == Nod ? -1 : MovingDirection(previous, lambda);
            ++count;
            progress.Count.store(count, std::memory_order_relaxed);
            record->ContactAngle = match.Multiple * alpha;
            record->DetectLongitude = lambda;
            const double center = ContactCenter(lambda, target, record->ContactAngle);
            const Refinement refinement = RefineContact(track, policy, fineStep, L, dir, center, orb, *record);
            if (refinement.Outcome == RefineOutcome::Stopped) return result;
            record->Index = count - 1;
            record->BodyIndex = body - 1;
            record->PositionText = positionText;
            // The moments not reached keep zero.
            const std::array<TDateTime*, ContactMomentCount> moments{&record->StartTime, &record->ExactTime,
                                                                     &record->EndTime};
            for (int i = 0; i < record->MomentsFound; ++i) *moments[static_cast<std::size_t>(i)] += zoneOffset;
            if (input.ExactMoments) {
                const ContactGeometry geometry{body, center, orb, fineStep, refinement.ExactAtStation};
                RefineContactMoments(track.Computer(), geometry, *record);
            }
            record->Clock = input.Clock;
            result.Contacts.push_back(std::move(record));
            // Resumes after the contact; never before the detection, should a
            // refinement that reached its bound end there.
            L = std::max(refinement.LastForward, L) + ResumeGap(body);
            lastJde = LocalToJDE(L, zoneOffset).jde;
        } else {
            L += step;
        }
        const double daysDone = std::clamp(std::trunc(L - firstDay), 0.0, static_cast<double>(gaugeMaximum));
        progress.DaysDone.store(static_cast<int>(daysDone), std::memory_order_relaxed);
        if (track.StopRequested()) return result;
        previous = lambda;
        if (!(lastJde <= endJde)) break;
    }
    progress.DaysDone.store(gaugeMaximum, std::memory_order_relaxed);
    result.Completed = true;
    return result;
}

std::string RunningStatusText(int count, TDateTime instant, const DateFormatNames& names) {
    return "Status: contactos = " + std::to_string(count) + ". Calculando " +
           FormatDateTime("mmm-dd-yyyy, hh:mm am/pm", instant, names);
}

std::string CompletedStatusText(int count) {
    return "Status: Contactos = " + std::to_string(count);
}

}  // namespace kalto
