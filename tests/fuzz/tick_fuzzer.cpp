// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Arbitrary texts in the capacity and percentage boxes, an arbitrary case and overload count
// and arbitrary draws, through a run of ticks with the input check wired as the window wires
// it. Each tick must either complete or stop with its message and leave everything as it
// was; a completed tick's demand lies in [0, |rounded ceiling| - 1], is marked exactly when
// it overloads, and the percentage text is the overload share in the 15-digit form.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "core/check_inputs.hpp"
#include "core/draw.hpp"
#include "core/measured_share.hpp"
#include "core/model.hpp"
#include "core/tick.hpp"
#include "runtime/number_text.hpp"
#include "runtime/random_source.hpp"

namespace {

using core::Text1;
using core::Text2;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class FuzzedRandom final : public runtime::RandomSource {
  public:
    explicit FuzzedRandom(FuzzedDataProvider& data) : data_(data) {}
    float next() override {
        return static_cast<float>(data_.ConsumeIntegral<std::uint32_t>() >> 8U) / 16777216.0F;
    }
    void reseedFromClock() override {}
    void reseed(std::uint32_t /*seed*/) override {}

  private:
    FuzzedDataProvider& data_;
};

std::string lastLine(const std::string& log) {
    require(log.size() >= 2 && log.ends_with("\r\n"));
    const std::size_t previous = log.rfind("\r\n", log.size() - 3);
    const std::size_t start = previous == std::string::npos ? 0 : previous + 2;
    return log.substr(start, log.size() - 2 - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    core::Model model(data.ConsumeBool() ? "," : ".");
    model.setChangeListener([&model](core::TextField) { core::CheckInputs(model); });
    model.setText(Text1(0), "help\r\n");
    model.setText(Text1(2), data.ConsumeRandomLengthString(64));
    model.setText(Text2(0), data.ConsumeRandomLengthString(64));
    model.setText(Text2(1), data.ConsumeRandomLengthString(64));
    const int situation = data.ConsumeIntegralInRange(-1, 1);
    if (situation >= 0) {
        model.Situation = static_cast<std::int16_t>(situation);
    }
    model.TickCount = data.ConsumeIntegralInRange<std::int64_t>(0, 1'000'000);
    model.OverloadCount = data.ConsumeIntegralInRange<std::int16_t>(
        0, static_cast<std::int16_t>(std::min<std::int64_t>(*model.TickCount, 32767)));
    model.setText(Text2(2), "0");
    model.timerEnabled = true;
    const int ticks = data.ConsumeIntegralInRange(1, 200);
    FuzzedRandom random(data);

    const bool overselling = core::isOverselling(model);
    const double capacity = core::capacity(model);
    for (int i = 0; i < ticks; ++i) {
        const auto ceiling = core::roundedCeiling(core::drawCeiling(model));
        const auto ticksBefore = *model.TickCount;
        const auto overloadsBefore = model.OverloadCount;
        const std::string logBefore = model.text(Text1(0));
        const std::string percentageBefore = model.text(Text2(2));

        const auto stop = core::Timer1_Timer(model, random);

        if (stop) {
            require(!ceiling ? *stop == core::StopReason::NoDemandPossible
                             : *stop == core::StopReason::OverloadLimitReached &&
                                   overloadsBefore == std::numeric_limits<std::int16_t>::max());
            require(!model.timerEnabled && *model.TickCount == ticksBefore &&
                    model.OverloadCount == overloadsBefore && model.text(Text1(0)) == logBefore &&
                    model.text(Text2(2)) == percentageBefore);
            return 0;
        }
        require(ceiling.has_value() && *model.TickCount == ticksBefore + 1);
        std::string line = lastLine(model.text(Text1(0)));
        const bool marked = line.starts_with(core::kOverloadMark);
        if (marked) {
            line.erase(0, core::kOverloadMark.size());
        }
        const int demand = std::stoi(line);
        require(line == std::to_string(demand));
        const std::int64_t magnitude = ceiling.value() < 0 ? -std::int64_t{*ceiling} : *ceiling;
        require(demand >= 0 && demand <= magnitude - 1);
        require(marked == (capacity < demand));
        require(model.OverloadCount == overloadsBefore + (marked ? 1 : 0));
        if (overselling || marked) {
            const double share = core::measuredSharePercent(model).value_or(-1);
            require(model.text(Text2(2)) == runtime::textOfDouble(share, model.decimalSeparator()));
        } else {
            require(model.text(Text2(2)) == percentageBefore);
        }
        if (*model.TickCount > 100) {
            require(model.text(Text1(0)).starts_with(core::kLogHeader));
        }
    }
    return 0;
}
