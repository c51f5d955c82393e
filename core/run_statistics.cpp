// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/run_statistics.hpp"

#include <algorithm>

namespace core {

RunStatistics::RunStatistics() {
    // All reach their bound early in a long run; reserved once, they never move after that.
    demandCounts_.reserve(kLargestDemand + 1);
    firstDraws_.reserve(kKeptFromStart);
    series_.reserve(kMaxPoints + 1);
    stretches_.reserve(kMaxStretches);
    pastRuns_.reserve(kPastRuns);
}

void RunStatistics::record(std::int64_t tick, int demand, std::int64_t overloads,
                           DrawInputs inputs) {
    // Demands outside 0 to kLargestDemand cannot come from the draw; they are counted in no bin.
    if (demand >= 0 && demand <= kLargestDemand) {
        const auto bin = static_cast<std::size_t>(demand);
        if (bin >= demandCounts_.size()) {
            demandCounts_.resize(bin + 1, 0);
        }
        ++demandCounts_[bin];
    }
    if (firstDraws_.size() < kKeptFromStart) {
        firstDraws_.push_back({tick, demand, overloads});
    }
    // Before latest_ moves on: it still holds the overloads of the ticks before this one.
    recordInputs(tick, inputs);
    lastDemand_ = LastDemand{demand, overloads > latest_.overloads};
    latest_ = {tick, overloads};
    if (tick % stride_ != 0) {
        return;
    }
    series_.push_back(latest_);
    if (series_.size() > kMaxPoints) {
        // Keeps every other point: the ticks that are multiples of the doubled stride.
        stride_ *= 2;
        std::erase_if(series_, [this](const Point& point) { return point.tick % stride_ != 0; });
    }
}

void RunStatistics::recordInputs(std::int64_t tick, DrawInputs inputs) {
    if (!stretches_.empty() && stretches_.back().inputs == inputs) {
        return;
    }
    if (stretches_.size() == kMaxStretches) {
        stretches_.erase(stretches_.begin());
    }
    stretches_.push_back({tick, latest_.overloads, inputs});
}

void RunStatistics::reset() {
    keepAsPastRun();
    // clear() keeps the capacity, so memory stays where it was.
    demandCounts_.clear();
    firstDraws_.clear();
    series_.clear();
    stretches_.clear();
    stride_ = 1;
    latest_ = {0, 0};
    lastDemand_.reset();
}

void RunStatistics::keepAsPastRun() {
    // Every recorded tick opens or extends a stretch, so none means the run had no tick.
    if (stretches_.empty()) {
        return;
    }
    if (pastRuns_.size() < kPastRuns) {
        pastRuns_.emplace_back();
    } else {
        // The oldest goes to the back to be overwritten: its buffer is reused, so after the
        // first few resets a reset allocates nothing.
        std::rotate(pastRuns_.begin(), pastRuns_.begin() + 1, pastRuns_.end());
    }
    PastRun& kept = pastRuns_.back();
    // Copied, not moved: the current series keeps its own reserved buffer for the next run.
    kept.series.assign(series_.begin(), series_.end());
    kept.latest = latest_;
    kept.inputs = stretches_.back().inputs;
}

void RunStatistics::forgetPastRuns() {
    pastRuns_.clear();
}

}  // namespace core
