// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tránsitos" page's chart: made from a birth, opened from and saved to
// chart files, its points edited in the grid.

#include "TransitsPage.h"

#include "BirthChart.h"
#include "BirthChartDialog.h"
#include "ChartFile.h"
#include "QtText.h"
#include "Settings.h"
#include "TextForms.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTableWidget>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kalto {

namespace {

const QString ChartFileFilter = QStringLiteral("Cartas (*.ini);;Todos los archivos (*)");

QString LongitudeText(double longitude) {
    return QString::number(longitude, 'f', 4);
}

QString PositionText(double longitude) {
    return ToQString(SignPositionText(longitude)).trimmed();
}

// Decimal degrees with a point or a comma.
std::optional<double> ReadLongitude(const QString& text) {
    std::string number = text.trimmed().toStdString();
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return NormalizedLongitude(value);
}

std::filesystem::path ChartsFolder() {
    std::error_code error;
    const std::filesystem::path folder = UserChartsFolder();
    std::filesystem::create_directories(folder, error);
    return folder;
}

}  // namespace

// A message box, or stderr when nobody is to be asked.
void TransitsPage::Complain(const QString& title, const std::string& problem, bool quiet) {
    if (quiet) {
        std::fprintf(stderr, "%s\n", problem.c_str());
    } else {
        QMessageBox::warning(this, title, ToQString(problem));
    }
}

void TransitsPage::ApplySettings(const KaltoSettings& settings) {
    if (settings.ChartFile.empty()) return;
    OpenChart(settings.ChartFile, true);
}

void TransitsPage::StoreSettings(KaltoSettings& settings) const {
    settings.ChartFile = ChartFile.string();
}

void TransitsPage::ShowNewChart(Chart chart) {
    ShownChart = std::move(chart);
    ChartFile.clear();
    ChartModified = !ShownChart.Points.empty();
    FillPointGrid();
    ShowChartName();
}

bool TransitsPage::OpenChart(const std::filesystem::path& file, bool quiet) {
    const ChartReading reading = ReadChartFile(file);
    if (!reading.Value) {
        Complain(QStringLiteral("Abrir carta"), reading.Problem, quiet);
        return false;
    }
    ShownChart = *reading.Value;
    ChartFile = file;
    ChartModified = false;
    FillPointGrid();
    ShowChartName();
    return true;
}

bool TransitsPage::SaveChart(const std::filesystem::path& file, bool quiet) {
    if (const auto failure = SaveChartFile(file, ShownChart)) {
        Complain(QStringLiteral("Guardar carta"), *failure, quiet);
        return false;
    }
    ChartFile = file;
    ChartModified = false;
    ShowChartName();
    return true;
}

void TransitsPage::ShowChartName() {
    QString text = QStringLiteral("<b>%1</b>").arg(ToQString(ShownChart.Name).toHtmlEscaped());
    if (ChartModified) text += QStringLiteral(" *");
    if (!ChartFile.empty())
        text += QStringLiteral("<br><small>%1</small>").arg(QString::fromStdString(ChartFile.string()).toHtmlEscaped());
    Controls.LabelCarta->setText(text);
}

void TransitsPage::FillPointGrid() {
    QTableWidget* grid = Controls.StrGridPuntos;
    const QSignalBlocker blocker(grid);
    grid->setRowCount(static_cast<int>(ShownChart.Points.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const ChartPoint& point = ShownChart.Points[static_cast<std::size_t>(row)];
        grid->setItem(row, 0, new QTableWidgetItem(ToQString(point.Name)));
        grid->setItem(row, 1, new QTableWidgetItem(LongitudeText(point.Longitude)));
        auto* position = new QTableWidgetItem(PositionText(point.Longitude));
        position->setFlags(position->flags() & ~Qt::ItemIsEditable);
        grid->setItem(row, 2, position);
    }
}

// A name or a longitude edited in the grid; what the chart cannot take is
// said, and the cell shows the chart's value again.
void TransitsPage::StrGridPuntosChange(int row, int column) {
    if (row < 0 || row >= static_cast<int>(ShownChart.Points.size())) return;
    ChartPoint& point = ShownChart.Points[static_cast<std::size_t>(row)];
    const QString text = Controls.StrGridPuntos->item(row, column)->text();
    std::optional<QString> problem;
    if (column == 0) {
        const std::string name = text.toStdString();
        if (const auto refused = PointNameProblem(ShownChart, name, &point)) {
            problem = ToQString(*refused);
        } else {
            point.Name = name;
        }
    } else if (column == 1) {
        if (const auto longitude = ReadLongitude(text)) {
            point.Longitude = *longitude;
        } else {
            problem = QStringLiteral("la longitud «%1» no es un número de grados").arg(text);
        }
    }
    if (problem) QMessageBox::warning(this, QStringLiteral("Carta"), *problem);
    ChartModified = ChartModified || !problem;
    FillPointGrid();
    ShowChartName();
}

// A new point named "Punto n" at 0°, ready to be edited.
void TransitsPage::BAddPuntoClick() {
    std::string name;
    for (int n = static_cast<int>(ShownChart.Points.size()) + 1; name.empty() || PointNameProblem(ShownChart, name);
         ++n) {
        name = "Punto " + std::to_string(n);
    }
    ShownChart.Points.push_back({name, 0});
    ChartModified = true;
    FillPointGrid();
    ShowChartName();
    Controls.StrGridPuntos->setCurrentCell(Controls.StrGridPuntos->rowCount() - 1, 0);
    Controls.StrGridPuntos->editItem(Controls.StrGridPuntos->currentItem());
}

void TransitsPage::BDelPuntoClick() {
    const int row = Controls.StrGridPuntos->currentRow();
    if (row < 0 || row >= static_cast<int>(ShownChart.Points.size())) return;
    ShownChart.Points.erase(ShownChart.Points.begin() + row);
    ChartModified = true;
    FillPointGrid();
    ShowChartName();
}

// Whether the user lets the changes of the chart shown go: saved, or
// dropped; false when the user cancels.
bool TransitsPage::KeepUnsavedChanges() {
    if (!ChartModified) return true;
    const auto answer =
        QMessageBox::question(this, QStringLiteral("Carta"),
                              QStringLiteral("¿Guardar los cambios de la carta «%1»?").arg(ToQString(ShownChart.Name)),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Discard) return true;
    BGuardarCartaClick();
    return !ChartModified;
}

void TransitsPage::BNuevaCartaClick() {
    if (!KeepUnsavedChanges()) return;
    BirthChartDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    const ChartBirth birth = dialog.Birth();
    const auto clock = BirthClock(birth);
    if (!clock) return;  // the list offers the database's zones only
    ShowNewChart(MakeBirthChart(dialog.ChartName(), birth, *clock));
}

void TransitsPage::BAbrirCartaClick() {
    if (!KeepUnsavedChanges()) return;
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Abrir carta"),
                                                      QString::fromStdString(ChartsFolder().string()), ChartFileFilter);
    if (!file.isEmpty()) OpenChart(file.toStdString());
}

void TransitsPage::BGuardarCartaClick() {
    if (ChartFile.empty()) {
        BGuardarComoClick();
    } else {
        SaveChart(ChartFile);
    }
}

void TransitsPage::BGuardarComoClick() {
    const std::filesystem::path proposed =
        ChartFile.empty() ? ChartsFolder() / ChartFileName(ShownChart.Name) : ChartFile;
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar carta"),
                                                      QString::fromStdString(proposed.string()), ChartFileFilter);
    if (!file.isEmpty()) SaveChart(file.toStdString());
}

}  // namespace kalto
