// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, laid out and wired to their handlers.

#include "TFormMain.h"

#include "EphemerisGridFont.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "EphemerisTexts.h"
#include "GridFont.h"
#include "QtText.h"
#include "StringGridLook.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace kalto {

namespace {

QDateEdit* NewDatePicker() {
    auto* picker = new QDateEdit;
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return picker;
}

QToolButton* NewPageButton(const QString& caption) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

QWidget* TFormMain::CreateTopStrip() {
    auto* strip = new QWidget;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);

    SBHelp = new QToolButton;
    SBHelp->setText(QStringLiteral("?"));
    SBHelp->setToolTip(QStringLiteral("Ayuda"));
    SBHelp->setAutoRaise(true);

    SETz = new QDoubleSpinBox;
    SETz->setRange(-11.99, 11.99);
    SETz->setSingleStep(0.5);
    SETz->setDecimals(2);
    SETz->setValue(0);
    connect(SETz, &QDoubleSpinBox::valueChanged, this, &TFormMain::SETzChange);

    layout->addWidget(SBHelp);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Realizar cálculos para un Time Zone de:")));
    layout->addWidget(SETz);
    layout->addStretch(1);
    return strip;
}

QWidget* TFormMain::CreateEfemeridesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* strip = new QHBoxLayout;
    SBViewChartData = NewPageButton(QStringLiteral("Listado"));
    SBViewChartData->setChecked(true);
    SBViewChartDiagrama = NewPageButton(QStringLiteral("Gráfico"));
    auto* pageButtons = new QButtonGroup(page);
    pageButtons->addButton(SBViewChartData);
    pageButtons->addButton(SBViewChartDiagrama);
    connect(SBViewChartData, &QToolButton::clicked, this, &TFormMain::SBViewChartDataClick);
    connect(SBViewChartDiagrama, &QToolButton::clicked, this, &TFormMain::SBViewChartDiagramaClick);

    SBEfemToRtf = new QToolButton;
    SBEfemToRtf->setText(QStringLiteral("RTF"));
    SBEfemToRtf->setToolTip(QStringLiteral("Crear RTF"));
    SBEfemToRtf->setAutoRaise(true);
    SBEfemToRtf->setEnabled(false);

    LabelFecha = new QLabel(ToQString(RangeNone));
    QFont bold = LabelFecha->font();
    bold.setBold(true);
    LabelFecha->setFont(bold);

    strip->addWidget(SBViewChartData);
    strip->addWidget(SBViewChartDiagrama);
    strip->addSpacing(8);
    strip->addWidget(SBEfemToRtf);
    strip->addSpacing(16);
    strip->addWidget(new QLabel(QStringLiteral("Listado y Gráfico usan las fechas: ")));
    strip->addWidget(LabelFecha);
    strip->addStretch(1);
    layout->addLayout(strip);

    NotebookData = new QStackedWidget;
    auto* calcular = new QWidget;
    calcular->setObjectName(QStringLiteral("Calcular"));
    auto* calcularLayout = new QHBoxLayout(calcular);
    calcularLayout->setContentsMargins(0, 0, 0, 0);
    calcularLayout->addWidget(CreateRunPanel());
    calcularLayout->addWidget(CreateTablePanel(), 1);
    NotebookData->addWidget(calcular);
    NotebookData->addWidget(CreateGraficoPage());
    layout->addWidget(NotebookData, 1);
    return page;
}

QWidget* TFormMain::CreateRunPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(270);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 4, 4, 0);

    auto* dates = new QGridLayout;
    DE1 = NewDatePicker();
    DE2 = NewDatePicker();
    connect(DE1, &QDateEdit::dateChanged, this, &TFormMain::DateEWork1Change);
    connect(DE2, &QDateEdit::dateChanged, this, &TFormMain::DE2Change);
    dates->addWidget(new QLabel(QStringLiteral("Desde:")), 0, 0);
    dates->addWidget(DE1, 0, 1);
    dates->addWidget(new QLabel(QStringLiteral("Hasta:")), 1, 0);
    dates->addWidget(DE2, 1, 1);
    dates->setColumnStretch(1, 1);
    layout->addLayout(dates);

    // Span buttons; each one's tag is the months it adds.
    auto* spans = new QGridLayout;
    spans->setSpacing(2);
    const std::array<QToolButton * TFormMain::*, 7> spanButtons{&TFormMain::SBMD1, &TFormMain::SBMD2, &TFormMain::SBMD3,
                                                                &TFormMain::SBMD4, &TFormMain::SBMD5, &TFormMain::SBMD6,
                                                                &TFormMain::SBMD7};
    for (std::size_t i = 0; i < spanButtons.size(); ++i) {
        const int months = SpanButtonMonths[i];
        auto* button = new QToolButton;
        button->setText(QStringLiteral("%1 m").arg(months));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, months] { SBMD1Click(months); });
        this->*spanButtons[i] = button;
        spans->addWidget(button, static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    layout->addLayout(spans);

    PanelEfemDateInterval = new QWidget;
    auto* interval = new QHBoxLayout(PanelEfemDateInterval);
    interval->setContentsMargins(0, 0, 0, 0);
    CBDeltaTiempo = new QComboBox;
    for (const auto& choice : EphemerisStepChoices) {
        CBDeltaTiempo->addItem(ToQString(choice.Text));
    }
    connect(CBDeltaTiempo, &QComboBox::currentIndexChanged, this, &TFormMain::CBDeltaTiempoChange);
    interval->addWidget(new QLabel(QStringLiteral("cada:")));
    interval->addWidget(CBDeltaTiempo, 1);
    layout->addWidget(PanelEfemDateInterval);

    auto* buttons = new QHBoxLayout;
    BCalContac = new QPushButton(QStringLiteral("Calcular"));
    BitBtnStopEfem = new QPushButton(QStringLiteral("Parar"));
    BitBtnStopEfem->setEnabled(false);
    connect(BCalContac, &QPushButton::clicked, this, &TFormMain::BCalContacClick);
    connect(BitBtnStopEfem, &QPushButton::clicked, this, &TFormMain::BitBtnStopEfemClick);
    buttons->addWidget(BCalContac);
    buttons->addWidget(BitBtnStopEfem);
    layout->addLayout(buttons);

    GaugeProgressEfem = new QProgressBar;
    GaugeProgressEfem->setRange(0, 1);
    GaugeProgressEfem->setValue(0);
    LabelStatusEfem = new QLabel;
    LabelStatusEfem->setWordWrap(true);
    layout->addWidget(GaugeProgressEfem);
    layout->addWidget(LabelStatusEfem);
    layout->addStretch(1);
    return panel;
}

QWidget* TFormMain::CreateTablePanel() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    // Body buttons, tag = body number, and column boxes, tag = column.
    PanelButtonEfem = new QWidget;
    PanelButtonEfem->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* side = new QVBoxLayout(PanelButtonEfem);
    side->setContentsMargins(0, 4, 0, 0);
    side->setSpacing(2);
    const std::array<QToolButton * TFormMain::*, 11> bodyButtons{
        &TFormMain::SBP1, &TFormMain::SBP2, &TFormMain::SBP3, &TFormMain::SBP4,  &TFormMain::SBP5, &TFormMain::SBP6,
        &TFormMain::SBP7, &TFormMain::SBP8, &TFormMain::SBP9, &TFormMain::SBP10, &TFormMain::SBP11};
    auto* bodyGroup = new QButtonGroup(PanelButtonEfem);
    for (std::size_t i = 0; i < bodyButtons.size(); ++i) {
        const int body = static_cast<int>(i) + FirstBody;
        auto* button = new QToolButton;
        button->setText(ToQString(BodyLabels[static_cast<std::size_t>(body)].substr(0, 3)));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        bodyGroup->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, body] { SBP1Click(body); });
        this->*bodyButtons[i] = button;
        side->addWidget(button);
    }
    SBP1->setChecked(true);
    side->addSpacing(12);

    struct ColumnBox {
        QCheckBox* TFormMain::*Box;
        const char* Caption;
        int Column;
        bool Ticked;
    };
    const std::array<ColumnBox, 5> columnBoxes{{
        {&TFormMain::CBViewHour, "hor.", 3, true},
        {&TFormMain::CBViewLon, "lon.", 4, true},
        {&TFormMain::CBViewLat, "lat.", 5, false},
        {&TFormMain::CBViewAR, "ar.", 6, false},
        {&TFormMain::CBViewDec, "dec.", 7, false},
    }};
    for (const auto& [member, caption, column, ticked] : columnBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(caption));
        box->setChecked(ticked);
        connect(box, &QCheckBox::toggled, this, [this, column](bool checked) { CBViewLonClick(column, checked); });
        this->*member = box;
        side->addWidget(box);
    }
    side->addStretch(1);

    StrGridEfem = new QTableView;
    ModelEfem = new EphemerisTableModel(Names, this);
    StrGridEfem->setModel(ModelEfem);
    SetStringGridLook(StrGridEfem);
    StrGridEfem->setFont(EphemerisGridFont(StrGridEfem->font(), Names, GridCellMargin(StrGridEfem)));

    connect(StrGridEfem->horizontalHeader(), &QHeaderView::sectionResized, this, &TFormMain::FitGridWidth);

    layout->addWidget(PanelButtonEfem);
    layout->addWidget(StrGridEfem, 1);
    layout->addStretch(0);  // takes what the table, held to its columns, leaves
    return panel;
}

void TFormMain::CreateActions() {
    const auto newAction = [this](const QString& text, Qt::Key key, void (TFormMain::*handler)()) {
        auto* action = new QAction(text, this);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    ActionEfem = newAction(QStringLiteral("Calcular efemérides"), Qt::Key_F8, &TFormMain::ActionEfemExecute);
    ActionCalc = newAction(QStringLiteral("Calcular contactos"), Qt::Key_F9, &TFormMain::ActionCalcExecute);
    ActionViewEfem = newAction(QStringLiteral("Ver listado o gráfico"), Qt::Key_F5, &TFormMain::ActionViewEfemExecute);
    ActionViewCalc = newAction(QStringLiteral("Ver contactos"), Qt::Key_F6, &TFormMain::ActionViewCalcExecute);
}

}  // namespace kalto
