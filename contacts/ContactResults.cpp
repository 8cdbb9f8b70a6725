// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactResults.h"

#include "TextForms.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kalto {

namespace {

constexpr double DegreesPerBand = 15;

std::string Capitals(std::string_view text) {
    std::string capitals(text);
    for (char& c : capitals) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return capitals;
}

std::string AngleText(double degrees) {
    return DegreesToText(false, DegreeGlyph, 0, degrees);
}

std::string TargetDescription(const ContactPosition& position) {
    const double target = ContactTarget(position);
    if (position.Mode == CoordinateMode::Ecliptic) return AngleText(target);
    const int sign = std::clamp(position.Sign, 0, SignCount - 1);
    const SignDegrees inSign = SignDegreesText(sign, target - 30.0 * position.Sign, DegreeGlyph);
    return inSign.Text + " " + Capitals(ContactSignItems[static_cast<std::size_t>(inSign.Sign)]);
}

}  // namespace

int AngleBand(double contactAngle) noexcept {
    const double band = std::trunc(std::trunc(contactAngle) / DegreesPerBand);
    if (!(band > 0)) return 0;
    return band >= AngleBandCount - 1 ? AngleBandCount - 1 : static_cast<int>(band);
}

ContactRecordList SortByStartTime(const ContactRecordList& list) {
    ContactRecordList sorted = list;
    std::ranges::stable_sort(sorted, {}, [](const ContactRecordPtr& record) { return record->StartTime; });
    return sorted;
}

ContactRecordList FilterByAngle(const ContactRecordList& list, const AngleFilter& filter) {
    ContactRecordList shown;
    for (const ContactRecordPtr& record : list) {
        if (filter[static_cast<std::size_t>(AngleBand(record->ContactAngle))]) shown.push_back(record);
    }
    return shown;
}

bool CommitContactSearch(ContactResults& results, const ContactSearchResult& search, const ContactSearchInput& input,
                         bool cleanList) {
    if (!search.Completed) return false;
    if (cleanList) results.ContactList.clear();
    results.ContactList.insert(results.ContactList.end(), search.Contacts.begin(), search.Contacts.end());
    results.SortedContactList = SortByStartTime(results.ContactList);
    results.LastTarget = ContactTarget(input.Position);
    results.LastOrb = input.Orb;
    return true;
}

void ResetContactLists(ContactResults& results) {
    results.ContactList.clear();
    results.SortedContactList.clear();
}

std::vector<std::string> SearchDescription(const ContactSearchInput& input, const DateFormatNames& names) {
    std::vector<std::string> lines;
    const auto item = static_cast<std::size_t>(std::clamp(input.Body, FirstBody, LastComputedBody) - 1);
    lines.push_back(" Contactos de " + Capitals(ContactBodyItems[item]) + " con la posición " +
                    TargetDescription(input.Position));
    lines.push_back(std::string(input.Exact ? " por el ángulo de " : " por ángulos múltiplos de ") +
                    AngleText(input.Angle) + ", orbe de " + AngleText(input.Orb) + ".");
    const int spanDays = ContactSpanDays(input.StartDate, input.EndDate);
    if (spanDays > 0) {
        constexpr std::string_view pattern = " dddd dd-mmm-yyyy";
        lines.push_back(" Desde el" + FormatDateTime(pattern, input.StartDate, names) + " hasta el" +
                        FormatDateTime(pattern, input.EndDate, names) + " (" + std::to_string(spanDays + 1) +
                        " días).");
    } else if (spanDays == 0) {
        lines.push_back(" Para el Día " + FormatDateTime(R"(dddd, dd "de" mmm, yyyy)", input.StartDate, names) + ".");
    }
    lines.push_back(" Time Zone: " + input.Clock.ZoneText(input.StartDate) + ".");
    return lines;
}

}  // namespace kalto
