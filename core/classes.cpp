// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/classes.hpp"

#include <algorithm>
#include <limits>

#include "core/draw.hpp"
#include "core/expected_share.hpp"

namespace core {
namespace {

std::int64_t saturatedProduct(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) {
        return 0;
    }
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    return b > kLargest / a ? kLargest : a * b;
}

}  // namespace

ClassesRun::ClassesRun(ClassesRequest request, std::uint32_t seed)
    : request_(request), seed_(seed) {
    random_.reseed(seed);
    // Checked once here, so no draw below can raise for a ceiling that rounds to nothing.
    if (drawableDemands(request_.ceiling) && request_.classes > 0 && request_.drawsPerClass > 0) {
        classesToRun_ = static_cast<std::size_t>(request_.classes);
        drawsTotal_ = saturatedProduct(request_.classes, request_.drawsPerClass);
    }
    overloads_.reserve(classesToRun_);
}

bool ClassesRun::advance(std::int64_t draws) {
    const double capacity = request_.capacity;
    // Rounded once for the whole run; none only where no class runs.
    const auto draw = CeilingDraw::under(request_.ceiling);
    if (!draw) {
        return done();
    }
    while (draws > 0 && !done()) {
        const std::int64_t slice = std::min(draws, request_.drawsPerClass - drawsInClass_);
        // A local count, so the loop keeps it in a register rather than in the object; added
        // rather than branched on, since an overload is as random as the draw.
        std::int64_t overloads = 0;
        for (std::int64_t i = 0; i < slice; ++i) {
            overloads += capacity < draw->demand(random_.next()) ? 1 : 0;
        }
        overloadsInClass_ += overloads;
        drawsInClass_ += slice;
        drawsDone_ += slice;
        draws -= slice;
        if (drawsInClass_ == request_.drawsPerClass) {
            overloads_.push_back(overloadsInClass_);
            drawsInClass_ = 0;
            overloadsInClass_ = 0;
        }
    }
    return done();
}

bool ClassesRun::done() const {
    return overloads_.size() == classesToRun_;
}

double classSharePercent(std::int64_t overloads, std::int64_t drawsPerClass) {
    return measuredSharePercent(overloads, drawsPerClass).value_or(0);
}

ClassesTally::ClassesTally(const ClassesRequest& request) : drawsPerClass_(request.drawsPerClass) {
    summary_.expected = expectedSharePercent(request.capacity, request.ceiling);
    if (summary_.expected) {
        summary_.band = shareBand(*summary_.expected, static_cast<double>(drawsPerClass_));
    }
}

void ClassesTally::follow(const ClassesRun& run) {
    const auto overloads = run.overloads();
    for (auto i = static_cast<std::size_t>(summary_.finished); i < overloads.size(); ++i) {
        add(overloads[i]);
    }
}

void ClassesTally::add(std::int64_t overloads) {
    const double share = classSharePercent(overloads, drawsPerClass_);
    ++summary_.finished;
    allOverloads_ += overloads;
    summary_.highestPercent = std::max(summary_.highestPercent.value_or(share), share);
    // The share of a class as the tick shows it, so a class on an edge counts as the window
    // would show it.
    summary_.insideBand += summary_.band && summary_.band->contains(share) ? 1 : 0;
}

ClassesSummary ClassesTally::summary() const {
    ClassesSummary summary = summary_;
    if (summary.finished > 0) {
        // Every class has the same number of draws, so the mean of the shares is the share of
        // all the overloads together: one division instead of a sum of rounded ones.
        summary.meanPercent =
            measuredSharePercent(allOverloads_, std::int64_t{summary.finished} * drawsPerClass_);
    }
    return summary;
}

ClassesSummary summarize(const ClassesRun& run) {
    ClassesTally tally(run.request());
    tally.follow(run);
    return tally.summary();
}

}  // namespace core
