// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Carta de nacimiento": the name, the local date and time, the wall clock
// and, when known, the place of a birth, from which a chart is made.
//
// Its controls, by their names:
//   EditNombre              "Nombre:"
//   DTPNacimiento           "Fecha y hora:", local time on the clock below
//   CBZonaNacimiento        "Zona:", the fixed offset (first item) or a zone
//   SETzNacimiento          the fixed offset, hours east
//   CBLugar                 "Lugar:", the place is known
//   SELatitud, SELongitud   decimal degrees, north and east positive

#include "Chart.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLineEdit;

namespace kalto {

class BirthChartDialog : public QDialog {
    Q_OBJECT

    struct Ui {
        QLineEdit* EditNombre{};
        QDateTimeEdit* DTPNacimiento{};
        QComboBox* CBZonaNacimiento{};
        QDoubleSpinBox* SETzNacimiento{};
        QCheckBox* CBLugar{};
        QDoubleSpinBox* SELatitud{};
        QDoubleSpinBox* SELongitud{};
    };

public:
    explicit BirthChartDialog(QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }
    // What the controls say.
    [[nodiscard]] std::string ChartName() const;
    [[nodiscard]] ChartBirth Birth() const;

private:
    void CBLugarClick();
    void CBZonaNacimientoChange();
    void accept() override;

    Ui Controls;
};

}  // namespace kalto
