// SPDX-License-Identifier: GPL-3.0-or-later
// The main function of a program of QtTest classes that need no window: the
// classes are those its CMakeLists.txt lists (QtTestSuiteList.h).

#include "QtTestSuiteList.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    return kalto::test::RunQtTestSuites(argc, argv, kalto::test::Suites);
}
