// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactMoments.h"

#include "AngleMatch.h"
#include "BodyMotion.h"
#include "TimeRoot.h"

#include <cmath>
#include <optional>

namespace kalto {

namespace {

// How far from the scan's instant a crossing is looked for: the fine step
// doubled up to this many times. The scan stops at the first instant within
// 1' of the longitude it seeks, and a fine step moves the body about 30" at
// its mean rate, so that the crossing lies a step or two away; but near a
// station the body may take hundreds of steps to cover that arc minute.
constexpr int BracketRings = 11;

// A root at which the body stands farther than this from the longitude is
// no crossing: the signed angle jumps there, half a circle away.
constexpr double CrossingCheck = 1.0 / 60;

// The edge of the orb around `center` nearer to `longitude`.
double NearerEdge(double longitude, double center, double orb) noexcept {
    const double low = Wrap360(center - orb);
    const double high = Wrap360(center + orb);
    return std::fabs(SignedDegrees(longitude - low)) <= std::fabs(SignedDegrees(longitude - high)) ? low : high;
}

void Accept(Engine& engine, int body, const TimeRoot& root, TDateTime& time, double& longitude) {
    time = root.Time;
    longitude = LongitudeAtUT(engine, body, root.Time);
}

void RefineCrossing(Engine& engine, const ContactGeometry& geometry, double sought, TDateTime& time,
                    double& longitude) {
    const TimeFunction offset = [&](TDateTime t) { return LongitudeFrom(engine, geometry.Body, sought, t); };
    const std::optional<TimeRoot> root =
        FindTimeRootNear(offset, time, geometry.FineStep, BracketRings, CrossingTolerance);
    if (root && std::fabs(root->Value) < CrossingCheck) Accept(engine, geometry.Body, *root, time, longitude);
}

void RefineStation(Engine& engine, const ContactGeometry& geometry, TDateTime& time, double& longitude) {
    const TimeFunction rate = [&](TDateTime t) { return LongitudeRate(engine, geometry.Body, t); };
    const std::optional<TimeRoot> root =
        FindTimeRootNear(rate, time, geometry.FineStep, BracketRings, StationTolerance);
    if (root) Accept(engine, geometry.Body, *root, time, longitude);
}

}  // namespace

void RefineContactMoments(Engine& engine, const ContactGeometry& geometry, ContactRecord& record) {
    if (record.MomentsFound > 0) {
        RefineCrossing(engine, geometry, NearerEdge(record.StartLongitude, geometry.Center, geometry.Orb),
                       record.StartTime, record.StartLongitude);
    }
    if (record.MomentsFound > 1) {
        if (geometry.ExactAtStation) {
            RefineStation(engine, geometry, record.ExactTime, record.ExactLongitude);
        } else {
            RefineCrossing(engine, geometry, geometry.Center, record.ExactTime, record.ExactLongitude);
        }
    }
    if (record.MomentsFound > 2) {
        RefineCrossing(engine, geometry, NearerEdge(record.EndLongitude, geometry.Center, geometry.Orb), record.EndTime,
                       record.EndLongitude);
    }
}

}  // namespace kalto
