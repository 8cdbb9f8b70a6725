// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Imprimir efemérides": the months to print (whole months, up to 24) and the
// paper, then the pages saved as PDF or sent to a printer through Qt's print
// dialog. The pages' daily rows and events are computed for these months on
// a worker, whatever the last run was.
//
// Its controls, by their names:
//   DTPMesDesde, DTPMesHasta  "Desde:" and "Hasta:", months
//   CBPapel                   "Papel:", "A4" or "Carta", landscape
//   BGuardarPdf               "Guardar PDF..."
//   BImprimir                 "Imprimir..."
//   LabelEstado               what is being done, or what went wrong

#include "BackgroundJob.h"
#include "DateFormat.h"
#include "MonthlyPdf.h"
#include "WallClock.h"

#include <QDialog>

#include <filesystem>
#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace kalto {

class PrintPagesDialog : public QDialog {
    Q_OBJECT

    struct Ui {
        QDateEdit* DTPMesDesde{};
        QDateEdit* DTPMesHasta{};
        QComboBox* CBPapel{};
        QPushButton* BGuardarPdf{};
        QPushButton* BImprimir{};
        QLabel* LabelEstado{};
    };

public:
    PrintPagesDialog(WallClock clock, DateFormatNames names, PaperSize paper, QWidget* parent = nullptr);
    ~PrintPagesDialog() override;

    [[nodiscard]] const Ui& ui() const { return Controls; }
    [[nodiscard]] PaperSize Paper() const;

    // Computes the months chosen and writes them to `file`; the outcome shows
    // in LabelEstado once the work is done.
    void SavePdf(const std::filesystem::path& file);
    [[nodiscard]] bool IsWorking() const noexcept { return Jobs.IsRunning(); }

private:
    struct Work {
        TDateTime From = 0;
        TDateTime To = 0;
        WallClock Clock;
        std::atomic<bool> Stop{false};
        std::optional<MonthPages> Pages;
    };

    void BGuardarPdfClick();
    void BImprimirClick();
    void ComputeThen(std::function<void(const MonthPages&)> done);
    void Print(const MonthPages& pages);
    void SetWorking(bool working);

    Ui Controls;
    WallClock Clock;
    DateFormatNames Names;
    BackgroundJob<Work> Jobs;
};

}  // namespace kalto
