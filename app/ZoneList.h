// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of wall clocks a user picks from: a first item for a fixed offset,
// then every zone of the time-zone database. Typing filters it by any part of
// a name, whatever the case, and only a name of the list is taken.

#include "WallClock.h"

#include <optional>
#include <string>

class QComboBox;

namespace kalto {

inline constexpr int FixedOffsetItem = 0;

// Fills `list` and makes it filter what is typed; text that names no item
// gives way to the item chosen before when the editing ends.
void MakeZoneList(QComboBox* list);

// The zone of the item chosen, or nothing for the fixed offset.
[[nodiscard]] std::optional<TimeZone> ChosenZone(const QComboBox* list);

// Chooses the zone called `name`, or the fixed offset for an empty name;
// false, with the fixed offset chosen, when the list has no such zone.
bool ChooseZone(QComboBox* list, const std::string& name);

}  // namespace kalto
