// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it on a small screen and at the keyboard:
// it fits the screen, the columns of controls scroll to the control that Tab
// reaches, Tab leaves the grids, the page keys work wherever the focus is, and
// the angle filter's buttons share one size.

#include "AppTests.h"
#include "ColorPicker.h"
#include "ContactsPage.h"
#include "TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kalto;

namespace {

// A 1024 × 600 screen, less a desktop panel and a title bar.
constexpr QSize SmallScreenWorkArea(1024, 540);

}  // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    void ShowForm(QSize size) {
        Form->resize(size);
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }

    // Presses Tab on the control before `target` in the focus chain and
    // checks that `target` got the focus and can be seen.
    static void TabOnto(QWidget* before, QWidget* target) {
        before->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), before);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        QVERIFY(!target->visibleRegion().isEmpty());
        QCOMPARE(target->visibleRegion().boundingRect(), target->rect());
    }

private slots:
    void init() { Form = std::make_unique<TFormMain>(); }
    void cleanup() { Form.reset(); }

    void fitsSmallScreen() {
        const QSize minimum = Form->minimumSizeHint();
        QVERIFY2(minimum.width() <= SmallScreenWorkArea.width() && minimum.height() <= SmallScreenWorkArea.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(minimum.width()).arg(minimum.height())));
    }

    // In the smallest window the contact inputs and the graph options run
    // below its edge; Tab still brings their last controls into sight.
    void tabScrollsToControlsBelowTheEdge() {
        ShowForm(Form->minimumSizeHint());
        Form->ui().ActionViewCalc->trigger();
        QVERIFY(Form->Contacts().ui().BCalc->visibleRegion().isEmpty());  // below the edge to begin with
        TabOnto(Form->Contacts().ui().CBMomentosExactos, Form->Contacts().ui().BCalc);

        Form->ui().ActionViewEfem->trigger();
        Form->Ephemeris().SBViewChartDiagramaClick();
        QVERIFY(Form->Ephemeris().Graph().ui().SBResetColor->visibleRegion().isEmpty());
        TabOnto(Form->Ephemeris().Graph().ui().CP, Form->Ephemeris().Graph().ui().SBResetColor);
    }

    void tabLeavesTheGrids_data() {
        QTest::addColumn<bool>("contacts");
        QTest::newRow("StrGridEfem") << false;
        QTest::newRow("StrGridCont") << true;
    }

    // Rows are chosen with the arrows; Tab goes on to the next control
    // instead of from cell to cell.
    void tabLeavesTheGrids() {
        QFETCH(bool, contacts);
        ShowForm(QSize(1280, 800));
        if (contacts) {
            Form->ui().ActionViewCalc->trigger();
        }
        QTableView* grid = contacts ? Form->Contacts().ui().StrGridCont : Form->Ephemeris().ui().StrGridEfem;
        grid->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(QApplication::focusWidget() != grid && !grid->isAncestorOf(QApplication::focusWidget()));
    }

    void pageKeysWhereverTheFocusIs_data() {
        QTest::addColumn<bool>("startOnContacts");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("endOnContacts");
        QTest::newRow("F6 in the table") << false << int(Qt::Key_F6) << true;
        QTest::newRow("F5 in the angle") << true << int(Qt::Key_F5) << false;
        QTest::newRow("F5 in the contact grid") << true << int(Qt::Key_F5) << false;
        QTest::newRow("F6 in the time zone") << false << int(Qt::Key_F6) << true;
    }

    void pageKeysWhereverTheFocusIs() {
        QFETCH(bool, startOnContacts);
        QFETCH(int, key);
        QFETCH(bool, endOnContacts);
        ShowForm(QSize(1280, 800));
        QWidget* focus = nullptr;
        const QString row = QString::fromUtf8(QTest::currentDataTag());
        if (startOnContacts) {
            Form->ui().ActionViewCalc->trigger();
            focus = row.contains(QStringLiteral("grid")) ? static_cast<QWidget*>(Form->Contacts().ui().StrGridCont)
                                                         : Form->Contacts().ui().SEAngulo;
        } else {
            focus = row.contains(QStringLiteral("table")) ? static_cast<QWidget*>(Form->Ephemeris().ui().StrGridEfem)
                                                          : static_cast<QWidget*>(Form->ui().SETz);
        }
        focus->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(focus->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(Form->ui().PCContactos->currentWidget(),
                 endOnContacts ? static_cast<QWidget*>(Form->ui().TSContactos) : Form->ui().TSEfemerides);
        QCOMPARE(Form->Ephemeris().ui().NotebookData->currentIndex(), 0);
    }

    // The thirteenth button has no caption and is still as big as the others.
    void angleButtonsShareOneSize() {
        ShowForm(QSize(1280, 800));
        Form->ui().ActionViewCalc->trigger();
        QTRY_VERIFY(Form->Contacts().ui().TBTra[12]->isVisible());
        QCOMPARE(Form->Contacts().ui().TBTra[12]->height(), Form->Contacts().ui().TBTra[11]->height());
        QVERIFY(Form->Contacts().ui().TBTra[12]->width() >= Form->Contacts().ui().TBTra[0]->width());
        QVERIFY(Form->Contacts().ui().TBTra[12]->width() <= Form->Contacts().ui().TBTra[11]->width());
    }
};

int RunWindowUseTests(int argc, char** argv) {
    WindowUseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowUseTest.moc"
