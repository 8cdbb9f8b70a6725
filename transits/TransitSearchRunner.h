// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs transit searches on worker threads for a window: polls how many bodies
// are done, honours a stop, and hands over the rows of a completed search on
// the thread that owns the runner. Only the latest search started can
// complete.

#include "SearchJob.h"
#include "TransitSearch.h"

#include <QObject>

#include <vector>

namespace kalto {

class TransitSearchRunner : public QObject {
    Q_OBJECT

public:
    explicit TransitSearchRunner(QObject* parent = nullptr);
    ~TransitSearchRunner() override;

    TransitSearchRunner(const TransitSearchRunner&) = delete;
    TransitSearchRunner& operator=(const TransitSearchRunner&) = delete;

    // Starts a search; a search still going is stopped first and will not complete.
    void Start(const TransitRequest& request);
    void Stop();

    [[nodiscard]] bool IsRunning() const noexcept { return Searches.IsRunning(); }
    // The request of the current search (of the last one once idle).
    [[nodiscard]] const TransitRequest& Request() const noexcept { return LastRequest; }

signals:
    // Several times a second while a search goes on: the bodies done.
    void ProgressChanged(int bodiesDone);
    void Completed(std::vector<kalto::Transit> rows);
    // The current search ended although nobody stopped it (its rows could not
    // be allocated).
    void Failed();

private:
    TransitRequest LastRequest;
    SearchJob<TransitRequest, TransitProgress, std::vector<Transit>> Searches;  // last: its threads end first
};

}  // namespace kalto
