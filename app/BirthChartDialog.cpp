// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthChartDialog.h"

#include "DateConversion.h"
#include "QtText.h"
#include "SettingsRanges.h"
#include "TypedDate.h"
#include "ZoneList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace kalto {

namespace {

QDoubleSpinBox* NewDegrees(double limit) {
    auto* spin = new QDoubleSpinBox;
    spin->setRange(-limit, limit);
    spin->setDecimals(4);
    spin->setSingleStep(0.5);
    return spin;
}

}  // namespace

BirthChartDialog::BirthChartDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Carta de nacimiento"));
    Ui& ui = Controls;
    ui.EditNombre = new QLineEdit;
    ui.DTPNacimiento = new QDateTimeEdit(QDateTime(QDate::currentDate(), QTime(12, 0), Qt::UTC));
    ui.DTPNacimiento->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    ui.DTPNacimiento->setCalendarPopup(true);
    ui.DTPNacimiento->setTimeSpec(Qt::UTC);  // a wall time as written, without a zone of Qt's
    AcceptTypedDate(ui.DTPNacimiento);
    ui.CBZonaNacimiento = new QComboBox;
    MakeZoneList(ui.CBZonaNacimiento);
    ui.SETzNacimiento = new QDoubleSpinBox;
    ui.SETzNacimiento->setRange(MinTimeZone, MaxTimeZone);
    ui.SETzNacimiento->setDecimals(2);
    ui.SETzNacimiento->setSingleStep(0.5);
    ui.CBLugar = new QCheckBox(QStringLiteral("conocido"));
    ui.SELatitud = NewDegrees(90);
    ui.SELongitud = NewDegrees(180);
    ui.SELatitud->setPrefix(QStringLiteral("lat. "));
    ui.SELongitud->setPrefix(QStringLiteral("lon. "));
    ui.SELatitud->setToolTip(QStringLiteral("Grados decimales, norte positiva (Barcelona: 41.3874)"));
    ui.SELongitud->setToolTip(QStringLiteral("Grados decimales, este positiva (Barcelona: 2.1686)"));

    auto* zone = new QHBoxLayout;
    zone->addWidget(ui.CBZonaNacimiento, 1);
    zone->addWidget(ui.SETzNacimiento);
    auto* place = new QHBoxLayout;
    place->addWidget(ui.CBLugar);
    place->addWidget(ui.SELatitud);
    place->addWidget(ui.SELongitud);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Nombre:"), ui.EditNombre);
    form->addRow(QStringLiteral("Fecha y hora:"), ui.DTPNacimiento);
    form->addRow(QStringLiteral("Zona:"), zone);
    form->addRow(QStringLiteral("Lugar:"), place);
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &BirthChartDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BirthChartDialog::reject);
    connect(ui.CBLugar, &QCheckBox::toggled, this, &BirthChartDialog::CBLugarClick);
    connect(ui.CBZonaNacimiento, &QComboBox::currentIndexChanged, this, &BirthChartDialog::CBZonaNacimientoChange);
    CBLugarClick();
}

std::string BirthChartDialog::ChartName() const {
    return Controls.EditNombre->text().trimmed().toStdString();
}

ChartBirth BirthChartDialog::Birth() const {
    const Ui& ui = Controls;
    ChartBirth birth;
    const QDateTime local = ui.DTPNacimiento->dateTime();
    birth.LocalTime = ToDateTime(local.date()) + EncodeTime(local.time().hour(), local.time().minute(), 0);
    if (ui.CBZonaNacimiento->currentIndex() != FixedOffsetItem) {
        birth.ZoneName = ui.CBZonaNacimiento->currentText().toStdString();
    } else {
        birth.ZoneHours = ui.SETzNacimiento->value();
    }
    if (ui.CBLugar->isChecked()) {
        birth.Latitude = ui.SELatitud->value();
        birth.Longitude = ui.SELongitud->value();
    }
    return birth;
}

void BirthChartDialog::CBLugarClick() {
    Controls.SELatitud->setEnabled(Controls.CBLugar->isChecked());
    Controls.SELongitud->setEnabled(Controls.CBLugar->isChecked());
}

void BirthChartDialog::CBZonaNacimientoChange() {
    Controls.SETzNacimiento->setVisible(Controls.CBZonaNacimiento->currentIndex() == FixedOffsetItem);
}

void BirthChartDialog::accept() {
    if (const auto problem = ChartNameProblem(ChartName())) {
        QMessageBox::warning(this, windowTitle(), ToQString(*problem));
        return;
    }
    QDialog::accept();
}

}  // namespace kalto
