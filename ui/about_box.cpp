// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/about_box.hpp"

#include <QMessageBox>

#include "ui/form_texts.hpp"
#include "ui/qt_text.hpp"

namespace ui {

void showAboutBox(QWidget* parent) {
    const QString text =
        QStringLiteral(
            "<p><b>%1</b><br>Версия 1.00</p>"
            "<p>Учебна симулация, с която учениците виждат колко често се претоварва "
            "една система за обслужване при случайно търсене, когато капацитетът ѝ е "
            "планиран с надпродажба или с коефициент на запас.</p>"
            "<p>Лиценз: собственост на www.example.org, всички права запазени.<br>"
            "Създадена с Qt %2, което се ползва по лиценза GNU LGPL версия 3.</p>")
            .arg(toQString(kTitle), QString::fromLatin1(qVersion()));
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("За програмата"), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
