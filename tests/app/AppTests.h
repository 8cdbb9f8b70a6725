// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test classes of kalto_app_tests, each run by main.cpp.

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
