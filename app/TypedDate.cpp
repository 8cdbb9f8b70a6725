// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedDate.h"

#include <QDateEdit>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

namespace kalto {

namespace {

// Watches one date box's key presses; owned by the box.
class TypedDateFilter : public QObject {
public:
    explicit TypedDateFilter(QDateTimeEdit* edit) : QObject(edit), Edit(edit) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != Edit || event->type() != QEvent::KeyPress) {
            return false;
        }
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const bool digit = !text.isEmpty() && text.front().isDigit();
        const bool separator = !text.isEmpty() && !digit && text.front().isPrint();
        // A separator right after a digit that filled its section, which
        // the box has already left for the next one, would skip that one too.
        const bool skip = separator && SectionOfLastDigit >= 0 && Edit->currentSectionIndex() == SectionOfLastDigit + 1;
        SectionOfLastDigit = -1;
        if (digit) {
            NarrowSelection();
            SectionOfLastDigit = Edit->currentSectionIndex();
        }
        return skip;  // every other key goes to the box as usual
    }

private:
    // A selection wider than the section at the cursor becomes that section.
    void NarrowSelection() {
        const auto* line = Edit->findChild<QLineEdit*>();
        const QDateTimeEdit::Section section = Edit->currentSection();
        if (line != nullptr && section != QDateTimeEdit::NoSection &&
            line->selectedText().size() > Edit->sectionText(section).size()) {
            Edit->setSelectedSection(section);
        }
    }

    QDateTimeEdit* Edit;
    int SectionOfLastDigit = -1;  // the section the last key, a digit, went into; -1 after any other key
};

}  // namespace

void AcceptTypedDate(QDateTimeEdit* edit) {
    edit->installEventFilter(new TypedDateFilter(edit));
}

QDateEdit* NewDatePicker() {
    auto* picker = new QDateEdit;
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    AcceptTypedDate(picker);
    return picker;
}

}  // namespace kalto
