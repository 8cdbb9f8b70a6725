// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalClose.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace kalto {

namespace {

// The self-pipe: the handler writes a byte to it, which is all a signal handler
// may safely do, and the event loop reads it and closes the window.
std::array<int, 2> SignalPipe = {-1, -1};

extern "C" void WriteSignalToPipe(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to close.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
    errno = savedErrno;
}

void DrainSignalPipe() {
    std::array<char, 64> bytes{};
    while (::read(SignalPipe[0], bytes.data(), bytes.size()) > 0) {
    }
}

void CloseAsTheUserWould(QWidget* mainWindow) {
    // Each modal dialog, and with it its own event loop, ends before the window
    // closes; a dialog that refuses to close stops the round.
    QWidget* modal = QApplication::activeModalWidget();
    while (modal != nullptr && modal != mainWindow && modal->close()) {
        QWidget* const next = QApplication::activeModalWidget();
        if (next == modal) break;
        modal = next;
    }
    mainWindow->close();
}

}  // namespace

void InstallCloseOnSignals(QWidget* mainWindow) {
    if (SignalPipe[0] < 0 && ::pipe2(SignalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their default action
    }
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
        DrainSignalPipe();
        CloseAsTheUserWould(mainWindow);
    });

    struct sigaction action {};
    action.sa_handler = WriteSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace kalto
