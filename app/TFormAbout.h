// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box "Acerca de": the logo, the manual's link, the program's name,
// version and build time. Opened by F2, and shown at start-up as a splash that
// closes itself.

#include <QDateTime>
#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace kalto {

inline constexpr int AboutWidth = 346;
inline constexpr int AboutHeight = 295;        // opened by F2, with its OK button
inline constexpr int SplashHeight = 265;       // as a splash, the OK button cut off
inline constexpr int SplashIntervalMs = 3000;  // how long the splash stays

class TFormAbout : public QDialog {
    Q_OBJECT

public:
    TFormAbout(QWidget* owner, const QDateTime& programFileTime);

    QLabel* ImageLogo{};
    QLabel* LabelSite{};
    QLabel* LabelApp{};
    QLabel* LabelDateComp{};
    QPushButton* BOk{};
    QTimer* Timer{};

    // Gives the box the height `height` and centres it on its screen.
    void PlaceCentred(int height);
    void TimerTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The build time of the program as LabelDateComp shows it, "yyyymmddhhnn".
[[nodiscard]] QString DateCompText(const QDateTime& time);

// The modification time of the running program's file.
[[nodiscard]] QDateTime ProgramFileTime();

// Shows the about box over `owner` as a splash in `background`, its OK button
// hidden; it blocks input to the program until it closes itself `intervalMs`
// later, and deletes itself then.
TFormAbout* ShowSplash(QWidget* owner, const QDateTime& programFileTime, const QColor& background,
                       int intervalMs = SplashIntervalMs);

}  // namespace kalto
