// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs contact searches on a worker thread for a window: polls their progress,
// honours a stop at every instant the search examines and hands over the
// contacts of a completed search on the thread that owns the runner. Only the
// latest search started can complete; a stopped or superseded search never
// delivers contacts, however late it ends.

#include "BackgroundJob.h"
#include "ContactSearch.h"

#include <QObject>

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

    [[nodiscard]] bool IsRunning() const noexcept { return Searches.IsRunning(); }
    // The input of the current search (of the last one once idle).
    [[nodiscard]] const ContactSearchInput& Input() const noexcept { return LastInput; }
    // The days of the current search's span done so far; 0 when none runs.
    [[nodiscard]] int DaysDone() const noexcept;
    // Threads started and not yet joined, stopped searches that are winding
    // down included.
    [[nodiscard]] int WorkerCount() const noexcept { return Searches.WorkerCount(); }

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
    struct Search {
        ContactSearchInput Input;
        ContactSearchProgress Progress;
        ContactSearchResult Result;  // written by the worker before it reports
    };

    void Complete(Search& search);

    ContactSearchInput LastInput;
    BackgroundJob<Search> Searches;  // last, so that its threads end before the rest goes
};

}  // namespace kalto
