// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalClose.h"

#include <QCloseEvent>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

namespace kalto {
namespace {

// A main window that counts the close events it receives, as the user's
// closing of a window sends one.
class CountingWindow : public QWidget {
public:
    int CloseEvents = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++CloseEvents;
        QWidget::closeEvent(event);
    }
};

TEST(SignalClose, TerminateAndInterruptCloseTheMainWindow) {
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(strsignal(signalNumber));
        CountingWindow window;
        window.show();
        InstallCloseOnSignals(&window);
        ASSERT_EQ(std::raise(signalNumber), 0);
        EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isVisible(); }));
        EXPECT_EQ(window.CloseEvents, 1);
    }
}

TEST(SignalClose, AnOpenModalDialogIsClosedFirst) {
    CountingWindow window;
    window.show();
    InstallCloseOnSignals(&window);
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(dialog.isVisible());
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isVisible(); }));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(window.CloseEvents, 1);
}

}  // namespace
}  // namespace kalto
