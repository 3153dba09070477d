// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shortdate.h"

#include <QTest>

class TestShortDate : public QObject {
    Q_OBJECT
private slots:
    void yearsAreWrittenInFourDigits_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written");
        // The locale's order and separators stay; only the year grows.
        QTest::newRow("two-digit, month first") << "en_US"
                                                << "12/8/1926";
        QTest::newRow("two-digit, day first") << "de_DE"
                                              << "08.12.1926";
        QTest::newRow("two-digit, year first") << "ko_KR"
                                               << "1926. 12. 8.";
        QTest::newRow("quoted text after the year") << "bg_BG"
                                                    << "8.12.1926 г.";
        QTest::newRow("four digits already") << "en_GB"
                                             << "08/12/1926";
        QTest::newRow("year first already") << "ja_JP"
                                            << "1926/12/08";
    }

    void yearsAreWrittenInFourDigits()
    {
        QFETCH(QString, locale);
        QFETCH(QString, written);
        QCOMPARE(ShortDateText(QDate(1926, 12, 8), QLocale(locale)), written);
        // Far from today the year is still unambiguous.
        QVERIFY(ShortDateText(QDate(1601, 1, 1), QLocale(locale)).contains("1601"));
        QVERIFY(ShortDateText(QDate(9999, 12, 31), QLocale(locale)).contains("9999"));
    }
};

QTEST_APPLESS_MAIN(TestShortDate)
#include "test_shortdate.moc"
