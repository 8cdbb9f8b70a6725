// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the settings location and signal tests inside a QApplication, which the
// signal tests' windows need; the offscreen platform needs no display. The
// application name is the program's, which names the user's configuration
// folder.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    int qtArgc = 3;
    char* qtArgv[] = {argv[0], platformOption, platform, nullptr};
    QApplication application(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Kalto"));
    QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows themselves
    return RUN_ALL_TESTS();
}
