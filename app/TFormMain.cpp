// SPDX-License-Identifier: GPL-3.0-or-later
#include "TFormMain.h"

#include "ContactsPage.h"
#include "LocaleNames.h"
#include "PageTabStyle.h"
#include "Product.h"
#include "Settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalto {

TFormMain::TFormMain(QWidget* parent) : TFormMain(std::filesystem::path(), parent) {}

TFormMain::TFormMain(std::filesystem::path settingsFile, QWidget* parent)
    : QMainWindow(parent), SettingsFile(std::move(settingsFile)), Names(LocaleDateFormatNames(QLocale::system())) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(CreateTopStrip());

    Controls.PCContactos = new QTabWidget(central);
    Controls.TSEfemerides = new EphemerisPage(Names);
    Controls.TSContactos = new ContactsPage(Names);
    Controls.TSTransitos = new TransitsPage(Names);
    Controls.PCContactos->addTab(Controls.TSEfemerides, QStringLiteral("    Efemerides"));
    Controls.PCContactos->addTab(Controls.TSContactos, QStringLiteral("   Contactos"));
    Controls.PCContactos->addTab(Controls.TSTransitos, QStringLiteral("   Tránsitos"));
    SetPageTabLook(Controls.PCContactos->tabBar());
    for (int tab = 0; tab < Controls.PCContactos->count(); ++tab) {
        Controls.PCContactos->widget(tab)->setAutoFillBackground(true);  // in the window's colour
    }
    connect(Controls.PCContactos, &QTabWidget::currentChanged, this, &TFormMain::ShowZoneOffset);
    connect(Controls.TSEfemerides, &EphemerisPage::SpanStartChanged, this, &TFormMain::ShowZoneOffset);
    connect(Controls.TSContactos, &ContactsPage::SpanStartChanged, this, &TFormMain::ShowZoneOffset);
    connect(Controls.TSTransitos, &TransitsPage::SpanStartChanged, this, &TFormMain::ShowZoneOffset);
    layout->addWidget(Controls.PCContactos, 1);
    setCentralWidget(central);

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(248, 255, 240));
    setPalette(background);
    setAutoFillBackground(true);

    CreateActions();
    CreateAboutAndHelp();
    FormCreate();
    FormCreateExport();
}

// The start-up values of the window's controls; the pages start with their
// own and then take their keys of the settings file.
void TFormMain::FormCreate() {
    ShowStartSplash();
    const KaltoSettings stored = ReadSettingsFile();
    setWindowTitle(QStringLiteral("%1 %2").arg(ProductName, ProductVersion));
    ApplySettings(stored);
    SETzChange();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // A run or search still going ends without results; its thread is joined
    // when it reports or, at the latest, when the window is destroyed.
    Ephemeris().StopWork();
    Contacts().StopWork();
    Transits().StopWork();
    FormDestroy(event->spontaneous());
    event->accept();
}

// --- Commands ---------------------------------------------------------------

void TFormMain::ActionViewEfemExecute() {
    if (Controls.PCContactos->currentWidget() != Controls.TSEfemerides) {
        Controls.PCContactos->setCurrentWidget(Controls.TSEfemerides);
    } else {
        Ephemeris().ToggleChartView();
    }
}

void TFormMain::ActionCalcExecute() {
    Contacts().BCalcClick();
}

void TFormMain::ActionViewCalcExecute() {
    Controls.PCContactos->setCurrentWidget(Controls.TSContactos);
}

}  // namespace kalto
