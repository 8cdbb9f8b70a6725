// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search on a background job: a plain function of a request and a progress
// record that returns its results, or nothing when the record's stop request
// was honoured. The job's stop sets that request; whatever the search throws
// (results too many to allocate, no thread to run on) ends it without
// results.

#include "BackgroundJob.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <type_traits>
#include <utility>

namespace kalto {

template <typename Request, typename Progress, typename Result>
struct SearchState {
    Request Input;
    Progress Watch;  // polled on the owner's thread while the search goes on
    std::optional<Result> Found;
};

template <typename Request, typename Progress, typename Result>
using SearchJob = BackgroundJob<SearchState<Request, Progress, Result>>;

// Starts `search` over `request` on `jobs` (stopping the current one);
// `commit` gets its results, or nothing, on the owner's thread.
template <typename Request, typename Progress, typename Result>
void StartSearch(SearchJob<Request, Progress, Result>& jobs, const Request& request,
                 std::optional<Result> (*search)(const Request&, Progress&, unsigned),
                 std::type_identity_t<std::function<void(std::optional<Result>)>> commit) {
    using State = SearchState<Request, Progress, Result>;
    auto state = std::make_shared<State>();
    state->Input = request;
    jobs.Start(
        std::move(state),
        [search](State& worker, std::stop_token stop) {
            const std::stop_callback stopSearch(stop, [&worker] { worker.Watch.StopRequested = true; });
            try {
                worker.Found = search(worker.Input, worker.Watch, 0);
            } catch (const std::exception&) {
                worker.Found.reset();
            }
        },
        [commit = std::move(commit)](State& done) { commit(std::move(done.Found)); });
}

}  // namespace kalto
