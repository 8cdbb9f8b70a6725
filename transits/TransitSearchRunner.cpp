// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitSearchRunner.h"

#include <exception>

namespace kalto {

TransitSearchRunner::TransitSearchRunner(QObject* parent)
    : QObject(parent),
      Searches(*this, [this](const Search& search) { emit ProgressChanged(search.Progress.BodiesDone.load()); }) {}

TransitSearchRunner::~TransitSearchRunner() = default;

void TransitSearchRunner::Start(const TransitRequest& request) {
    Stop();
    auto search = std::make_shared<Search>();
    search->Request = request;
    LastRequest = request;
    Searches.Start(
        std::move(search),
        [](Search& worker, std::stop_token stop) {
            const std::stop_callback stopSearch(stop, [&worker] { worker.Progress.StopRequested = true; });
            try {
                worker.Rows = SearchTransits(worker.Request, worker.Progress);
            } catch (const std::exception&) {
                worker.Rows.reset();  // rows too many to allocate, or no thread to run on
            }
        },
        [this](Search& search) {
            if (search.Rows) {
                emit Completed(std::move(*search.Rows));
            } else {
                emit Failed();
            }
        });
}

void TransitSearchRunner::Stop() {
    Searches.Stop();
}

}  // namespace kalto
