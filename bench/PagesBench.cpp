// SPDX-License-Identifier: GPL-3.0-or-later
// The printable ephemeris of 24 months: the daily rows and the events
// computed, and the PDF written, in Europe/Madrid.

#include "MonthlyPdf.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace kalto {
namespace {

void PdfOfTwentyFourMonths(benchmark::State& state) {
    const WallClock clock(*TimeZone::Find("Europe/Madrid"));
    const std::atomic<bool> never{false};
    const auto file = std::filesystem::temp_directory_path() / "kalto-pages-bench.pdf";
    for (auto _ : state) {
        const auto pages = ComputeMonthPages(EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 1), clock, never);
        if (WriteMonthlyPdf(file, *pages, PaperSize::A4, SpanishDateFormatNames())) state.SkipWithError("not written");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}
BENCHMARK(PdfOfTwentyFourMonths)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kalto

// Qt lays out the pages' text only inside a QGuiApplication.
int main(int argc, char** argv) {
    char program[] = "kalto_pages_bench";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* qtArguments[] = {program, platformOption, platform, nullptr};
    int qtCount = 3;
    QGuiApplication application(qtCount, qtArguments);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
