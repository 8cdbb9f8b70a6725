// SPDX-License-Identifier: GPL-3.0-or-later
// Month and day names and separators taken from a locale, in the order the
// date patterns expect them (January first, Sunday first).

#include "AppTests.h"
#include "DateFormat.h"
#include "LocaleNames.h"

#include <QTest>

using namespace kalto;

class LocaleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void names_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("january");
        QTest::addColumn<QString>("march");
        QTest::addColumn<QString>("sunday");
        QTest::addColumn<QString>("saturday");
        QTest::addColumn<QString>("dateSeparator");
        QTest::addColumn<QString>("timeSeparator");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "Jan"
                                 << "March"
                                 << "Sun"
                                 << "Saturday"
                                 << "/"
                                 << ":";
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << "ene"
                                 << "marzo"
                                 << "dom"
                                 << "sábado"
                                 << "/"
                                 << ":";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "Jan"
                                << "März"
                                << "So"
                                << "Samstag"
                                << "."
                                << ":";
        QTest::newRow("Finnish time separator") << QLocale(QLocale::Finnish, QLocale::Finland) << "tammi"
                                                << "maaliskuu"
                                                << "su"
                                                << "lauantai"
                                                << "."
                                                << ".";
    }

    void names() {
        QFETCH(QLocale, locale);
        QFETCH(QString, january);
        QFETCH(QString, march);
        QFETCH(QString, sunday);
        QFETCH(QString, saturday);
        QFETCH(QString, dateSeparator);
        QFETCH(QString, timeSeparator);
        const auto names = LocaleDateFormatNames(locale);
        QCOMPARE(QString::fromStdString(names.shortMonthNames[0]), january);
        QCOMPARE(QString::fromStdString(names.longMonthNames[2]), march);
        QCOMPARE(QString::fromStdString(names.shortDayNames[0]), sunday);
        QCOMPARE(QString::fromStdString(names.longDayNames[6]), saturday);
        QCOMPARE(QString::fromStdString(names.dateSeparator), dateSeparator);
        QCOMPARE(QString::fromStdString(names.timeSeparator), timeSeparator);
    }

    // 1 March 2024 was a Friday.
    void namesServeThePatterns() {
        const auto names = LocaleDateFormatNames(QLocale(QLocale::Spanish, QLocale::Spain));
        const auto text = FormatDateTime("dddd d 'de' mmmm", EncodeDate(2024, 3, 1), names);
        QCOMPARE(QString::fromStdString(text), QStringLiteral("viernes 1 de marzo"));
    }
};

int RunLocaleNamesTests(int argc, char** argv) {
    LocaleNamesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LocaleNamesTest.moc"
