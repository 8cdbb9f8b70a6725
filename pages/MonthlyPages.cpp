// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthlyPages.h"

#include "EphemerisRun.h"

#include <algorithm>

namespace kalto {

namespace {

struct YearMonth {
    int Year = 0;
    int Month = 0;
};

YearMonth MonthOf(TDateTime date) {
    const CalendarDate decoded = DecodeDate(date);
    return {decoded.year, decoded.month};
}

YearMonth Next(YearMonth month) {
    return month.Month == 12 ? YearMonth{month.Year + 1, 1} : YearMonth{month.Year, month.Month + 1};
}

TDateTime FirstDay(YearMonth month) {
    return EncodeDate(month.Year, month.Month, 1);
}

}  // namespace

std::vector<EventKind> PageEventKinds() {
    return {EventKind::Station, EventKind::Ingress, EventKind::MoonIngress, EventKind::Phase, EventKind::Aspect};
}

int MonthCount(TDateTime from, TDateTime to) noexcept {
    const YearMonth first = MonthOf(from);
    const YearMonth last = MonthOf(to);
    return (last.Year - first.Year) * 12 + (last.Month - first.Month) + 1;
}

std::optional<MonthPages> ComputeMonthPages(TDateTime from, TDateTime to, const WallClock& clock,
                                            const std::atomic<bool>& stop) {
    const int months = std::clamp(MonthCount(from, to), 1, MaxMonthPages);
    const YearMonth first = MonthOf(from);
    YearMonth after = first;
    for (int i = 0; i < months; ++i) after = Next(after);
    const TDateTime start = FirstDay(first);
    const TDateTime end = FirstDay(after);

    EphemerisRequest run{.StartDate = start,
                         .EndDate = end - 1,
                         .SpanDays = static_cast<int>(end - start),
                         .StepsPerDay = 1,
                         .Clock = clock,
                         .Evaluation = SeriesEvaluation::Fitted};
    EphemerisProgress runProgress;
    std::shared_ptr<EphemerisRowSet> rows = RunEphemeris(run, runProgress);
    if (!rows || stop) return std::nullopt;

    EventRequest search{.Start = clock.ToUniversalTime(start),
                        .End = clock.ToUniversalTime(end),
                        .Kinds = PageEventKinds(),
                        .Evaluation = SeriesEvaluation::Fitted};
    EventProgress eventProgress;
    const std::optional<std::vector<Event>> events = SearchEvents(search, eventProgress);
    if (!events || stop) return std::nullopt;

    MonthPages pages;
    pages.Rows = rows;
    pages.Marks = MotionMarks(*rows);
    YearMonth month = first;
    std::size_t row = 0;
    for (int i = 0; i < months; ++i, month = Next(month)) {
        const TDateTime monthStart = FirstDay(month);
        const TDateTime monthEnd = FirstDay(Next(month));
        MonthPage page{.Year = month.Year,
                       .Month = month.Month,
                       .FirstRow = row,
                       .Days = static_cast<std::size_t>(monthEnd - monthStart),
                       .Events = {}};
        const TDateTime from = clock.ToUniversalTime(monthStart);
        const TDateTime to = clock.ToUniversalTime(monthEnd);
        std::copy_if(events->begin(), events->end(), std::back_inserter(page.Events),
                     [from, to](const Event& event) { return event.Time >= from && event.Time < to; });
        row += page.Days;
        pages.Months.push_back(std::move(page));
    }
    return pages;
}

}  // namespace kalto
