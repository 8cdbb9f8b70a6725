// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactInputs.h"

#include "TextForms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalto {

namespace {

// Carries `low` into `high` so that 0 <= low < base (floor division, so that
// a negative `low` borrows).
void Carry(int& low, int& high, int base) noexcept {
    int quotient = low / base;
    int rest = low % base;
    if (rest < 0) {
        rest += base;
        quotient -= 1;
    }
    low = rest;
    high += quotient;
}

int Wrapped(int value, int base) noexcept {
    const int rest = value % base;
    return rest < 0 ? rest + base : rest;
}

constexpr int DegreesPerSign = 30;

int DegreesWrap(CoordinateMode mode) noexcept {
    return mode == CoordinateMode::Zodiac ? DegreesPerSign : 360;
}

}  // namespace

ContactPosition NormalizePosition(ContactPosition position) noexcept {
    Carry(position.Seconds, position.Minutes, 60);
    Carry(position.Minutes, position.Degrees, 60);
    position.Degrees = Wrapped(position.Degrees, DegreesWrap(position.Mode));
    return position;
}

OrbSpin NormalizeOrb(OrbSpin orb) noexcept {
    if (orb.Minutes >= 60) Carry(orb.Minutes, orb.Degrees, 60);
    orb.Degrees = Wrapped(orb.Degrees, 180);
    if (orb.Minutes < 30 && orb.Degrees == 0) {
        orb.Minutes = 30;
    } else if (orb.Minutes < 0) {
        Carry(orb.Minutes, orb.Degrees, 60);
        orb.Degrees = Wrapped(orb.Degrees, 180);
    }
    return orb;
}

double ContactTarget(const ContactPosition& position) noexcept {
    double degrees = position.Degrees;
    if (position.Mode == CoordinateMode::Zodiac) degrees += DegreesPerSign * position.Sign;
    return position.Seconds / 3600.0 + position.Minutes / 60.0 + degrees;
}

double ContactOrb(const OrbSpin& orb) noexcept {
    return orb.Degrees + orb.Minutes / 60.0;
}

std::string PositionText(const ContactPosition& position) {
    const double target = ContactTarget(position);
    if (position.Mode == CoordinateMode::Ecliptic) return DegreesToText(false, DegreeGlyph, 0, target);
    const int sign = std::clamp(position.Sign, 0, SignCount - 1);
    const SignDegrees inSign = SignDegreesText(sign, target - DegreesPerSign * position.Sign, DegreeGlyph);
    return inSign.Text + " " + std::string(ContactSignItems[static_cast<std::size_t>(inSign.Sign)]);
}

ContactPosition SwitchCoordinates(ContactPosition position, CoordinateMode mode) noexcept {
    if (mode == position.Mode) return position;
    if (mode == CoordinateMode::Zodiac) {
        position.Sign = std::clamp(position.Degrees / DegreesPerSign, 0, 11);
        position.Degrees -= DegreesPerSign * position.Sign;
    } else {
        position.Degrees += DegreesPerSign * position.Sign;
    }
    position.Mode = mode;
    return position;
}

int ContactSpanDays(TDateTime start, TDateTime end) noexcept {
    const double days = std::trunc(end - start);
    if (std::isnan(days)) return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(days, lowest, highest));
}

TDateTime SpanButtonEnd(TDateTime start, int months) noexcept {
    return IncMonth(start, months);
}

ContactDates DoubleClickDates(TDateTime today) noexcept {
    const TDateTime start = today - 15;
    return {start, start + 30};
}

}  // namespace kalto
