// SPDX-License-Identifier: GPL-3.0-or-later
// The shell of the program driven offscreen: the title, the splash, the about
// box by F2, F5 coming back from "Contactos", the drawn tabs and where the
// help finds the manual.

#include "AppTests.h"
#include "TFormAbout.h"
#include "TFormMain.h"
#include "UserManual.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace kalto;

namespace {

// What the about box showed while it was open.
struct AboutSeen {
    bool Found = false;
    QString Title, App, DateComp, Ok;
    bool OkVisible = false, OkDefault = false, TimerActive = true;
    QSize Size;
    QColor Background;
};

// Restores an environment variable when it goes out of scope.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : Name(name), Had(qEnvironmentVariableIsSet(name)), Old(qgetenv(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~EnvironmentOverride() {
        if (Had) {
            qputenv(Name, Old);
        } else {
            qunsetenv(Name);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* Name;
    bool Had;
    QByteArray Old;
};

bool WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0;
}

// Pixels inside `rect` of `image` that `matches` accepts.
template <typename Match>
int CountPixels(const QImage& image, const QRect& rect, Match matches) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Blue ink: the caption's glyphs, whatever their antialiased edges.
bool IsBlueInk(const QColor& colour) {
    return colour.blue() > 200 && colour.red() < 100 && colour.green() < 100;
}

bool IsWindowColour(const QColor& colour) {
    return colour.rgb() == QColor(248, 255, 240).rgb();
}

}  // namespace

class ApplicationShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    void ShowForm() {
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

private slots:
    void cleanup() { Form.reset(); }

    void titleOnFirstStart() {
        Form = std::make_unique<TFormMain>();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Kalto 3.00"));
    }

    void dateCompText_data() {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("early morning") << QDateTime(QDate(2026, 3, 4), QTime(5, 6, 59)) << "202603040506";
        QTest::newRow("afternoon") << QDateTime(QDate(1999, 12, 31), QTime(23, 59)) << "199912312359";
        QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0)) << "202701010000";
    }

    void dateCompText() {
        QFETCH(QDateTime, time);
        QFETCH(QString, text);
        QCOMPARE(DateCompText(time), text);
    }

    // F2 shows the box modally until its OK button is pressed; the timer that
    // closes the splash stays off.
    void aboutByF2() {
        Form = std::make_unique<TFormMain>();
        ShowForm();
        AboutSeen seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* about = qobject_cast<TFormAbout*>(QApplication::activeModalWidget());
            if (about == nullptr) {
                return;
            }
            seen = {true,
                    about->windowTitle(),
                    about->LabelApp->text(),
                    about->LabelDateComp->text(),
                    about->BOk->text(),
                    about->BOk->isVisible(),
                    about->BOk->isDefault(),
                    about->Timer->isActive(),
                    about->size(),
                    about->palette().color(QPalette::Window)};
            QTest::mouseClick(about->BOk, Qt::LeftButton);
        });
        QTest::keyClick(Form.get(), Qt::Key_F2);

        QVERIFY(seen.Found);
        QCOMPARE(seen.Title, QStringLiteral("Acerca de"));
        QCOMPARE(seen.App, QStringLiteral("Kalto v.3.00"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{12}$")).match(seen.DateComp).hasMatch());
        QCOMPARE(seen.DateComp,
                 QFileInfo(QCoreApplication::applicationFilePath()).lastModified().toString("yyyyMMddhhmm"));
        QCOMPARE(seen.Ok, QStringLiteral("De &acuerdo"));
        QVERIFY(seen.OkVisible);
        QVERIFY(seen.OkDefault);
        QVERIFY(!seen.TimerActive);
        QCOMPARE(seen.Size, QSize(AboutWidth, AboutHeight));
        QCOMPARE(seen.Background, QColor(255, 255, 236));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void splashClosesItself() {
        QWidget owner;
        owner.show();
        QPointer<TFormAbout> splash = ShowSplash(&owner, QDateTime::currentDateTime(), QColor(248, 255, 240), 100);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->isModal());
        QVERIFY(!splash->BOk->isVisible());
        QCOMPARE(splash->size(), QSize(AboutWidth, SplashHeight));
        QCOMPARE(splash->palette().color(QPalette::Window), QColor(248, 255, 240));
        QCOMPARE(splash->LabelApp->text(), QStringLiteral("Kalto v.3.00"));
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000);
    }

    // Without KALTO_NO_SPLASH the window shows the splash over itself as soon
    // as the event loop runs, and the splash goes away by itself.
    void windowShowsSplash() {
        const EnvironmentOverride noSplash("KALTO_NO_SPLASH", QByteArray());
        Form = std::make_unique<TFormMain>();
        Form->show();
        QPointer<TFormAbout> splash;
        QTRY_VERIFY((splash = Form->findChild<TFormAbout*>()) != nullptr);
        QVERIFY(splash->isVisible());
        QVERIFY(!splash->BOk->isVisible());
        QCOMPARE(splash->height(), SplashHeight);
        QCOMPARE(splash->palette().color(QPalette::Window), QColor(248, 255, 240));
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 15000);
    }

    // F5 on "Contactos" brings back "Efemerides" on the sub-page it had.
    void f5BringsBackEfemerides_data() {
        QTest::addColumn<bool>("graph");
        QTest::newRow("Calcular") << false;
        QTest::newRow("Grafico") << true;
    }

    void f5BringsBackEfemerides() {
        QFETCH(bool, graph);
        Form = std::make_unique<TFormMain>();
        ShowForm();
        if (graph) {
            QTest::keyClick(Form.get(), Qt::Key_F5);
        }
        QTest::keyClick(Form.get(), Qt::Key_F6);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSContactos);
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QCOMPARE(Form->ui().PCContactos->currentWidget(), Form->ui().TSEfemerides);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), graph ? 1 : 0);
        QCOMPARE(Form->Ephemeris().ui().SBViewChartDiagrama->isChecked(), graph);
        QCOMPARE(Form->Ephemeris().ui().SBViewChartData->isChecked(), !graph);
    }

    // Each tab is filled with the window's colour and its caption is blue.
    void tabsDrawnInBlue() {
        Form = std::make_unique<TFormMain>();
        ShowForm();
        QCOMPARE(Form->ui().PCContactos->tabText(0), QStringLiteral("    Efemerides"));
        QCOMPARE(Form->ui().PCContactos->tabText(1), QStringLiteral("   Contactos"));
        QTabBar* tabs = Form->ui().PCContactos->tabBar();
        const QImage image = tabs->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            const QRect rect = tabs->tabRect(tab);
            const QRect pixels(rect.topLeft() * scale, rect.size() * scale);
            QVERIFY2(CountPixels(image, pixels, IsBlueInk) > 20, qPrintable(tabs->tabText(tab)));
            QVERIFY2(CountPixels(image, pixels, IsWindowColour) > pixels.width() * pixels.height() / 2,
                     qPrintable(tabs->tabText(tab)));
        }
    }

    // The manual beside the program (share/kalto/manual next to bin/) comes
    // first, then the desktop's data directories.
    void manualLookup() {
        const QTemporaryDir installed;
        const QTemporaryDir desktopData;
        const QTemporaryDir emptyHome;
        QVERIFY(installed.isValid() && desktopData.isValid() && emptyHome.isValid());
        const QString beside = installed.filePath(QStringLiteral("share/kalto/manual/index.html"));
        const QString inData = desktopData.filePath(QStringLiteral("kalto/manual/index.html"));
        QVERIFY(WriteFile(beside));
        QVERIFY(WriteFile(inData));
        QDir().mkpath(installed.filePath(QStringLiteral("bin")));
        QDir().mkpath(installed.filePath(QStringLiteral("lonely/bin")));

        const EnvironmentOverride dataDirs("XDG_DATA_DIRS", desktopData.path().toUtf8());
        const EnvironmentOverride dataHome("XDG_DATA_HOME", emptyHome.path().toUtf8());
        QCOMPARE(UserManualPath(installed.filePath(QStringLiteral("bin"))), QFileInfo(beside).canonicalFilePath());
        QCOMPARE(QFileInfo(UserManualPath(installed.filePath(QStringLiteral("lonely/bin")))).canonicalFilePath(),
                 QFileInfo(inData).canonicalFilePath());
    }
};

int RunApplicationShellTests(int argc, char** argv) {
    ApplicationShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationShellTest.moc"
