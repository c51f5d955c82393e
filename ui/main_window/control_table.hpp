// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QRect>
#include <QRgb>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind { Label, OptionButton, CommandButton, TextBox, MultiLineTextBox };

// One control of the window as it was designed: geometry in twips, measured from the
// client area's top-left corner.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    Twips twips;
    std::optional<QRgb> backColour{};
    std::string_view text{};
    // For a screen reader; a control with a caption is named by it when this is empty.
    std::string_view accessibleName{};
    // What a screen reader says after the name: what the control holds and its limits.
    std::string_view accessibleDescription{};
    // A caption names the box it stands over, so assistive tools relate the two.
    std::string_view buddy{};
    // Text box settings; 0 means no limit on typing.
    int maxLength = 0;
    bool readOnly = false;
    bool largeBoldFont = false;
    bool visible = true;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr QRgb kFormBackColour = 0xC0C0FF;
inline constexpr int kClientWidthTwips = 7125;
inline constexpr int kClientHeightTwips = 5340;

constexpr int pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}
QRect pixelRect(const ControlDesign& design);

// The controls in creation order; the focusable ones in tab order are listed apart.
std::span<const ControlDesign> controlTable();
std::span<const std::string_view> tabOrder();

}  // namespace ui
