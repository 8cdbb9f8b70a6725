// SPDX-License-Identifier: GPL-3.0-or-later
// The graph view's controls, laid out and wired to their handlers: the
// graph's options on the left, the chart and its status bar on the right.

#include "GraphView.h"

#include "ColorPicker.h"
#include "DrawGraph.h"
#include "GraphFrame.h"
#include "PaintBox.h"
#include "QtText.h"
#include "ScrollColumn.h"
#include "StatusPanels.h"
#include "TypedDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
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

QToolButton* NewSmallButton(const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(hint);
    return button;
}

}  // namespace

GraphView::GraphView(DateFormatNames names, QWidget* parent) : QWidget(parent), Names(std::move(names)) {
    setObjectName(QStringLiteral("Grafico"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollColumn(CreateOptionsPanel()));

    Controls.PaintBoxEfem = new PaintBox;
    Controls.PaintBoxEfem->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(Controls.PaintBoxEfem, &PaintBox::Paint, this, &GraphView::PaintBoxEfemPaint);
    connect(Controls.PaintBoxEfem, &PaintBox::MouseDown, this, &GraphView::PaintBoxEfemMouseDown);
    connect(Controls.PaintBoxEfem, &PaintBox::MouseMove, this, &GraphView::PaintBoxEfemMouseMove);
    connect(Controls.PaintBoxEfem, &PaintBox::MouseLeave, this, &GraphView::PaintBoxEfemMouseLeave);
    Controls.StatusBar1 = new StatusPanels({MarkerPanelWidth, PointerPanelWidth, ScalePanelWidth});

    auto* chart = new QVBoxLayout;
    chart->setSpacing(0);
    chart->addWidget(Controls.PaintBoxEfem, 1);
    chart->addWidget(Controls.StatusBar1);
    layout->addLayout(chart, 1);

    Controls.CBSigno->setCurrentIndex(0);
    Controls.CBLTipoImagen->setCurrentIndex(static_cast<int>(GraphGlyph::None));
    const QDateTime now = QDateTime::currentDateTime();
    Controls.DateDiaEfe->setDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
}

QWidget* GraphView::CreateOptionsPanel() {
    Controls.PanelConfigViewPlanets = new QWidget;
    Controls.PanelConfigViewPlanets->setFixedWidth(OptionsPanelWidth);
    auto* layout = new QVBoxLayout(Controls.PanelConfigViewPlanets);
    layout->setContentsMargins(0, 4, 4, 0);
    layout->setSpacing(4);

    // The sign bands, the point glyph and the lines.
    auto* look = new QGridLayout;
    Controls.SENoSigno = new QSpinBox;
    Controls.SENoSigno->setRange(1, MaxGraphSigns);
    Controls.SENoSigno->setValue(MaxGraphSigns);
    Controls.SENoSigno->setKeyboardTracking(false);
    Controls.CBSigno = new QComboBox;
    for (const std::string_view sign : GraphSignChoices) {
        Controls.CBSigno->addItem(ToQString(sign));
    }
    Controls.CBLTipoImagen = new QComboBox;
    for (const std::string_view caption : GraphGlyphCaptions) {
        Controls.CBLTipoImagen->addItem(ToQString(caption));
    }
    Controls.CBLinea = new QCheckBox(QStringLiteral("Linea"));
    Controls.CBLinea->setChecked(true);
    look->addWidget(new QLabel(QStringLiteral("Signos:")), 0, 0);
    look->addWidget(Controls.SENoSigno, 0, 1);
    look->addWidget(new QLabel(QStringLiteral("desde:")), 1, 0);
    look->addWidget(Controls.CBSigno, 1, 1);
    look->addWidget(new QLabel(QStringLiteral("Punto:")), 2, 0);
    look->addWidget(Controls.CBLTipoImagen, 2, 1);
    look->addWidget(Controls.CBLinea, 3, 0, 1, 2);
    look->setColumnStretch(1, 1);
    layout->addLayout(look);

    layout->addWidget(CreateBodyGroup());

    Controls.GBConfigGrid = new QGroupBox(QStringLiteral("Rejilla"));
    auto* grid = new QGridLayout(Controls.GBConfigGrid);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(0);
    Controls.CBSignos = new QCheckBox(QStringLiteral("Signo"));
    Controls.CBDeca = new QCheckBox(QStringLiteral("Deca."));
    Controls.CBDias = new QCheckBox(QStringLiteral("Días"));
    Controls.CBMes = new QCheckBox(QStringLiteral("Mes"));
    Controls.CBSignos->setChecked(true);
    Controls.CBDeca->setChecked(true);
    Controls.CBMes->setChecked(true);
    grid->addWidget(Controls.CBSignos, 0, 0);
    grid->addWidget(Controls.CBDeca, 0, 1);
    grid->addWidget(Controls.CBDias, 1, 0);
    grid->addWidget(Controls.CBMes, 1, 1);
    layout->addWidget(Controls.GBConfigGrid);

    layout->addWidget(CreateMarkerGroup());
    layout->addWidget(CreateColorGroup());
    layout->addStretch(1);

    for (QCheckBox* box : {Controls.CBLinea, Controls.CBSignos, Controls.CBDeca, Controls.CBDias, Controls.CBMes}) {
        connect(box, &QCheckBox::toggled, this, &GraphView::CGChange);
    }
    connect(Controls.SENoSigno, &QSpinBox::valueChanged, this, &GraphView::CGChange);
    connect(Controls.CBSigno, &QComboBox::currentIndexChanged, this, &GraphView::CGChange);
    connect(Controls.CBLTipoImagen, &QComboBox::currentIndexChanged, this, &GraphView::CGChange);
    return Controls.PanelConfigViewPlanets;
}

// One box a body, tag = body number, its caption in the body's colour; the
// twelfth, "Rue", is never drawn and stays hidden.
QWidget* GraphView::CreateBodyGroup() {
    auto* group = new QGroupBox(QStringLiteral("Cuerpos"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(0);
    auto& boxes = Controls.CBVP;
    constexpr int rows = (ComputedBodyCount + 1) / 2;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int body = static_cast<int>(i) + FirstBody;
        auto* box = new QCheckBox(ToQString(BodyLabels[static_cast<std::size_t>(body)]));
        QPalette caption = box->palette();
        caption.setColor(QPalette::WindowText, ToQColor(BodyColors[static_cast<std::size_t>(body)]));
        box->setPalette(caption);
        boxes[i] = box;
        const int index = static_cast<int>(i);
        layout->addWidget(box, index % rows, index / rows);
        if (body == Rue) {
            box->hide();
        } else {
            connect(box, &QCheckBox::toggled, this, &GraphView::CBVP1Click);
        }
    }

    // "T" checks every box (tag 1), "N" clears them (tag 0).
    Controls.SBViewAll = NewSmallButton(QStringLiteral("T"), QStringLiteral("Todos"));
    Controls.SBViewNone = NewSmallButton(QStringLiteral("N"), QStringLiteral("Ninguno"));
    connect(Controls.SBViewAll, &QToolButton::clicked, this, [this] { SBViewAllClick(1); });
    connect(Controls.SBViewNone, &QToolButton::clicked, this, [this] { SBViewAllClick(0); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Controls.SBViewAll);
    buttons->addWidget(Controls.SBViewNone);
    buttons->addStretch(1);
    layout->addLayout(buttons, rows, 0, 1, 2);
    return group;
}

// The day marker: whether it shows, its date, and the buttons that move it by
// some days, ">" forward (tag 1) and "<" back (tag -1).
QWidget* GraphView::CreateMarkerGroup() {
    auto* group = new QGroupBox(QStringLiteral("Día"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    Controls.CBDiaEfem = new QCheckBox(QStringLiteral("Marcar el día"));
    Controls.CBDiaEfem->setChecked(true);
    Controls.DateDiaEfe = new QDateTimeEdit;
    Controls.DateDiaEfe->setCalendarPopup(true);
    Controls.DateDiaEfe->setTimeSpec(Qt::UTC);  // local civil time of the run's zone, free of the system's DST
    Controls.DateDiaEfe->setDisplayFormat(QStringLiteral("dd/MM/yyyy hh:mm"));
    AcceptTypedDate(Controls.DateDiaEfe);
    Controls.RxSDeltaDia = new QSpinBox;
    Controls.RxSDeltaDia->setRange(0, 120);
    Controls.RxSDeltaDia->setSingleStep(5);
    Controls.RxSDeltaDia->setValue(1);
    Controls.RxSDeltaDia->setSuffix(QStringLiteral(" d"));
    Controls.BPrev = NewSmallButton(QStringLiteral("<"), QStringLiteral("Días atrás"));
    Controls.BNext = NewSmallButton(QStringLiteral(">"), QStringLiteral("Días adelante"));
    connect(Controls.BPrev, &QToolButton::clicked, this, [this] { BNextClick(-1); });
    connect(Controls.BNext, &QToolButton::clicked, this, [this] { BNextClick(1); });
    connect(Controls.CBDiaEfem, &QCheckBox::toggled, this, &GraphView::CGChange);
    connect(Controls.DateDiaEfe, &QDateTimeEdit::dateTimeChanged, this, &GraphView::CGChange);

    layout->addWidget(Controls.CBDiaEfem, 0, 0, 1, 3);
    layout->addWidget(Controls.DateDiaEfe, 1, 0, 1, 3);
    layout->addWidget(Controls.BPrev, 2, 0);
    layout->addWidget(Controls.RxSDeltaDia, 2, 1);
    layout->addWidget(Controls.BNext, 2, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

// The colour slots, tag = slot, the picker that edits the chosen one and the
// button that restores them all.
QWidget* GraphView::CreateColorGroup() {
    auto* group = new QGroupBox(QStringLiteral("Colores"));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(0);
    auto& slotButtons = Controls.RBC;
    constexpr int rows = GraphColorSlotCount / 2;
    for (std::size_t i = 0; i < slotButtons.size(); ++i) {
        const int slot = static_cast<int>(i) + DayColor;
        auto* button = new QRadioButton(ToQString(GraphColorCaptions[static_cast<std::size_t>(slot)]));
        connect(button, &QRadioButton::clicked, this, [this, slot] { RBC1Click(slot); });
        slotButtons[i] = button;
        const int index = static_cast<int>(i);
        layout->addWidget(button, index % rows, index / rows);
    }
    slotButtons[0]->setChecked(true);

    Controls.CP = new ColorPicker(ToQColor(SlotColors[ColorSlot]));
    connect(Controls.CP, &ColorPicker::ColorChange, this, &GraphView::CPColorChange);
    Controls.SBResetColor = NewSmallButton(QStringLiteral("R"), QStringLiteral("Colores iniciales"));
    connect(Controls.SBResetColor, &QToolButton::clicked, this, &GraphView::SBResetColorClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Controls.CP);
    buttons->addWidget(Controls.SBResetColor);
    buttons->addStretch(1);
    layout->addLayout(buttons, rows, 0, 1, 2);
    return group;
}

}  // namespace kalto
