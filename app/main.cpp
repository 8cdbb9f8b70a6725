// SPDX-License-Identifier: GPL-3.0-or-later
#include "Product.h"
#include "QtSpanish.h"
#include "SettingsLocation.h"
#include "SignalClose.h"
#include "TFormMain.h"

#include <QApplication>
#include <QIcon>

#include <csignal>

int main(int argc, char* argv[]) {
    // Under a file size limit (ulimit -f) a write past it then fails with EFBIG
    // and is reported as a full disk is, instead of the signal ending the
    // program with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    kalto::InstallQtSpanish(application);
    QApplication::setApplicationName(QString::fromUtf8(kalto::ProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(kalto::ProductVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kalto/kalto-256.png")));
    QApplication::setDesktopFileName(QStringLiteral("kalto"));

    // After the application's name, which names the user's configuration folder.
    kalto::TFormMain formMain(kalto::SettingsFilePath(QApplication::applicationDirPath()));
    kalto::InstallCloseOnSignals(&formMain);
    formMain.showMaximized();
    return QApplication::exec();
}
