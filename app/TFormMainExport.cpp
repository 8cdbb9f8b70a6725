// SPDX-License-Identifier: GPL-3.0-or-later
// The export of the page shown to a Rich Text Format document: the two "RTF"
// buttons, the export dialog, the progress window, and the document written
// on a worker thread (a two-year table at five minutes is hundreds of
// megabytes; the window stays responsive meanwhile and shows the progress).

#include "TFormMain.h"

#include "ContactsPage.h"
#include "DateConversion.h"
#include "DrawGraph.h"
#include "EphemerisTable.h"
#include "GraphFrame.h"
#include "GraphPicture.h"
#include "QtText.h"
#include "TDlgAviso.h"
#include "TDlgExportData.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMessageBox>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QUrl>

namespace kalto {

namespace {

TDateTime LocalNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    return ToDateTime(now.date()) + EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

}  // namespace

// The export dialog and the progress window live as long as the window; the
// buttons start an export from either page.
void TFormMain::FormCreateExport() {
    DlgExportData = new TDlgExportData(this);
    DlgAviso = new TDlgAviso(this);
    connect(SBEfemToRtf, &QToolButton::clicked, this, &TFormMain::SBEfemToRtfClick);
    connect(&Contacts(), &ContactsPage::ExportRequested, this, &TFormMain::SBEfemToRtfClick);
    SBEfemToRtf->setEnabled(true);
    Contacts().SetExportEnabled(true);
    connect(&RunnerExport, &ExportRunner::ProgressChanged, this, &TFormMain::RunnerExportProgress);
    connect(&RunnerExport, &ExportRunner::Finished, this, &TFormMain::RunnerExportFinished);
}

void TFormMain::SBEfemToRtfClick() {
    if (RunnerExport.IsRunning()) {
        return;
    }
    const int result = DlgExportData->exec();
    DlgExportData->ClearSaveDialog();
    if (result != QDialog::Accepted) {
        return;
    }
    ExportSettings settings;
    if (DlgExportData->CBMakeDataGen->isChecked()) {
        settings.CreationStamp = LocalNow();
    }
    settings.PixelsPerInch = logicalDpiX();
    settings.Names = Names;

    ExportFile = DlgExportData->FileName;
    SBEfemToRtf->setEnabled(false);
    Contacts().SetExportEnabled(false);
    DlgAviso->Reset();
    DlgAviso->show();
    RunnerExport.Start(QFile::encodeName(ExportFile).toStdString(), ExportContentOfPage(), settings);
}

// What the page shows: on the contacts page the memos that are checked and the
// summary or the details; on the ephemeris page the table of the selected body
// with the optional columns shown, or the graph.
ExportContent TFormMain::ExportContentOfPage() const {
    if (PCContactos->currentWidget() == TSContactos) {
        return Contacts().ContentToExport();
    }
    if (!SBViewChartData->isChecked()) {
        return GraphExport{GraphPicture(GraphFrameOfControls(GraphPictureWidth, GraphPictureHeight))};
    }
    EphemerisTableExport table{
        .Rows = EphemerisRows, .Body = SelectedBody, .ZoneHours = SETz->value(), .OptionalColumns = {}};
    for (int column = FirstOptionalColumn; column < EphemerisColumnCount; ++column) {
        if (!StrGridEfem->isColumnHidden(column)) {
            table.OptionalColumns.push_back(column);
        }
    }
    return table;
}

void TFormMain::RunnerExportProgress(int percent) {
    DlgAviso->ProgressBar->setValue(percent);
}

// A saved document is opened with the desktop's program for it when the
// dialog asks so; a failed one is reported and nothing is opened.
void TFormMain::RunnerExportFinished(const ExportStatus& status) {
    DlgAviso->hide();
    SBEfemToRtf->setEnabled(true);
    Contacts().SetExportEnabled(true);
    if (!status.Ok()) {
        QMessageBox::critical(this, DlgExportData->windowTitle(), ToQString(status.ErrorMessage));
        return;
    }
    if (DlgExportData->CBOpenFileRTF->isChecked()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(ExportFile));
    }
}

}  // namespace kalto
