// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris table's item model on its own: the blank line without rows,
// the headers, the cell texts of hand-made rows, and rows shared, not copied.

#include "EphemerisTable.h"
#include "EphemerisTableModel.h"
#include "LocaleNames.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kalto;

namespace {

DateFormatNames EnglishNames() {
    return LocaleDateFormatNames(QLocale(QLocale::English, QLocale::UnitedStates));
}

EphemerisRow MakeRow(TDateTime localTime, float longitude, float latitude, float rightAscension, float declination) {
    EphemerisRow row;
    row.Longitude = longitude;
    row.Latitude = latitude;
    row.RightAscension = rightAscension;
    row.Declination = declination;
    row.UniversalTime = localTime;
    return row;
}

// Two rows for every body; the first row's longitude is 135° 22' 07" for the
// Sun and one degree more for each later body, so that bodies can be told apart.
EphemerisRows TwoRowRun() {
    auto rows = std::make_shared<EphemerisRowSet>();
    for (int body = FirstBody; body <= LastComputedBody; ++body) {
        auto& sequence = rows->Bodies[static_cast<std::size_t>(body)];
        sequence.push_back(MakeRow(EncodeDate(2024, 3, 1) + EncodeTime(13, 5, 0),
                                   135.36861F + static_cast<float>(body - Sol), 1.5F, 200.0F, -7.5F));
        sequence.push_back(MakeRow(EncodeDate(2024, 3, 2), 359.999F, -0.25F, 10.0F, 23.25F));
    }
    return rows;
}

QString Cell(const EphemerisTableModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

}  // namespace

class EphemerisTableModelTest : public QObject {
    Q_OBJECT

private slots:
    void withoutRowsShowsOneBlankLine() {
        EphemerisTableModel model(EnglishNames());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.columnCount(), 8);
        for (int column = 0; column < model.columnCount(); ++column) {
            QCOMPARE(Cell(model, 0, column), QString());
        }
    }

    void headers_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("header");
        QTest::newRow("Día") << 0 << QStringLiteral("Día");
        QTest::newRow("Fecha") << 1 << QStringLiteral("Fecha");
        QTest::newRow("Val.") << 2 << QStringLiteral("Val.");
        QTest::newRow("Hora") << 3 << QStringLiteral("Hora");
        QTest::newRow("Lon.") << 4 << QStringLiteral("Lon.");
        QTest::newRow("Lat.") << 5 << QStringLiteral("Lat.");
        QTest::newRow("AR.") << 6 << QStringLiteral("AR.");
        QTest::newRow("Dec.") << 7 << QStringLiteral("Dec.");
    }

    void headers() {
        QFETCH(int, column);
        QFETCH(QString, header);
        EphemerisTableModel model(EnglishNames());
        QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), header);
        QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignTop));
    }

    void cellTexts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("line number") << 0 << 0 << QStringLiteral(" 1");
        QTest::newRow("second line number") << 1 << 0 << QStringLiteral(" 2");
        QTest::newRow("date with weekday") << 0 << 1 << QStringLiteral("Mar 01 2024, Fri");
        QTest::newRow("position in Leo") << 0 << 2 << QStringLiteral(" 15° 22' 07\"Leo");
        QTest::newRow("time, 12-hour clock") << 0 << 3 << QStringLiteral("01:05 pm");
        QTest::newRow("midnight") << 1 << 3 << QStringLiteral("12:00 am");
        QTest::newRow("longitude") << 0 << 4 << QStringLiteral(" 135° 22' 07\"");
        QTest::newRow("latitude with sign") << 0 << 5 << QStringLiteral("+ 01° 30' 00\"");
        QTest::newRow("negative latitude") << 1 << 5 << QStringLiteral("- 00° 15' 00\"");
        QTest::newRow("right ascension in degrees") << 0 << 6 << QStringLiteral("+ 200° 00' 00\"");
        QTest::newRow("declination") << 0 << 7 << QStringLiteral("- 07° 30' 00\"");
    }

    void cellTexts() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        EphemerisTableModel model(EnglishNames());
        model.Fill(TwoRowRun(), Sol);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(Cell(model, row, column), text);
        QCOMPARE(model.data(model.index(row, column), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignTop));
    }

    void lastDegreesOfPisces() {
        EphemerisTableModel model(EnglishNames());
        model.Fill(TwoRowRun(), Sol);
        QVERIFY2(Cell(model, 1, 2).endsWith(QStringLiteral("Pis")), qPrintable(Cell(model, 1, 2)));
    }

    void everyCellIsTheTableText() {
        const auto rows = TwoRowRun();
        const auto names = EnglishNames();
        EphemerisTableModel model(names);
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            model.Fill(rows, body);
            const auto& sequence = rows->Bodies[static_cast<std::size_t>(body)];
            for (int row = 0; row < model.rowCount(); ++row) {
                for (int column = 0; column < model.columnCount(); ++column) {
                    const auto expected =
                        EphemerisCellText(sequence[static_cast<std::size_t>(row)], row + 1, column, names, rows->Clock);
                    QCOMPARE(Cell(model, row, column), QString::fromStdString(expected));
                }
            }
        }
    }

    void bodiesAreToldApart() {
        EphemerisTableModel model(EnglishNames());
        model.Fill(TwoRowRun(), Sol);
        const QString sun = Cell(model, 0, 4);
        model.Fill(TwoRowRun(), Nod);
        QVERIFY(Cell(model, 0, 4) != sun);
        QCOMPARE(model.Body(), int(Nod));
    }

    void fillSharesTheRowsAndResetsTheViews() {
        const auto rows = TwoRowRun();
        EphemerisTableModel model(EnglishNames());
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.Fill(rows, Sol);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.Rows().get(), rows.get());
        QCOMPARE(rows.use_count(), 2L);
    }

    void emptyingTheRowsBringsBackTheBlankLine() {
        EphemerisTableModel model(EnglishNames());
        model.Fill(TwoRowRun(), Sol);
        model.Fill(nullptr, Sol);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(Cell(model, 0, 1), QString());
    }

    // The largest run a body can hold after the 730-day limit: 732 days at
    // 5 minutes. The line number grows with it.
    void largestRun() {
        constexpr int rowCount = 732 * 288;
        auto rows = std::make_shared<EphemerisRowSet>();
        rows->Bodies[Sol].assign(rowCount, MakeRow(EncodeDate(2024, 1, 1), 10.0F, 0.0F, 10.0F, 0.0F));
        EphemerisTableModel model(EnglishNames());
        model.Fill(rows, Sol);
        QCOMPARE(model.rowCount(), rowCount);
        QCOMPARE(Cell(model, rowCount - 1, 0), QStringLiteral(" 210816"));
    }
};

int RunEphemerisTableModelTests(int argc, char** argv) {
    EphemerisTableModelTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EphemerisTableModelTest.moc"
