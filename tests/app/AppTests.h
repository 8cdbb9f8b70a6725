// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test classes of kalto_app_tests, each run by main.cpp, and the waits
// that several of them share.

#include <QLabel>
#include <QSignalSpy>
#include <QString>
#include <QTest>

int RunApplicationShellTests(int argc, char** argv);
int RunContactSearchRunnerTests(int argc, char** argv);
int RunContactsPageTests(int argc, char** argv);
int RunEphemerisTableModelTests(int argc, char** argv);
int RunEphemerisRunnerTests(int argc, char** argv);
int RunGraphPageTests(int argc, char** argv);
int RunLocaleNamesTests(int argc, char** argv);
int RunQtSpanishTests(int argc, char** argv);
int RunTFormMainTests(int argc, char** argv);
int RunTFormMainExportTests(int argc, char** argv);
int RunTFormMainSettingsTests(int argc, char** argv);
int RunTFormMainStopTests(int argc, char** argv);
int RunWindowUseTests(int argc, char** argv);

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
