// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt lays out text only inside a QGuiApplication: the commands that draw (the
// graph's picture, the printable pages) make one on the offscreen platform,
// which needs no display, for as long as they draw.

#include <QGuiApplication>

#include <array>
#include <optional>

namespace kalto::cli {

class OffscreenApplication {
public:
    OffscreenApplication();
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    QtMessageHandler Previous;
    char Program[10] = "kalto-cli";
    char PlatformOption[10] = "-platform";
    char Platform[10] = "offscreen";
    int ArgumentCount = 3;
    std::array<char*, 4> Arguments = {Program, PlatformOption, Platform, nullptr};
    std::optional<QGuiApplication> Application;
};

}  // namespace kalto::cli
