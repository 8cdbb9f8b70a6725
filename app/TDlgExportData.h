// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDlgExportData, "Crear RTF": asks for the document's file and two options,
// whether to stamp the creation date and time and whether to open the file
// once written. The window keeps one for its life, so the options keep their
// states from one export to the next.

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QFileDialog;
class QPushButton;

namespace kalto {

class TDlgExportData : public QDialog {
    Q_OBJECT

public:
    explicit TDlgExportData(QWidget* parent = nullptr);

    QCheckBox* CBMakeDataGen{};
    QCheckBox* CBOpenFileRTF{};
    QPushButton* OKBtn{};
    QPushButton* CancelBtn{};
    QFileDialog* SaveDialog1{};  // replaced by ClearSaveDialog

    // The file chosen by the last OK.
    QString FileName;

    // Asks for the file: SaveDialog1 by default; an empty name means the user
    // cancelled. Tests put an answer of their own here.
    std::function<QString()> ChooseFileName;

    // Runs the save dialog; with a file chosen, keeps its name and closes with
    // OK; otherwise the dialog stays open.
    void OKBtnClick();
    // Forgets the name in the save dialog, so that each export asks afresh.
    void ClearSaveDialog();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateSaveDialog();
    QString RunSaveDialog();
};

}  // namespace kalto
