// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak Spanish once the program's translations are in,
// whatever the language of the system: the default locale is set to C for the
// tests, as under LANG=C. The button texts are also read back without the
// translations, so a catalogue that is not loaded shows as the English text.

#include "AppTests.h"
#include "ColorPicker.h"
#include "QtSpanish.h"
#include "TDlgExportData.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace kalto;

namespace {

template <typename Widget>
QStringList TextsOf(const QWidget& dialog) {
    QStringList texts;
    for (const auto* child : dialog.findChildren<Widget*>()) {
        texts << child->text();
    }
    return texts;
}

}  // namespace

class QtSpanishTest : public QObject {
    Q_OBJECT

    QTranslator* Spanish = nullptr;
    QLocale OldDefault;

    void RemoveSpanish() {
        if (Spanish != nullptr) {
            QCoreApplication::removeTranslator(Spanish);
            delete Spanish;
            Spanish = nullptr;
        }
    }

private slots:
    void init() {
        OldDefault = QLocale();
        QLocale::setDefault(QLocale::c());
        Spanish = InstallQtSpanish(*QCoreApplication::instance());
        QVERIFY2(Spanish != nullptr, "qtbase_es.qm is not in Qt's translations folder");
    }

    void cleanup() {
        RemoveSpanish();
        QLocale::setDefault(OldDefault);
    }

    void dialogButtonBox_data() {
        QTest::addColumn<QDialogButtonBox::StandardButton>("button");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("spanish");
        QTest::newRow("Ok") << QDialogButtonBox::Ok << "OK"
                            << "Aceptar";
        QTest::newRow("Cancel") << QDialogButtonBox::Cancel << "Cancel"
                                << "Cancelar";
        QTest::newRow("Save") << QDialogButtonBox::Save << "Save"
                              << "Guardar";
        QTest::newRow("Open") << QDialogButtonBox::Open << "Open"
                              << "Abrir";
        QTest::newRow("Close") << QDialogButtonBox::Close << "Close"
                               << "Cerrar";
        QTest::newRow("Yes") << QDialogButtonBox::Yes << "&Yes"
                             << "&Sí";
        QTest::newRow("No") << QDialogButtonBox::No << "&No"
                            << "&No";
    }

    void dialogButtonBox() {
        QFETCH(QDialogButtonBox::StandardButton, button);
        QFETCH(QString, english);
        QFETCH(QString, spanish);
        {
            const QDialogButtonBox box(button);
            QCOMPARE(box.button(button)->text(), spanish);
        }
        RemoveSpanish();
        const QDialogButtonBox box(button);
        QCOMPARE(box.button(button)->text(), english);
    }

    // The box that reports a file that could not be written.
    void messageBoxButtons() {
        {
            const QMessageBox box(QMessageBox::Critical, QStringLiteral("Kalto"), QStringLiteral("x"),
                                  QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
            QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
        }
        RemoveSpanish();
        const QMessageBox box(QMessageBox::Critical, QStringLiteral("Kalto"), QStringLiteral("x"), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    }

    // The colour dialog that "Más colores..." opens is Qt's own, not the
    // desktop's, which would speak the desktop's language.
    void pickerColorDialog() {
        ColorPicker picker(QColor(Qt::red));
        QAction* moreColors = nullptr;
        for (QAction* action : picker.menu()->actions()) {
            if (action->text() == QStringLiteral("Más colores...")) {
                moreColors = action;
            }
        }
        QVERIFY(moreColors != nullptr);

        bool seen = false;
        bool qtOwn = false;
        QStringList buttons, labels;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || seen) {
                return;
            }
            seen = true;
            qtOwn = dialog->testOption(QColorDialog::DontUseNativeDialog);
            buttons = TextsOf<QPushButton>(*dialog);
            labels = TextsOf<QLabel>(*dialog);
            dialog->reject();
        });
        poll.start();
        moreColors->trigger();
        QTRY_VERIFY(seen);
        QVERIFY(qtOwn);
        QVERIFY2(buttons.contains(QStringLiteral("Cancelar")), qPrintable(buttons.join(u'|')));
        QVERIFY2(buttons.contains(QStringLiteral("&Añadir a los colores personalizados")),
                 qPrintable(buttons.join(u'|')));
        QVERIFY2(labels.contains(QStringLiteral("Colores &básicos")), qPrintable(labels.join(u'|')));
    }

    // The export's save dialog, Qt's own for the same reason.
    void exportSaveDialog() {
        const TDlgExportData exportDialog;
        const QFileDialog& dialog = *exportDialog.SaveDialog1;
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Guardar como"));
        const QStringList labels = TextsOf<QLabel>(dialog);
        QVERIFY2(labels.contains(QStringLiteral("&Nombre de fichero:")), qPrintable(labels.join(u'|')));
        const QStringList buttons = TextsOf<QPushButton>(dialog);
        QVERIFY2(buttons.contains(QStringLiteral("&Guardar")), qPrintable(buttons.join(u'|')));
        QVERIFY2(buttons.contains(QStringLiteral("Cancelar")), qPrintable(buttons.join(u'|')));
    }

    // Dates keep the locale's names: the catalogue translates messages only.
    void monthNamesFollowLocale() {
        QCOMPARE(QLocale().monthName(1, QLocale::ShortFormat), QStringLiteral("Jan"));
        QCOMPARE(QLocale().dayName(7, QLocale::LongFormat), QStringLiteral("Sunday"));
    }
};

int RunQtSpanishTests(int argc, char** argv) {
    QtSpanishTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtSpanishTest.moc"
