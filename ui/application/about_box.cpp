// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/about_box.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "ui/application/app_info.hpp"
#include "ui/application/window_placement.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/main_window/form_texts.hpp"

namespace ui {

QString aboutText() {
    return QStringLiteral(
               "<p><b>%1</b><br>Версия %2</p>"
               "<p>Учебна симулация, с която учениците виждат колко често се претоварва "
               "една система за обслужване при случайно търсене, когато капацитетът ѝ е "
               "планиран с надпродажба или с коефициент на запас.</p>"
               "<p>© %3 Авторите на програмата</p>"
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
    auto* box = new QDialog(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setWindowTitle(QStringLiteral("За програмата"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(box);
    // The licence is long: on a small screen at a large scale the text scrolls, by the arrow
    // keys once Tab has reached it, and the button stays in view.
    auto* text = new QTextBrowser(box);
    text->setObjectName(QStringLiteral("AboutText"));
    // On the box's own colour, with a frame only while it has the keyboard, so that Tab shows
    // where the arrow keys will scroll.
    text->setStyleSheet(
        QStringLiteral("QTextBrowser { border: 2px solid transparent;"
                       " background-color: palette(window); }"
                       "QTextBrowser:focus { border: 2px dashed palette(window-text); }"));
    text->setHtml(aboutText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    layout->addWidget(text);
    layout->addWidget(buttons);

    // Sixty characters a line, as a message box has, and as high as the text needs.
    box->ensurePolished();
    text->ensurePolished();
    const QMargins margins = layout->contentsMargins();
    const int frame = 2 * text->frameWidth();
    const QRect available = (parent != nullptr ? parent : box)->screen()->availableGeometry();
    const int width = withinScreen(QSize(box->fontMetrics().averageCharWidth() * 60 +
                                             margins.left() + margins.right() + frame,
                                         0),
                                   available)
                          .width();
    // Measured on a copy: the browser lays its own text out afresh for the width it has now.
    const std::unique_ptr<QTextDocument> measured(text->document()->clone());
    measured->setTextWidth(width - margins.left() - margins.right() - frame);
    const int height = static_cast<int>(std::ceil(measured->size().height())) + frame +
                       layout->spacing() + buttons->sizeHint().height() + margins.top() +
                       margins.bottom();
    box->resize(withinScreen(QSize(width, height), available));

    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setFocus();
    box->open();
    box->activateWindow();
}

}  // namespace ui
