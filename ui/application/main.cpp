// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <QApplication>
#include <memory>

#include "runtime/random_source.hpp"
#include "ui/application/program_start.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto form = ui::startProgram(application, std::make_unique<runtime::TwisterRandom>());
    return QApplication::exec();
}
