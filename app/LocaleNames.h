// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month and day names and the separators of a locale, for the program's
// date patterns.

#include "DateFormat.h"

#include <QLocale>

namespace kalto {

[[nodiscard]] DateFormatNames LocaleDateFormatNames(const QLocale& locale);

}  // namespace kalto
