// SPDX-License-Identifier: GPL-3.0-or-later
#include "TDlgExportData.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kalto {

TDlgExportData::TDlgExportData(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Crear RTF"));
    setModal(true);

    CBMakeDataGen = new QCheckBox(QStringLiteral("Fecha y Hora creación de archivo"));
    CBMakeDataGen->setChecked(false);
    CBOpenFileRTF = new QCheckBox(QStringLiteral("Abir archivo RTF una vez creado"));
    CBOpenFileRTF->setChecked(true);

    OKBtn = new QPushButton(QStringLiteral("&Exportar"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancelar"));
    connect(OKBtn, &QPushButton::clicked, this, &TDlgExportData::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgExportData::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CBMakeDataGen);
    layout->addWidget(CBOpenFileRTF);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // A fixed dialog: the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    CreateSaveDialog();
    ChooseFileName = [this] { return RunSaveDialog(); };
}

void TDlgExportData::CreateSaveDialog() {
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setDefaultSuffix(QStringLiteral("rtf"));
    SaveDialog1->setNameFilters({QStringLiteral("Rich text format (*.rtf)"), QStringLiteral("Todos los archivos (*)")});
    SaveDialog1->setSizeGripEnabled(true);
    // Qt's own dialog, in Spanish like the program, not the desktop's, which
    // speaks the desktop's language.
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    // Overwriting an existing file is asked about: DontConfirmOverwrite stays clear.
}

void TDlgExportData::OKBtnClick() {
    const QString chosen = ChooseFileName();
    if (chosen.isEmpty()) {
        return;
    }
    FileName = chosen;
    accept();
}

// A file dialog cannot be told to forget its name: a new one takes its place,
// in the same folder.
void TDlgExportData::ClearSaveDialog() {
    const QString folder = SaveDialog1->directory().absolutePath();
    delete SaveDialog1;
    CreateSaveDialog();
    SaveDialog1->setDirectory(folder);
}

QString TDlgExportData::RunSaveDialog() {
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty()) {
        return {};
    }
    return SaveDialog1->selectedFiles().constFirst();
}

// Centred on the screen, not on the window.
void TDlgExportData::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

}  // namespace kalto
