// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <unistd.h>

namespace kalto {

namespace {

bool IsWritableFolder(const QString& folder) {
    return QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// /usr holds installed programs and their read-only data, never a user's files
// (Filesystem Hierarchy Standard), though root could write there.
bool IsUnderUsr(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical == QStringLiteral("/usr") || canonical.startsWith(QStringLiteral("/usr/"));
}

std::filesystem::path FileIn(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(folder).toStdString()) / SettingsFileName;
}

}  // namespace

std::filesystem::path SettingsFilePath(const QString& programDirectory) {
    if (IsWritableFolder(programDirectory) && !IsUnderUsr(programDirectory)) return FileIn(programDirectory);
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configFolder);  // when this fails, saving reports the path it could not write
    return FileIn(configFolder);
}

char DecimalSeparatorOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator == QStringLiteral(",") ? ',' : '.';
}

}  // namespace kalto
