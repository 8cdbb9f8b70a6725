// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransitSearchRunner.h"

namespace kalto {

TransitSearchRunner::TransitSearchRunner(QObject* parent)
    : QObject(parent),
      Searches(*this, [this](const auto& search) { emit ProgressChanged(search.Watch.BodiesDone.load()); }) {}

TransitSearchRunner::~TransitSearchRunner() = default;

void TransitSearchRunner::Start(const TransitRequest& request) {
    LastRequest = request;
    StartSearch(Searches, request, &SearchTransits, [this](std::optional<std::vector<Transit>> rows) {
        if (rows) {
            emit Completed(std::move(*rows));
        } else {
            emit Failed();
        }
    });
}

void TransitSearchRunner::Stop() {
    Searches.Stop();
}

}  // namespace kalto
