// SPDX-License-Identifier: GPL-3.0-or-later
// The wall clock of the runs and searches: the offset box, or a zone of the
// time-zone database chosen in "Zona:", whose offset in effect at the start of
// the span shown replaces the box.

#include "TFormMain.h"

#include "QtText.h"
#include "ZoneList.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace kalto {

// The list of zones, with the fixed offset first.
void TFormMain::CreateZoneList() {
    Controls.CBZona = new QComboBox;
    MakeZoneList(Controls.CBZona);
    connect(Controls.CBZona, &QComboBox::currentIndexChanged, this, &TFormMain::CBZonaChange);
}

void TFormMain::SETzChange() {
    const WallClock clock = CurrentClock();
    Ephemeris().SetClock(clock);
    Contacts().SetClock(clock);
    Transits().SetClock(clock);
}

void TFormMain::CBZonaChange() {
    SelectedZone = ChosenZone(Controls.CBZona);
    Controls.SETz->setVisible(!SelectedZone);
    Controls.LabelUTC->setVisible(SelectedZone.has_value());
    ShowZoneOffset();
    SETzChange();
}

// The offset at local 00:00 of "Desde:" on the page shown.
void TFormMain::ShowZoneOffset() {
    if (!SelectedZone) {
        return;
    }
    const QWidget* shown = Controls.PCContactos->currentWidget();
    const TDateTime start = shown == Controls.TSContactos   ? Contacts().SpanStart()
                            : shown == Controls.TSTransitos ? Transits().SpanStart()
                                                            : Ephemeris().SpanStart();
    Controls.LabelUTC->setText(ToQString(UtcOffsetText(WallClock(*SelectedZone).OffsetSecondsAt(start))));
}

bool TFormMain::SelectZone(const std::string& name) {
    bool known = false;
    {
        const QSignalBlocker blocker(Controls.CBZona);
        known = ChooseZone(Controls.CBZona, name);
    }
    CBZonaChange();
    return known;
}

// The name as the list gives it: a link ("US/Eastern") stays the name chosen.
std::string TFormMain::SelectedZoneName() const {
    return SelectedZone ? Controls.CBZona->currentText().toStdString() : std::string();
}

WallClock TFormMain::CurrentClock() const {
    return SelectedZone ? WallClock(*SelectedZone) : WallClock(Controls.SETz->value());
}

}  // namespace kalto
