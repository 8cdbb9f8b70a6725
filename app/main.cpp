#include "Product.h"
#include "SettingsLocation.h"
#include "SignalClose.h"
#include "TFormMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
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
