// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunSpan.h"

#include "ArgumentParsing.h"
#include "CommandErrors.h"
#include "EphemerisSpan.h"
#include "ProgressBar.h"

#include <chrono>
#include <future>

namespace kalto::cli {

namespace {

using namespace std::chrono_literals;

// A run that ends within this time shows no progress bar.
constexpr auto ProgressDelay = 500ms;
constexpr auto ProgressInterval = 100ms;

}  // namespace

void CheckSpanDates(const RunSpanOptions& span) {
    if (!span.Start) {
        throw UsageError("falta --desde AAAA-MM-DD, el primer día");
    }
    if (!span.End) {
        throw UsageError("falta --hasta AAAA-MM-DD, el último día");
    }
    if (span.ZoneHours && span.Zone) {
        throw UsageError(std::string(BothZonesMessage));
    }
}

void CheckSearchSpan(const RunSpanOptions& span) {
    CheckSpanDates(span);
    const TDateTime start = *span.Start;
    const TDateTime end = *span.End;
    if (end < start) {
        throw UsageError("--hasta " + DateText(end) + " es anterior a --desde " + DateText(start));
    }
    if (start < EncodeDate(100, 1, 1) || end > EncodeDate(9899, 12, 31)) {
        throw UsageError("las fechas deben quedar entre los años 0100 y 9899");
    }
}

WallClock SpanClock(const RunSpanOptions& span) {
    return span.Zone ? WallClock(*span.Zone) : WallClock(span.ZoneHours.value_or(0));
}

EphemerisRequest SpanRequest(const RunSpanOptions& span, SeriesEvaluation evaluation, std::string_view verb,
                             std::ostream& err) {
    const TDateTime start = *span.Start;
    const TDateTime end = LimitEndDate(start, *span.End);
    const EphemerisRequest request{start, end, SpanDays(start, end), span.StepsPerDay, SpanClock(span), evaluation};
    CheckEphemerisDays(start, request.SpanDays);
    if (end != *span.End) {
        err << "kalto-cli: nota: de " << DateText(start) << " a " << DateText(*span.End) << " hay más de 730 días; se "
            << verb << " hasta " << DateText(end) << ", 24 meses después de --desde.\n";
    }
    return request;
}

std::unique_ptr<EphemerisRowSet> ComputeRows(const EphemerisRequest& request, std::ostream& err) {
    EphemerisProgress progress;
    if (!IsTerminalStandardError(err)) {
        return RunEphemeris(request, progress);
    }
    auto rows = std::async(std::launch::async, [&] { return RunEphemeris(request, progress); });
    if (rows.wait_for(ProgressDelay) != std::future_status::ready) {
        ProgressBar bar(err, TotalSteps(request));
        do {
            bar.Show(progress.StepsDone.load());
        } while (rows.wait_for(ProgressInterval) != std::future_status::ready);
        bar.Clear();
    }
    return rows.get();
}

}  // namespace kalto::cli
