// SPDX-License-Identifier: GPL-3.0-or-later
// The "Efemerides" page's controls, laid out and wired to their handlers, and
// their start-up values.

#include "EphemerisPage.h"

#include "EphemerisGridFont.h"
#include "EphemerisRun.h"
#include "EphemerisSpan.h"
#include "EphemerisTable.h"
#include "EphemerisTableModel.h"
#include "EphemerisTexts.h"
#include "ExportDocuments.h"
#include "Glyphs.h"
#include "GridFont.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "StringGridLook.h"
#include "TypedDate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalto {

namespace {

// Whether `font` draws the twelve zodiac characters, U+2648 to U+2653.
bool FontHasZodiac(const QFont& font) {
    const QFontMetrics metrics(font);
    for (char32_t sign = U'\u2648'; sign <= U'\u2653'; ++sign) {
        if (!metrics.inFontUcs4(sign)) return false;
    }
    return true;
}

// The graph's sign glyphs, for a font without those characters.
std::array<QImage, 12> SignPictures() {
    std::array<QImage, 12> pictures;
    for (int sign = 0; sign < 12; ++sign) pictures[static_cast<std::size_t>(sign)] = SignGlyph(sign);
    return pictures;
}

QToolButton* NewPageButton(const QString& caption) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

EphemerisPage::EphemerisPage(DateFormatNames names, QWidget* parent) : QWidget(parent), DateNames(std::move(names)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* strip = new QHBoxLayout;
    Controls.SBViewChartData = NewPageButton(QStringLiteral("Listado"));
    Controls.SBViewChartData->setChecked(true);
    Controls.SBViewChartDiagrama = NewPageButton(QStringLiteral("Gráfico"));
    Controls.SBViewEventos = NewPageButton(QStringLiteral("Eventos"));
    auto* pageButtons = new QButtonGroup(this);
    pageButtons->addButton(Controls.SBViewChartData);
    pageButtons->addButton(Controls.SBViewChartDiagrama);
    pageButtons->addButton(Controls.SBViewEventos);
    connect(Controls.SBViewEventos, &QToolButton::clicked, this, &EphemerisPage::SBViewEventosClick);
    connect(Controls.SBViewChartData, &QToolButton::clicked, this, &EphemerisPage::SBViewChartDataClick);
    connect(Controls.SBViewChartDiagrama, &QToolButton::clicked, this, &EphemerisPage::SBViewChartDiagramaClick);

    Controls.SBEfemToRtf = NewSpeedButton(QStringLiteral("RTF"), QStringLiteral("Crear RTF"));
    connect(Controls.SBEfemToRtf, &QToolButton::clicked, this, &EphemerisPage::ExportRequested);
    Controls.SBImprimir = NewSpeedButton(QStringLiteral("Imprimir..."),
                                         QStringLiteral("Páginas mensuales para imprimir o guardar como PDF"));
    connect(Controls.SBImprimir, &QToolButton::clicked, this, &EphemerisPage::PrintRequested);

    Controls.LabelFecha = new QLabel(ToQString(RangeNone));
    QFont bold = Controls.LabelFecha->font();
    bold.setBold(true);
    Controls.LabelFecha->setFont(bold);

    strip->addWidget(Controls.SBViewChartData);
    strip->addWidget(Controls.SBViewChartDiagrama);
    strip->addWidget(Controls.SBViewEventos);
    strip->addSpacing(8);
    strip->addWidget(Controls.SBEfemToRtf);
    strip->addWidget(Controls.SBImprimir);
    strip->addSpacing(16);
    strip->addWidget(new QLabel(QStringLiteral("Listado y Gráfico usan las fechas: ")));
    strip->addWidget(Controls.LabelFecha);
    strip->addStretch(1);
    layout->addLayout(strip);

    Controls.NotebookData = new QStackedWidget;
    auto* calcular = new QWidget;
    calcular->setObjectName(QStringLiteral("Calcular"));
    auto* calcularLayout = new QHBoxLayout(calcular);
    calcularLayout->setContentsMargins(0, 0, 0, 0);
    calcularLayout->addWidget(CreateRunPanel());
    calcularLayout->addWidget(CreateTablePanel(), 1);
    Controls.NotebookData->addWidget(calcular);
    Controls.Graph = new GraphView(DateNames);
    Controls.NotebookData->addWidget(Controls.Graph);
    Controls.Eventos = new EventsView(DateNames);
    Controls.NotebookData->addWidget(Controls.Eventos);
    layout->addWidget(Controls.NotebookData, 1);

    connect(&RunnerEfem, &EphemerisRunner::ProgressChanged, this, &EphemerisPage::RunnerEfemProgress);
    connect(&RunnerEfem, &EphemerisRunner::Completed, this, &EphemerisPage::RunnerEfemCompleted);
    connect(&RunnerEfem, &EphemerisRunner::Failed, this, &EphemerisPage::RunnerEfemFailed);

    // The start-up values: from today to a month on, the first step of the
    // list, the Sun, and of the optional columns the hour and the longitude.
    Controls.CBDeltaTiempo->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(Controls.DE1);
        Controls.DE1->setDate(QDate::currentDate());
    }
    SBMD1Click(SpanButtonMonths[0]);
    ResetEphemerisStatus();
    for (int column = 0; column < EphemerisColumnCount; ++column) {
        Controls.StrGridEfem->setColumnWidth(column, EphemerisColumns[static_cast<std::size_t>(column)].Width);
    }
    // Lat., AR. and Dec. start hidden, as their boxes start cleared.
    for (int column = 5; column < EphemerisColumnCount; ++column) {
        Controls.StrGridEfem->setColumnHidden(column, true);
    }
    ShownColumns = 2;
    FitGridWidth();
    FillEphemerisGrid();
}

QWidget* EphemerisPage::CreateRunPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(270);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 4, 4, 0);

    auto* dates = new QGridLayout;
    Controls.DE1 = NewDatePicker();
    Controls.DE2 = NewDatePicker();
    connect(Controls.DE1, &QDateEdit::dateChanged, this, &EphemerisPage::DateEWork1Change);
    connect(Controls.DE2, &QDateEdit::dateChanged, this, &EphemerisPage::DE2Change);
    dates->addWidget(new QLabel(QStringLiteral("Desde:")), 0, 0);
    dates->addWidget(Controls.DE1, 0, 1);
    dates->addWidget(new QLabel(QStringLiteral("Hasta:")), 1, 0);
    dates->addWidget(Controls.DE2, 1, 1);
    dates->setColumnStretch(1, 1);
    layout->addLayout(dates);

    // Span buttons; each one's tag is the months it adds.
    auto* spans = new QGridLayout;
    spans->setSpacing(2);
    auto& spanButtons = Controls.SBMD;
    for (std::size_t i = 0; i < spanButtons.size(); ++i) {
        const int months = SpanButtonMonths[i];
        auto* button = new QToolButton;
        button->setText(QStringLiteral("%1 m").arg(months));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, months] { SBMD1Click(months); });
        spanButtons[i] = button;
        spans->addWidget(button, static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    layout->addLayout(spans);

    Controls.PanelEfemDateInterval = new QWidget;
    auto* interval = new QHBoxLayout(Controls.PanelEfemDateInterval);
    interval->setContentsMargins(0, 0, 0, 0);
    Controls.CBDeltaTiempo = new QComboBox;
    for (const auto& choice : EphemerisStepChoices) {
        Controls.CBDeltaTiempo->addItem(ToQString(choice.Text));
    }
    connect(Controls.CBDeltaTiempo, &QComboBox::currentIndexChanged, this, &EphemerisPage::CBDeltaTiempoChange);
    interval->addWidget(new QLabel(QStringLiteral("cada:")));
    interval->addWidget(Controls.CBDeltaTiempo, 1);
    layout->addWidget(Controls.PanelEfemDateInterval);

    auto* buttons = new QHBoxLayout;
    Controls.BCalContac = new QPushButton(QStringLiteral("Calcular"));
    Controls.BitBtnStopEfem = new QPushButton(QStringLiteral("Parar"));
    Controls.BitBtnStopEfem->setEnabled(false);
    connect(Controls.BCalContac, &QPushButton::clicked, this, &EphemerisPage::BCalContacClick);
    connect(Controls.BitBtnStopEfem, &QPushButton::clicked, this, &EphemerisPage::BitBtnStopEfemClick);
    buttons->addWidget(Controls.BCalContac);
    buttons->addWidget(Controls.BitBtnStopEfem);
    layout->addLayout(buttons);

    Controls.GaugeProgressEfem = new QProgressBar;
    Controls.GaugeProgressEfem->setRange(0, 1);
    Controls.GaugeProgressEfem->setValue(0);
    Controls.LabelStatusEfem = new QLabel;
    Controls.LabelStatusEfem->setWordWrap(true);
    layout->addWidget(Controls.GaugeProgressEfem);
    layout->addWidget(Controls.LabelStatusEfem);
    layout->addStretch(1);
    return panel;
}

QWidget* EphemerisPage::CreateTablePanel() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    // Body buttons, tag = body number, and column boxes, tag = column.
    Controls.PanelButtonEfem = new QWidget;
    Controls.PanelButtonEfem->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* side = new QVBoxLayout(Controls.PanelButtonEfem);
    side->setContentsMargins(0, 4, 0, 0);
    side->setSpacing(2);
    auto& bodyButtons = Controls.SBP;
    auto* bodyGroup = new QButtonGroup(Controls.PanelButtonEfem);
    for (std::size_t i = 0; i < bodyButtons.size(); ++i) {
        const bool all = i == ComputedBodyCount;
        const int body = all ? AllBodiesTableBody : static_cast<int>(i) + FirstBody;
        auto* button = new QToolButton;
        button->setText(all ? QStringLiteral("Todos")
                            : ToQString(BodyLabels[static_cast<std::size_t>(body)].substr(0, 3)));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        bodyGroup->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, body] { SBP1Click(body); });
        bodyButtons[i] = button;
        side->addWidget(button);
    }
    bodyButtons[0]->setChecked(true);
    side->addSpacing(12);

    struct ColumnBox {
        QCheckBox* Ui::*Box;
        const char* Caption;
        int Column;
        bool Ticked;
    };
    const std::array<ColumnBox, 5> columnBoxes{{
        {&Ui::CBViewHour, "hor.", 3, true},
        {&Ui::CBViewLon, "lon.", 4, true},
        {&Ui::CBViewLat, "lat.", 5, false},
        {&Ui::CBViewAR, "ar.", 6, false},
        {&Ui::CBViewDec, "dec.", 7, false},
    }};
    for (const auto& [member, caption, column, ticked] : columnBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(caption));
        box->setChecked(ticked);
        connect(box, &QCheckBox::toggled, this, [this, column](bool checked) { CBViewLonClick(column, checked); });
        Controls.*member = box;
        side->addWidget(box);
    }
    side->addStretch(1);

    Controls.StrGridEfem = new QTableView;
    Controls.ModelEfem = new EphemerisTableModel(DateNames, this);
    Controls.StrGridEfem->setModel(Controls.ModelEfem);
    SetStringGridLook(Controls.StrGridEfem);
    Controls.StrGridEfem->setFont(
        EphemerisGridFont(Controls.StrGridEfem->font(), DateNames, GridCellMargin(Controls.StrGridEfem)));

    connect(Controls.StrGridEfem->horizontalHeader(), &QHeaderView::sectionResized, this, &EphemerisPage::FitGridWidth);

    Controls.StrGridTodos = new QTableView;
    Controls.ModelTodos = new AllBodiesTableModel(DateNames, this);
    Controls.StrGridTodos->setModel(Controls.ModelTodos);
    SetStringGridLook(Controls.StrGridTodos);
    Controls.StrGridTodos->setFont(Controls.StrGridEfem->font());
    for (int column = 0; column < AllBodiesColumnCount; ++column) {
        Controls.StrGridTodos->setColumnWidth(column, AllBodiesColumns[static_cast<std::size_t>(column)].Width);
    }
    Controls.StrGridTodos->hide();
    Controls.ModelTodos->SetSignGlyphs(FontHasZodiac(Controls.StrGridTodos->font()), SignPictures());

    layout->addWidget(Controls.PanelButtonEfem);
    layout->addWidget(Controls.StrGridEfem, 1);
    layout->addWidget(Controls.StrGridTodos, 1);
    layout->addStretch(0);  // takes what the table, held to its columns, leaves
    return panel;
}

}  // namespace kalto
