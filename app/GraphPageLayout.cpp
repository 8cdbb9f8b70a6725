// SPDX-License-Identifier: GPL-3.0-or-later
// The "Grafico" page's controls, laid out and wired to their handlers: the
// graph's options on the left, the chart and its status bar on the right.

#include "TFormMain.h"

#include "ColorPicker.h"
#include "GraphFrame.h"
#include "DrawGraph.h"
#include "PaintBox.h"
#include "QtText.h"
#include "ScrollColumn.h"
#include "StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalto {

namespace {

// The width of the options panel, pixels.
constexpr int OptionsPanelWidth = 200;
// The widths of the status bar's panels: the marker date, the pointer and the
// scale.
constexpr int MarkerPanelWidth = 140;
constexpr int PointerPanelWidth = 220;
constexpr int ScalePanelWidth = 50;

// The picker's colour until a slot button is clicked.
const QColor InitialPickColor(128, 0, 0);  // maroon

QToolButton* NewSmallButton(const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(hint);
    return button;
}

}  // namespace

QWidget* TFormMain::CreateGraficoPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Grafico"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollColumn(CreateGraphOptionsPanel()));

    PaintBoxEfem = new PaintBox;
    PaintBoxEfem->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(PaintBoxEfem, &PaintBox::Paint, this, &TFormMain::PaintBoxEfemPaint);
    connect(PaintBoxEfem, &PaintBox::MouseDown, this, &TFormMain::PaintBoxEfemMouseDown);
    connect(PaintBoxEfem, &PaintBox::MouseMove, this, &TFormMain::PaintBoxEfemMouseMove);
    StatusBar1 = new StatusPanels({MarkerPanelWidth, PointerPanelWidth, ScalePanelWidth});

    auto* chart = new QVBoxLayout;
    chart->setSpacing(0);
    chart->addWidget(PaintBoxEfem, 1);
    chart->addWidget(StatusBar1);
    layout->addLayout(chart, 1);
    return page;
}

QWidget* TFormMain::CreateGraphOptionsPanel() {
    PanelConfigViewPlanets = new QWidget;
    PanelConfigViewPlanets->setFixedWidth(OptionsPanelWidth);
    auto* layout = new QVBoxLayout(PanelConfigViewPlanets);
    layout->setContentsMargins(0, 4, 4, 0);
    layout->setSpacing(4);

    // The sign bands, the point glyph and the lines.
    auto* look = new QGridLayout;
    SENoSigno = new QSpinBox;
    SENoSigno->setRange(1, MaxGraphSigns);
    SENoSigno->setValue(MaxGraphSigns);
    SENoSigno->setKeyboardTracking(false);
    CBSigno = new QComboBox;
    for (const std::string_view sign : GraphSignChoices) {
        CBSigno->addItem(ToQString(sign));
    }
    CBLTipoImagen = new QComboBox;
    for (const std::string_view caption : GraphGlyphCaptions) {
        CBLTipoImagen->addItem(ToQString(caption));
    }
    CBLinea = new QCheckBox(QStringLiteral("Linea"));
    CBLinea->setChecked(true);
    look->addWidget(new QLabel(QStringLiteral("Signos:")), 0, 0);
    look->addWidget(SENoSigno, 0, 1);
    look->addWidget(new QLabel(QStringLiteral("desde:")), 1, 0);
    look->addWidget(CBSigno, 1, 1);
    look->addWidget(new QLabel(QStringLiteral("Punto:")), 2, 0);
    look->addWidget(CBLTipoImagen, 2, 1);
    look->addWidget(CBLinea, 3, 0, 1, 2);
    look->setColumnStretch(1, 1);
    layout->addLayout(look);

    layout->addWidget(CreateGraphBodyGroup());

    GBConfigGrid = new QGroupBox(QStringLiteral("Rejilla"));
    auto* grid = new QGridLayout(GBConfigGrid);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(0);
    CBSignos = new QCheckBox(QStringLiteral("Signo"));
    CBDeca = new QCheckBox(QStringLiteral("Deca."));
    CBDias = new QCheckBox(QStringLiteral("Días"));
    CBMes = new QCheckBox(QStringLiteral("Mes"));
    CBSignos->setChecked(true);
    CBDeca->setChecked(true);
    CBMes->setChecked(true);
    grid->addWidget(CBSignos, 0, 0);
    grid->addWidget(CBDeca, 0, 1);
    grid->addWidget(CBDias, 1, 0);
    grid->addWidget(CBMes, 1, 1);
    layout->addWidget(GBConfigGrid);

    layout->addWidget(CreateGraphMarkerGroup());
    layout->addWidget(CreateGraphColorGroup());
    layout->addStretch(1);

    for (QCheckBox* box : {CBLinea, CBSignos, CBDeca, CBDias, CBMes}) {
        connect(box, &QCheckBox::toggled, this, &TFormMain::CGChange);
    }
    connect(SENoSigno, &QSpinBox::valueChanged, this, &TFormMain::CGChange);
    connect(CBSigno, &QComboBox::currentIndexChanged, this, &TFormMain::CGChange);
    connect(CBLTipoImagen, &QComboBox::currentIndexChanged, this, &TFormMain::CGChange);
    return PanelConfigViewPlanets;
}

// One box a body, tag = body number, its caption in the body's colour; the
// twelfth, "Rue", is never drawn and stays hidden.
QWidget* TFormMain::CreateGraphBodyGroup() {
    auto* group = new QGroupBox(QStringLiteral("Cuerpos"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(0);
    const std::array<QCheckBox * TFormMain::*, Rue> boxes{&TFormMain::CBVP1,  &TFormMain::CBVP2,  &TFormMain::CBVP3,
                                                          &TFormMain::CBVP4,  &TFormMain::CBVP5,  &TFormMain::CBVP6,
                                                          &TFormMain::CBVP7,  &TFormMain::CBVP8,  &TFormMain::CBVP9,
                                                          &TFormMain::CBVP10, &TFormMain::CBVP11, &TFormMain::CBVP12};
    constexpr int rows = (ComputedBodyCount + 1) / 2;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int body = static_cast<int>(i) + FirstBody;
        auto* box = new QCheckBox(ToQString(BodyLabels[static_cast<std::size_t>(body)]));
        QPalette caption = box->palette();
        caption.setColor(QPalette::WindowText, ToQColor(BodyColors[static_cast<std::size_t>(body)]));
        box->setPalette(caption);
        this->*boxes[i] = box;
        const int index = static_cast<int>(i);
        layout->addWidget(box, index % rows, index / rows);
        if (body == Rue) {
            box->hide();
        } else {
            connect(box, &QCheckBox::toggled, this, &TFormMain::CBVP1Click);
        }
    }

    // "T" checks every box (tag 1), "N" clears them (tag 0).
    SBViewAll = NewSmallButton(QStringLiteral("T"), QStringLiteral("Todos"));
    SBViewNone = NewSmallButton(QStringLiteral("N"), QStringLiteral("Ninguno"));
    connect(SBViewAll, &QToolButton::clicked, this, [this] { SBViewAllClick(1); });
    connect(SBViewNone, &QToolButton::clicked, this, [this] { SBViewAllClick(0); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SBViewAll);
    buttons->addWidget(SBViewNone);
    buttons->addStretch(1);
    layout->addLayout(buttons, rows, 0, 1, 2);
    return group;
}

// The day marker: whether it shows, its date, and the buttons that move it by
// some days, ">" forward (tag 1) and "<" back (tag -1).
QWidget* TFormMain::CreateGraphMarkerGroup() {
    auto* group = new QGroupBox(QStringLiteral("Día"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    CBDiaEfem = new QCheckBox(QStringLiteral("Marcar el día"));
    CBDiaEfem->setChecked(true);
    DateDiaEfe = new QDateTimeEdit;
    DateDiaEfe->setCalendarPopup(true);
    DateDiaEfe->setTimeSpec(Qt::UTC);  // local civil time of the run's zone, free of the system's DST
    DateDiaEfe->setDisplayFormat(QStringLiteral("dd/MM/yyyy hh:mm"));
    RxSDeltaDia = new QSpinBox;
    RxSDeltaDia->setRange(0, 120);
    RxSDeltaDia->setSingleStep(5);
    RxSDeltaDia->setValue(1);
    RxSDeltaDia->setSuffix(QStringLiteral(" d"));
    BPrev = NewSmallButton(QStringLiteral("<"), QStringLiteral("Días atrás"));
    BNext = NewSmallButton(QStringLiteral(">"), QStringLiteral("Días adelante"));
    connect(BPrev, &QToolButton::clicked, this, [this] { BNextClick(-1); });
    connect(BNext, &QToolButton::clicked, this, [this] { BNextClick(1); });
    connect(CBDiaEfem, &QCheckBox::toggled, this, &TFormMain::CGChange);
    connect(DateDiaEfe, &QDateTimeEdit::dateTimeChanged, this, &TFormMain::CGChange);

    layout->addWidget(CBDiaEfem, 0, 0, 1, 3);
    layout->addWidget(DateDiaEfe, 1, 0, 1, 3);
    layout->addWidget(BPrev, 2, 0);
    layout->addWidget(RxSDeltaDia, 2, 1);
    layout->addWidget(BNext, 2, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

// The colour slots, tag = slot, the picker that edits the chosen one and the
// button that restores them all.
QWidget* TFormMain::CreateGraphColorGroup() {
    auto* group = new QGroupBox(QStringLiteral("Colores"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(0);
    const std::array<QRadioButton * TFormMain::*, GraphColorSlotCount> slotButtons{
        &TFormMain::RBC1, &TFormMain::RBC2, &TFormMain::RBC3, &TFormMain::RBC4, &TFormMain::RBC5, &TFormMain::RBC6};
    constexpr int rows = GraphColorSlotCount / 2;
    for (std::size_t i = 0; i < slotButtons.size(); ++i) {
        const int slot = static_cast<int>(i) + DayColor;
        auto* button = new QRadioButton(ToQString(GraphColorCaptions[static_cast<std::size_t>(slot)]));
        connect(button, &QRadioButton::clicked, this, [this, slot] { RBC1Click(slot); });
        this->*slotButtons[i] = button;
        const int index = static_cast<int>(i);
        layout->addWidget(button, index % rows, index / rows);
    }
    RBC1->setChecked(true);

    CP = new ColorPicker(InitialPickColor);
    connect(CP, &ColorPicker::ColorChange, this, &TFormMain::CPColorChange);
    SBResetColor = NewSmallButton(QStringLiteral("R"), QStringLiteral("Colores iniciales"));
    connect(SBResetColor, &QToolButton::clicked, this, &TFormMain::SBResetColorClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CP);
    buttons->addWidget(SBResetColor);
    buttons->addStretch(1);
    layout->addLayout(buttons, rows, 0, 1, 2);
    return group;
}

}  // namespace kalto
