// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on the window's side: the stored values handed to their
// controls at start-up, and the controls' values written back at shut-down.

#include "TFormMain.h"

#include "RadioGroup.h"
#include "Settings.h"
#include "SettingsLocation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <cstdio>

namespace kalto {

namespace {

// The largest whole degrees SEGraLon holds once its handler has run; its range
// reaches one further so that spinning past the end wraps round.
int MaxPositionDegrees(CoordinateMode mode) {
    return mode == CoordinateMode::Zodiac ? 29 : 359;
}

// SEMinLon, SESecLon and SEMinOrb likewise hold 0 to 59 at rest.
int HeldMinutes(int minutes) {
    return std::clamp(minutes, 0, 59);
}

}  // namespace

// The keys without a fixed default take what their controls hold now.
KaltoSettings TFormMain::ReadSettingsFile() const {
    KaltoSettings defaults;
    defaults.Coordinates = RGCord->ItemIndex();
    defaults.Sign = RGSignos->ItemIndex();
    defaults.ContactBody = ContactBody - FirstBody;
    defaults.Angle = SEAngulo->value();
    if (SettingsFile.empty()) {
        return defaults;
    }
    return LoadSettings(SettingsFile, defaults);
}

// Each value goes to its control, held to the control's range: the zone here,
// the rest on the pages.
void TFormMain::ApplySettings(const KaltoSettings& stored) {
    ApplyContactSettings(stored);
    Controls.SETz->setValue(stored.TimeZone);
    Ephemeris().ApplySettings(stored);
}

// The body is chosen without a click, so that "autom." starts no search at
// start-up.
void TFormMain::ApplyContactSettings(const KaltoSettings& stored) {
    RGPlanetas->SetItemIndex(std::clamp(stored.ContactBody, 0, RGPlanetas->Count() - 1));
    ContactBody = RGPlanetas->ItemIndex() + FirstBody;

    // The degrees count in the coordinates the file was written in.
    const auto mode = static_cast<CoordinateMode>(std::clamp(stored.Coordinates, 0, RGCord->Count() - 1));
    ShowPosition({.Degrees = std::clamp(stored.PositionDegrees, 0, MaxPositionDegrees(mode)),
                  .Minutes = HeldMinutes(stored.PositionMinutes),
                  .Seconds = HeldMinutes(stored.PositionSeconds),
                  .Mode = mode,
                  .Sign = std::clamp(stored.Sign, -1, RGSignos->Count() - 1)});  // -1, none: the list stays

    SEAngulo->setValue(stored.Angle);
    // A file without the key gives item 0, "Múltiplo".
    RGTipoAngulo->setCurrentIndex(std::clamp(stored.AngleType, 0, RGTipoAngulo->count() - 1));
    {
        const QSignalBlocker blockDegrees(SEGraOrb);
        const QSignalBlocker blockMinutes(SEMinOrb);
        SEGraOrb->setValue(stored.OrbDegrees);
        SEMinOrb->setValue(HeldMinutes(stored.OrbMinutes));
    }
    NormalizeOrb();  // an orb under 0° 30' becomes 0° 30'

    CBAutomatic->setChecked(stored.AutoSearch);

    // Both coordinate switches run, then the stored one again, so that the
    // position, the sign list and the target come out as a click on the
    // stored choice leaves them.
    SwitchCoordinates(static_cast<int>(CoordinateMode::Ecliptic));
    SwitchCoordinates(static_cast<int>(CoordinateMode::Zodiac));
    SwitchCoordinates(static_cast<int>(mode));
}

KaltoSettings TFormMain::CurrentSettings() const {
    KaltoSettings settings;
    StoreContactSettings(settings);
    settings.TimeZone = Controls.SETz->value();
    Ephemeris().StoreSettings(settings);
    return settings;
}

void TFormMain::StoreContactSettings(KaltoSettings& settings) const {
    settings.PositionDegrees = SEGraLon->value();
    settings.PositionMinutes = SEMinLon->value();
    settings.PositionSeconds = SESecLon->value();
    settings.Coordinates = RGCord->ItemIndex();
    settings.Sign = RGSignos->ItemIndex();
    settings.ContactBody = ContactBody - FirstBody;
    settings.Angle = SEAngulo->value();
    settings.AngleType = RGTipoAngulo->currentIndex();
    settings.OrbDegrees = SEGraOrb->value();
    settings.OrbMinutes = SEMinOrb->value();
    settings.AutoSearch = CBAutomatic->isChecked();
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
