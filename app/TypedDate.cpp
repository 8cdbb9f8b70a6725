// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedDate.h"

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
        if (watched == Edit && event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty() && text.front().isDigit()) {
                NarrowSelection();
            }
        }
        return false;  // the box handles the key as usual
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
};

}  // namespace

void AcceptTypedDate(QDateTimeEdit* edit) {
    edit->installEventFilter(new TypedDateFilter(edit));
}

}  // namespace kalto
