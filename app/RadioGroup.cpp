// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace kalto {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), Buttons(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);
    // Filled column by column, as the items of a radio group are read.
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index]);
        Buttons->addButton(button, index);
        layout->addWidget(button, index % rows, index / rows);
    }
    connect(Buttons, &QButtonGroup::idClicked, this, &RadioGroup::Click);
}

int RadioGroup::Count() const {
    return static_cast<int>(Buttons->buttons().size());
}

int RadioGroup::ItemIndex() const {
    return Buttons->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (auto* button = Buttons->button(index)) {
        button->setChecked(true);
    }
}

QRadioButton* RadioGroup::Button(int index) const {
    return qobject_cast<QRadioButton*>(Buttons->button(index));
}

}  // namespace kalto
