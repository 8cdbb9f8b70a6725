// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenApplication.h"

#include <cstdio>

namespace kalto::cli {

namespace {

// Qt's diagnostics are written in English for developers (such as a missing
// runtime folder on a headless machine); the command keeps them off its
// standard error, all but the critical ones.
void CriticalMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

OffscreenApplication::OffscreenApplication() : Previous(qInstallMessageHandler(CriticalMessagesOnly)) {
    if (QCoreApplication::instance() == nullptr) {
        Application.emplace(ArgumentCount, Arguments.data());
    }
}

OffscreenApplication::~OffscreenApplication() {
    Application.reset();
    qInstallMessageHandler(Previous);
}

}  // namespace kalto::cli
