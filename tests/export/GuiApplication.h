// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt lays out text only inside a QGuiApplication; the tests that draw the
// graph make one on the offscreen platform, which needs no display.

#include <QGuiApplication>

namespace kalto {

// Creates the application once; it lives as long as the test process.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 3;
    static char program[] = "kalto_export_tests";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    new QGuiApplication(argc, argv);
}

}  // namespace kalto
