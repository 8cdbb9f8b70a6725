// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the test class of the window named by the first argument, or every one
// in turn without it (the classes are listed in CMakeLists.txt); the exit
// status is non-zero when any of them failed.

#include "QtTestSuiteList.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows themselves
    qputenv("KALTO_NO_SPLASH", "1");                 // the splash's own tests turn it back on
    return kalto::test::RunQtTestSuites(argc, argv, kalto::test::Suites);
}
