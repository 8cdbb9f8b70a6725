#include "Product.h"
#include "SignalClose.h"
#include "TFormMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kalto::ProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(kalto::ProductVersion));

    kalto::TFormMain formMain;
    kalto::InstallCloseOnSignals(&formMain);
    formMain.showMaximized();
    return QApplication::exec();
}
