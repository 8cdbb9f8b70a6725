// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs event searches on worker threads for a window and hands over the
// events of a completed search on the thread that owns the runner. Only the
// latest search started can complete.

#include "EventSearch.h"
#include "SearchJob.h"

#include <QObject>

#include <vector>

namespace kalto {

class EventSearchRunner : public QObject {
    Q_OBJECT

public:
    explicit EventSearchRunner(QObject* parent = nullptr);
    ~EventSearchRunner() override;

    EventSearchRunner(const EventSearchRunner&) = delete;
    EventSearchRunner& operator=(const EventSearchRunner&) = delete;

    // Starts a search; a search still going is stopped first and will not complete.
    void Start(const EventRequest& request);
    void Stop();

    [[nodiscard]] bool IsRunning() const noexcept { return Searches.IsRunning(); }
    [[nodiscard]] const EventRequest& Request() const noexcept { return LastRequest; }

signals:
    void Completed(std::vector<kalto::Event> events);
    // The current search ended although nobody stopped it.
    void Failed();

private:
    EventRequest LastRequest;
    SearchJob<EventRequest, EventProgress, std::vector<Event>> Searches;  // last: its threads end first
};

}  // namespace kalto
