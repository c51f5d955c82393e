// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <gtest/gtest.h>

#include <string>

#include "core/check_inputs.hpp"
#include "core/reset.hpp"
#include "model_fixture.hpp"

namespace {

using core::Text1;
using core::Text2;
using testing_support::kHelpText;
using testing_support::ModelTest;

using ResetSimulationTest = ModelTest;

TEST_F(ResetSimulationTest, PutsDefaultsBackStopsTheTimerAndKeepsLogAndCase) {
    setInputs("7", "3", "5");
    model.setText(Text2(2), "42");
    model.timerEnabled = true;
    model.TickCount = 40000;
    model.OverloadCount = 12;
    model.Situation = 1;
    writes.clear();

    core::ResetSimulation(model);

    EXPECT_EQ(model.text(Text2(0)), "1");
    EXPECT_EQ(model.text(Text2(1)), "10");
    EXPECT_EQ(model.text(Text1(2)), "100");
    EXPECT_EQ(model.text(Text2(2)), "0");
    EXPECT_FALSE(model.timerEnabled);
    EXPECT_EQ(model.TickCount, 0);
    EXPECT_EQ(model.OverloadCount, 0);
    EXPECT_EQ(model.Situation, 1);
    EXPECT_EQ(model.text(Text1(0)), kHelpText);
}

TEST_F(ResetSimulationTest, WritesInItsOrderAndZeroesBeforeTheLastWrite) {
    model.timerEnabled = true;
    model.TickCount = 5;
    bool zeroedAtOutputWrite = false;
    model.setChangeListener([&](core::TextField field) {
        writes.emplace_back(field, model.text(field));
        if (field == Text2(2)) {
            zeroedAtOutputWrite =
                !model.timerEnabled && model.TickCount == 0 && model.OverloadCount == 0;
        }
    });

    core::ResetSimulation(model);

    const std::vector<std::pair<core::TextField, std::string>> expected = {
        {Text2(0), "1"}, {Text2(1), "10"}, {Text1(2), "100"}, {Text2(2), "0"}};
    EXPECT_EQ(writes, expected);
    EXPECT_TRUE(zeroedAtOutputWrite);
}

struct CheckRow {
    const char* name;
    const char* capacity;
    const char* overselling;
    const char* safety;
    bool passes;
};

using CheckInputsTest = ModelTest;

TEST_F(CheckInputsTest, EnablesRunOnlyWhenAllThreeArePositiveAndNeverDisables) {
    const CheckRow rows[] = {
        {"defaults", "100", "1", "10", true},
        {"comma reads as the whole part", "1,5", "1,5", "1,5", true},
        {"fraction", "0.5", "1", "10", true},
        {"zero capacity", "0", "1", "10", false},
        {"empty overselling", "100", "", "10", false},
        {"letters in safety", "100", "1", "abc", false},
        {"negative capacity", "-3", "1", "10", false},
        {"comma below one", "0,9", "1", "10", false},
    };
    for (const CheckRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const bool before : {false, true}) {
            model.setChangeListener({});
            setInputs(row.capacity, row.overselling, row.safety);
            model.runEnabled = before;
            core::CheckInputs(model);
            EXPECT_EQ(model.runEnabled, row.passes || before);
        }
    }
}

TEST_F(CheckInputsTest, RunsOnEveryWriteThroughTheNotification) {
    setInputs("100", "1", "10");
    for (const auto field : {Text1(0), Text1(1), Text2(2)}) {
        model.runEnabled = false;
        model.setText(field, "x");
        EXPECT_TRUE(model.runEnabled);
        model.runEnabled = false;
        model.appendText(field, "y");
        EXPECT_TRUE(model.runEnabled);
    }
}

TEST(ModelFields, IndexOutsideTheArrayIsRefused) {
    core::Model model;
    EXPECT_THROW(model.setText(Text1(3), "x"), std::out_of_range);
    EXPECT_THROW((void)model.text(Text2(-1)), std::out_of_range);
}

}  // namespace
