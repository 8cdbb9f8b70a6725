// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Gráfico" view of the "Efemerides" page: the chart of the last completed
// run, the options that shape it, its colours, its day marker and its status
// bar with the pointer read-out.
//
// Its controls, by their names:
//   PanelConfigViewPlanets  the options column on the left
//   SENoSigno               "Signos:", how many sign bands the chart shows
//   CBSigno                 "desde:", the sign of the top band
//   CBLTipoImagen           "Punto:", the glyph drawn at each point
//   CBLinea                 "Linea", join consecutive points
//   CBVP[0..11]             "Cuerpos": one box a body, Sol first; the twelfth
//                           (Rue) stays hidden
//   SBViewAll, SBViewNone   "T" checks every body box, "N" clears them
//   GBConfigGrid            "Rejilla": CBSignos (sign lines), CBDeca (decans),
//                           CBDias (days), CBMes (months)
//   CBDiaEfem               "Marcar el día": the day marker shows
//   DateDiaEfe              the marker's date and time
//   RxSDeltaDia             the days that BPrev ("<") and BNext (">") move it
//   RBC[0..5]               "Colores": the colour slots, Día first
//   CP                      the picker of the chosen slot's colour
//   SBResetColor            "R", every slot back to its initial colour
//   PaintBoxEfem            the chart
//   StatusBar1              panels: the marker's date, the pointer, the scale

#include "DateFormat.h"
#include "EphemerisRows.h"
#include "ExportDocuments.h"
#include "GraphColors.h"
#include "GraphFrame.h"
#include "GraphGeometry.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QPainter;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace kalto {

class ColorPicker;
class PaintBox;
class StatusPanels;
struct KaltoSettings;

// The rows of the last completed run, with the dates and the time zone they
// were computed for; no rows and zero dates before the first run.
struct CompletedRun {
    EphemerisRows Rows;
    TDateTime Start = 0;
    TDateTime End = 0;
    WallClock Clock;
};

class GraphView : public QWidget {
    Q_OBJECT

    struct Ui {
        QWidget* PanelConfigViewPlanets{};
        QSpinBox* SENoSigno{};
        QComboBox* CBSigno{};
        QComboBox* CBLTipoImagen{};
        QCheckBox* CBLinea{};
        std::array<QCheckBox*, Rue> CBVP{};
        QToolButton* SBViewAll{};
        QToolButton* SBViewNone{};
        QGroupBox* GBConfigGrid{};
        QCheckBox* CBSignos{};
        QCheckBox* CBDeca{};
        QCheckBox* CBDias{};
        QCheckBox* CBMes{};
        QCheckBox* CBDiaEfem{};
        QDateTimeEdit* DateDiaEfe{};
        QSpinBox* RxSDeltaDia{};
        QToolButton* BPrev{};
        QToolButton* BNext{};
        std::array<QRadioButton*, GraphColorSlotCount> RBC{};
        ColorPicker* CP{};
        QToolButton* SBResetColor{};
        PaintBox* PaintBoxEfem{};
        StatusPanels* StatusBar1{};
    };

public:
    explicit GraphView(DateFormatNames names, QWidget* parent = nullptr);

    [[nodiscard]] const Ui& ui() const { return Controls; }

    // Draws `run` from now on.
    void ShowRun(CompletedRun run);
    // The chart as the export pictures it, with the zone of its rows.
    [[nodiscard]] GraphExport ContentToExport() const;

    // The marker and grid switches and the colours.
    void ApplySettings(const KaltoSettings& settings);
    void StoreSettings(KaltoSettings& settings) const;

    [[nodiscard]] const GraphColors& Colors() const { return SlotColors; }
    [[nodiscard]] int SelectedColorSlot() const { return ColorSlot; }
    // The layout of the last paint, for the pointer.
    [[nodiscard]] const GraphGeometry& Geometry() const { return LastGeometry; }

private:
    // Building the view (GraphViewLayout.cpp).
    QWidget* CreateOptionsPanel();
    QWidget* CreateBodyGroup();
    QWidget* CreateMarkerGroup();
    QWidget* CreateColorGroup();

    void PaintBoxEfemPaint(QPainter& painter);
    void PaintBoxEfemMouseDown(QPoint position, Qt::MouseButton button);
    void PaintBoxEfemMouseMove(QPoint position);
    void PaintBoxEfemMouseLeave();
    void CGChange();
    void CBVP1Click();
    void SBViewAllClick(int tag);
    void BNextClick(int tag);
    void RBC1Click(int tag);
    void CPColorChange(QColor color);
    void SBResetColorClick();

    [[nodiscard]] GraphFrame FrameOfControls(int width, int height) const;

    Ui Controls;
    DateFormatNames Names;
    CompletedRun Run;
    GraphColors SlotColors;
    int ColorSlot = DayColor;  // the slot the picker edits
    GraphGeometry LastGeometry;
};

}  // namespace kalto
