// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts in Spanish: the buttons of message boxes and dialog button
// boxes, the file and colour dialogs. Dates keep the user's locale.

class QCoreApplication;
class QTranslator;

namespace kalto {

// Installs Qt's Spanish catalogue (qtbase_es, from the translations folder of
// the Qt libraries in use) into `application`, whatever the system language.
// Returns the installed translator, owned by `application`, or nullptr when
// the catalogue is missing, in which case Qt's texts stay in English.
QTranslator* InstallQtSpanish(QCoreApplication& application);

}  // namespace kalto
