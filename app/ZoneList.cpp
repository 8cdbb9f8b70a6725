// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoneList.h"

#include "QtText.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include <algorithm>

namespace kalto {

void MakeZoneList(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(20);
    list->addItem(QStringLiteral("[Desfase fijo]"));
    for (const std::string& name : TimeZoneNames()) {
        list->addItem(ToQString(name));
    }
    list->setMinimumContentsLength(24);
    QCompleter* completer = list->completer();
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] {
        const int typed = list->findText(list->currentText(), Qt::MatchFixedString);
        if (typed >= 0) list->setCurrentIndex(typed);
        list->setEditText(list->itemText(list->currentIndex()));
    });
}

std::optional<TimeZone> ChosenZone(const QComboBox* list) {
    if (list->currentIndex() == FixedOffsetItem) return std::nullopt;
    return TimeZone::Find(list->itemText(list->currentIndex()).toStdString());
}

bool ChooseZone(QComboBox* list, const std::string& name) {
    const int index = name.empty() ? FixedOffsetItem : list->findText(ToQString(name), Qt::MatchExactly);
    list->setCurrentIndex(std::max(index, FixedOffsetItem));
    return index >= FixedOffsetItem;
}

}  // namespace kalto
