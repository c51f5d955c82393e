// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/check_inputs.hpp"
#include "core/model.hpp"

namespace testing_support {

inline const std::string kHelpText = "Помощ\r\n";

// A model wired as the window wires it: every change notification runs CheckInputs. Each
// write is recorded with the text it left, so tests can check the order of writes.
class ModelTest : public ::testing::Test {
  protected:
    ModelTest() {
        model.setText(core::Text1(0), kHelpText);
        model.setChangeListener([this](core::TextField field) {
            writes.emplace_back(field, model.text(field));
            core::CheckInputs(model);
        });
    }

    void setInputs(std::string capacity, std::string overselling, std::string safety = "10") {
        model.setText(core::Text1(2), std::move(capacity));
        model.setText(core::Text2(0), std::move(overselling));
        model.setText(core::Text2(1), std::move(safety));
        writes.clear();
    }

    [[nodiscard]] const std::string& log() const { return model.text(core::Text1(0)); }
    [[nodiscard]] const std::string& percentage() const { return model.text(core::Text2(2)); }

    core::Model model;
    std::vector<std::pair<core::TextField, std::string>> writes;
};

}  // namespace testing_support
