// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of command-line values: each text gives a valid value or a
// UsageError, never another exception, a crash or a value out of its range.
// The first byte chooses the reader (and for a position its sign), the rest is
// the text; for the option splitter the rest is the arguments, NUL-separated.

#include "ArgumentParsing.h"
#include "Bodies.h"
#include "CommandErrors.h"
#include "CommandOptions.h"
#include "EphemerisRun.h"
#include "FuzzCheck.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace {

using kalto::fuzz::Check;
using namespace kalto;
using namespace kalto::cli;

int DigitsAt(std::string_view text, std::size_t pos, std::size_t width) {
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// A date-time read from "AAAA-MM-DD[ HH:MM[:SS]]" must decode to the fields
// written.
void CheckDateTime(std::string_view text, TDateTime value, bool withTime) {
    Check(std::isfinite(value), "date is finite");
    const DecodedDateTime decoded = DecodeDateTime(value);
    Check(decoded.date.year == DigitsAt(text, 0, 4) && decoded.date.month == DigitsAt(text, 5, 2) &&
              decoded.date.day == DigitsAt(text, 8, 2),
          "date decodes to the date written");
    const int hour = withTime ? DigitsAt(text, 11, 2) : 0;
    const int minute = withTime ? DigitsAt(text, 14, 2) : 0;
    const int second = withTime && text.size() == 19 ? DigitsAt(text, 17, 2) : 0;
    Check(decoded.time.hour == hour && decoded.time.minute == minute && decoded.time.second == second &&
              decoded.time.millisecond == 0,
          "time decodes to the time written");
}

void CheckPosition(const ContactPosition& position, std::optional<int> sign) {
    const int degreesEnd = sign ? 30 : 360;
    Check(position.Degrees >= 0 && position.Degrees < degreesEnd, "position degrees in range");
    Check(position.Minutes >= 0 && position.Minutes < 60, "position minutes in range");
    Check(position.Seconds >= 0 && position.Seconds < 60, "position seconds in range");
    Check(position.Mode == (sign ? CoordinateMode::Zodiac : CoordinateMode::Ecliptic), "position mode as asked");
    Check(!sign || position.Sign == *sign, "position sign as asked");
    const double target = ContactTarget(position);
    Check(target >= 0 && target < 360, "position target within the circle");
}

void CheckOrb(const OrbSpin& orb) {
    Check(orb.Degrees >= 0 && orb.Degrees <= MaxOrbDegrees, "orb degrees in range");
    Check(orb.Minutes >= 0 && orb.Minutes < 60, "orb minutes in range");
    Check(ContactOrb(orb) >= MinContactOrb, "orb at least 30 minutes");
}

// What the option reader set: each option at most once an argument, a value
// option's value taken from the arguments, a flag's empty.
struct SeenOptions {
    std::span<const std::string_view> Args;
    std::size_t Count = 0;
};

void SetValue(SeenOptions& seen, std::string_view value) {
    ++seen.Count;
    bool inAnArgument = false;
    for (const std::string_view arg : seen.Args) {
        inAnArgument =
            inAnArgument || (value.data() >= arg.data() && value.data() + value.size() <= arg.data() + arg.size());
    }
    Check(inAnArgument, "a value is (the end of) an argument");
}

void SetFlag(SeenOptions& seen, std::string_view value) {
    ++seen.Count;
    Check(value.empty(), "a flag gets no value");
}

constexpr std::array<OptionDeclaration<SeenOptions>, 3> TestOptions{{
    {"--desde", OptionValue::Required, SetValue},
    {"--tz", OptionValue::Required, SetValue},
    {"--directo", OptionValue::None, SetFlag},
}};

void CheckOptions(std::string_view rest) {
    std::vector<std::string_view> args;
    for (std::size_t nul; (nul = rest.find('\0')) != std::string_view::npos; rest.remove_prefix(nul + 1)) {
        args.push_back(rest.substr(0, nul));
    }
    args.push_back(rest);
    SeenOptions seen{args};
    ParseCommandOptions(args, CommandDeclaration<SeenOptions>{"prueba", TestOptions}, seen);
    Check(seen.Count <= args.size(), "an option at most once an argument");
}

void ReadOne(std::uint8_t choice, std::string_view text) {
    switch (choice % 10) {
        case 0: CheckDateTime(text, ParseLocalDateTime(text), true); break;
        case 1: CheckDateTime(text, ParseDate(text), false); break;
        case 2: {
            const double hours = ParseZoneHours(text);
            Check(std::isfinite(hours) && std::fabs(hours) <= 11.99, "zone within -11.99..11.99");
            break;
        }
        case 3: {
            const int angle = ParseAngle(text);
            Check(angle >= MinContactAngle && angle <= MaxContactAngle, "angle within 0..180");
            break;
        }
        case 4: CheckOrb(ParseOrb(text)); break;
        case 5: {
            // The choice's tens pick the sign: 0 none, 1..12 Ari..Pis.
            const int signChoice = (choice / 10) % 13;
            const std::optional<int> sign = signChoice == 0 ? std::nullopt : std::optional<int>(signChoice - 1);
            CheckPosition(ParsePosition(text, sign), sign);
            break;
        }
        case 6: {
            const int steps = ParseStepsPerDay(text);
            bool listed = false;
            for (const EphemerisStepChoice& item : EphemerisStepChoices) listed = listed || item.StepsPerDay == steps;
            Check(listed, "steps per day is an item of the step selector");
            break;
        }
        case 7: {
            const int body = ParseBody(text);
            Check(body >= FirstBody && body <= LastComputedBody && SameLetters(text, BodyLabels[body]),
                  "body named by its label");
            break;
        }
        case 8: {
            const int sign = ParseSign(text);
            Check(sign >= 0 && sign < 12, "sign within Ari..Pis");
            break;
        }
        default: CheckOptions(text); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        ReadOne(data[0], text);
    } catch (const UsageError& error) {
        Check(std::string_view(error.what()).size() > 0, "a usage error says why");
    }
    return 0;
}
