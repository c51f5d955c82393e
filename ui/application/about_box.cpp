// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/about_box.hpp"

#include <QMessageBox>

#include "ui/application/app_info.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/main_window/form_texts.hpp"

namespace ui {

QString aboutText() {
    return QStringLiteral(
               "<p><b>%1</b><br>Версия %2</p>"
               "<p>Учебна симулация, с която учениците виждат колко често се претоварва "
               "една система за обслужване при случайно търсене, когато капацитетът ѝ е "
               "планиран с надпродажба или с коефициент на запас.</p>"
               "<p>© %3 Авторите на overselling</p>"
               "<p>Лиценз: GNU GPL, версия 3 или по-нова (%4). Програмата е свободен "
               "софтуер: можете да я разпространявате и да я променяте при условията на "
               "Общия публичен лиценз на GNU, публикуван от Фондацията за свободен софтуер, "
               "версия 3 на лиценза или (по ваш избор) всяка по-нова версия.</p>"
               "<p>Програмата се разпространява с надеждата, че ще бъде полезна, но БЕЗ "
               "НИКАКВА ГАРАНЦИЯ, дори без подразбиращата се гаранция за ПРОДАВАЕМОСТ или "
               "ПРИГОДНОСТ ЗА ОПРЕДЕЛЕНА ЦЕЛ. Подробностите са в Общия публичен лиценз на "
               "GNU.</p>"
               "<p>Създадена с Qt %5, което се ползва по лиценза GNU LGPL версия 3.</p>")
        .arg(toQString(kTitle), toQString(app::kVersion), toQString(app::kCopyrightYear),
             toQString(app::kLicence), QString::fromLatin1(qVersion()));
}

void showAboutBox(QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("За програмата"),
                                aboutText(), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
