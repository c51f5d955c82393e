// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "core/check_inputs.hpp"

#include "runtime/number_from_text.hpp"

namespace core {

void CheckInputs(Model& model) {
    // All three are read on every call, without a short cut.
    const bool capacityPositive = runtime::numberFromText(model.text(Text1(2))) > 0;
    const bool oversellingPositive = runtime::numberFromText(model.text(Text2(0))) > 0;
    const bool safetyPositive = runtime::numberFromText(model.text(Text2(1))) > 0;
    if (capacityPositive && oversellingPositive && safetyPositive) {
        model.runEnabled = true;
    }
}

}  // namespace core
