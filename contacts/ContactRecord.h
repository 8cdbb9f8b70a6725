// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One contact found by the search, and the lists that share the records.

#include "DateTime.h"
#include "WallClock.h"

#include <memory>
#include <string>
#include <vector>

namespace kalto {

// The three moments of a contact, in the order the fine scan fixes them.
inline constexpr int ContactMomentCount = 3;

struct ContactRecord {
    int BodyIndex = 0;         // item of the body list: body number - 1 (0 "Sol" .. 10 "Nod")
    std::string PositionText;  // the target position as the search wrote it
    int Index = 0;             // 0-based order of finding within its own search
    // The moments in universal time; `Clock` shows them as wall-clock times.
    TDateTime StartTime = 0;     // the body enters the orb ("inicia")
    TDateTime ExactTime = 0;     // exactness, or the station that replaced it ("partil")
    TDateTime EndTime = 0;       // the body leaves the orb ("finaliza")
    WallClock Clock;             // the wall clock of the search that found it
    double ContactAngle = 0;     // the multiple k × α of the contact, degrees
    double DetectLongitude = 0;  // longitude at the coarse instant that found the contact
    double StartLongitude = 0;
    double ExactLongitude = 0;  // one fine step before the turn when a station replaced exactness
    double EndLongitude = 0;
    // How many of the moments start, exact, end the fine scan fixed, in that
    // order. A contact whose scan reached its bound before the end has fewer;
    // the moments it did not reach keep zero.
    int MomentsFound = 0;

    [[nodiscard]] bool ScanLimitReached() const noexcept { return MomentsFound < ContactMomentCount; }
};

// Records are shared by the lists that show them; one lives while a list holds it.
using ContactRecordPtr = std::shared_ptr<ContactRecord>;
using ContactRecordList = std::vector<ContactRecordPtr>;

}  // namespace kalto
