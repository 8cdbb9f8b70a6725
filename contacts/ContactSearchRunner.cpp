// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSearchRunner.h"

#include <exception>

namespace kalto {

ContactSearchRunner::ContactSearchRunner(QObject* parent)
    : QObject(parent), Searches(*this, [this](const Search& search) {
          const auto& progress = search.Progress;
          emit ProgressChanged(progress.Count.load(), progress.Instant.load(), progress.DaysDone.load());
      }) {}

ContactSearchRunner::~ContactSearchRunner() = default;

void ContactSearchRunner::Start(const ContactSearchInput& input) {
    Stop();
    auto search = std::make_shared<Search>();
    search->Input = input;
    // Until its thread examines the first instant, the search reports its start.
    search->Progress.Instant.store(input.StartDate, std::memory_order_relaxed);
    LastInput = input;
    Searches.Start(
        std::move(search),
        [](Search& worker, std::stop_token stop) {
            const std::stop_callback stopSearch(stop, [&worker] { worker.Progress.StopRequested = true; });
            try {
                worker.Result = SearchContacts(worker.Input, worker.Progress);
            } catch (const std::exception&) {
                // Records too many to allocate: the search ends without them.
                worker.Result = {};
            }
        },
        [this](Search& search) { Complete(search); });
}

void ContactSearchRunner::Stop() {
    Searches.Stop();
}

int ContactSearchRunner::DaysDone() const noexcept {
    const Search* search = Searches.Current();
    return search != nullptr ? search->Progress.DaysDone.load() : 0;
}

void ContactSearchRunner::Complete(Search& search) {
    if (search.Result.Completed) {
        emit Completed(std::move(search.Result));
    } else {
        emit Failed();
    }
}

}  // namespace kalto
