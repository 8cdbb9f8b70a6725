// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSpanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalto {

QTranslator* InstallQtSpanish(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // Only the messages are translated: QLocale::system(), which names the
    // months and weekdays, is left as the user set it.
    if (!translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace kalto
