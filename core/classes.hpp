// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Many classes at once: every class of pupils runs the simulation for the same number of
// draws, and the classes' shares spread around the expected one. Apart from any Model, so
// that a window can run thousands of classes without touching the pupils' own run.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/measured_share.hpp"
#include "runtime/random_source.hpp"

namespace core {

struct ClassesRequest {
    double capacity;
    double ceiling;
    // 10, 30, 100 or 1000 in the window; a count below 0 runs no class.
    int classes;
    // 10 to 10000 in the window; a class of no draws has no share, so then no class runs.
    std::int64_t drawsPerClass;

    friend bool operator==(const ClassesRequest&, const ClassesRequest&) = default;
};

// Runs the classes a slice at a time so a window stays responsive: each class is a fresh run
// of drawsPerClass draws with the tick's rule (demandOf, overload = capacity < demand), all
// classes from one generator of the program's own type seeded once. Holds one count per class,
// reserved at the start, and nothing per draw.
class ClassesRun {
  public:
    ClassesRun(ClassesRequest request, std::uint32_t seed);

    // Draws up to `draws` more (whole classes or part of one); true once every class is done.
    bool advance(std::int64_t draws);
    [[nodiscard]] bool done() const;
    [[nodiscard]] const ClassesRequest& request() const { return request_; }
    // The seed the generator started from, so that the same classes can be drawn again.
    [[nodiscard]] std::uint32_t seed() const { return seed_; }
    // The overload count of each finished class, in order.
    [[nodiscard]] std::span<const std::int64_t> overloads() const { return overloads_; }
    // Draws done so far out of classes * drawsPerClass, for a progress bar. The total is 0 where
    // the ceiling allows no draw, and stops at the largest 64-bit count rather than wrap.
    [[nodiscard]] std::int64_t drawsDone() const { return drawsDone_; }
    [[nodiscard]] std::int64_t drawsTotal() const { return drawsTotal_; }

  private:
    ClassesRequest request_;
    std::uint32_t seed_;
    runtime::TwisterRandom random_;
    std::vector<std::int64_t> overloads_;
    // 0 where the ceiling allows no draw: such a run is done before it starts.
    std::size_t classesToRun_ = 0;
    std::int64_t drawsTotal_ = 0;
    std::int64_t drawsDone_ = 0;
    // The class under way, which a slice may end in the middle of.
    std::int64_t drawsInClass_ = 0;
    std::int64_t overloadsInClass_ = 0;
};

// A class's measured share in percent, as the tick shows it.
double classSharePercent(std::int64_t overloads, std::int64_t drawsPerClass);

struct ClassesSummary {
    // Classes finished.
    int finished;
    // Of them, those with a share inside the 95 % band (edges included) for drawsPerClass draws
    // around the expected share; 0 where there is no band.
    int insideBand;
    // Mean share over the finished classes; none if none finished.
    std::optional<double> meanPercent;
    // The largest share of a finished class; none if none finished.
    std::optional<double> highestPercent;
    // expectedSharePercent(capacity, ceiling).
    std::optional<double> expected;
    // shareBand(*expected, drawsPerClass) where the expected share exists.
    std::optional<ShareBand> band;
};

// The summary of a run's classes, counted a class at a time: a window that shows a run while
// it goes counts only the classes finished since it last looked, never all of them again.
// The expected share and its band are worked out once, at the start.
class ClassesTally {
  public:
    explicit ClassesTally(const ClassesRequest& request);

    // Counts the classes of `run`, a run of this tally's request, finished since the last call.
    void follow(const ClassesRun& run);
    [[nodiscard]] ClassesSummary summary() const;

  private:
    void add(std::int64_t overloads);

    std::int64_t drawsPerClass_;
    ClassesSummary summary_{};
    std::int64_t allOverloads_ = 0;
};

ClassesSummary summarize(const ClassesRun& run);

}  // namespace core
