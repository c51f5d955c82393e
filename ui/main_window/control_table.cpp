// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/control_table.hpp"

#include <array>

#include "ui/main_window/form_texts.hpp"

namespace ui {
namespace {

using enum ControlKind;

constexpr QRgb kOrange = 0xFFC080;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kYellow = 0xFFFF80;
constexpr QRgb kGreen = 0x80FF80;
constexpr QRgb kPink = 0xFF8080;

constexpr std::array kControls = {
    ControlDesign{.name = "Label1(0)",
                  .kind = Label,
                  .twips = {960, 0, 4575, 375},
                  .backColour = kOrange,
                  .text = "надпродажба и коефициент на запас"},
    ControlDesign{.name = "Label1(1)",
                  .kind = Label,
                  .twips = {2880, 600, 1695, 375},
                  .backColour = kOrange,
                  .text = "% надпродажба",
                  .buddy = "Text2(0)"},
    ControlDesign{.name = "Label1(4)",
                  .kind = Label,
                  .twips = {4920, 600, 1695, 375},
                  .backColour = kRed,
                  .text = "% откази",
                  .buddy = "Text2(2)"},
    ControlDesign{.name = "Option1(0)",
                  .kind = OptionButton,
                  .twips = {120, 960, 2655, 375},
                  .backColour = kYellow,
                  .text = "Надпродажба",
                  .accessibleDescription = "продава се повече, отколкото позволява капацитетът"},
    ControlDesign{.name = "Text2(0)",
                  .kind = TextBox,
                  .twips = {2880, 960, 1695, 405},
                  .accessibleName = "% надпродажба",
                  .accessibleDescription =
                      "с колко процента продаденото надхвърля реалния капацитет, от 1 до 99",
                  .maxLength = 2},
    ControlDesign{.name = "Text2(2)",
                  .kind = TextBox,
                  .twips = {4920, 960, 1695, 405},
                  .accessibleName = "% откази",
                  .accessibleDescription =
                      "какъв процент от тегленията са претоварили системата; само за четене",
                  .readOnly = true,
                  .largeBoldFont = true},
    ControlDesign{.name = "Label1(2)",
                  .kind = Label,
                  .twips = {2880, 1560, 1695, 375},
                  .backColour = kOrange,
                  .text = "% сигурност",
                  .buddy = "Text2(1)"},
    ControlDesign{.name = "Option1(1)",
                  .kind = OptionButton,
                  .twips = {120, 1920, 2655, 375},
                  .backColour = kGreen,
                  .text = "Коефициент на  запас",
                  .accessibleDescription = "системата е построена със запас и не се претоварва"},
    ControlDesign{
        .name = "Text2(1)",
        .kind = TextBox,
        .twips = {2880, 1920, 1695, 405},
        .accessibleName = "% сигурност",
        .accessibleDescription =
            "запасът на капацитета в проценти, от 1 до 99; проверява се, но не променя тегленето",
        .maxLength = 2},
    ControlDesign{.name = "Command1(0)",
                  .kind = CommandButton,
                  .twips = {4800, 2040, 1935, 375},
                  .backColour = kGreen,
                  .text = "Изведи",
                  .accessibleDescription =
                      "започва тегленията, по едно в секунда или със скоростта, "
                      "избрана в графиката (F2)"},
    ControlDesign{.name = "Label1(5)",
                  .kind = Label,
                  .twips = {2880, 2520, 1695, 375},
                  .backColour = kOrange,
                  .text = "брой елементи",
                  .buddy = "Text1(2)"},
    ControlDesign{
        .name = "Command1(1)",
        .kind = CommandButton,
        .twips = {4800, 2520, 1935, 375},
        .backColour = kPink,
        .text = "Изчисти",
        .accessibleDescription = "спира и започва отначало със стойностите по подразбиране"},
    ControlDesign{.name = "Label1(3)",
                  .kind = Label,
                  .twips = {240, 2880, 2655, 375},
                  .backColour = kOrange,
                  .text = "Общ реализиран брой:",
                  .buddy = "Text1(2)"},
    ControlDesign{.name = "Text1(2)",
                  .kind = TextBox,
                  .twips = {2880, 2880, 1695, 405},
                  .accessibleName = "брой елементи",
                  .accessibleDescription =
                      "за колко едновременни клиенти е проектирана системата, от 1 до 9999",
                  .maxLength = 4},
    ControlDesign{
        .name = "Text1(0)",
        .kind = MultiLineTextBox,
        .twips = {120, 3480, 6735, 1815},
        .text = kHelpText,
        .accessibleName = "Отчет",
        .accessibleDescription =
            "по един ред за всяко теглене; претоварванията са отбелязани с „Претоварване“",
        .readOnly = true},
    // Hidden: it would cover most of the log and run past the client area's edges.
    ControlDesign{.name = "Text1(1)",
                  .kind = MultiLineTextBox,
                  .twips = {720, 4080, 6735, 1815},
                  .text = kSaying,
                  .accessibleName = "Мисъл",
                  .readOnly = true,
                  .visible = false},
};

// The design's tab positions, over the controls that can take focus.
constexpr std::array<std::string_view, 10> kTabOrder = {
    "Text1(0)", "Text1(1)",    "Option1(0)",  "Text2(0)", "Option1(1)",
    "Text2(1)", "Command1(0)", "Command1(1)", "Text1(2)", "Text2(2)",
};

}  // namespace

QRect pixelRect(const ControlDesign& design) {
    return {pixelsFromTwips(design.twips.left), pixelsFromTwips(design.twips.top),
            pixelsFromTwips(design.twips.width), pixelsFromTwips(design.twips.height)};
}

std::span<const ControlDesign> controlTable() {
    return kControls;
}
std::span<const std::string_view> tabOrder() {
    return kTabOrder;
}

}  // namespace ui
