// SPDX-License-Identifier: GPL-3.0-or-later
// The "Contactos" page's controls, laid out and wired to their handlers: the
// search's inputs on the left, its results on the right.

#include "TFormMain.h"

#include "ContactGrid.h"
#include "ContactGridFont.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "ScrollColumn.h"
#include "StringGridLook.h"

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

QDateEdit* NewDatePicker() {
    auto* picker = new QDateEdit;
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return picker;
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

QToolButton* NewSpeedButton(const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolTip(hint.section(u'|', 0, 0));
    button->setStatusTip(hint.section(u'|', 1, 1));
    return button;
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

QWidget* TFormMain::CreateContactosPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(ScrollColumn(CreateContactInputPanel()));
    layout->addWidget(CreateContactResultsPanel(), 1);

    connect(&RunnerCalc, &ContactSearchRunner::ProgressChanged, this, &TFormMain::RunnerCalcProgress);
    connect(&RunnerCalc, &ContactSearchRunner::Completed, this, &TFormMain::RunnerCalcCompleted);
    connect(&RunnerCalc, &ContactSearchRunner::Failed, this, &TFormMain::RunnerCalcFailed);
    return page;
}

QWidget* TFormMain::CreateContactInputPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(320);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 4, 0);

    RGPlanetas = new RadioGroup(QStringLiteral("Buscar contactos de:"), Items(ContactBodyItems), 4);
    connect(RGPlanetas, &RadioGroup::Click, this, &TFormMain::RGPlanetasClick);
    layout->addWidget(RGPlanetas);

    // The span: its dates and the buttons that set the end some months on.
    PanelCalcDateInterval = new QWidget;
    auto* dates = new QGridLayout(PanelCalcDateInterval);
    dates->setContentsMargins(0, 0, 0, 0);
    DTP1 = NewDatePicker();
    DTP2 = NewDatePicker();
    for (QDateEdit* picker : {DTP1, DTP2}) {
        connect(picker, &QDateEdit::dateChanged, this, &TFormMain::DateCWork1Change);
        picker->findChild<QLineEdit*>()->installEventFilter(
            new DoubleClickWatcher(picker, [this] { DateCWork1DblClick(); }));
    }
    dates->addWidget(new QLabel(QStringLiteral("Desde:")), 0, 0);
    dates->addWidget(DTP1, 0, 1, 1, 3);
    dates->addWidget(new QLabel(QStringLiteral("Hasta:")), 1, 0);
    dates->addWidget(DTP2, 1, 1, 1, 3);
    auto* spans = new QGridLayout;
    spans->setSpacing(2);
    const std::array<QToolButton * TFormMain::*, 7> spanButtons{&TFormMain::SE1, &TFormMain::SE2, &TFormMain::SE3,
                                                                &TFormMain::SE4, &TFormMain::SE5, &TFormMain::SE6,
                                                                &TFormMain::SE7};
    for (std::size_t i = 0; i < spanButtons.size(); ++i) {
        const int months = ContactSpanButtonMonths[i];
        auto* button = new QToolButton;
        button->setText(QStringLiteral("%1 m").arg(months));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, months] { SE1Click(months); });
        this->*spanButtons[i] = button;
        spans->addWidget(button, static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    dates->addLayout(spans, 2, 0, 1, 4);
    dates->setColumnStretch(1, 1);
    layout->addWidget(PanelCalcDateInterval);

    // The angle, its type and the orb.
    GBAngulo = new QGroupBox;
    auto* angle = new QGridLayout(GBAngulo);
    angle->setContentsMargins(6, 6, 6, 6);
    SEAngulo = NewSpinEdit(MinContactAngle, MaxContactAngle, DefaultContactAngle);
    SEAngulo->setSingleStep(ContactAngleIncrement);
    RGTipoAngulo = new QComboBox;
    RGTipoAngulo->addItems(Items(AngleTypeItems));
    AddLabelled(angle, 0, 0, QStringLiteral("Angulo:"), SEAngulo);
    AddLabelled(angle, 0, 2, QStringLiteral("Tipo:"), RGTipoAngulo);
    auto* orbGroup = new QGroupBox(QStringLiteral("Orbe:"));
    auto* orb = new QGridLayout(orbGroup);
    // The minutes reach one beyond each end so that spinning past it carries or borrows.
    SEGraOrb = NewSpinEdit(0, MaxOrbDegrees, 0);
    SEMinOrb = NewSpinEdit(-1, 60, 30);
    connect(SEGraOrb, &QSpinBox::valueChanged, this, &TFormMain::NormalizeOrb);
    connect(SEMinOrb, &QSpinBox::valueChanged, this, &TFormMain::NormalizeOrb);
    AddLabelled(orb, 0, 0, QStringLiteral("Grados:"), SEGraOrb);
    AddLabelled(orb, 0, 2, QStringLiteral("Min:"), SEMinOrb);
    angle->addWidget(orbGroup, 1, 0, 1, 4);
    angle->setColumnStretch(3, 1);
    layout->addWidget(GBAngulo);

    layout->addWidget(CreateContactTargetGroup());

    auto* boxes = new QHBoxLayout;
    CBCleanListContact = new QCheckBox(QStringLiteral("limpiar lista"));
    CBCleanListContact->setChecked(true);
    CBAutomatic = new QCheckBox(QStringLiteral("autom."));
    boxes->addWidget(CBCleanListContact);
    boxes->addWidget(CBAutomatic);
    boxes->addStretch(1);
    layout->addLayout(boxes);

    auto* buttons = new QHBoxLayout;
    BCalc = new QPushButton(QStringLiteral("Calcular"));
    BitBtnStopCalc = new QPushButton(QStringLiteral("Parar"));
    BitBtnStopCalc->setEnabled(false);
    connect(BCalc, &QPushButton::clicked, this, &TFormMain::BCalcClick);
    connect(BitBtnStopCalc, &QPushButton::clicked, this, &TFormMain::BitBtnStopCalcClick);
    buttons->addWidget(BCalc);
    buttons->addWidget(BitBtnStopCalc);
    layout->addLayout(buttons);

    GaugeProgressCalc = new QProgressBar;
    GaugeProgressCalc->setRange(0, 1);
    LabelStatusContact = new QLabel;
    LabelStatusContact->setWordWrap(true);
    layout->addWidget(GaugeProgressCalc);
    layout->addWidget(LabelStatusContact);
    layout->addStretch(1);
    return panel;
}

// The target position: its degrees, minutes and seconds, how the degrees are
// read, and the sign they count in.
QWidget* TFormMain::CreateContactTargetGroup() {
    GBContacto = new QGroupBox;
    auto* layout = new QVBoxLayout(GBContacto);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* positionGroup = new QGroupBox(QStringLiteral("Con la posición:"));
    auto* position = new QGridLayout(positionGroup);
    // One beyond each end, so that spinning past it carries or borrows.
    SEGraLon = NewSpinEdit(-1, 360, 0);
    SEMinLon = NewSpinEdit(-1, 60, 0);
    SESecLon = NewSpinEdit(-1, 60, 0);
    for (QSpinBox* spin : {SEGraLon, SEMinLon, SESecLon}) {
        connect(spin, &QSpinBox::valueChanged, this, &TFormMain::NormalizePosition);
    }
    AddLabelled(position, 0, 0, QStringLiteral("Grados:"), SEGraLon);
    AddLabelled(position, 0, 2, QStringLiteral("Min:"), SEMinLon);
    AddLabelled(position, 0, 4, QStringLiteral("Sec:"), SESecLon);
    layout->addWidget(positionGroup);

    RGCord = new RadioGroup(QStringLiteral("Coordenadas:"), Items(CoordinateItems), 2);
    RGCord->SetItemIndex(static_cast<int>(CoordinateMode::Ecliptic));
    connect(RGCord, &RadioGroup::Click, this, &TFormMain::SwitchCoordinates);
    layout->addWidget(RGCord);

    RGSignos = new RadioGroup(QStringLiteral("Signos:"), Items(ContactSignItems), 4);
    RGSignos->SetItemIndex(0);
    RGSignos->setEnabled(false);
    connect(RGSignos, &RadioGroup::Click, this, &TFormMain::RGSignosClick);
    layout->addWidget(RGSignos);
    return GBContacto;
}

QWidget* TFormMain::CreateContactResultsPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateContactToolStrip());

    StrGridCont = new QTableView;
    ModelCont = new ContactGridModel(Names, this);
    StrGridCont->setModel(ModelCont);
    SetStringGridLook(StrGridCont);
    StrGridCont->setFont(ContactGridFont(StrGridCont, Names));
    // The platform gives headers a font of their own; the titles read as the cells do.
    StrGridCont->horizontalHeader()->setFont(StrGridCont->font());
    connect(StrGridCont->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                StrGridContRowChanging(previous.row(), current.row());
            });

    PanelDetTra = new QWidget;
    auto* detail = new QVBoxLayout(PanelDetTra);
    detail->setContentsMargins(0, 0, 0, 0);
    StrGridDetCont = new QTableWidget(0, static_cast<int>(ContactDetailColumns.size()));
    SetStringGridLook(StrGridDetCont);
    StrGridDetCont->setFont(ContactDetailFont(StrGridDetCont, Names));
    StrGridDetCont->horizontalHeader()->setFont(StrGridDetCont->font());
    StrGridDetCont->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    StrGridDetCont->setSelectionMode(QAbstractItemView::NoSelection);
    StrGridDetCont->setFocusPolicy(Qt::NoFocus);
    QStringList titles;
    for (const GridColumn& column : ContactDetailColumns) {
        titles.append(ToQString(column.Title));
    }
    StrGridDetCont->setHorizontalHeaderLabels(titles);
    // At least the title and the three moments, with nothing to scroll.
    StrGridDetCont->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int detailHeight = StrGridDetCont->horizontalHeader()->sizeHint().height() +
                             ContactMomentCount * GridRowHeight + 2 * StrGridDetCont->frameWidth();
    StrGridDetCont->setMinimumHeight(detailHeight);
    detail->addWidget(StrGridDetCont);

    // The detail starts as high as its rows; the grid takes the rest.
    Splitter1 = new QSplitter(Qt::Vertical);
    Splitter1->addWidget(StrGridCont);
    Splitter1->addWidget(PanelDetTra);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setSizes({QWIDGETSIZE_MAX, detailHeight});
    layout->addWidget(Splitter1, 1);

    // The user's description of the contacts and the log of the searches;
    // their check boxes start hidden, so they are normally out of sight.
    PanelTextTran = new QWidget;
    auto* texts = new QHBoxLayout(PanelTextTran);
    texts->setContentsMargins(0, 0, 0, 0);
    MemoDescpContacto = new QPlainTextEdit;
    connect(MemoDescpContacto, &QPlainTextEdit::textChanged, this, &TFormMain::MemoDescpContactoChange);
    PanelDescTran = NewMemoPanel(QStringLiteral("Descripción  contacto(s):"), MemoDescpContacto);
    MemoInfoCalc = new QPlainTextEdit;
    MemoInfoCalc->setReadOnly(true);
    PanelOpcBusqueda = NewMemoPanel(QStringLiteral("Opciones de búsqueda:"), MemoInfoCalc);
    texts->addWidget(PanelDescTran);
    texts->addWidget(PanelOpcBusqueda);
    PanelDescTran->hide();
    PanelOpcBusqueda->hide();
    PanelTextTran->hide();
    PanelTextTran->setFixedHeight(120);
    layout->addWidget(PanelTextTran);
    return panel;
}

// The export button, the angle filter with "T", "N" and "R", and the boxes
// that show the detail and the text panels.
QWidget* TFormMain::CreateContactToolStrip() {
    auto* strip = new QWidget;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);

    SBTranToRTF = NewSpeedButton(QStringLiteral("RTF"), QStringLiteral("Crear RTF"));
    SBTranToRTF->setEnabled(false);
    layout->addWidget(SBTranToRTF);
    layout->addSpacing(12);

    // One check button a band of 15 degrees; tag = band + 1.
    ToolBarCasas = new QToolBar;
    const std::array<QToolButton * TFormMain::*, AngleBandCount> bandButtons{
        &TFormMain::TBTra1,  &TFormMain::TBTra2,  &TFormMain::TBTra3, &TFormMain::TBTra4, &TFormMain::TBTra5,
        &TFormMain::TBTra6,  &TFormMain::TBTra7,  &TFormMain::TBTra8, &TFormMain::TBTra9, &TFormMain::TBTra10,
        &TFormMain::TBTra11, &TFormMain::TBTra12, &TFormMain::TBTra13};
    for (std::size_t i = 0; i < bandButtons.size(); ++i) {
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
        this->*bandButtons[i] = button;
        ToolBarCasas->addWidget(button);
    }
    // Without a caption the last button would take the toolbar's icon size:
    // it keeps the size of the others.
    TBTra13->setFixedSize(TBTra1->sizeHint());
    // Never folds buttons away into an overflow menu.
    ToolBarCasas->setMinimumWidth(ToolBarCasas->sizeHint().width());
    layout->addWidget(ToolBarCasas);

    SBAllItem = NewSpeedButton(QStringLiteral("T"), QStringLiteral("Activar todos|Todos los items"));
    SBNoneItem = NewSpeedButton(QStringLiteral("N"), QStringLiteral("Desactivar todos|Ningún item"));
    SBResetListContact = NewSpeedButton(QStringLiteral("R"), QString());
    connect(SBAllItem, &QToolButton::clicked, this, &TFormMain::SBAllItemClick);
    connect(SBNoneItem, &QToolButton::clicked, this, &TFormMain::SBNoneItemClick);
    connect(SBResetListContact, &QToolButton::clicked, this, &TFormMain::SBResetListContactClick);
    layout->addWidget(SBAllItem);
    layout->addWidget(SBNoneItem);
    layout->addWidget(SBResetListContact);
    layout->addSpacing(12);

    CBContacDet = new QCheckBox(QStringLiteral("detalles"));
    CBContacDet->setChecked(true);
    CBContacDesc = new QCheckBox(QStringLiteral("descripción"));
    CBContacOpc = new QCheckBox(QStringLiteral("opciones búsqueda"));
    CBContacDesc->hide();
    CBContacOpc->hide();
    connect(CBContacDet, &QCheckBox::clicked, this, &TFormMain::CBContacDetClick);
    connect(CBContacDesc, &QCheckBox::clicked, this, &TFormMain::CBContacDescClick);
    connect(CBContacOpc, &QCheckBox::clicked, this, &TFormMain::CBContacOpcClick);
    layout->addWidget(CBContacDet);
    layout->addWidget(CBContacDesc);
    layout->addWidget(CBContacOpc);
    layout->addStretch(1);
    return strip;
}

}  // namespace kalto
