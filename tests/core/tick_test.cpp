// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "core/tick.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/draw.hpp"
#include "core/reset.hpp"
#include "model_fixture.hpp"
#include "scripted_random.hpp"

namespace {

using core::StopReason;
using core::Text1;
using core::Text2;
using testing_support::drawOf;
using testing_support::kHelpText;
using testing_support::ScriptedRandom;

class TickTest : public testing_support::ModelTest {
  protected:
    TickTest() {
        core::ResetSimulation(model);
        model.timerEnabled = true;
        writes.clear();
    }

    // Runs one tick that must complete.
    void tick(ScriptedRandom& random) {
        ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
    }
};

TEST_F(TickTest, FirstTickAfterResetAppendsTheDemandAndThePercentage) {
    ScriptedRandom random({drawOf(50)});
    tick(random);

    EXPECT_EQ(log(), kHelpText + "50\r\n");
    EXPECT_EQ(model.TickCount, 1);
    EXPECT_EQ(model.OverloadCount, 0);
    EXPECT_EQ(percentage(), "0");
    EXPECT_TRUE(model.timerEnabled);
}

TEST_F(TickTest, OverloadWritesPercentageBeforeTheDrawThenMarksTheLogTwice) {
    setInputs("100", "10");
    ScriptedRandom random({drawOf(105)});
    tick(random);

    const std::vector<std::pair<core::TextField, std::string>> expected = {
        {Text2(2), "0"},
        {Text1(0), kHelpText + "Претоварване "},
        {Text2(2), "100"},
        {Text1(0), kHelpText + "Претоварване 105\r\n"},
    };
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(model.OverloadCount, 1);
}

TEST_F(TickTest, OneOverloadInThreeTicksUsesTheModelsSeparator) {
    core::Model bulgarian(",");
    bulgarian.setText(Text1(2), "100");
    bulgarian.setText(Text2(0), "10");
    bulgarian.TickCount = 0;
    ScriptedRandom random({drawOf(105), drawOf(3), drawOf(4), drawOf(5)});
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(core::Timer1_Timer(bulgarian, random), std::nullopt);
    }
    // Tick 3 wrote the share of ticks 1 and 2 over 3 ticks, before its own draw.
    EXPECT_EQ(bulgarian.text(Text2(2)), "33,3333333333333");
    ASSERT_EQ(core::Timer1_Timer(bulgarian, random), std::nullopt);
    EXPECT_EQ(bulgarian.text(Text2(2)), "25");
}

TEST_F(TickTest, FromTick101EachTickRestartsTheLogWithTheHeader) {
    ScriptedRandom random({drawOf(7)});
    std::string expected = kHelpText;
    for (int i = 1; i <= 100; ++i) {
        tick(random);
        expected += "7\r\n";
    }
    EXPECT_EQ(log(), expected);

    tick(random);
    EXPECT_EQ(log(), "Начало на ново отчитане\r\n7\r\n");
    tick(random);
    EXPECT_EQ(log(), "Начало на ново отчитане\r\n7\r\n");
    EXPECT_EQ(model.TickCount, 102);
}

TEST_F(TickTest, CountsTicksFarPastThe16BitRange) {
    model.TickCount = 32767;
    ScriptedRandom random({drawOf(1)});
    tick(random);
    EXPECT_EQ(model.TickCount, 32768);
    EXPECT_EQ(log(), "Начало на ново отчитане\r\n1\r\n");
}

TEST_F(TickTest, UnsetTickCountCountsAsZero) {
    model.TickCount.reset();
    ScriptedRandom random({drawOf(1)});
    tick(random);
    EXPECT_EQ(model.TickCount, 1);
}

TEST_F(TickTest, SafetyMarginNeverOverloadsAndLeavesThePercentageAlone) {
    model.Situation = 1;
    ScriptedRandom random({0.0F, drawOf(99), drawOf(100), drawOf(199), 0.99999994F});
    for (int i = 0; i < 5; ++i) {
        tick(random);
    }
    EXPECT_EQ(log(), kHelpText + "0\r\n99\r\n0\r\n99\r\n0\r\n");
    EXPECT_EQ(model.OverloadCount, 0);
    for (const auto& write : writes) {
        EXPECT_FALSE(write.first == Text2(2));
    }
}

TEST_F(TickTest, DemandStaysBelowTheRoundedCeiling) {
    struct Row {
        const char* name;
        const char* capacity;
        const char* overselling;
        float draw;
        const char* line;
    };
    const Row rows[] = {
        {"one percent tops out at the capacity", "100", "1", drawOf(100), "100\r\n"},
        {"wraps at the ceiling", "100", "1", drawOf(101), "0\r\n"},
        {"largest draw rounds to 10000", "100", "1", 0.99999994F, "1\r\n"},
        {"fractional capacity rounds down", "100.4", "1", drawOf(101), "0\r\n"},
        {"ceiling of one", "1", "1", drawOf(9999), "0\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setInputs(row.capacity, row.overselling);
        model.setText(Text1(0), "");
        ScriptedRandom random({row.draw});
        tick(random);
        EXPECT_EQ(log(), row.line);
    }
}

TEST_F(TickTest, FractionalCapacityHasNoOverloadsInTheSafetyMarginCase) {
    model.Situation = 1;
    setInputs("100.4", "1");
    ScriptedRandom random({drawOf(99), drawOf(100), 0.99999994F});
    for (int i = 0; i < 3; ++i) {
        tick(random);
    }
    EXPECT_EQ(log(), kHelpText + "99\r\n0\r\n0\r\n");
    EXPECT_EQ(model.OverloadCount, 0);
}

TEST_F(TickTest, NegativeCapacityOverloadsEveryTickInBothCases) {
    for (const int situation : {0, 1}) {
        SCOPED_TRACE(situation);
        model.Situation = static_cast<std::int16_t>(situation);
        core::ResetSimulation(model);
        model.setText(Text1(0), "");
        setInputs("-5", "1");
        ScriptedRandom random({drawOf(7), drawOf(0)});
        tick(random);
        tick(random);
        // The remainder takes the sign of the draw: 7 Mod -5 is 2.
        EXPECT_EQ(log(), "Претоварване 2\r\nПретоварване 0\r\n");
        EXPECT_EQ(model.OverloadCount, 2);
        EXPECT_EQ(percentage(), "100");
    }
}

// The teacher types a new capacity between ticks 2 and 3, and tick 3 overloads under it.
TEST_F(TickTest, ChangedCapacityStartsAStretchUnderTheInputsTheTickDrewUnder) {
    setInputs("100", "10");
    const core::RunStatistics::DrawInputs before{core::capacity(model), core::drawCeiling(model)};
    ScriptedRandom random({drawOf(105), drawOf(3), drawOf(95)});
    tick(random);
    tick(random);
    setInputs("90", "10");
    const core::RunStatistics::DrawInputs after{core::capacity(model), core::drawCeiling(model)};
    tick(random);

    ASSERT_NE(before, after);
    const core::RunStatistics::Stretch expected[] = {{1, 0, before}, {3, 1, after}};
    EXPECT_TRUE(std::ranges::equal(model.statistics.stretches(), expected));
    EXPECT_EQ(model.OverloadCount, 2);
}

class TickLimitTest : public TickTest {
  protected:
    // The stop must leave everything as it was, but the timer.
    void expectStopsUntouched(StopReason reason) {
        const std::string logBefore = log();
        const std::string percentageBefore = percentage();
        const auto ticksBefore = model.TickCount;
        const auto overloadsBefore = model.OverloadCount;
        ScriptedRandom random({drawOf(1)});
        writes.clear();

        EXPECT_EQ(core::Timer1_Timer(model, random), reason);

        EXPECT_FALSE(model.timerEnabled);
        EXPECT_EQ(log(), logBefore);
        EXPECT_EQ(percentage(), percentageBefore);
        EXPECT_EQ(model.TickCount, ticksBefore);
        EXPECT_EQ(model.OverloadCount, overloadsBefore);
        EXPECT_TRUE(writes.empty());
        EXPECT_EQ(random.draws(), 0U);
    }
};

TEST_F(TickLimitTest, CeilingThatCannotBeDrawnFromStopsBeforeCounting) {
    struct Row {
        const char* name;
        const char* capacity;
        const char* overselling;
        std::int16_t situation;
    };
    const Row rows[] = {
        {"empty capacity", "", "1", 0},
        {"capacity zero", "0", "1", 0},
        {"capacity rounds to zero", "0.4", "1", 1},
        {"overselling cancels the capacity", "100", "-100", 0},
        {"beyond 32 bits", "9E99", "1", 0},
        {"beyond 32 bits without overselling", "9E99", "1", 1},
        {"infinite capacity", "1e999", "1", 1},
        {"infinity times zero", "1e999", "-100", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model.Situation = row.situation;
        setInputs(row.capacity, row.overselling);
        model.timerEnabled = true;
        expectStopsUntouched(StopReason::NoDemandPossible);
    }
}

TEST_F(TickLimitTest, FullOverloadCounterStopsWithItsMessage) {
    setInputs("-5", "1");
    ScriptedRandom random({drawOf(3)});
    std::optional<StopReason> stop;
    while (!stop) {
        stop = core::Timer1_Timer(model, random);
    }
    EXPECT_EQ(*stop, StopReason::OverloadLimitReached);
    EXPECT_EQ(model.OverloadCount, 32767);
    EXPECT_EQ(model.TickCount, 32767);
    EXPECT_EQ(percentage(), "100");
    EXPECT_EQ(log(), "Начало на ново отчитане\r\nПретоварване 3\r\n");
    model.timerEnabled = true;
    expectStopsUntouched(StopReason::OverloadLimitReached);
}

// Each message says why the run stopped and what gets it going again, and what it promises
// holds: the counter's limit is the 16-bit one, and a capacity in the range it names draws.
TEST(StopMessage, NamesTheWayOutOfEachStop) {
    const std::string noDemand(core::stopMessage(StopReason::NoDemandPossible));
    const std::string limit(core::stopMessage(StopReason::OverloadLimitReached));
    EXPECT_NE(noDemand, limit);
    for (const std::string& message : {noDemand, limit}) {
        EXPECT_TRUE(message.starts_with("Симулацията е спряна: ")) << message;
    }
    EXPECT_NE(limit.find(std::to_string(std::numeric_limits<std::int16_t>::max())),
              std::string::npos);
    EXPECT_NE(limit.find("„Изчисти“"), std::string::npos);
    EXPECT_NE(noDemand.find("брой елементи от 1 до 9999"), std::string::npos);
    for (const char* capacity : {"1", "9999"}) {
        for (const std::int16_t situation : {std::int16_t{0}, std::int16_t{1}}) {
            core::Model model;
            model.setText(Text1(2), capacity);
            model.setText(Text2(0), "99");
            model.Situation = situation;
            model.timerEnabled = true;
            ScriptedRandom random({0.5F});
            EXPECT_EQ(core::Timer1_Timer(model, random), std::nullopt) << capacity;
        }
    }
}

}  // namespace
