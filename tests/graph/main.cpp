// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the graph tests inside a QGuiApplication, which Qt needs to lay out the
// month labels; the offscreen platform needs no display.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    int qtArgc = 3;
    char* qtArgv[] = {argv[0], platformOption, platform, nullptr};
    const QGuiApplication application(qtArgc, qtArgv);
    return RUN_ALL_TESTS();
}
