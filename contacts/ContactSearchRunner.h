// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs contact searches on a worker thread for a window: polls their progress,
// honours a stop at every instant the search examines and hands over the
// contacts of a completed search on the thread that owns the runner. Only the
// latest search started can complete; a stopped or superseded search never
// delivers contacts, however late it ends.

#include "ContactSearch.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

namespace kalto {

class ContactSearchRunner : public QObject {
    Q_OBJECT

public:
    explicit ContactSearchRunner(QObject* parent = nullptr);
    // Stops every search and waits for their threads.
    ~ContactSearchRunner() override;

    ContactSearchRunner(const ContactSearchRunner&) = delete;
    ContactSearchRunner& operator=(const ContactSearchRunner&) = delete;

    // Starts a search; a search still going is stopped first and will not complete.
    void Start(const ContactSearchInput& input);
    // Stops the current search, which then ends without contacts.
    void Stop();

    [[nodiscard]] bool IsRunning() const noexcept { return Current != nullptr; }
    // The input of the current search (of the last one once idle).
    [[nodiscard]] const ContactSearchInput& Input() const noexcept { return LastInput; }
    // The days of the current search's span done so far; 0 when none runs.
    [[nodiscard]] int DaysDone() const noexcept;
    // Threads started and not yet joined, stopped searches that are winding
    // down included.
    [[nodiscard]] int WorkerCount() const noexcept { return static_cast<int>(Searches.size()); }

signals:
    // Several times a second while a search goes on: the contacts found so
    // far, the local instant being examined and the days done for the gauge.
    void ProgressChanged(int count, double instant, int daysDone);
    // The current search went through its whole span.
    void Completed(kalto::ContactSearchResult result);
    // The current search ended although nobody stopped it (its contacts could
    // not be allocated).
    void Failed();

private:
    struct Search;

    void SearchFinished(std::uint64_t generation);
    void PollProgress();

    std::vector<std::unique_ptr<Search>> Searches;  // every search whose thread is not joined yet
    Search* Current = nullptr;                      // the search that may complete, or none
    std::uint64_t LastGeneration = 0;
    ContactSearchInput LastInput;
    QTimer ProgressTimer;
};

}  // namespace kalto
