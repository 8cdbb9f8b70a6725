// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's controls, laid out and wired to their handlers: the
// search's inputs on the left, its results on the right.

#include "ContactsPage.h"

#include "ContactGrid.h"
#include "ContactGridFont.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "SpeedButton.h"
#include "StringGridLook.h"
#include "TypedDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace kalto {

namespace {

// Calls a handler when the watched widget is double-clicked.
class DoubleClickWatcher : public QObject {
public:
    DoubleClickWatcher(QObject* parent, std::function<void()> handler) : QObject(parent), Handler(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            Handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Handler;
};

template <std::size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
    QStringList list;
    for (const std::string_view item : items) {
        list.append(ToQString(item));
    }
    return list;
}

// A spin edit whose handler runs when a value is complete (arrows, Enter or
// leaving it), not at every key typed.
QSpinBox* NewSpinEdit(int minimum, int maximum, int value) {
    auto* spin = new QSpinBox;
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    return spin;
}

// A caption and its spin edit side by side in `layout`, from `column` on.
void AddLabelled(QGridLayout* layout, int row, int column, const QString& caption, QWidget* control) {
    layout->addWidget(new QLabel(caption), row, column);
    layout->addWidget(control, row, column + 1);
}

// A panel with a caption above a memo.
QWidget* NewMemoPanel(const QString& caption, QPlainTextEdit* memo) {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(caption));
    layout->addWidget(memo);
    return panel;
}

}  // namespace

QWidget* ContactsPage::CreateInputPanel() {
    Ui& ui = Controls;
    auto* panel = new QWidget;
    panel->setFixedWidth(320);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 4, 0);

    ui.RGPlanetas = new RadioGroup(QStringLiteral("Buscar contactos de:"), Items(ContactBodyItems), 4);
    connect(ui.RGPlanetas, &RadioGroup::Click, this, &ContactsPage::RGPlanetasClick);
    layout->addWidget(ui.RGPlanetas);

    // The span: its dates and the buttons that set the end some months on.
    ui.PanelCalcDateInterval = new QWidget;
    auto* dates = new QGridLayout(ui.PanelCalcDateInterval);
    dates->setContentsMargins(0, 0, 0, 0);
    ui.DTP1 = NewDatePicker();
    ui.DTP2 = NewDatePicker();
    for (QDateEdit* picker : {ui.DTP1, ui.DTP2}) {
        connect(picker, &QDateEdit::dateChanged, this, &ContactsPage::DateCWork1Change);
        picker->findChild<QLineEdit*>()->installEventFilter(
            new DoubleClickWatcher(picker, [this] { DateCWork1DblClick(); }));
    }
    dates->addWidget(new QLabel(QStringLiteral("Desde:")), 0, 0);
    dates->addWidget(ui.DTP1, 0, 1, 1, 3);
    dates->addWidget(new QLabel(QStringLiteral("Hasta:")), 1, 0);
    dates->addWidget(ui.DTP2, 1, 1, 1, 3);
    auto* spans = new QGridLayout;
    spans->setSpacing(2);
    for (std::size_t i = 0; i < ui.SE.size(); ++i) {
        const int months = ContactSpanButtonMonths[i];
        auto* button = new QToolButton;
        button->setText(QStringLiteral("%1 m").arg(months));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, months] { SE1Click(months); });
        ui.SE[i] = button;
        spans->addWidget(button, static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    dates->addLayout(spans, 2, 0, 1, 4);
    dates->setColumnStretch(1, 1);
    layout->addWidget(ui.PanelCalcDateInterval);

    // The angle, its type and the orb.
    ui.GBAngulo = new QGroupBox;
    auto* angle = new QGridLayout(ui.GBAngulo);
    angle->setContentsMargins(6, 6, 6, 6);
    ui.SEAngulo = NewSpinEdit(MinContactAngle, MaxContactAngle, DefaultContactAngle);
    ui.SEAngulo->setSingleStep(ContactAngleIncrement);
    ui.RGTipoAngulo = new QComboBox;
    ui.RGTipoAngulo->addItems(Items(AngleTypeItems));
    AddLabelled(angle, 0, 0, QStringLiteral("Angulo:"), ui.SEAngulo);
    AddLabelled(angle, 0, 2, QStringLiteral("Tipo:"), ui.RGTipoAngulo);
    auto* orbGroup = new QGroupBox(QStringLiteral("Orbe:"));
    auto* orb = new QGridLayout(orbGroup);
    // The minutes reach one beyond each end so that spinning past it carries or borrows.
    ui.SEGraOrb = NewSpinEdit(0, MaxOrbDegrees, 0);
    ui.SEMinOrb = NewSpinEdit(-1, 60, 30);
    connect(ui.SEGraOrb, &QSpinBox::valueChanged, this, &ContactsPage::SEGraOrbChange);
    connect(ui.SEMinOrb, &QSpinBox::valueChanged, this, &ContactsPage::SEGraOrbChange);
    AddLabelled(orb, 0, 0, QStringLiteral("Grados:"), ui.SEGraOrb);
    AddLabelled(orb, 0, 2, QStringLiteral("Min:"), ui.SEMinOrb);
    angle->addWidget(orbGroup, 1, 0, 1, 4);
    angle->setColumnStretch(3, 1);
    layout->addWidget(ui.GBAngulo);

    layout->addWidget(CreateTargetGroup());

    auto* boxes = new QHBoxLayout;
    ui.CBCleanListContact = new QCheckBox(QStringLiteral("limpiar lista"));
    ui.CBCleanListContact->setChecked(true);
    ui.CBAutomatic = new QCheckBox(QStringLiteral("autom."));
    ui.CBMomentosExactos = new QCheckBox(QStringLiteral("momentos exactos"));
    boxes->addWidget(ui.CBCleanListContact);
    boxes->addWidget(ui.CBAutomatic);
    boxes->addWidget(ui.CBMomentosExactos);
    boxes->addStretch(1);
    layout->addLayout(boxes);

    auto* buttons = new QHBoxLayout;
    ui.BCalc = new QPushButton(QStringLiteral("Calcular"));
    ui.BitBtnStopCalc = new QPushButton(QStringLiteral("Parar"));
    ui.BitBtnStopCalc->setEnabled(false);
    connect(ui.BCalc, &QPushButton::clicked, this, &ContactsPage::BCalcClick);
    connect(ui.BitBtnStopCalc, &QPushButton::clicked, this, &ContactsPage::BitBtnStopCalcClick);
    buttons->addWidget(ui.BCalc);
    buttons->addWidget(ui.BitBtnStopCalc);
    layout->addLayout(buttons);

    ui.GaugeProgressCalc = new QProgressBar;
    ui.GaugeProgressCalc->setRange(0, 1);
    ui.LabelStatusContact = new QLabel;
    ui.LabelStatusContact->setWordWrap(true);
    layout->addWidget(ui.GaugeProgressCalc);
    layout->addWidget(ui.LabelStatusContact);
    layout->addStretch(1);
    return panel;
}

// The target position: its degrees, minutes and seconds, how the degrees are
// read, and the sign they count in.
QWidget* ContactsPage::CreateTargetGroup() {
    Ui& ui = Controls;
    ui.GBContacto = new QGroupBox;
    auto* layout = new QVBoxLayout(ui.GBContacto);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* positionGroup = new QGroupBox(QStringLiteral("Con la posición:"));
    auto* position = new QGridLayout(positionGroup);
    // One beyond each end, so that spinning past it carries or borrows.
    ui.SEGraLon = NewSpinEdit(-1, 360, 0);
    ui.SEMinLon = NewSpinEdit(-1, 60, 0);
    ui.SESecLon = NewSpinEdit(-1, 60, 0);
    for (QSpinBox* spin : {ui.SEGraLon, ui.SEMinLon, ui.SESecLon}) {
        connect(spin, &QSpinBox::valueChanged, this, &ContactsPage::SEGraLonChange);
    }
    AddLabelled(position, 0, 0, QStringLiteral("Grados:"), ui.SEGraLon);
    AddLabelled(position, 0, 2, QStringLiteral("Min:"), ui.SEMinLon);
    AddLabelled(position, 0, 4, QStringLiteral("Sec:"), ui.SESecLon);
    layout->addWidget(positionGroup);

    ui.RGCord = new RadioGroup(QStringLiteral("Coordenadas:"), Items(CoordinateItems), 2);
    ui.RGCord->SetItemIndex(static_cast<int>(CoordinateMode::Ecliptic));
    connect(ui.RGCord, &RadioGroup::Click, this, &ContactsPage::RGCordClick);
    layout->addWidget(ui.RGCord);

    ui.RGSignos = new RadioGroup(QStringLiteral("Signos:"), Items(ContactSignItems), 4);
    ui.RGSignos->SetItemIndex(0);
    ui.RGSignos->setEnabled(false);
    connect(ui.RGSignos, &RadioGroup::Click, this, &ContactsPage::RGSignosClick);
    layout->addWidget(ui.RGSignos);
    return ui.GBContacto;
}

QWidget* ContactsPage::CreateResultsPanel() {
    Ui& ui = Controls;
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateToolStrip());

    ui.StrGridCont = new QTableView;
    ui.ModelCont = new ContactGridModel(Names, this);
    ui.StrGridCont->setModel(ui.ModelCont);
    SetStringGridLook(ui.StrGridCont);
    ui.StrGridCont->setFont(ContactGridFont(ui.StrGridCont, Names));
    // The platform gives headers a font of their own; the titles read as the cells do.
    ui.StrGridCont->horizontalHeader()->setFont(ui.StrGridCont->font());
    connect(ui.StrGridCont->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                StrGridContRowChanging(previous.row(), current.row());
            });

    ui.PanelDetTra = new QWidget;
    auto* detail = new QVBoxLayout(ui.PanelDetTra);
    detail->setContentsMargins(0, 0, 0, 0);
    ui.StrGridDetCont = new QTableWidget(0, static_cast<int>(ContactDetailColumns.size()));
    SetStringGridLook(ui.StrGridDetCont);
    ui.StrGridDetCont->setFont(ContactDetailFont(ui.StrGridDetCont, Names));
    ui.StrGridDetCont->horizontalHeader()->setFont(ui.StrGridDetCont->font());
    ui.StrGridDetCont->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.StrGridDetCont->setSelectionMode(QAbstractItemView::NoSelection);
    ui.StrGridDetCont->setFocusPolicy(Qt::NoFocus);
    QStringList titles;
    for (const GridColumn& column : ContactDetailColumns) {
        titles.append(ToQString(column.Title));
    }
    ui.StrGridDetCont->setHorizontalHeaderLabels(titles);
    // At least the title and the three moments, with nothing to scroll.
    ui.StrGridDetCont->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int detailHeight = ui.StrGridDetCont->horizontalHeader()->sizeHint().height() +
                             ContactMomentCount * GridRowHeight + 2 * ui.StrGridDetCont->frameWidth();
    ui.StrGridDetCont->setMinimumHeight(detailHeight);
    detail->addWidget(ui.StrGridDetCont);

    // The detail starts as high as its rows; the grid takes the rest.
    ui.Splitter1 = new QSplitter(Qt::Vertical);
    ui.Splitter1->addWidget(ui.StrGridCont);
    ui.Splitter1->addWidget(ui.PanelDetTra);
    ui.Splitter1->setStretchFactor(0, 1);
    ui.Splitter1->setStretchFactor(1, 0);
    ui.Splitter1->setChildrenCollapsible(false);
    ui.Splitter1->setSizes({QWIDGETSIZE_MAX, detailHeight});
    layout->addWidget(ui.Splitter1, 1);

    // The user's description of the contacts and the log of the searches;
    // their check boxes start hidden, so they are normally out of sight.
    ui.PanelTextTran = new QWidget;
    auto* texts = new QHBoxLayout(ui.PanelTextTran);
    texts->setContentsMargins(0, 0, 0, 0);
    ui.MemoDescpContacto = new QPlainTextEdit;
    connect(ui.MemoDescpContacto, &QPlainTextEdit::textChanged, this, &ContactsPage::MemoDescpContactoChange);
    ui.PanelDescTran = NewMemoPanel(QStringLiteral("Descripción  contacto(s):"), ui.MemoDescpContacto);
    ui.MemoInfoCalc = new QPlainTextEdit;
    ui.MemoInfoCalc->setReadOnly(true);
    ui.PanelOpcBusqueda = NewMemoPanel(QStringLiteral("Opciones de búsqueda:"), ui.MemoInfoCalc);
    texts->addWidget(ui.PanelDescTran);
    texts->addWidget(ui.PanelOpcBusqueda);
    ui.PanelDescTran->hide();
    ui.PanelOpcBusqueda->hide();
    ui.PanelTextTran->hide();
    ui.PanelTextTran->setFixedHeight(120);
    layout->addWidget(ui.PanelTextTran);
    return panel;
}

// The export button, the angle filter with "T", "N" and "R", and the boxes
// that show the detail and the text panels.
QWidget* ContactsPage::CreateToolStrip() {
    Ui& ui = Controls;
    auto* strip = new QWidget;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);

    ui.SBTranToRTF = NewSpeedButton(QStringLiteral("RTF"), QStringLiteral("Crear RTF"));
    ui.SBTranToRTF->setEnabled(false);
    connect(ui.SBTranToRTF, &QToolButton::clicked, this, &ContactsPage::ExportRequested);
    layout->addWidget(ui.SBTranToRTF);
    layout->addSpacing(12);

    // One check button a band of 15 degrees; tag = band + 1.
    ui.ToolBarCasas = new QToolBar;
    for (std::size_t i = 0; i < ui.TBTra.size(); ++i) {
        const int tag = static_cast<int>(i) + 1;
        auto* button = new QToolButton;
        if (tag < AngleBandCount) {
            button->setText(QString::number(tag));
        } else {
            button->setToolTip(QStringLiteral("Aspectos centrífugos"));
            button->setStatusTip(QStringLiteral("Aspectos centrifugos por casa"));
        }
        button->setCheckable(true);
        button->setChecked(true);
        connect(button, &QToolButton::clicked, this, [this, tag] { TBTra1Click(tag); });
        ui.TBTra[i] = button;
        ui.ToolBarCasas->addWidget(button);
    }
    // Without a caption the last button would take the toolbar's icon size:
    // it keeps the size of the others.
    ui.TBTra[12]->setFixedSize(ui.TBTra[0]->sizeHint());
    // Never folds buttons away into an overflow menu.
    ui.ToolBarCasas->setMinimumWidth(ui.ToolBarCasas->sizeHint().width());
    layout->addWidget(ui.ToolBarCasas);

    ui.SBAllItem = NewSpeedButton(QStringLiteral("T"), QStringLiteral("Activar todos|Todos los items"));
    ui.SBNoneItem = NewSpeedButton(QStringLiteral("N"), QStringLiteral("Desactivar todos|Ningún item"));
    ui.SBResetListContact = NewSpeedButton(QStringLiteral("R"), QString());
    connect(ui.SBAllItem, &QToolButton::clicked, this, &ContactsPage::SBAllItemClick);
    connect(ui.SBNoneItem, &QToolButton::clicked, this, &ContactsPage::SBNoneItemClick);
    connect(ui.SBResetListContact, &QToolButton::clicked, this, &ContactsPage::SBResetListContactClick);
    layout->addWidget(ui.SBAllItem);
    layout->addWidget(ui.SBNoneItem);
    layout->addWidget(ui.SBResetListContact);
    layout->addSpacing(12);

    ui.CBContacDet = new QCheckBox(QStringLiteral("detalles"));
    ui.CBContacDet->setChecked(true);
    ui.CBContacDesc = new QCheckBox(QStringLiteral("descripción"));
    ui.CBContacOpc = new QCheckBox(QStringLiteral("opciones búsqueda"));
    ui.CBContacDesc->hide();
    ui.CBContacOpc->hide();
    connect(ui.CBContacDet, &QCheckBox::clicked, this, &ContactsPage::CBContacDetClick);
    connect(ui.CBContacDesc, &QCheckBox::clicked, this, &ContactsPage::CBContacDescClick);
    connect(ui.CBContacOpc, &QCheckBox::clicked, this, &ContactsPage::CBContacOpcClick);
    layout->addWidget(ui.CBContacDet);
    layout->addWidget(ui.CBContacDesc);
    layout->addWidget(ui.CBContacOpc);
    layout->addStretch(1);
    return strip;
}

}  // namespace kalto
