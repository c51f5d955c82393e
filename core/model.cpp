// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "core/model.hpp"

#include <utility>

namespace core {

Model::Model(std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {}

const std::string& Model::text(TextField field) const {
    const auto& texts = field.array == TextArray::Text1 ? text1_ : text2_;
    return texts.at(static_cast<std::size_t>(field.index));
}

std::string& Model::slot(TextField field) {
    // One place picks the field; writers get the same string mutable.
    return const_cast<std::string&>(std::as_const(*this).text(field));
}

void Model::setText(TextField field, std::string value) {
    slot(field) = std::move(value);
    ++rewrites_.at(fieldNumber(field));
    notify(field);
}

std::uint64_t Model::rewrites(TextField field) const {
    return rewrites_.at(fieldNumber(field));
}

std::size_t Model::fieldNumber(TextField field) const {
    static_cast<void>(text(field));  // throws for an index out of range, as every access does
    return (field.array == TextArray::Text1 ? 0 : 3) + static_cast<std::size_t>(field.index);
}

void Model::appendText(TextField field, std::string_view tail) {
    slot(field).append(tail);
    notify(field);
}

void Model::notify(TextField field) const {
    if (listener_) {
        listener_(field);
    }
}

}  // namespace core
