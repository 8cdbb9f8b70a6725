// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPagesDialog.h"

#include "DateConversion.h"
#include "QtText.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace kalto {

namespace {

QDateEdit* NewMonthPicker(QDate date) {
    auto* picker = new QDateEdit(date);
    picker->setDisplayFormat(QStringLiteral("MM/yyyy"));
    picker->setCalendarPopup(true);
    return picker;
}

}  // namespace

PrintPagesDialog::PrintPagesDialog(WallClock clock, DateFormatNames names, PaperSize paper, QWidget* parent)
    : QDialog(parent), Clock(std::move(clock)), Names(std::move(names)), Jobs(*this) {
    setWindowTitle(QStringLiteral("Imprimir efemérides"));
    Ui& ui = Controls;
    const QDate today = QDate::currentDate();
    ui.DTPMesDesde = NewMonthPicker(QDate(today.year(), today.month(), 1));
    ui.DTPMesHasta = NewMonthPicker(QDate(today.year(), today.month(), 1).addMonths(2));
    ui.CBPapel = new QComboBox;
    ui.CBPapel->addItems({QStringLiteral("A4"), QStringLiteral("Carta")});
    ui.CBPapel->setCurrentIndex(paper == PaperSize::A4 ? 0 : 1);
    ui.BGuardarPdf = new QPushButton(QStringLiteral("Guardar PDF..."));
    ui.BImprimir = new QPushButton(QStringLiteral("Imprimir..."));
    ui.LabelEstado = new QLabel(QStringLiteral("Una página por mes, hasta 24 meses."));
    ui.LabelEstado->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(ui.BGuardarPdf, QDialogButtonBox::ActionRole);
    buttons->addButton(ui.BImprimir, QDialogButtonBox::ActionRole);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Desde:"), ui.DTPMesDesde);
    form->addRow(QStringLiteral("Hasta:"), ui.DTPMesHasta);
    form->addRow(QStringLiteral("Papel:"), ui.CBPapel);
    form->addRow(ui.LabelEstado);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintPagesDialog::reject);
    connect(ui.BGuardarPdf, &QPushButton::clicked, this, &PrintPagesDialog::BGuardarPdfClick);
    connect(ui.BImprimir, &QPushButton::clicked, this, &PrintPagesDialog::BImprimirClick);
}

PrintPagesDialog::~PrintPagesDialog() = default;

PaperSize PrintPagesDialog::Paper() const {
    return Controls.CBPapel->currentIndex() == 0 ? PaperSize::A4 : PaperSize::Letter;
}

void PrintPagesDialog::SetWorking(bool working) {
    Controls.BGuardarPdf->setEnabled(!working);
    Controls.BImprimir->setEnabled(!working);
    if (working) Controls.LabelEstado->setText(QStringLiteral("Calculando las páginas..."));
}

// The months chosen computed on a worker, then `done` on the dialog's thread.
void PrintPagesDialog::ComputeThen(std::function<void(const MonthPages&)> done) {
    const TDateTime from = ToDateTime(Controls.DTPMesDesde->date());
    const TDateTime to = ToDateTime(Controls.DTPMesHasta->date());
    if (to < from) {
        Controls.LabelEstado->setText(QStringLiteral("«Hasta:» es anterior a «Desde:»."));
        return;
    }
    if (MonthCount(from, to) > MaxMonthPages) {
        Controls.LabelEstado->setText(QStringLiteral("Como mucho 24 meses."));
        return;
    }
    auto work = std::make_shared<Work>();
    work->From = from;
    work->To = to;
    work->Clock = Clock;
    SetWorking(true);
    Jobs.Start(
        std::move(work),
        [](Work& state, std::stop_token stop) {
            const std::stop_callback stopWork(stop, [&state] { state.Stop = true; });
            try {
                state.Pages = ComputeMonthPages(state.From, state.To, state.Clock, state.Stop);
            } catch (const std::exception&) {
                state.Pages.reset();
            }
        },
        [this, done = std::move(done)](Work& state) {
            SetWorking(false);
            if (state.Pages) {
                done(*state.Pages);
            } else {
                Controls.LabelEstado->setText(QStringLiteral("Cálculos Interrumpidos"));
            }
        });
}

void PrintPagesDialog::SavePdf(const std::filesystem::path& file) {
    ComputeThen([this, file](const MonthPages& pages) {
        const auto failure = WriteMonthlyPdf(file, pages, Paper(), Names);
        Controls.LabelEstado->setText(failure ? ToQString(*failure)
                                              : QStringLiteral("%1 páginas guardadas en %2")
                                                    .arg(pages.Months.size())
                                                    .arg(QString::fromStdString(file.string())));
    });
}

void PrintPagesDialog::BGuardarPdfClick() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar PDF"),
                                                      QStringLiteral("efemerides.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!file.isEmpty()) SavePdf(file.toStdString());
}

void PrintPagesDialog::BImprimirClick() {
    ComputeThen([this](const MonthPages& pages) { Print(pages); });
}

void PrintPagesDialog::Print(const MonthPages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(Paper() == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter),
                                      QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        Controls.LabelEstado->clear();
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        Controls.LabelEstado->setText(QStringLiteral("No se pudo imprimir."));
        return;
    }
    PaintMonthPages(painter, printer, pages, Names);
    painter.end();
    Controls.LabelEstado->setText(QStringLiteral("%1 páginas enviadas a la impresora.").arg(pages.Months.size()));
}

}  // namespace kalto
