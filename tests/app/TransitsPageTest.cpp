// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tránsitos" page driven offscreen: a chart file opened, a search run
// with the page's choices, the list compared with the plain search's rows,
// filtered, and written as CSV and as the export's content.

#include "AppTests.h"
#include "BirthChart.h"
#include "ChartFile.h"
#include "TFormMain.h"
#include "TestFiles.h"
#include "TransitTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <variant>

using namespace kalto;

namespace {

Chart Natal() {
    ChartBirth birth;
    birth.LocalTime = EncodeDate(1990, 5, 17) + EncodeTime(8, 30, 0);
    birth.ZoneName = "Europe/Madrid";
    birth.Latitude = 41.3874;
    birth.Longitude = 2.1686;
    return MakeBirthChart("Ana", birth, *BirthClock(birth));
}

}  // namespace

class TransitsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;
    std::unique_ptr<test::TemporaryFolder> Folder;

    [[nodiscard]] TransitsPage& Page() const { return Form->Transits(); }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Folder = std::make_unique<test::TemporaryFolder>("kalto-transits-page");
        Form->ui().PCContactos->setCurrentWidget(Form->ui().TSTransitos);
    }

    void cleanup() {
        Form.reset();
        Folder.reset();
    }

    // January 2027 at the window's +1: the rows are the plain search's for
    // the page's default choices, the filter keeps one body's, and the CSV
    // and the export hold the rows shown.
    void searchOfAChartFile() {
        const auto file = Folder->Path() / "ana.ini";
        QVERIFY(!SaveChartFile(file, Natal()));
        QVERIFY(Page().OpenChart(file, true));
        QCOMPARE(Page().ui().StrGridPuntos->rowCount(), 13);
        QCOMPARE(Page().ui().StrGridPuntos->item(11, 0)->text(), QStringLiteral("ASC"));
        Form->ui().SETz->setValue(1);
        Page().ui().DTP1->setDate(QDate(2027, 1, 1));
        Page().ui().DTP2->setDate(QDate(2027, 2, 1));
        Page().ui().BCalcTran->click();
        QVERIFY(QTest::qWaitFor([this] { return !Page().Runner().IsRunning(); }, RunTimeout));

        TransitRequest request;
        for (int body = FirstBody; body <= LastComputedBody; ++body) {
            if (body != Lun) request.Bodies.push_back(body);
        }
        request.Points = Natal().Points;
        for (const int degrees : MajorAspects) request.Aspects.push_back({degrees, 1.0});
        request.Start = EncodeDate(2027, 1, 1) - 1.0 / 24;
        request.End = EncodeDate(2027, 2, 1) - 1.0 / 24;
        TransitProgress progress;
        const std::vector<Transit> expected = *SearchTransits(request, progress);
        QCOMPARE(Page().ui().ModelTran->ShownRows(), expected);
        QCOMPARE(Page().ui().LabelStatusTran->text(), QStringLiteral("Status: Tránsitos = %1").arg(expected.size()));

        Page().ui().CBFiltroCuerpo->setCurrentIndex(Page().ui().CBFiltroCuerpo->findText(QStringLiteral("Mar")));
        const auto& shown = Page().ui().ModelTran->ShownRows();
        QVERIFY(!shown.empty());
        QCOMPARE(static_cast<std::ptrdiff_t>(shown.size()),
                 std::count_if(expected.begin(), expected.end(), [](const Transit& row) { return row.Body == Mar; }));
        const std::string csv = Page().CsvOfShownRows();
        QCOMPARE(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), shown.size() + 1);
        QVERIFY(csv.starts_with(TransitCsvHeader));
        const ExportContent content = Page().ContentToExport();
        QVERIFY(std::holds_alternative<TransitsExport>(content));
        QCOMPARE(std::get<TransitsExport>(content).Rows, shown);
        QCOMPARE(std::get<TransitsExport>(content).Heading.front(),
                 std::string("Tránsitos a la carta Ana. Time Zone: 1.00."));
    }

    // Points edited in the grid; a saved chart reads back as edited; a
    // damaged file leaves the chart shown as it was.
    void editingAndFiles() {
        Page().ShowNewChart(Natal());
        QTableWidget* grid = Page().ui().StrGridPuntos;
        grid->item(0, 1)->setText(QStringLiteral("400,5"));
        QCOMPARE(Page().CurrentChart().Points[0].Longitude, 40.5);
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("10° 30' 00\"Tau"));
        grid->item(1, 0)->setText(QStringLiteral("Luna"));
        QCOMPARE(Page().CurrentChart().Points[1].Name, std::string("Luna"));
        Page().ui().BAddPunto->click();
        QCOMPARE(Page().CurrentChart().Points.back().Name, std::string("Punto 14"));
        grid->setCurrentCell(2, 0);
        Page().ui().BDelPunto->click();
        QCOMPARE(Page().CurrentChart().Points.size(), std::size_t{13});
        QCOMPARE(Page().CurrentChart().Points[2].Name, std::string("Ven"));

        const auto file = Folder->Path() / "editada.ini";
        QVERIFY(Page().SaveChart(file, true));
        const Chart edited = Page().CurrentChart();
        test::WriteFile(Folder->Path() / "rota.ini", "[Puntos]\nSol=?\n");
        QVERIFY(!Page().OpenChart(Folder->Path() / "rota.ini", true));
        QCOMPARE(Page().CurrentChart(), edited);
        QVERIFY(Page().OpenChart(file, true));
        QCOMPARE(Page().CurrentChart(), edited);
    }
};

int RunTransitsPageTests(int argc, char** argv) {
    TransitsPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TransitsPageTest.moc"
