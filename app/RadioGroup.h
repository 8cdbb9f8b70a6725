// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A titled group of radio buttons, one of which is chosen, laid out in columns:
// the radio groups of the contact page (RGPlanetas, RGCord, RGSignos).

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace kalto {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    [[nodiscard]] int Count() const;
    // The chosen item, or -1 when none is.
    [[nodiscard]] int ItemIndex() const;
    // Chooses an item without a Click.
    void SetItemIndex(int index);
    [[nodiscard]] QRadioButton* Button(int index) const;

signals:
    // The user clicked the button of item `index`.
    void Click(int index);

private:
    QButtonGroup* Buttons;
};

}  // namespace kalto
