// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleNames.h"

#include <QString>

namespace kalto {

namespace {

// The first character of `format` that is neither a pattern letter nor a blank,
// or `fallback` when there is none: "dd/MM/yyyy" gives "/", "HH:mm" ":".
std::string FirstSeparator(const QString& format, const char* fallback) {
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'') {
            return QString(c).toStdString();
        }
    }
    return fallback;
}

}  // namespace

DateFormatNames LocaleDateFormatNames(const QLocale& locale) {
    DateFormatNames names;
    for (int month = 1; month <= 12; ++month) {
        const auto i = static_cast<std::size_t>(month - 1);
        names.shortMonthNames[i] = locale.standaloneMonthName(month, QLocale::ShortFormat).toStdString();
        names.longMonthNames[i] = locale.standaloneMonthName(month, QLocale::LongFormat).toStdString();
    }
    // QLocale counts the days from Monday (1) to Sunday (7); the names go from Sunday.
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;
        const auto i = static_cast<std::size_t>(day);
        names.shortDayNames[i] = locale.standaloneDayName(qtDay, QLocale::ShortFormat).toStdString();
        names.longDayNames[i] = locale.standaloneDayName(qtDay, QLocale::LongFormat).toStdString();
    }
    names.dateSeparator = FirstSeparator(locale.dateFormat(QLocale::ShortFormat), "/");
    names.timeSeparator = FirstSeparator(locale.timeFormat(QLocale::ShortFormat), ":");
    return names;
}

}  // namespace kalto
