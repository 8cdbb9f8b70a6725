// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's search: started with the inputs shown, run on its
// worker thread, its progress shown and its contacts committed to the lists.

#include "ContactsPage.h"

#include "DateConversion.h"
#include "QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace kalto {

void ContactsPage::BCalcClick() {
    Controls.BitBtnStopCalc->setEnabled(true);
    CalculateContacts();
}

// Starts a search with the inputs shown now, which it reads once, here. A
// search still going is stopped and replaced.
void ContactsPage::CalculateContacts() {
    const Ui& ui = Controls;
    SEGraLonChange();
    const ContactSearchInput input{
        .Body = ContactBody,
        .StartDate = ToDateTime(ui.DTP1->date()),
        .EndDate = ToDateTime(ui.DTP2->date()),
        .Angle = ui.SEAngulo->value(),
        .Exact = ui.RGTipoAngulo->currentIndex() == 1,
        .Position = PositionOfSpins(),
        .Orb = ContactOrb,
        .Clock = Clock,
        .ExactMoments = ui.CBMomentosExactos->isChecked(),
    };
    CleanListOnCompletion = ui.CBCleanListContact->isChecked();
    // A span whose end precedes its start has a gauge of nothing to do.
    ui.GaugeProgressCalc->setRange(0, std::max(ContactGaugeMaximum(input), 1));
    ui.GaugeProgressCalc->setValue(0);
    RunnerCalc.Start(input);
    RunnerCalcProgress(0, input.StartDate, 0);
}

void ContactsPage::RunnerCalcProgress(int count, double instant, int daysDone) {
    Controls.GaugeProgressCalc->setValue(daysDone);
    Controls.LabelStatusContact->setText(ToQString(RunningStatusText(count, instant, Names)));
}

void ContactsPage::RunnerCalcCompleted(kalto::ContactSearchResult result) {
    const Ui& ui = Controls;
    const ContactSearchInput& input = RunnerCalc.Input();
    ui.BitBtnStopCalc->setEnabled(false);
    ui.GaugeProgressCalc->setValue(ui.GaugeProgressCalc->maximum());
    ui.LabelStatusContact->setText(ToQString(CompletedStatusText(static_cast<int>(result.Contacts.size()))));
    for (const std::string& line : SearchDescription(input, Names)) {
        ui.MemoInfoCalc->appendPlainText(ToQString(line));
    }
    CommitContactSearch(Contacts, result, input, CleanListOnCompletion);
    FillContactGrid();
}

// A search whose contacts could not be held ends as if stopped.
void ContactsPage::RunnerCalcFailed() {
    Controls.BitBtnStopCalc->setEnabled(false);
    Controls.LabelStatusContact->setText(ToQString(StatusContactsInterrupted));
}

void ContactsPage::BitBtnStopCalcClick() {
    RunnerCalc.Stop();
    Controls.BitBtnStopCalc->setEnabled(false);
    Controls.LabelStatusContact->setText(ToQString(StatusContactsInterrupted));
}

}  // namespace kalto
