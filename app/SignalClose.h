// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ending the program by signal as the user would end it: SIGTERM (the desktop
// session ending) and SIGINT (Ctrl+C in a terminal) close the main window,
// whose normal shut-down then saves the settings.

class QWidget;

namespace kalto {

// Call once, with the main window created and before the event loop runs. A
// modal dialog open when the signal comes is closed first, then the window.
void InstallCloseOnSignals(QWidget* mainWindow);

}  // namespace kalto
