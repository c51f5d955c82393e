// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/run_statistics.hpp"

namespace core {

// The two control arrays of text boxes on the window.
enum class TextArray { Text1, Text2 };

// One text box, addressed as the window addresses it: control array and index.
struct TextField {
    TextArray array;
    int index;

    friend bool operator==(const TextField&, const TextField&) = default;
};

constexpr TextField Text1(int index) {
    return {TextArray::Text1, index};
}
constexpr TextField Text2(int index) {
    return {TextArray::Text2, index};
}

// The state of the window as the simulation sees it. Inputs and results live as the boxes'
// texts and are converted afresh on every use; every write, by the program or by the user,
// raises the box's change notification inside the write.
class Model {
  public:
    using ChangeListener = std::function<void(TextField)>;

    explicit Model(std::string decimalSeparator = ".");

    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Throws std::out_of_range for an index other than 0 to 2.
    [[nodiscard]] const std::string& text(TextField field) const;
    void setText(TextField field, std::string value);
    // The log grows by appending; the existing text comes first.
    void appendText(TextField field, std::string_view tail);
    // How often the field's text was set whole rather than appended to: a view that showed it
    // at the same count shows all of it once it adds the tail past what it showed.
    [[nodiscard]] std::uint64_t rewrites(TextField field) const;

    // The single subscriber of change notifications: the window, or a test standing in for it.
    void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

    // The user's decimal separator, for the texts of numbers the program writes.
    [[nodiscard]] const std::string& decimalSeparator() const { return decimalSeparator_; }

    // Whether Command1(0) can be pressed and whether Timer1 delivers ticks. Both are on when
    // the window is created; the reset at load switches the timer off.
    bool runEnabled = true;
    bool timerEnabled = true;

    // Form-level variables. Unset Situation and TickCount count as 0.
    std::optional<std::int16_t> Situation;
    std::optional<std::int64_t> TickCount;
    std::int16_t OverloadCount = 0;
    // What the teaching window draws, since the last reset; the tick keeps it.
    RunStatistics statistics;

  private:
    std::string& slot(TextField field);
    // 0 to 5, Text1 first.
    [[nodiscard]] std::size_t fieldNumber(TextField field) const;
    void notify(TextField field) const;

    std::array<std::string, 3> text1_;
    std::array<std::string, 3> text2_;
    std::array<std::uint64_t, 6> rewrites_{};
    std::string decimalSeparator_;
    ChangeListener listener_;
};

}  // namespace core
