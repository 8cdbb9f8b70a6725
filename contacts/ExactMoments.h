// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "momentos exactos": the moments of a contact taken from the fine scan's
// instants, which lie within 1' of the longitude sought, to the instants at
// which the body stands exactly there.

#include "ContactRecord.h"
#include "Engine.h"

namespace kalto {

// What the refinement needs to know of the contact that the fine scan found.
struct ContactGeometry {
    int Body = 0;                 // body number 1..11
    double Center = 0;            // the longitude at which the contact is exact, degrees
    double Orb = 0;               // degrees
    double FineStep = 0;          // the fine scan's step, days
    bool ExactAtStation = false;  // a station took the place of exactness
};

// Each moment that `record` holds (MomentsFound of them, in universal time)
// moves to where the body, as `engine` computes it, crosses the longitude
// that the fine scan sought there: the nearer edge of the orb around
// Center for the start and the end, Center for exactness. A station that took
// the place of exactness moves to where the body's longitude turns (its rate,
// LongitudeRate, is zero). Each longitude becomes the body's at its moment. A
// moment without a crossing (or a turn) within about a thousand fine steps of
// the scan's instant keeps the scan's.
void RefineContactMoments(Engine& engine, const ContactGeometry& geometry, ContactRecord& record);

}  // namespace kalto
