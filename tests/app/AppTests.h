// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The waits that several test classes of the window share.

#include <QLabel>
#include <QSignalSpy>
#include <QString>
#include <QTest>

// How long a run or a search in the window may take on a machine shared with
// other tests.
inline constexpr int RunTimeout = 180000;

// Waits until a run's or a search's status label reads `text`, as a completed
// run leaves it; whether it came to.
[[nodiscard]] inline bool WaitForStatus(const QLabel* status, const QString& text) {
    return QTest::qWaitFor([&] { return status->text() == text; }, RunTimeout);
}

// Waits for the next progress report of the job going on in `runner` (an
// EphemerisRunner or a ContactSearchRunner), or for its end; whether it still
// goes.
template <typename Runner, typename Signal>
[[nodiscard]] bool WaitForProgress(const Runner& runner, Signal progressChanged) {
    QSignalSpy progress(&runner, progressChanged);
    return QTest::qWaitFor([&] { return !progress.isEmpty() || !runner.IsRunning(); }, RunTimeout) &&
           runner.IsRunning();
}
