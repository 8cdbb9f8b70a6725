// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's about box, splash and help.

#include "TFormAbout.h"
#include "TFormMain.h"
#include "UserManual.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

namespace kalto {

void TFormMain::CreateAboutAndHelp() {
    Controls.ActionViewAbout = new QAction(QStringLiteral("Acerca de"), this);
    Controls.ActionViewAbout->setShortcut(QKeySequence(Qt::Key_F2));
    connect(Controls.ActionViewAbout, &QAction::triggered, this, &TFormMain::ActionViewAboutExecute);
    addAction(Controls.ActionViewAbout);
    Controls.SBHelp->setToolTip(QStringLiteral("Manual de usuario"));
    connect(Controls.SBHelp, &QToolButton::clicked, this, &TFormMain::SBHelpClick);
}

// Takes the program file's time for the about box and shows the splash. It
// comes up once the event loop runs, over the window that main() has shown by
// then; it keeps input away from the window for its three seconds but lets the
// window finish starting and paint behind it. KALTO_NO_SPLASH=1 (set by the
// test suite) leaves it out.
void TFormMain::ShowStartSplash() {
    ProgramFileTime = kalto::ProgramFileTime();
    if (qEnvironmentVariableIntValue("KALTO_NO_SPLASH") == 1) {
        return;
    }
    QTimer::singleShot(0, this, [this] { ShowSplash(this, ProgramFileTime, palette().color(QPalette::Window)); });
}

void TFormMain::ActionViewAboutExecute() {
    TFormAbout about(this, ProgramFileTime);
    about.exec();
}

void TFormMain::SBHelpClick() {
    OpenUserManual();
}

}  // namespace kalto
