// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventSearchRunner.h"

namespace kalto {

EventSearchRunner::EventSearchRunner(QObject* parent) : QObject(parent), Searches(*this) {}

EventSearchRunner::~EventSearchRunner() = default;

void EventSearchRunner::Start(const EventRequest& request) {
    LastRequest = request;
    StartSearch(Searches, request, &SearchEvents, [this](std::optional<std::vector<Event>> events) {
        if (events) {
            emit Completed(std::move(*events));
        } else {
            emit Failed();
        }
    });
}

void EventSearchRunner::Stop() {
    Searches.Stop();
}

}  // namespace kalto
