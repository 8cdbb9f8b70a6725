// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tránsitos" page's controls, laid out and wired to their handlers: the
// chart on the left, the search's choices in the middle, the list on the right.

#include "TransitsPage.h"

#include "Bodies.h"
#include "QtText.h"
#include "ScrollColumn.h"
#include "SpeedButton.h"
#include "StringGridLook.h"
#include "TransitTable.h"
#include "TypedDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalto {

namespace {

QSpinBox* NewSpin(int maximum, int value) {
    auto* spin = new QSpinBox;
    spin->setRange(0, maximum);
    spin->setValue(value);
    return spin;
}

bool MajorAspect(int degrees) {
    return std::find(MajorAspects.begin(), MajorAspects.end(), degrees) != MajorAspects.end();
}

}  // namespace

TransitsPage::TransitsPage(DateFormatNames names, QWidget* parent) : QWidget(parent), Names(std::move(names)) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateChartPanel());
    layout->addWidget(ScrollColumn(CreateSearchPanel()));
    layout->addWidget(CreateResultsPanel(), 1);

    connect(&RunnerTran, &TransitSearchRunner::ProgressChanged, this, &TransitsPage::RunnerTranProgress);
    connect(&RunnerTran, &TransitSearchRunner::Completed, this, &TransitsPage::RunnerTranCompleted);
    connect(&RunnerTran, &TransitSearchRunner::Failed, this, &TransitsPage::RunnerTranFailed);
    ShowNewChart(Chart{.Name = "Sin nombre", .Birth = std::nullopt, .Points = {}});
    FillFilters();
}

QWidget* TransitsPage::CreateChartPanel() {
    Ui& ui = Controls;
    ui.GBCarta = new QGroupBox(QStringLiteral("Carta"));
    ui.GBCarta->setFixedWidth(250);
    auto* layout = new QVBoxLayout(ui.GBCarta);
    ui.LabelCarta = new QLabel;
    ui.LabelCarta->setWordWrap(true);
    layout->addWidget(ui.LabelCarta);

    auto* files = new QGridLayout;
    ui.BNuevaCarta = new QPushButton(QStringLiteral("Nueva..."));
    ui.BAbrirCarta = new QPushButton(QStringLiteral("Abrir..."));
    ui.BGuardarCarta = new QPushButton(QStringLiteral("Guardar"));
    ui.BGuardarComo = new QPushButton(QStringLiteral("Guardar como..."));
    ui.BNuevaCarta->setToolTip(QStringLiteral("Una carta de nacimiento: los cuerpos, y con el lugar ASC y MC"));
    files->addWidget(ui.BNuevaCarta, 0, 0);
    files->addWidget(ui.BAbrirCarta, 0, 1);
    files->addWidget(ui.BGuardarCarta, 1, 0);
    files->addWidget(ui.BGuardarComo, 1, 1);
    layout->addLayout(files);

    ui.StrGridPuntos = new QTableWidget(0, 3);
    ui.StrGridPuntos->setHorizontalHeaderLabels(
        {QStringLiteral("Punto"), QStringLiteral("Longitud"), QStringLiteral("Posición")});
    ui.StrGridPuntos->verticalHeader()->setVisible(false);
    ui.StrGridPuntos->setColumnWidth(0, 50);
    ui.StrGridPuntos->setColumnWidth(1, 70);
    ui.StrGridPuntos->horizontalHeader()->setStretchLastSection(true);
    ui.StrGridPuntos->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.StrGridPuntos->verticalHeader()->setDefaultSectionSize(GridRowHeight + 2);
    layout->addWidget(ui.StrGridPuntos, 1);

    auto* edits = new QHBoxLayout;
    ui.BAddPunto = new QPushButton(QStringLiteral("Añadir"));
    ui.BDelPunto = new QPushButton(QStringLiteral("Quitar"));
    edits->addWidget(ui.BAddPunto);
    edits->addWidget(ui.BDelPunto);
    layout->addLayout(edits);

    connect(ui.BNuevaCarta, &QPushButton::clicked, this, &TransitsPage::BNuevaCartaClick);
    connect(ui.BAbrirCarta, &QPushButton::clicked, this, &TransitsPage::BAbrirCartaClick);
    connect(ui.BGuardarCarta, &QPushButton::clicked, this, &TransitsPage::BGuardarCartaClick);
    connect(ui.BGuardarComo, &QPushButton::clicked, this, &TransitsPage::BGuardarComoClick);
    connect(ui.BAddPunto, &QPushButton::clicked, this, &TransitsPage::BAddPuntoClick);
    connect(ui.BDelPunto, &QPushButton::clicked, this, &TransitsPage::BDelPuntoClick);
    connect(ui.StrGridPuntos, &QTableWidget::cellChanged, this, &TransitsPage::StrGridPuntosChange);
    return ui.GBCarta;
}

QWidget* TransitsPage::CreateSearchPanel() {
    Ui& ui = Controls;
    auto* panel = new QWidget;
    panel->setFixedWidth(240);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* bodies = new QGroupBox(QStringLiteral("Cuerpos en tránsito"));
    auto* bodyGrid = new QGridLayout(bodies);
    for (int i = 0; i < ComputedBodyCount; ++i) {
        auto* box = new QCheckBox(ToQString(BodyLabels[static_cast<std::size_t>(i + FirstBody)]));
        box->setChecked(i + FirstBody != Lun);
        ui.CBT[static_cast<std::size_t>(i)] = box;
        bodyGrid->addWidget(box, i % 6, i / 6);
    }
    layout->addWidget(bodies);

    auto* aspects = new QGroupBox(QStringLiteral("Aspectos y orbes"));
    auto* aspectGrid = new QGridLayout(aspects);
    aspectGrid->setVerticalSpacing(1);
    for (std::size_t i = 0; i < TransitAspectChoices.size(); ++i) {
        const int degrees = TransitAspectChoices[i];
        QString caption = QStringLiteral("%1°").arg(degrees);
        if (const std::string_view name = AspectName(degrees); !name.empty()) caption += " " + ToQString(name);
        ui.CBAsp[i] = new QCheckBox(caption);
        ui.CBAsp[i]->setChecked(MajorAspect(degrees));
        ui.SEGraAsp[i] = NewSpin(10, 1);
        ui.SEMinAsp[i] = NewSpin(59, 0);
        ui.SEGraAsp[i]->setFixedWidth(48);
        ui.SEMinAsp[i]->setFixedWidth(48);
        ui.SEGraAsp[i]->setSuffix(QStringLiteral("°"));
        ui.SEMinAsp[i]->setSuffix(QStringLiteral("'"));
        const int row = static_cast<int>(i);
        aspectGrid->addWidget(ui.CBAsp[i], row, 0);
        aspectGrid->addWidget(ui.SEGraAsp[i], row, 1);
        aspectGrid->addWidget(ui.SEMinAsp[i], row, 2);
    }
    layout->addWidget(aspects);

    auto* dates = new QGridLayout;
    ui.DTP1 = NewDatePicker();
    ui.DTP2 = NewDatePicker();
    ui.DTP1->setDate(QDate::currentDate());
    ui.DTP2->setDate(QDate::currentDate().addYears(1));
    dates->addWidget(new QLabel(QStringLiteral("Desde:")), 0, 0);
    dates->addWidget(ui.DTP1, 0, 1);
    dates->addWidget(new QLabel(QStringLiteral("Hasta:")), 1, 0);
    dates->addWidget(ui.DTP2, 1, 1);
    layout->addLayout(dates);
    connect(ui.DTP1, &QDateEdit::dateChanged, this, &TransitsPage::SpanStartChanged);

    auto* buttons = new QHBoxLayout;
    ui.BCalcTran = new QPushButton(QStringLiteral("Calcular"));
    ui.BitBtnStopTran = new QPushButton(QStringLiteral("Parar"));
    ui.BitBtnStopTran->setEnabled(false);
    buttons->addWidget(ui.BCalcTran);
    buttons->addWidget(ui.BitBtnStopTran);
    layout->addLayout(buttons);
    ui.GaugeProgressTran = new QProgressBar;
    ui.GaugeProgressTran->setValue(0);
    ui.LabelStatusTran = new QLabel(QStringLiteral("Status: tránsitos por calcular"));
    ui.LabelStatusTran->setWordWrap(true);
    layout->addWidget(ui.GaugeProgressTran);
    layout->addWidget(ui.LabelStatusTran);
    layout->addStretch(1);

    connect(ui.BCalcTran, &QPushButton::clicked, this, &TransitsPage::BCalcTranClick);
    connect(ui.BitBtnStopTran, &QPushButton::clicked, this, &TransitsPage::BitBtnStopTranClick);
    return panel;
}

QWidget* TransitsPage::CreateResultsPanel() {
    Ui& ui = Controls;
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* strip = new QHBoxLayout;
    ui.CBFiltroCuerpo = new QComboBox;
    ui.CBFiltroPunto = new QComboBox;
    ui.CBFiltroAspecto = new QComboBox;
    ui.SBTranRTF = NewSpeedButton(QStringLiteral("RTF"), QStringLiteral("Exportar la lista a un documento RTF"));
    ui.SBTranCSV = NewSpeedButton(QStringLiteral("CSV"), QStringLiteral("Guardar la lista como CSV"));
    strip->addWidget(new QLabel(QStringLiteral("Cuerpo:")));
    strip->addWidget(ui.CBFiltroCuerpo);
    strip->addWidget(new QLabel(QStringLiteral("Punto:")));
    strip->addWidget(ui.CBFiltroPunto);
    strip->addWidget(new QLabel(QStringLiteral("Aspecto:")));
    strip->addWidget(ui.CBFiltroAspecto);
    strip->addStretch(1);
    strip->addWidget(ui.SBTranRTF);
    strip->addWidget(ui.SBTranCSV);
    layout->addLayout(strip);

    ui.ModelTran = new TransitTableModel(Names, this);
    ui.StrGridTran = new QTableView;
    ui.StrGridTran->setModel(ui.ModelTran);
    ui.StrGridTran->verticalHeader()->setVisible(false);
    ui.StrGridTran->setSelectionBehavior(QAbstractItemView::SelectRows);
    SetStringGridLook(ui.StrGridTran);
    for (std::size_t column = 0; column < TransitColumns.size(); ++column) {
        ui.StrGridTran->setColumnWidth(static_cast<int>(column), TransitColumns[column].Width);
    }
    layout->addWidget(ui.StrGridTran, 1);

    for (QComboBox* filter : {ui.CBFiltroCuerpo, ui.CBFiltroPunto, ui.CBFiltroAspecto}) {
        connect(filter, &QComboBox::currentIndexChanged, this, &TransitsPage::CBFiltroChange);
    }
    connect(ui.SBTranRTF, &QToolButton::clicked, this, &TransitsPage::ExportRequested);
    connect(ui.SBTranCSV, &QToolButton::clicked, this, &TransitsPage::SBTranCSVClick);
    return panel;
}

}  // namespace kalto
