// SPDX-License-Identifier: GPL-3.0-or-later
// The export driven offscreen: the "RTF" buttons pressed on each page, the
// export dialog answered (its save dialog answered by the test), the document
// read back, the file opened through the desktop, and a failure reported.

#include "../support/ChildProcess.h"
#include "AppTests.h"
#include "ContactGrid.h"
#include "ContactInputs.h"
#include "ContactsPage.h"
#include "EphemerisTexts.h"
#include "ExportDocuments.h"
#include "ExportRunner.h"
#include "LocaleNames.h"
#include "QtText.h"
#include "TDlgAviso.h"
#include "TDlgExportData.h"
#include "TFormMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <cmath>
#include <filesystem>
#include <memory>

using namespace kalto;

namespace {

// A document's Windows-1252 text as a string: the export's texts are ASCII and
// Latin-1 letters, which Latin-1 reads the same.
QString ReadDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
}

// The \cellx of a first column `pixels` wide on this screen.
QString FirstBoundary(int pixels, int pixelsPerInch) {
    return QStringLiteral("\\cellx%1").arg(std::lrint((pixels + 4) * 1440.0 / pixelsPerInch + 108));
}

// Why a document cannot be written.
enum class WriteFailure { ReadOnlyFolder, FileSizeLimit, FolderName };

}  // namespace

Q_DECLARE_METATYPE(WriteFailure)

namespace {

// Bytes that no export writes, a zero byte and line ends among them.
const QByteArray PreviousContent("{\\rtf1 previous}\0\r\n\xff", 21);

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace

// Receives the desktop's requests to open files instead of the desktop.
class OpenedFiles : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Urls;

public slots:
    void Open(const QUrl& url) { Urls.append(url); }
};

class TFormMainExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> Form;

    [[nodiscard]] EphemerisPage& Page() const { return Form->Ephemeris(); }
    std::unique_ptr<QTemporaryDir> Folder;
    OpenedFiles Opened;
    QString MessageText;  // the last message box's text
    DateFormatNames Names = LocaleDateFormatNames(QLocale::system());

    [[nodiscard]] QString FilePath(const QString& name) const { return Folder->filePath(name); }

    // Presses `button`, answers the export dialog with `file` through its
    // save dialog and `answer` (its OK or Cancel button), and waits until the
    // document is written.
    void Export(QToolButton* button, const QString& file, QPushButton* answer) {
        Form->ui().DlgExportData->ChooseFileName = [file] { return file; };
        QTimer::singleShot(0, answer, [answer] { QTest::mouseClick(answer, Qt::LeftButton); });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return !Form->IsExporting(); }, RunTimeout));
    }

    void ExportTo(QToolButton* button, const QString& file) { Export(button, file, Form->ui().DlgExportData->OKBtn); }

    // Closes the next message box that shows, keeping its text.
    void AnswerNextMessageBox() {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                MessageText = box->text();
                box->accept();
                poll->deleteLater();
            }
        });
        poll->start(20);
    }

    [[nodiscard]] bool RunJanuary() {
        Page().ui().DE1->setDate(QDate(2027, 1, 1));
        Page().ui().DE2->setDate(QDate(2027, 1, 31));
        QTest::keyClick(Form.get(), Qt::Key_F8);
        return WaitForStatus(Page().ui().LabelStatusEfem, ToQString(StatusComputed));
    }

    // A contact of the Sun at 90° of 0°, from 06:00 to 08:00 of 19 March 2027.
    void ShowOneContact() {
        auto record = std::make_shared<ContactRecord>();
        record->PositionText = " 00\u00B0 00' 00\"";
        record->StartTime = EncodeDate(2027, 3, 19) + EncodeTime(6, 0, 0);
        record->ExactTime = EncodeDate(2027, 3, 19) + EncodeTime(7, 0, 0);
        record->EndTime = EncodeDate(2027, 3, 19) + EncodeTime(8, 0, 0);
        record->ContactAngle = 90;
        record->StartLongitude = 89;
        record->ExactLongitude = 90;
        record->EndLongitude = 91;
        record->MomentsFound = ContactMomentCount;
        ContactResults results;
        results.ContactList = {record};
        results.SortedContactList = {record};
        results.LastTarget = 0;
        results.LastOrb = 1;
        Form->Contacts().ShowResults(std::move(results));
        Form->ui().PCContactos->setCurrentWidget(Form->ui().TSContactos);
    }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &Opened, "Open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init() {
        Form = std::make_unique<TFormMain>();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Opened.Urls.clear();
        MessageText.clear();
    }
    void cleanup() {
        Form.reset();
        Folder.reset();
    }

    void dialogTextsAndDefaults() {
        const TDlgExportData& dialog = *Form->ui().DlgExportData;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Crear RTF"));
        QCOMPARE(dialog.CBMakeDataGen->text(), QStringLiteral("Fecha y Hora creación de archivo"));
        QVERIFY(!dialog.CBMakeDataGen->isChecked());
        QCOMPARE(dialog.CBOpenFileRTF->text(), QStringLiteral("Abir archivo RTF una vez creado"));
        QVERIFY(dialog.CBOpenFileRTF->isChecked());
        QCOMPARE(dialog.OKBtn->text(), QStringLiteral("&Exportar"));
        QVERIFY(dialog.OKBtn->isDefault());
        QCOMPARE(dialog.CancelBtn->text(), QStringLiteral("&Cancelar"));
        QVERIFY(dialog.isModal());

        const QFileDialog& save = *dialog.SaveDialog1;
        QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(save.defaultSuffix(), QStringLiteral("rtf"));
        QCOMPARE(save.nameFilters(),
                 (QStringList{QStringLiteral("Rich text format (*.rtf)"), QStringLiteral("Todos los archivos (*)")}));
        QVERIFY(!save.testOption(QFileDialog::DontConfirmOverwrite));  // asks before overwriting
        QVERIFY(save.isSizeGripEnabled());

        const TDlgAviso& progress = *Form->ui().DlgAviso;
        QCOMPARE(progress.windowTitle(), QStringLiteral("Exportando datos seleccionados"));
        QVERIFY(progress.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(progress.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!progress.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!progress.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
        QCOMPARE(progress.ProgressBar->minimum(), 0);
        QCOMPARE(progress.ProgressBar->maximum(), 100);
        QCOMPARE(progress.size(), QSize(289, 20));

        QVERIFY(Page().ui().SBEfemToRtf->isEnabled());
        QVERIFY(Form->Contacts().ui().SBTranToRTF->isEnabled());
    }

    // The table of the selected body with the optional columns shown, its
    // rows as the window's table shows them; the file is then opened.
    void exportsTheTable() {
        QVERIFY(RunJanuary());
        Page().ui().SBP[1]->click();  // the Moon
        Page().ui().CBViewLat->click();
        Page().ui().CBViewLon->click();  // Hora and Lat. shown, Lon. hidden
        const QString file = FilePath(QStringLiteral("luna.rtf"));
        ExportTo(Page().ui().SBEfemToRtf, file);

        const QString document = ReadDocument(file);
        QVERIFY(document.startsWith(QStringLiteral("{\\rtf1\\ansi\\ansicpg1252")));
        QVERIFY(document.contains(QStringLiteral("Efemerides de Lun. Time Zone: 0.00.")));
        QVERIFY(document.contains(QStringLiteral("{\\f0\\fs16\\cgrid0 Día\\cell Fecha\\cell Val.\\cell Hora\\cell "
                                                 "Lat.\\cell }")));
        QVERIFY(document.contains(FirstBoundary(30, Form->logicalDpiX())));
        const auto cell = [this](int row, int column) {
            return Form->Ephemeris().ui().ModelEfem->data(Page().ui().ModelEfem->index(row, column)).toString();
        };
        QCOMPARE(Page().ui().ModelEfem->rowCount(), 31);
        for (int row = 0; row < Page().ui().ModelEfem->rowCount(); ++row) {
            const QString cells = cell(row, 0) + "\\cell " + cell(row, 1) + "\\cell " + cell(row, 2) + "\\cell " +
                                  cell(row, 3) + "\\cell " + cell(row, 5) + "\\cell ";
            QVERIFY2(document.contains(cells), qPrintable(cells));
        }
        QCOMPARE(Opened.Urls, QList<QUrl>{QUrl::fromLocalFile(file)});
        QVERIFY(!Form->ui().DlgAviso->isVisible());
        QCOMPARE(Form->ui().DlgAviso->ProgressBar->value(), 100);
        QVERIFY(Page().ui().SBEfemToRtf->isEnabled());
    }

    // A document states the zone its rows were computed in, whatever the
    // zone box says when it is written.
    void documentStatesTheZoneOfItsRows_data() {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<QString>("title");
        QTest::newRow("table") << false << QStringLiteral("Efemerides de Sol. Time Zone: 0.00.");
        QTest::newRow("graph") << true << QStringLiteral("Diagrama de Efemerides. Time Zone: 0.00.");
    }

    void documentStatesTheZoneOfItsRows() {
        QFETCH(bool, graph);
        QFETCH(QString, title);
        QCOMPARE(Form->ui().SETz->value(), 0.0);
        QVERIFY(RunJanuary());
        Form->ui().SETz->setValue(-3.5);
        if (graph) {
            Page().SBViewChartDiagramaClick();
        }
        Form->ui().DlgExportData->CBOpenFileRTF->setChecked(false);
        const QString file = FilePath(QStringLiteral("zona.rtf"));
        ExportTo(Page().ui().SBEfemToRtf, file);

        const QString document = ReadDocument(file);
        QVERIFY2(document.contains(title), qPrintable(document.left(400)));
        QVERIFY(!document.contains(QStringLiteral("-3.50")));
    }

    void exportsTheGraph() {
        QVERIFY(RunJanuary());
        Page().SBViewChartDiagramaClick();
        Form->ui().DlgExportData->CBOpenFileRTF->setChecked(false);
        const QString file = FilePath(QStringLiteral("grafico.rtf"));
        ExportTo(Page().ui().SBEfemToRtf, file);

        const QString document = ReadDocument(file);
        QVERIFY(
            document.contains(QStringLiteral("\\qc\\plain\\f0\\fs20 Diagrama de Efemerides. Time Zone: 0.00.\\par ")));
        const int dpi = Form->logicalDpiX();
        QVERIFY(document.contains(QStringLiteral("\\par \\pard\\qc\\plain\\cgrid {\\pict")));
        QVERIFY(document.contains(QStringLiteral("\\picw23822\\pich13234\\picwgoal%1\\pichgoal%2\\wmetafile8 \\bin")
                                      .arg(std::lrint(900 * 1440.0 / dpi))
                                      .arg(std::lrint(500 * 1440.0 / dpi))));
        QVERIFY(Opened.Urls.isEmpty());  // not asked to
    }

    // The memos that are checked, then a detail table for each contact shown.
    void exportsTheContacts() {
        ShowOneContact();
        Form->Contacts().ui().MemoInfoCalc->setPlainText(QStringLiteral(" Contactos de SOL\n Time Zone: 0.00."));
        Form->Contacts().ui().MemoDescpContacto->setPlainText(QStringLiteral("Equinoccio"));
        Form->Contacts().ui().CBContacOpc->setChecked(true);
        Form->Contacts().ui().CBContacDet->setChecked(true);
        const QString file = FilePath(QStringLiteral("contactos.rtf"));
        ExportTo(Form->Contacts().ui().SBTranToRTF, file);

        const QString document = ReadDocument(file);
        const int memo = document.indexOf(QStringLiteral(" \\par  Contactos de SOL \\par  Time Zone: 0.00."));
        const int heading = document.indexOf(QStringLiteral("\\par \\pard\\plain\\f0\\fs20 1. Sol con  00° 00' 00\". "
                                                            "Contacto:  90° 00' 00\". Duración aprox.:  02h 00m 00s"));
        QVERIFY(memo > 0);
        QVERIFY(heading > memo);
        QVERIFY(!document.contains(QStringLiteral("Equinoccio")));  // "descripción" is cleared
        const TDateTime exact = Form->Contacts().Results().SortedContactList.front()->ExactTime;
        const QString date = ToQString(FormatDateTime(DetailDatePattern, exact, Page().Names()));
        const QString time = ToQString(FormatDateTime(DetailTimePattern, exact, Page().Names()));
        QVERIFY(document.contains(QStringLiteral("partil\\cell ") + date + QStringLiteral("\\cell ") + time));
        QCOMPARE(Opened.Urls, QList<QUrl>{QUrl::fromLocalFile(file)});
    }

    // "detalles" cleared: the summary table, with the description memo.
    void exportsTheContactSummary() {
        ShowOneContact();
        Form->Contacts().ui().MemoDescpContacto->setPlainText(QStringLiteral("Equinoccio"));
        Form->Contacts().ui().CBContacDesc->setChecked(true);
        Form->Contacts().ui().CBContacDet->setChecked(false);
        const QString file = FilePath(QStringLiteral("resumen.rtf"));
        ExportTo(Form->Contacts().ui().SBTranToRTF, file);

        const QString document = ReadDocument(file);
        QVERIFY(document.contains(QStringLiteral(" \\par Equinoccio\\par \\pard\\plain\\cgrid")));
        QVERIFY(document.contains(QStringLiteral("No.\\cell Pla.\\cell Pos.\\cell Inicia\\cell")));
        const QString start = ToQString(FormatDateTime(
            ContactMomentPattern, Form->Contacts().Results().SortedContactList.front()->StartTime, Page().Names()));
        QVERIFY(document.contains(QStringLiteral(" 1\\cell Sol\\cell  00° 00' 00\"\\cell ") + start +
                                  QStringLiteral("\\cell ")));
    }

    void stampIsTheFirstParagraph() {
        Form->ui().DlgExportData->CBMakeDataGen->setChecked(true);
        const QString file = FilePath(QStringLiteral("tabla.rtf"));
        ExportTo(Page().ui().SBEfemToRtf, file);
        const QString document = ReadDocument(file);
        const QRegularExpression stamp(QStringLiteral(
            R"(\\margb1080\\par \\pard\\qr\\plain\\f0\\fs20 \S+-\d\d-\d{4}, \d\d:\d\d:\d\d [ap]m\\par \\pard\\qc)"));
        QVERIFY2(stamp.match(document).hasMatch(), qPrintable(document.left(700)));
    }

    // The options keep their states from one export to the next, and each
    // export asks for its file afresh.
    void dialogKeepsItsOptionsAndForgetsTheFile() {
        Form->ui().DlgExportData->CBOpenFileRTF->setChecked(false);
        Form->ui().DlgExportData->SaveDialog1->selectFile(FilePath(QStringLiteral("anterior.rtf")));
        ExportTo(Page().ui().SBEfemToRtf, FilePath(QStringLiteral("uno.rtf")));
        QVERIFY(!Form->ui().DlgExportData->CBOpenFileRTF->isChecked());
        auto* name = Form->ui().DlgExportData->SaveDialog1->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        QCOMPARE(name->text(), QString());
        QVERIFY(Opened.Urls.isEmpty());
    }

    // Exporting twice to one name replaces the file.
    void secondExportReplacesTheFile() {
        const QString file = FilePath(QStringLiteral("tabla.rtf"));
        ExportTo(Page().ui().SBEfemToRtf, file);
        QVERIFY(ReadDocument(file).contains(QStringLiteral("Efemerides de Sol.")));
        Page().ui().SBP[1]->click();
        ExportTo(Page().ui().SBEfemToRtf, file);
        QVERIFY(ReadDocument(file).contains(QStringLiteral("Efemerides de Lun.")));
        QCOMPARE(QDir(Folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void cancelWritesNothing() {
        Export(Page().ui().SBEfemToRtf, FilePath(QStringLiteral("tabla.rtf")), Form->ui().DlgExportData->CancelBtn);
        QVERIFY(QDir(Folder->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(Opened.Urls.isEmpty());
        QVERIFY(!Form->ui().DlgAviso->isVisible());
    }

    // A save dialog left without a file keeps the export dialog open.
    void noFileKeepsTheDialogOpen() {
        Form->ui().DlgExportData->ChooseFileName = [] { return QString(); };
        bool stillOpen = false;
        QTimer::singleShot(0, this, [this, &stillOpen] {
            QTest::mouseClick(Form->ui().DlgExportData->OKBtn, Qt::LeftButton);
            stillOpen = Form->ui().DlgExportData->isVisible();
            QTest::mouseClick(Form->ui().DlgExportData->CancelBtn, Qt::LeftButton);
        });
        QTest::mouseClick(Page().ui().SBEfemToRtf, Qt::LeftButton);
        QVERIFY(stillOpen);
        QVERIFY(!Form->IsExporting());
        QVERIFY(QDir(Folder->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // A window closed while its document is being written: the runner stops
    // the document, which leaves no file, not even a part of one.
    void runnerDestroyedWhileWritingLeavesNothing() {
        auto rows = std::make_shared<EphemerisRowSet>();
        rows->Bodies[Sol].resize(300000, EphemerisRow{10, 0, 10, 0, 1, EncodeDate(2024, 1, 1)});
        {
            ExportRunner runner;
            runner.Start(
                QFile::encodeName(FilePath(QStringLiteral("grande.rtf"))).toStdString(),
                EphemerisTableExport{.Rows = rows, .Body = Sol, .Clock = WallClock(), .OptionalColumns = {3, 4}},
                ExportSettings{});
            QVERIFY(runner.IsRunning());
        }
        QVERIFY(QDir(Folder->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // A file that cannot be written: a clear message, nothing opened, nothing left.
    void failureIsReportedAndOpensNothing() {
        const QString file = FilePath(QStringLiteral("no-existe/tabla.rtf"));
        AnswerNextMessageBox();
        ExportTo(Page().ui().SBEfemToRtf, file);
        QTRY_VERIFY(!MessageText.isEmpty());
        QCOMPARE(MessageText, QStringLiteral("No se pudo crear el archivo \"%1\": la carpeta no existe.").arg(file));
        QVERIFY(Opened.Urls.isEmpty());
        QVERIFY(QDir(Folder->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(!Form->ui().DlgAviso->isVisible());
        QVERIFY(Page().ui().SBEfemToRtf->isEnabled());
        QVERIFY(Form->Contacts().ui().SBTranToRTF->isEnabled());
    }

    // A table that cannot be written whole: in a folder the user may not
    // write in, under a file size limit of 8 KB that stops it part way (the
    // table is over four times that), or onto the name of a folder. The message says why
    // in Spanish, nothing is opened, the file of that name stays byte for
    // byte, and nothing else is left in the folder.
    void writeFailureKeepsTheFileOfThatName_data() {
        QTest::addColumn<WriteFailure>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder without write permission")
            << WriteFailure::ReadOnlyFolder << QStringLiteral("No se pudo crear el archivo \"%1\": permiso denegado.");
        QTest::newRow("a file size limit")
            << WriteFailure::FileSizeLimit
            << QStringLiteral("No se pudo escribir el archivo \"%1\": el archivo supera el tamaño permitido.");
        QTest::newRow("a folder of that name")
            << WriteFailure::FolderName
            << QStringLiteral("No se pudo crear el archivo \"%1\": el nombre es el de una carpeta.");
    }

    void writeFailureKeepsTheFileOfThatName() {
        QFETCH(WriteFailure, failure);
        QFETCH(QString, message);
        constexpr rlim_t SizeLimit = 8 << 10;
        QVERIFY(RunJanuary());
        namespace fs = std::filesystem;
        const fs::path base = QFile::encodeName(Folder->path()).toStdString();
        fs::permissions(base, fs::perms(0755));  // reachable by the unprivileged user
        const QString folder = FilePath(QStringLiteral("carpeta"));
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + QStringLiteral("/tabla.rtf");
        // The file of that name, or for a folder of that name a file inside it.
        const QString kept = failure == WriteFailure::FolderName ? file + QStringLiteral("/dentro.rtf") : file;
        if (failure == WriteFailure::FolderName) {
            QVERIFY(QDir().mkdir(file));
        }
        QVERIFY(WriteBytes(kept, PreviousContent));

        test::WriteLimits limits;
        if (failure == WriteFailure::ReadOnlyFolder) {
            fs::permissions(QFile::encodeName(folder).toStdString(), fs::perms(0555));
            limits.OrdinaryUser = true;
        }
        if (failure == WriteFailure::FileSizeLimit) {
            limits.MaxFileSize = SizeLimit;
        }
        AnswerNextMessageBox();
        bool applied = false;
        {
            const test::ProcessWriteLimits limited(limits);
            applied = limited.IsApplied();
            if (applied) {
                ExportTo(Page().ui().SBEfemToRtf, file);
            }
        }
        fs::permissions(QFile::encodeName(folder).toStdString(), fs::perms(0755));
        QVERIFY(applied);
        QTRY_VERIFY(!MessageText.isEmpty());
        QCOMPARE(MessageText, message.arg(file));
        QVERIFY(Opened.Urls.isEmpty());
        QCOMPARE(Entries(folder), QStringList{QStringLiteral("tabla.rtf")});
        QCOMPARE(ReadBytes(kept), PreviousContent);
        if (failure == WriteFailure::FolderName) {
            QCOMPARE(Entries(file), QStringList{QStringLiteral("dentro.rtf")});
        }
        QVERIFY(!Form->ui().DlgAviso->isVisible());
        QVERIFY(Page().ui().SBEfemToRtf->isEnabled());
        QVERIFY(Form->Contacts().ui().SBTranToRTF->isEnabled());

        // Without the limit the same export replaces the file: the failure
        // came from the limit, part way through a larger document.
        if (failure == WriteFailure::FileSizeLimit) {
            ExportTo(Page().ui().SBEfemToRtf, file);
            QVERIFY(QFileInfo(file).size() > 4 * static_cast<qint64>(SizeLimit));
            QCOMPARE(Opened.Urls, QList<QUrl>{QUrl::fromLocalFile(file)});
            QCOMPARE(Entries(folder), QStringList{QStringLiteral("tabla.rtf")});
        }
    }
};

int RunTFormMainExportTests(int argc, char** argv) {
    TFormMainExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFormMainExportTest.moc"
