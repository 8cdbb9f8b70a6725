// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDlgAviso: the progress window of an export, "Exportando datos
// seleccionados", always on top and without title-bar buttons, its bar from 0
// to 100. Only the export closes it, by hiding it.

#include <QDialog>

class QProgressBar;

namespace kalto {

inline constexpr const char* ExportingCaption = "Exportando datos seleccionados";

class TDlgAviso : public QDialog {
    Q_OBJECT

public:
    explicit TDlgAviso(QWidget* parent = nullptr);

    QProgressBar* ProgressBar{};

    // The bar at 0 and the caption, for a new export.
    void Reset();

public slots:
    // Escape does not close it.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    // Neither does the window manager.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace kalto
