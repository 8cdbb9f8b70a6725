// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings tests share: a settings record away from the defaults,
// and the test files of every test (TestFiles.h).

#include "Settings.h"
#include "TestFiles.h"

namespace kalto::test {

// Every field away from its default, and each colour slot distinct, so that a
// key read into the wrong field or not read at all shows.
[[nodiscard]] KaltoSettings ChangedSettings();

}  // namespace kalto::test
