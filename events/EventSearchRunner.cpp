// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventSearchRunner.h"

#include <exception>

namespace kalto {

EventSearchRunner::EventSearchRunner(QObject* parent) : QObject(parent), Searches(*this) {}

EventSearchRunner::~EventSearchRunner() = default;

void EventSearchRunner::Start(const EventRequest& request) {
    Stop();
    auto search = std::make_shared<Search>();
    search->Request = request;
    LastRequest = request;
    Searches.Start(
        std::move(search),
        [](Search& worker, std::stop_token stop) {
            const std::stop_callback stopSearch(stop, [&worker] { worker.Progress.StopRequested = true; });
            try {
                worker.Events = SearchEvents(worker.Request, worker.Progress);
            } catch (const std::exception&) {
                worker.Events.reset();  // events too many to allocate, or no thread to run on
            }
        },
        [this](Search& search) {
            if (search.Events) {
                emit Completed(std::move(*search.Events));
            } else {
                emit Failed();
            }
        });
}

void EventSearchRunner::Stop() {
    Searches.Stop();
}

}  // namespace kalto
