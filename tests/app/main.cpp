// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every test class of the window and its Qt helpers; the exit status is
// non-zero when any of them failed.

#include "AppTests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows themselves
    qputenv("KALTO_NO_SPLASH", "1");                 // the splash's own tests turn it back on
    int failed = 0;
    for (const auto run : {RunEphemerisTableModelTests, RunEphemerisRunnerTests, RunLocaleNamesTests, RunTFormMainTests,
                           RunContactSearchRunnerTests, RunContactsPageTests, RunGraphPageTests,
                           RunApplicationShellTests, RunTFormMainSettingsTests, RunTFormMainExportTests,
                           RunTFormMainStopTests, RunQtSpanishTests, RunWindowUseTests}) {
        failed += run(argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}
