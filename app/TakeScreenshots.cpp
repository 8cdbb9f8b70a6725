// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's and the user manual's screenshots: the window at 1280 x
// 800 with a finished ephemeris run, the all-bodies table, the events, its graph of every body, the contact
// search of the manual's example, a run in a named zone across a change of
// summer time, the transits of a chart over a year, the birth chart and
// printing dialogs and the about box, each saved as a PNG in the
// folder given. scripts/take-screenshots.sh builds and runs it.
// Usage: kalto_screenshots FOLDER

#include "BirthChart.h"
#include "BirthChartDialog.h"
#include "EphemerisTexts.h"
#include "PaintBox.h"
#include "PrintPagesDialog.h"
#include "QtSpanish.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "TFormAbout.h"
#include "TFormMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

using namespace kalto;

namespace {

constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
constexpr int RunTimeoutMs = 600000;

// Lets the window work until `done` holds; whether it came to within the time.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = RunTimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
    return true;
}

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
    // Layouts that a new text widens (the status bar's panels) settle first.
    QApplication::processEvents();
    const QString file = folder.filePath(name);
    if (!widget->grab().save(file, "PNG")) {
        std::fprintf(stderr, "kalto_screenshots: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

bool RunEphemeris(EphemerisPage& page, QDate start, int spanButton, const QString& step) {
    const auto& ui = page.ui();
    ui.DE1->setDate(start);
    ui.SBMD[static_cast<std::size_t>(spanButton)]->click();
    ui.CBDeltaTiempo->setCurrentIndex(ui.CBDeltaTiempo->findText(step));
    page.BCalContacClick();
    return WaitUntil([&ui] { return ui.LabelStatusEfem->text() == ToQString(StatusComputed); });
}

// "Efemerides": the Sun through March 2027, hourly, the ninth row selected.
bool TakeTable(TFormMain& window, const QDir& folder) {
    EphemerisPage& page = window.Ephemeris();
    page.SBViewChartDataClick();
    if (!RunEphemeris(page, QDate(2027, 3, 1), 0, QStringLiteral("60 min"))) {
        return false;
    }
    page.ui().StrGridEfem->selectRow(8);
    return Save(&window, folder, QStringLiteral("efemerides.png"));
}

// "Todos": every body of February 2027 day by day, Mercury turning
// retrograde; then back to the Sun.
bool TakeAllBodies(TFormMain& window, const QDir& folder) {
    EphemerisPage& page = window.Ephemeris();
    if (!RunEphemeris(page, QDate(2027, 2, 1), 0, QStringLiteral("24 horas"))) {
        return false;
    }
    page.ui().SBP[ComputedBodyCount]->click();
    page.ui().StrGridTodos->selectRow(9);
    const bool saved = Save(&window, folder, QStringLiteral("todos.png"));
    page.ui().SBP[0]->click();
    return saved;
}

// "Eventos": the events of that February, the list as found.
bool TakeEvents(TFormMain& window, const QDir& folder) {
    EphemerisPage& page = window.Ephemeris();
    page.SBViewEventosClick();
    const EventsView& events = *page.ui().Eventos;
    if (!WaitUntil([&events] { return !events.Runner().IsRunning(); })) {
        return false;
    }
    const bool saved = Save(&window, folder, QStringLiteral("eventos.png"));
    page.SBViewChartDataClick();
    return saved;
}

// "Gráfico": every body through 2027, the day marker on the March equinox and
// the pointer on the chart.
bool TakeGraph(TFormMain& window, const QDir& folder) {
    EphemerisPage& page = window.Ephemeris();
    if (!RunEphemeris(page, QDate(2027, 1, 1), 5, QStringLiteral("60 min"))) {
        return false;
    }
    page.SBViewChartDiagramaClick();
    const auto& graph = page.Graph().ui();
    graph.SBViewAll->click();
    graph.DateDiaEfe->setDateTime(QDateTime(QDate(2027, 3, 20), QTime(12, 0), Qt::UTC));
    graph.PaintBoxEfem->grab();  // a paint lays the chart out for the pointer
    const QPoint pointer(graph.PaintBoxEfem->width() * 3 / 8, graph.PaintBoxEfem->height() / 4);
    QMouseEvent move(QEvent::MouseMove, pointer, graph.PaintBoxEfem->mapToGlobal(pointer), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(graph.PaintBoxEfem, &move);
    return Save(&window, folder, QStringLiteral("grafico.png"));
}

// "Contactos": the Sun at multiples of 30° from 0° 0' 0" ecliptic through
// 2027, orb 0° 30', with the first contact's details.
bool TakeContacts(TFormMain& window, const QDir& folder) {
    window.ui().PCContactos->setCurrentWidget(window.ui().TSContactos);
    window.Contacts().ui().RGPlanetas->Button(0)->click();
    window.Contacts().ui().DTP1->setDate(QDate(2027, 1, 1));
    window.Contacts().ui().SE[5]->click();  // 12 m
    window.Contacts().ui().SEAngulo->setValue(30);
    window.Contacts().ui().RGTipoAngulo->setCurrentIndex(0);  // Múltiplo
    window.Contacts().ui().SEGraOrb->setValue(0);
    window.Contacts().ui().SEMinOrb->setValue(30);
    window.Contacts().ui().RGCord->Button(0)->click();  // Eclíptica
    window.Contacts().ui().SEGraLon->setValue(0);
    window.Contacts().ui().SEMinLon->setValue(0);
    window.Contacts().ui().SESecLon->setValue(0);
    window.Contacts().ui().CBContacDet->setChecked(true);
    window.Contacts().BCalcClick();
    if (!WaitUntil([&window] { return !window.Contacts().Runner().IsRunning(); })) {
        return false;
    }
    window.Contacts().ui().StrGridCont->selectRow(0);
    return Save(&window, folder, QStringLiteral("contactos.png"));
}

// "Zona:" Europe/Madrid: the Sun hourly on the day summer time starts in
// 2027, the row of 03:00, which follows 01:00, selected; then back to the
// fixed offset.
bool TakeZone(TFormMain& window, const QDir& folder) {
    window.ui().PCContactos->setCurrentWidget(window.ui().TSEfemerides);
    window.ui().CBZona->setCurrentIndex(window.ui().CBZona->findText(QStringLiteral("Europe/Madrid")));
    EphemerisPage& page = window.Ephemeris();
    page.SBViewChartDataClick();
    page.ui().DE1->setDate(QDate(2027, 3, 28));
    page.ui().DE2->setDate(QDate(2027, 3, 28));
    page.ui().CBDeltaTiempo->setCurrentIndex(page.ui().CBDeltaTiempo->findText(QStringLiteral("60 min")));
    page.BCalContacClick();
    if (!WaitUntil([&page] { return page.ui().LabelStatusEfem->text() == ToQString(StatusComputed); })) {
        return false;
    }
    page.ui().StrGridEfem->selectRow(2);
    const bool saved = Save(&window, folder, QStringLiteral("zona.png"));
    window.ui().CBZona->setCurrentIndex(0);
    return saved;
}

// "Tránsitos": a birth chart in Barcelona against 2027, the five major
// aspects at 1°.
bool TakeTransits(TFormMain& window, const QDir& folder) {
    window.ui().PCContactos->setCurrentWidget(window.ui().TSTransitos);
    TransitsPage& page = window.Transits();
    ChartBirth birth;
    birth.LocalTime = EncodeDate(1990, 5, 17) + EncodeTime(8, 30, 0);
    birth.ZoneName = "Europe/Madrid";
    birth.Latitude = 41.3874;
    birth.Longitude = 2.1686;
    page.ShowNewChart(MakeBirthChart("Ana", birth, *BirthClock(birth)));
    page.ui().DTP1->setDate(QDate(2027, 1, 1));
    page.ui().DTP2->setDate(QDate(2028, 1, 1));
    page.BCalcTranClick();
    if (!WaitUntil([&page] { return !page.Runner().IsRunning(); })) {
        return false;
    }
    page.ui().StrGridTran->selectRow(3);
    return Save(&window, folder, QStringLiteral("transitos.png"));
}

// The dialogs of "Nueva..." and "Imprimir...", filled in, shown without
// waiting for an answer.
bool TakeDialogs(const QDir& folder) {
    BirthChartDialog birth;
    birth.ui().EditNombre->setText(QStringLiteral("Ana"));
    birth.ui().DTPNacimiento->setDateTime(QDateTime(QDate(1990, 5, 17), QTime(8, 30), Qt::UTC));
    birth.ui().CBZonaNacimiento->setCurrentIndex(
        birth.ui().CBZonaNacimiento->findText(QStringLiteral("Europe/Madrid")));
    birth.ui().CBLugar->setChecked(true);
    birth.ui().SELatitud->setValue(41.3874);
    birth.ui().SELongitud->setValue(2.1686);
    birth.show();
    PrintPagesDialog print(WallClock(), SpanishDateFormatNames(), PaperSize::A4);
    print.ui().DTPMesDesde->setDate(QDate(2027, 1, 1));
    print.ui().DTPMesHasta->setDate(QDate(2027, 12, 1));
    print.show();
    return Save(&birth, folder, QStringLiteral("carta.png")) && Save(&print, folder, QStringLiteral("imprimir.png"));
}

// The about box as F2 opens it; it is grabbed and closed once it shows.
bool TakeAbout(TFormMain& window, const QDir& folder) {
    bool saved = false;
    QTimer::singleShot(0, &window, [&] {
        TFormAbout* about = nullptr;
        WaitUntil(
            [&about] {
                about = qobject_cast<TFormAbout*>(QApplication::activeModalWidget());
                return about != nullptr && about->isVisible();
            },
            10000);
        if (about != nullptr) {
            saved = Save(about, folder, QStringLiteral("acerca-de.png"));
            about->accept();
        }
    });
    window.ui().ActionViewAbout->trigger();
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("KALTO_NO_SPLASH", "1");
    QApplication application(argc, argv);
    InstallQtSpanish(application);
    if (argc != 2) {
        std::fprintf(stderr, "uso: kalto_screenshots CARPETA\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    TFormMain window;  // without a settings file: the controls' design values
    window.resize(WindowWidth, WindowHeight);
    window.show();
    WaitUntil([&window] { return window.isVisible(); }, 10000);

    const bool ok = TakeTable(window, folder) && TakeAllBodies(window, folder) && TakeEvents(window, folder) &&
                    TakeGraph(window, folder) && TakeContacts(window, folder) && TakeZone(window, folder) &&
                    TakeTransits(window, folder) && TakeDialogs(folder) && TakeAbout(window, folder);
    if (!ok) {
        std::fprintf(stderr, "kalto_screenshots: a screenshot could not be taken\n");
    }
    window.close();
    return ok ? 0 : 1;
}
