// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on the window's side: the stored values handed to their
// controls at start-up, and the controls' values written back at shut-down.

#include "TFormMain.h"

#include "ContactsPage.h"
#include "PaintBox.h"
#include "Settings.h"
#include "SettingsLocation.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>

namespace kalto {

// The keys without a fixed default take what their controls hold now.
KaltoSettings TFormMain::ReadSettingsFile() const {
    KaltoSettings shown;
    Contacts().StoreSettings(shown);
    KaltoSettings defaults;
    defaults.Coordinates = shown.Coordinates;
    defaults.Sign = shown.Sign;
    defaults.ContactBody = shown.ContactBody;
    defaults.Angle = shown.Angle;
    if (SettingsFile.empty()) {
        return defaults;
    }
    return LoadSettings(SettingsFile, defaults);
}

// Each value goes to its control; the contacts page takes its own keys.
void TFormMain::ApplySettings(const KaltoSettings& stored) {
    Contacts().ApplySettings(stored);
    SETz->setValue(stored.TimeZone);
    CBDiaEfem->setChecked(stored.DayMarker);
    CBSignos->setChecked(stored.SignLines);
    CBDeca->setChecked(stored.DecanLines);
    CBMes->setChecked(stored.MonthLines);
    CBDias->setChecked(stored.DayLines);
    GraphColors = stored.Colors;
    PaintBoxEfem->update();
}

KaltoSettings TFormMain::CurrentSettings() const {
    KaltoSettings settings;
    Contacts().StoreSettings(settings);
    settings.TimeZone = SETz->value();
    settings.DayMarker = CBDiaEfem->isChecked();
    settings.SignLines = CBSignos->isChecked();
    settings.DecanLines = CBDeca->isChecked();
    settings.MonthLines = CBMes->isChecked();
    settings.DayLines = CBDias->isChecked();
    settings.Colors = GraphColors;
    return settings;
}

// Writes the settings once, when the window first closes, while the event
// loop still runs. A failure always goes to stderr, and to a message box only
// when the user closed the window: a close by SIGTERM, as the desktop session
// ends, shows none, since a modal box would hold up the end of the session
// with nobody there to answer it. The previous file stays as it was.
void TFormMain::FormDestroy(bool closedByUser) {
    if (SettingsFile.empty() || SettingsWritten) {
        return;
    }
    SettingsWritten = true;
    const auto failure = SaveSettings(SettingsFile, CurrentSettings(), DecimalSeparatorOf(QLocale::system()));
    if (!failure) {
        return;
    }
    std::fprintf(stderr, "%s\n", failure->c_str());
    if (closedByUser) {
        QMessageBox::critical(this, windowTitle(), QFile::decodeName(failure->c_str()));
    }
}

}  // namespace kalto
