// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's results: the summary grid and the detail of its
// current row, the angle filter, and the panels the check boxes show.

#include "ContactsPage.h"

#include "ContactGrid.h"
#include "GridFont.h"
#include "QtText.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kalto {

namespace {

// MemoDescpContacto holds at most this many characters.
constexpr int DescriptionMaxLength = 200;

// StrGridCont's column "Dur. Aprox.".
constexpr int DurationColumn = 7;

}  // namespace

void ContactsPage::ShowResults(ContactResults results) {
    Contacts = std::move(results);
    FillContactGrid();
}

// The records of the sorted list that the filter lets through, and the detail
// of the first of them, the row that becomes current.
void ContactsPage::FillContactGrid() {
    const Ui& ui = Controls;
    ui.ModelCont->Fill(FilterByAngle(Contacts.SortedContactList, Contacts.Filter));
    FitDurationColumn();
    if (ui.ModelCont->ShownContactList().empty()) {
        FillContactDetail(nullptr);
        return;
    }
    // The reset left no current row, so this always reports a row change.
    ui.StrGridCont->setCurrentIndex(ui.ModelCont->index(0, 1));
}

// A contact of a day or more lasts "0 años 0 meses 2 días = 2 días 23h 37m
// 24s", more than "Dur. Aprox." holds at its start-up width: the column widens
// to show the longest duration shown whole. It never narrows.
void ContactsPage::FitDurationColumn() {
    QTableView* grid = Controls.StrGridCont;
    const QFontMetricsF metrics(grid->font());
    const ContactRecordList& shown = Controls.ModelCont->ShownContactList();
    double widest = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string text = ContactCellText(*shown[i], static_cast<int>(i) + 1, DurationColumn, Names);
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(text)));
    }
    const int width = grid->columnWidth(DurationColumn);
    // Text is laid out in fractions of a pixel: the room is rounded up.
    const int missing = static_cast<int>(std::ceil(widest)) - GridTextRoom(grid, width);
    if (missing > 0) {
        grid->setColumnWidth(DurationColumn, width + missing);
    }
}

void ContactsPage::FillContactDetail(const ContactRecord* record) {
    QTableWidget* grid = Controls.StrGridDetCont;
    const GridCells cells = record != nullptr
                                ? kalto::FillContactDetail(*record, Contacts.LastTarget, Contacts.LastOrb, Names)
                                : EmptyContactDetail();
    grid->setRowCount(static_cast<int>(cells.size()) - 1);
    for (std::size_t row = 1; row < cells.size(); ++row) {
        for (std::size_t column = 0; column < cells[row].size(); ++column) {
            auto* item = new QTableWidgetItem(ToQString(cells[row][column]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            item->setToolTip(item->text());
            grid->setItem(static_cast<int>(row) - 1, static_cast<int>(column), item);
        }
    }
}

// Rows of the view count from the first contact: view row r shows entry r of
// ShownContactList.
void ContactsPage::StrGridContRowChanging(int /*oldRow*/, int newRow) {
    const ContactRecordList& shown = Controls.ModelCont->ShownContactList();
    if (newRow < 0 || newRow >= static_cast<int>(shown.size())) {
        FillContactDetail(nullptr);
        return;
    }
    FillContactDetail(shown[static_cast<std::size_t>(newRow)].get());
}

void ContactsPage::TBTra1Click(int tag) {
    const auto band = static_cast<std::size_t>(tag - 1);
    Contacts.Filter[band] = Controls.TBTra[band]->isChecked();
    FillContactGrid();
}

void ContactsPage::SBAllItemClick() {
    for (QToolButton* button : Controls.TBTra) {
        button->setChecked(true);
    }
    Contacts.Filter = AllAngleBands;
    FillContactGrid();
}

void ContactsPage::SBNoneItemClick() {
    for (QToolButton* button : Controls.TBTra) {
        button->setChecked(false);
    }
    Contacts.Filter = NoAngleBands;
    FillContactGrid();
}

void ContactsPage::SBResetListContactClick() {
    ResetContactLists(Contacts);
    FillContactGrid();
}

void ContactsPage::CBContacDetClick() {
    Controls.PanelDetTra->setVisible(Controls.CBContacDet->isChecked());
}

void ContactsPage::CBContacDescClick() {
    const Ui& ui = Controls;
    ui.PanelDescTran->setVisible(ui.CBContacDesc->isChecked());
    ui.PanelTextTran->setVisible(ui.CBContacDesc->isChecked() || ui.CBContacOpc->isChecked());
}

void ContactsPage::CBContacOpcClick() {
    const Ui& ui = Controls;
    ui.PanelOpcBusqueda->setVisible(ui.CBContacOpc->isChecked());
    ui.PanelTextTran->setVisible(ui.CBContacDesc->isChecked() || ui.CBContacOpc->isChecked());
}

// The user's description of the contacts, for the export, is cut at its
// largest length.
void ContactsPage::MemoDescpContactoChange() {
    QPlainTextEdit* memo = Controls.MemoDescpContacto;
    const QString text = memo->toPlainText();
    if (text.size() <= DescriptionMaxLength) {
        return;
    }
    const QSignalBlocker blocker(memo);
    memo->setPlainText(text.left(DescriptionMaxLength));
    memo->moveCursor(QTextCursor::End);
}

}  // namespace kalto
