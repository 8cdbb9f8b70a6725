// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on the window's side: the stored values handed to their
// controls at start-up, and the controls' values written back at shut-down.

#include "TFormMain.h"

#include "ContactsPage.h"
#include "Settings.h"
#include "SettingsLocation.h"
#include "SettingsRanges.h"
#include "TextForms.h"

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

// Each value goes to its control, held to the control's range: the zone here,
// the rest on the pages. A zone that the database does not know gives way to
// the fixed offset, and says so.
void TFormMain::ApplySettings(const KaltoSettings& stored) {
    const KaltoSettings held = HeldToControlRanges(stored);
    Contacts().ApplySettings(held);
    Controls.SETz->setValue(held.TimeZone);
    if (!SelectZone(held.ZoneName)) {
        std::fprintf(stderr, "Zona desconocida en %s: %s; se usa el desfase fijo %s.\n", SettingsFile.c_str(),
                     held.ZoneName.c_str(), FormatFixed(held.TimeZone, 2).c_str());
    }
    Ephemeris().ApplySettings(held);
    PrintPaper = PaperNamed(held.Paper).value_or(PaperSize::A4);
    Transits().ApplySettings(held);
}

KaltoSettings TFormMain::CurrentSettings() const {
    KaltoSettings settings;
    Contacts().StoreSettings(settings);
    settings.TimeZone = Controls.SETz->value();
    settings.ZoneName = SelectedZoneName();
    settings.Paper = std::string(PaperName(PrintPaper));
    Transits().StoreSettings(settings);
    Ephemeris().StoreSettings(settings);
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
