// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserManual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace kalto {

namespace {

constexpr const char* ManualIndex = "kalto/manual/index.html";

}  // namespace

QString UserManualPath(const QString& programDir) {
    const QFileInfo beside(QDir(programDir).filePath(QStringLiteral("../share/") + QLatin1String(ManualIndex)));
    if (!programDir.isEmpty() && beside.isFile()) {
        return beside.canonicalFilePath();
    }
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QLatin1String(ManualIndex));
}

void OpenUserManual() {
    const QString path = UserManualPath(QCoreApplication::applicationDirPath());
    if (!path.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

}  // namespace kalto
