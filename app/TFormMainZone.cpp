// SPDX-License-Identifier: GPL-3.0-or-later
// The wall clock of the runs and searches: the offset box, or a zone of the
// time-zone database chosen in "Zona:", whose offset in effect at the start of
// the span shown replaces the box.

#include "TFormMain.h"

#include "QtText.h"

#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>

namespace kalto {

namespace {

constexpr int FixedOffsetItem = 0;
const QString FixedOffsetText = QStringLiteral("[Desfase fijo]");

}  // namespace

// An editable list: typing filters the names, any part of them, whatever the
// case, and only a name of the list is taken.
void TFormMain::CreateZoneList() {
    Controls.CBZona = new QComboBox;
    Controls.CBZona->setEditable(true);
    Controls.CBZona->setInsertPolicy(QComboBox::NoInsert);
    Controls.CBZona->setMaxVisibleItems(20);
    Controls.CBZona->addItem(FixedOffsetText);
    for (const std::string& name : TimeZoneNames()) {
        Controls.CBZona->addItem(ToQString(name));
    }
    Controls.CBZona->setMinimumContentsLength(24);
    QCompleter* completer = Controls.CBZona->completer();
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(Controls.CBZona, &QComboBox::currentIndexChanged, this, &TFormMain::CBZonaChange);
    connect(Controls.CBZona->lineEdit(), &QLineEdit::editingFinished, this, &TFormMain::CBZonaEditingFinished);
}

void TFormMain::SETzChange() {
    Ephemeris().SetClock(CurrentClock());
    Contacts().SetClock(CurrentClock());
}

void TFormMain::CBZonaChange(int index) {
    SelectedZone.reset();
    if (index != FixedOffsetItem) {
        SelectedZone = TimeZone::Find(Controls.CBZona->itemText(index).toStdString());
    }
    Controls.SETz->setVisible(!SelectedZone);
    Controls.LabelUTC->setVisible(SelectedZone.has_value());
    ShowZoneOffset();
    SETzChange();
}

// Text that names no zone of the list gives way to the zone chosen before.
void TFormMain::CBZonaEditingFinished() {
    const int typed = Controls.CBZona->findText(Controls.CBZona->currentText(), Qt::MatchFixedString);
    if (typed >= 0) {
        Controls.CBZona->setCurrentIndex(typed);
    }
    Controls.CBZona->setEditText(Controls.CBZona->itemText(Controls.CBZona->currentIndex()));
}

// The offset at local 00:00 of "Desde:" on the page shown.
void TFormMain::ShowZoneOffset() {
    if (!SelectedZone) {
        return;
    }
    const TDateTime start = Controls.PCContactos->currentWidget() == Controls.TSContactos ? Contacts().SpanStart()
                                                                                          : Ephemeris().SpanStart();
    Controls.LabelUTC->setText(ToQString(UtcOffsetText(WallClock(*SelectedZone).OffsetSecondsAt(start))));
}

bool TFormMain::SelectZone(const std::string& name) {
    const int index = name.empty() ? FixedOffsetItem : Controls.CBZona->findText(ToQString(name), Qt::MatchExactly);
    {
        const QSignalBlocker blocker(Controls.CBZona);
        Controls.CBZona->setCurrentIndex(std::max(index, FixedOffsetItem));
    }
    CBZonaChange(Controls.CBZona->currentIndex());
    return index >= FixedOffsetItem;
}

// The name as the list gives it: a link ("US/Eastern") stays the name chosen.
std::string TFormMain::SelectedZoneName() const {
    return SelectedZone ? Controls.CBZona->currentText().toStdString() : std::string();
}

WallClock TFormMain::CurrentClock() const {
    return SelectedZone ? WallClock(*SelectedZone) : WallClock(Controls.SETz->value());
}

}  // namespace kalto
