// SPDX-License-Identifier: GPL-3.0-or-later
// The export of the page shown to a Rich Text Format document: the pages'
// "RTF" buttons, the export dialog, the progress window, and the document
// written on a worker thread (a two-year table at five minutes is hundreds of
// megabytes; the window stays responsive meanwhile and shows the progress);
// and "Imprimir...", the printable monthly pages.

#include "TFormMain.h"

#include "ContactsPage.h"
#include "DateConversion.h"
#include "DrawGraph.h"
#include "EphemerisTable.h"
#include "GraphFrame.h"
#include "GraphPicture.h"
#include "PrintPagesDialog.h"
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
// pages' "RTF" buttons start an export of the page shown.
void TFormMain::FormCreateExport() {
    Controls.DlgExportData = new TDlgExportData(this);
    Controls.DlgAviso = new TDlgAviso(this);
    connect(&Ephemeris(), &EphemerisPage::ExportRequested, this, &TFormMain::ExportShownPage);
    connect(&Contacts(), &ContactsPage::ExportRequested, this, &TFormMain::ExportShownPage);
    connect(&Transits(), &TransitsPage::ExportRequested, this, &TFormMain::ExportShownPage);
    connect(&Ephemeris(), &EphemerisPage::PrintRequested, this, &TFormMain::PrintPages);
    SetExportEnabled(true);
    connect(&RunnerExport, &ExportRunner::ProgressChanged, this, &TFormMain::RunnerExportProgress);
    connect(&RunnerExport, &ExportRunner::Finished, this, &TFormMain::RunnerExportFinished);
}

void TFormMain::ExportShownPage() {
    if (RunnerExport.IsRunning()) {
        return;
    }
    const int result = Controls.DlgExportData->exec();
    Controls.DlgExportData->ClearSaveDialog();
    if (result != QDialog::Accepted) {
        return;
    }
    ExportSettings settings;
    if (Controls.DlgExportData->CBMakeDataGen->isChecked()) {
        settings.CreationStamp = LocalNow();
    }
    settings.PixelsPerInch = logicalDpiX();
    settings.Names = Names;

    ExportFile = Controls.DlgExportData->FileName;
    SetExportEnabled(false);
    Controls.DlgAviso->Reset();
    Controls.DlgAviso->show();
    RunnerExport.Start(QFile::encodeName(ExportFile).toStdString(), ContentOfShownPage(), settings);
}

void TFormMain::SetExportEnabled(bool enabled) {
    Ephemeris().SetExportEnabled(enabled);
    Contacts().SetExportEnabled(enabled);
    Transits().SetExportEnabled(enabled);
}

ExportContent TFormMain::ContentOfShownPage() const {
    if (Controls.PCContactos->currentWidget() == Controls.TSTransitos) {
        return Transits().ContentToExport();
    }
    if (Controls.PCContactos->currentWidget() == Controls.TSContactos) {
        return Contacts().ContentToExport();
    }
    return Ephemeris().ContentToExport();
}

void TFormMain::RunnerExportProgress(int percent) {
    Controls.DlgAviso->ProgressBar->setValue(percent);
}

// A saved document is opened with the desktop's program for it when the
// dialog asks so; a failed one is reported and nothing is opened.
void TFormMain::RunnerExportFinished(const ExportStatus& status) {
    Controls.DlgAviso->hide();
    SetExportEnabled(true);
    if (!status.Ok()) {
        QMessageBox::critical(this, Controls.DlgExportData->windowTitle(), ToQString(status.ErrorMessage));
        return;
    }
    if (Controls.DlgExportData->CBOpenFileRTF->isChecked()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(ExportFile));
    }
}

void TFormMain::PrintPages() {
    PrintPagesDialog dialog(CurrentClock(), Names, PrintPaper, this);
    dialog.exec();
    PrintPaper = dialog.Paper();
}

}  // namespace kalto
