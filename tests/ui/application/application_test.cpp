// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// What the application adds around the windows: its About box and Qt's Bulgarian texts.

#include <QtTest>

#include "ui/application/about_box.hpp"
#include "ui/application/bulgarian_translation.hpp"

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    // Qt's own texts (message box buttons, context menus) are Bulgarian like the program's.
    void qtTextsAreBulgarian() {
        QVERIFY(ui::installBulgarianTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отказ"));
    }

    // The version comes from the project's CMake settings, passed to this test apart from the
    // header the program reads; the licence is the one in LICENSE.
    void namesTheVersionAndTheGplWithItsWarrantyDisclaimer() {
        const QString text = ui::aboutText();
        QVERIFY2(text.contains(QStringLiteral("Версия " OVERSELLING_EXPECTED_VERSION "<")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("GNU GPL, версия 3 или по-нова (GPL-3.0-or-later)")));
        QVERIFY(text.contains(QStringLiteral("БЕЗ НИКАКВА ГАРАНЦИЯ")));
        QVERIFY(text.contains(QStringLiteral("© 2026")));
        QVERIFY(!text.contains(QStringLiteral("всички права запазени")));
        QVERIFY(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    }
};

QTEST_MAIN(ApplicationTest)

#include "application_test.moc"
