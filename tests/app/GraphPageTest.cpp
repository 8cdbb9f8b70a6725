// SPDX-License-Identifier: GPL-3.0-or-later
// The "Grafico" page driven offscreen: the chart read back pixel by pixel after
// a run, its options changed through their controls, the pointer moved and
// clicked over it, and the status bar read.

#include "AppTests.h"
#include "ColorPicker.h"
#include "EphemerisTexts.h"
#include "GraphColors.h"
#include "LocaleNames.h"
#include "PaintBox.h"
#include "QtText.h"
#include "StatusPanels.h"
#include "TFormMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <optional>

using namespace kalto;

namespace {

// The run of every test: 2024-01-01 to 2024-01-15 (14 days apart, 15 day
// columns) at "24 horas". The Sun stays in Capricorn throughout (about 280° to
// 295°).
const QDate RunStart(2024, 1, 1);
const QDate RunEnd(2024, 1, 15);
constexpr int RunDays = 15;
constexpr int CapricornBand = 9;  // with twelve bands from Ari

QColor BodyColor(int body) {
    const TColor color = BodyColors[static_cast<std::size_t>(body)];
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

int CountPixels(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

// The rows that hold pixels of `color`: first and last, none when absent.
std::optional<std::pair<int, int>> RowsOf(const QImage& image, QColor color) {
    std::optional<std::pair<int, int>> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                rows = rows ? std::pair{rows->first, y} : std::pair{y, y};
                break;
            }
        }
    }
    return rows;
}

}  // namespace

class GraphPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    [[nodiscard]] EphemerisPage& Page() const { return Form->Ephemeris(); }
    [[nodiscard]] GraphView& Graph() const { return Form->Ephemeris().Graph(); }
    DateFormatNames Names = LocaleDateFormatNames(QLocale::system());

    // The chart as it paints now; the paint also refreshes the form's geometry
    // and its status panels 0 and 2.
    QImage Chart() const { return Graph().ui().PaintBoxEfem->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Runs the span with the graph page showing; whether the run completed and
    // its commit repainted the chart.
    [[nodiscard]] bool RunSpan() {
        Page().SBViewChartDiagramaClick();
        Page().ui().DE1->setDate(RunStart);
        Page().ui().DE2->setDate(RunEnd);
        Page().ui().CBDeltaTiempo->setCurrentIndex(0);
        QTest::keyClick(Form.get(), Qt::Key_F8);
        return WaitForStatus(Page().ui().LabelStatusEfem, ToQString(StatusComputed)) &&
               QTest::qWaitFor([this] { return Graph().Geometry().GraphDays == RunDays; });
    }

    [[nodiscard]] QPoint PlotPoint(int day, int band) const {
        const auto& g = Graph().Geometry();
        return {g.LeftMargin + day * g.DayWidth, g.TopMargin + band * g.BandHeight};
    }

    // Picks a standard colour from the picker's drop-down as the user does;
    // whether its swatch was there.
    [[nodiscard]] bool PickStandardColor(const QString& name) {
        bool found = false;
        QTimer::singleShot(100, this, [name, &found] {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup == nullptr) {
                return;
            }
            for (auto* swatch : popup->findChildren<QToolButton*>()) {
                if (swatch->toolTip() == name) {
                    found = true;
                    QTest::mouseClick(swatch, Qt::LeftButton);
                    return;
                }
            }
            popup->close();
        });
        QTest::mouseClick(Graph().ui().CP, Qt::LeftButton);
        return QTest::qWaitFor([&found] { return found; }, 2000);
    }

private slots:
    void init() {
        Form = std::make_unique<TFormMain>();
        Form->resize(1200, 800);
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    void cleanup() { Form.reset(); }

    void f5ShowsTheGraphPage() {
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Page().ui().NotebookData->currentWidget()->objectName(), QStringLiteral("Grafico"));
        QVERIFY(Page().ui().SBViewChartDiagrama->isChecked());
        QVERIFY(Graph().ui().PaintBoxEfem->isVisible());
        QVERIFY(Graph().ui().PanelConfigViewPlanets->isVisible());
        QVERIFY(Graph().ui().StatusBar1->isVisible());
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Page().ui().NotebookData->currentIndex(), 0);
        QVERIFY(!Graph().ui().PaintBoxEfem->isVisible());
    }

    void startUpOptions() {
        QCOMPARE(Graph().ui().SENoSigno->value(), 12);
        QCOMPARE(Graph().ui().SENoSigno->minimum(), 1);
        QCOMPARE(Graph().ui().SENoSigno->maximum(), 12);
        QCOMPARE(Graph().ui().CBSigno->count(), 12);
        QCOMPARE(Graph().ui().CBSigno->currentText(), QStringLiteral("Ari"));
        QCOMPARE(Graph().ui().CBSigno->itemText(10), QStringLiteral("Acu"));
        const QStringList glyphs{QStringLiteral("Círculo"),   QStringLiteral("Cuadrado"), QStringLiteral("Triangulo"),
                                 QStringLiteral("Asterísco"), QStringLiteral("Imagen"),   QStringLiteral("[Ninguno]")};
        QCOMPARE(Graph().ui().CBLTipoImagen->count(), glyphs.size());
        for (int i = 0; i < glyphs.size(); ++i) {
            QCOMPARE(Graph().ui().CBLTipoImagen->itemText(i), glyphs[i]);
        }
        QCOMPARE(Graph().ui().CBLTipoImagen->currentIndex(), 5);
        QVERIFY(Graph().ui().CBLinea->isChecked());
        QVERIFY(Graph().ui().CBSignos->isChecked());
        QVERIFY(Graph().ui().CBDeca->isChecked());
        QVERIFY(!Graph().ui().CBDias->isChecked());
        QVERIFY(Graph().ui().CBMes->isChecked());
        QVERIFY(Graph().ui().CBDiaEfem->isChecked());
        QCOMPARE(Graph().ui().DateDiaEfe->date(), QDate::currentDate());
        QCOMPARE(Graph().ui().RxSDeltaDia->value(), 1);
        QCOMPARE(Graph().ui().RxSDeltaDia->maximum(), 120);
        QCOMPARE(Graph().ui().RxSDeltaDia->singleStep(), 5);
        QCOMPARE(Graph().SelectedColorSlot(), 1);
        QVERIFY(Graph().ui().RBC[0]->isChecked());
        QVERIFY(Graph().Colors() == GraphColors{});
        // The picker shows the colour of the slot chosen, "Día".
        QCOMPARE(Graph().ui().CP->Color(), QColor(255, 0, 0));
        QVERIFY(!Graph().ui().CBVP[11]->isVisibleTo(Form.get()));
    }

    // Each body box carries the body's name and, as its font colour, the
    // colour of its series.
    void bodyBoxesCaptionsAndColours() {
        const std::array boxes{Graph().ui().CBVP[0], Graph().ui().CBVP[1], Graph().ui().CBVP[2], Graph().ui().CBVP[3],
                               Graph().ui().CBVP[4], Graph().ui().CBVP[5], Graph().ui().CBVP[6], Graph().ui().CBVP[7],
                               Graph().ui().CBVP[8], Graph().ui().CBVP[9], Graph().ui().CBVP[10]};
        const QStringList captions{"Sol", "Lun", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Nod"};
        for (int body = Sol; body <= Nod; ++body) {
            QCheckBox* box = boxes[static_cast<std::size_t>(body - 1)];
            QCOMPARE(box->text(), captions[body - 1]);
            QVERIFY(!box->isChecked());
            QCOMPARE(box->palette().color(QPalette::WindowText), BodyColor(body));
        }
        const std::array slotButtons{Graph().ui().RBC[0], Graph().ui().RBC[1], Graph().ui().RBC[2],
                                     Graph().ui().RBC[3], Graph().ui().RBC[4], Graph().ui().RBC[5]};
        const QStringList slotCaptions{"Día", "Signo", "Deca.", "Mes", "Dias", "Fondo"};
        for (std::size_t i = 0; i < slotButtons.size(); ++i) {
            QCOMPARE(slotButtons[i]->text(), slotCaptions[static_cast<int>(i)]);
        }
    }

    // The run's commit repaints the chart with the new rows; the ticked body
    // shows in its colour on the background, and unticking it removes it.
    void runDrawsTheTickedBodies() {
        Graph().ui().CBVP[0]->setChecked(true);
        QVERIFY(RunSpan());

        QImage chart = Chart();
        const QColor sun = BodyColor(Sol);
        QVERIFY(CountPixels(chart, sun) > RunDays);
        // Between the top line and the first decan line of the Ari band.
        const QPoint background = PlotPoint(3, 0) + QPoint(1, Graph().Geometry().DecanStep / 2);
        QCOMPARE(chart.pixelColor(background), QColor(255, 255, 255));

        Graph().ui().CBVP[0]->setChecked(false);
        chart = Chart();
        QCOMPARE(CountPixels(chart, sun), 0);
        QCOMPARE(chart.pixelColor(background), QColor(255, 255, 255));
    }

    // "T" draws every body in its colour, also when one was ticked already;
    // "N" none.
    void allAndNoneButtons() {
        Graph().ui().CBVP[10]->setChecked(true);
        QVERIFY(RunSpan());
        QTest::mouseClick(Graph().ui().SBViewAll, Qt::LeftButton);
        QImage chart = Chart();
        for (int body = Sol; body <= Nod; ++body) {
            QVERIFY2(CountPixels(chart, BodyColor(body)) > 0, BodyLabels[static_cast<std::size_t>(body)].data());
        }
        QTest::mouseClick(Graph().ui().SBViewNone, Qt::LeftButton);
        chart = Chart();
        for (int body = Sol; body <= Nod; ++body) {
            QVERIFY2(CountPixels(chart, BodyColor(body)) == 0, BodyLabels[static_cast<std::size_t>(body)].data());
        }
    }

    void signBandsFollowCountAndFirstSign_data() {
        QTest::addColumn<int>("signs");
        QTest::addColumn<int>("firstSign");
        QTest::addColumn<int>("sunBand");  // -1: below the last band, off the chart
        QTest::newRow("twelve from Ari") << 12 << 0 << CapricornBand;
        QTest::newRow("four from Cap") << 4 << 9 << 0;
        QTest::newRow("four from Sag") << 4 << 8 << 1;
        QTest::newRow("one, Cap") << 1 << 9 << 0;
        QTest::newRow("three from Acu: Cap is the twelfth") << 3 << 10 << -1;
        QTest::newRow("four from Ari: Cap is not shown") << 4 << 0 << -1;
    }

    void signBandsFollowCountAndFirstSign() {
        QFETCH(int, signs);
        QFETCH(int, firstSign);
        QFETCH(int, sunBand);
        Graph().ui().CBVP[0]->setChecked(true);
        QVERIFY(RunSpan());
        Graph().ui().SENoSigno->setValue(signs);
        Graph().ui().CBSigno->setCurrentIndex(firstSign);

        const QImage chart = Chart();
        QCOMPARE(Graph().Geometry().GraphSigns, signs);
        const auto rows = RowsOf(chart, BodyColor(Sol));
        if (sunBand < 0) {
            QVERIFY(!rows.has_value());
            return;
        }
        QVERIFY(rows.has_value());
        QVERIFY(rows->first >= PlotPoint(0, sunBand).y());
        QVERIFY(rows->second <= PlotPoint(0, sunBand + 1).y());
    }

    void pointerReadout_data() {
        QTest::addColumn<int>("firstSign");
        QTest::addColumn<int>("day");   // day column, -1: the left margin
        QTest::addColumn<int>("band");  // sign band, -1: above the top margin
        QTest::addColumn<QString>("place");
        QTest::newRow("start of day 2, top of the fourth band") << 0 << 2 << 3 << QStringLiteral(", 00º 00' 00\" Can");
        QTest::newRow("the same point with Acu on top") << 10 << 2 << 3 << QStringLiteral(", 00º 00' 00\" Tau");
        QTest::newRow("the last day, the top band") << 0 << 14 << 0 << QStringLiteral(", 00º 00' 00\" Ari");
        QTest::newRow("the left margin") << 0 << -1 << 3 << QString();
        QTest::newRow("above the top margin") << 0 << 2 << -1 << QString();
        QTest::newRow("right of the last day") << 0 << RunDays << 3 << QString();
    }

    void pointerReadout() {
        QFETCH(int, firstSign);
        QFETCH(int, day);
        QFETCH(int, band);
        QFETCH(QString, place);
        QVERIFY(RunSpan());
        Graph().ui().CBSigno->setCurrentIndex(firstSign);
        // The page has been painted with the run and the sign chosen.
        QTRY_VERIFY(Graph().Geometry().GraphDays == RunDays && Graph().Geometry().GraphFirstSign == firstSign);

        QPoint point = PlotPoint(std::max(day, 0), std::max(band, 0));
        point.rx() += day < 0 ? -Graph().Geometry().LeftMargin / 2 : 0;
        point.ry() += band < 0 ? -Graph().Geometry().TopMargin / 2 : 0;
        QVERIFY(point.x() < Graph().ui().PaintBoxEfem->width());
        // A move to where the pointer already is sends no event: start elsewhere.
        QTest::mouseMove(Graph().ui().PaintBoxEfem, point + QPoint(1, 1));
        Graph().ui().StatusBar1->SetText(1, QStringLiteral("stale"));
        QTest::mouseMove(Graph().ui().PaintBoxEfem, point);

        // "ene/03/2024 [12:00 am]": 00:00 of the day, January 2024.
        const QString date = ToQString(Names.shortMonthNames[0]) + ToQString(Names.dateSeparator) +
                             QStringLiteral("%1").arg(day + 1, 2, 10, QChar(u'0')) + ToQString(Names.dateSeparator) +
                             QStringLiteral("2024 [12") + ToQString(Names.timeSeparator) + QStringLiteral("00 am]");
        QTRY_COMPARE(Graph().ui().StatusBar1->Text(1), place.isEmpty() ? QString() : date + place);
    }

    // Before the first run the chart has no days: the pointer names none and
    // a click leaves the marker where it is.
    void nothingUnderThePointerBeforeARun() {
        Page().SBViewChartDiagramaClick();
        Chart();  // painted, laid out for the pointer
        const QDateTime marker = Graph().ui().DateDiaEfe->dateTime();
        QTest::mouseMove(Graph().ui().PaintBoxEfem, PlotPoint(0, 2) + QPoint(5, 5));
        QTest::mouseMove(Graph().ui().PaintBoxEfem, PlotPoint(0, 3) + QPoint(5, 5));
        QCOMPARE(Graph().ui().StatusBar1->Text(1), QString());
        QTest::mouseClick(Graph().ui().PaintBoxEfem, Qt::LeftButton, {}, PlotPoint(0, 3) + QPoint(5, 5));
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), marker);
    }

    // The read-out names nothing once the pointer has left the chart.
    void pointerLeavingClearsTheReadout() {
        QVERIFY(RunSpan());
        QTest::mouseMove(Graph().ui().PaintBoxEfem, PlotPoint(2, 2));
        QTRY_VERIFY(!Graph().ui().StatusBar1->Text(1).isEmpty());
        QWidget* options = Graph().ui().PanelConfigViewPlanets;
        QTest::mouseMove(options, options->rect().center());
        QTRY_COMPARE(Graph().ui().StatusBar1->Text(1), QString());
    }

    // A click moves the marker to the moment under the pointer, when the
    // marker is on and the click lies on the plot.
    void clickMovesTheDayMarker() {
        Graph().ui().CBVP[0]->setChecked(true);
        QVERIFY(RunSpan());
        const QColor dayColor(255, 0, 0);
        QCOMPARE(CountPixels(Chart(), dayColor), 0);  // today lies outside the run

        QTest::mouseClick(Graph().ui().PaintBoxEfem, Qt::LeftButton, {}, PlotPoint(5, 4) + QPoint(0, 7));
        const QDateTime sixth(QDate(2024, 1, 6), QTime(0, 0), Qt::UTC);
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), sixth);
        // 2024-01-06 is a Saturday.
        QTRY_COMPARE(Graph().ui().StatusBar1->Text(0), ToQString(Names.longDayNames[6]) + QStringLiteral(", ") +
                                                           ToQString(Names.shortMonthNames[0]) +
                                                           QStringLiteral("-06-2024"));
        const QImage chart = Chart();
        const int markerX = PlotPoint(5, 0).x();
        QCOMPARE(chart.pixelColor(markerX, PlotPoint(0, 1).y() + 3), dayColor);

        // Nothing moves it from the margins, nor with the marker off.
        QTest::mouseClick(Graph().ui().PaintBoxEfem, Qt::LeftButton, {},
                          QPoint(Graph().Geometry().LeftMargin - 3, 200));
        QTest::mouseClick(Graph().ui().PaintBoxEfem, Qt::LeftButton, {}, QPoint(200, Graph().Geometry().TopMargin - 3));
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), sixth);
        Graph().ui().CBDiaEfem->setChecked(false);
        QTest::mouseClick(Graph().ui().PaintBoxEfem, Qt::LeftButton, {}, PlotPoint(9, 4));
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), sixth);
        QCOMPARE(CountPixels(Chart(), dayColor), 0);
    }

    void stepButtonsMoveTheMarker() {
        const QDateTime start = Graph().ui().DateDiaEfe->dateTime();
        Graph().ui().RxSDeltaDia->setValue(5);
        QTest::mouseClick(Graph().ui().BNext, Qt::LeftButton);
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), start.addDays(5));
        QTest::mouseClick(Graph().ui().BPrev, Qt::LeftButton);
        QTest::mouseClick(Graph().ui().BPrev, Qt::LeftButton);
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), start.addDays(-5));
        Graph().ui().RxSDeltaDia->setValue(0);
        QTest::mouseClick(Graph().ui().BNext, Qt::LeftButton);
        QCOMPARE(Graph().ui().DateDiaEfe->dateTime(), start.addDays(-5));
    }

    // The slot buttons choose what the picker edits; the reset button brings
    // back every default.
    void colourSlotsPickerAndReset() {
        QVERIFY(RunSpan());
        const QPoint background = PlotPoint(3, 0) + QPoint(1, 3);
        QCOMPARE(Chart().pixelColor(background), QColor(255, 255, 255));

        QTest::mouseClick(Graph().ui().RBC[5], Qt::LeftButton);
        QCOMPARE(Graph().SelectedColorSlot(), static_cast<int>(BackColor));
        QCOMPARE(Graph().ui().CP->Color(), QColor(255, 255, 255));
        QVERIFY(PickStandardColor(QStringLiteral("Amarillo")));
        QCOMPARE(Graph().ui().CP->Color(), QColor(255, 255, 0));
        QCOMPARE(Graph().Colors()[BackColor], RgbColor(255, 255, 0));
        QCOMPARE(Chart().pixelColor(background), QColor(255, 255, 0));
        QCOMPARE(Graph().Colors()[DayColor], kalto::GraphColors{}[DayColor]);

        QTest::mouseClick(Graph().ui().RBC[1], Qt::LeftButton);
        QCOMPARE(Graph().SelectedColorSlot(), static_cast<int>(SignColor));
        QCOMPARE(Graph().ui().CP->Color(), QColor(162, 193, 232));
        QVERIFY(PickStandardColor(QStringLiteral("Verde")));
        // The line under the first sign band.
        const QPoint signLine = PlotPoint(3, 1) + QPoint(1, 0);
        QCOMPARE(Chart().pixelColor(signLine), QColor(0, 128, 0));

        QTest::mouseClick(Graph().ui().SBResetColor, Qt::LeftButton);
        QVERIFY(Graph().Colors() == kalto::GraphColors{});
        QCOMPARE(Graph().ui().CP->Color(), QColor(162, 193, 232));
        const QImage chart = Chart();
        QCOMPARE(chart.pixelColor(background), QColor(255, 255, 255));
        QCOMPARE(chart.pixelColor(signLine), QColor(162, 193, 232));
    }
};

int RunGraphPageTests(int argc, char** argv) {
    GraphPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GraphPageTest.moc"
