// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file through the main window, offscreen: a window started
// from a file shows every stored value in its control, held to the control's
// range; closing it, by the user or by SIGTERM, writes the controls back once;
// a file that cannot be written is reported and left as it was.

#include "../support/ChildProcess.h"
#include "AppTests.h"
#include "ChartFile.h"
#include "ColorPicker.h"
#include "ContactSearch.h"
#include "ContactsPage.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "SettingsLocation.h"
#include "SignalClose.h"
#include "TFormMain.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <utility>

using namespace kalto;

namespace {

namespace fs = std::filesystem;

// Every key away from its default: zodiac coordinates, "TZ" with a comma and
// a colour in hexadecimal.
constexpr const char* EveryKeyChanged =
    "[Posicion]\nGra=15\nMin=20\nSec=30\nCordenadas=1\nSignos=4\n"
    "[Contacto]\nPlaneta=3\nAngulo=90\nTipAngulo=1\nGra=2\nMin=15\n"
    "[Config]\nTZ=5,75\nDiaEfem=0\nSigno=0\nDeca=0\nMes=0\nDias=1\nAuto=1\n"
    "Colors1=0x00FF00\nColors2=1\nColors3=131586\nColors4=3355443\nColors5=8421504\nColors6=0\n";

// A settings record as "Section/Key=value" lines, so that a comparison names
// the key that differs.
QStringList Lines(const KaltoSettings& settings) {
    QStringList lines{
        QStringLiteral("Posicion/Gra=%1").arg(settings.PositionDegrees),
        QStringLiteral("Posicion/Min=%1").arg(settings.PositionMinutes),
        QStringLiteral("Posicion/Sec=%1").arg(settings.PositionSeconds),
        QStringLiteral("Posicion/Cordenadas=%1").arg(settings.Coordinates),
        QStringLiteral("Posicion/Signos=%1").arg(settings.Sign),
        QStringLiteral("Contacto/Planeta=%1").arg(settings.ContactBody),
        QStringLiteral("Contacto/Angulo=%1").arg(settings.Angle),
        QStringLiteral("Contacto/TipAngulo=%1").arg(settings.AngleType),
        QStringLiteral("Contacto/Gra=%1").arg(settings.OrbDegrees),
        QStringLiteral("Contacto/Min=%1").arg(settings.OrbMinutes),
        QStringLiteral("Config/TZ=%1").arg(settings.TimeZone),
        QStringLiteral("Config/Zona=%1").arg(QString::fromStdString(settings.ZoneName)),
        QStringLiteral("Config/Papel=%1").arg(QString::fromStdString(settings.Paper)),
        QStringLiteral("Config/Carta=%1").arg(QString::fromStdString(settings.ChartFile)),
        QStringLiteral("Config/DiaEfem=%1").arg(settings.DayMarker),
        QStringLiteral("Config/Signo=%1").arg(settings.SignLines),
        QStringLiteral("Config/Deca=%1").arg(settings.DecanLines),
        QStringLiteral("Config/Mes=%1").arg(settings.MonthLines),
        QStringLiteral("Config/Dias=%1").arg(settings.DayLines),
        QStringLiteral("Config/Auto=%1").arg(settings.AutoSearch),
    };
    for (int slot = 1; slot <= GraphColorSlotCount; ++slot) {
        lines.append(QStringLiteral("Config/Colors%1=%2").arg(slot).arg(settings.Colors[slot]));
    }
    return lines;
}

// The section lines of a file, in order.
QStringList Sections(const QByteArray& text) {
    QStringList sections;
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith('[')) {
            sections.append(QString::fromUtf8(line.trimmed()));
        }
    }
    return sections;
}

// What the process writes to stderr while the capture lives, through a pipe.
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        if (::pipe2(Pipe.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
            Saved = ::dup(STDERR_FILENO);
            ::dup2(Pipe[1], STDERR_FILENO);
        }
    }
    ~StderrCapture() {
        Restore();
        for (const int end : Pipe) {
            if (end >= 0) ::close(end);
        }
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Ends the capture; what was written.
    QString Text() {
        Restore();
        QByteArray text;
        std::array<char, 512> buffer{};
        ssize_t count = 0;
        while (Pipe[0] >= 0 && (count = ::read(Pipe[0], buffer.data(), buffer.size())) > 0) {
            text.append(buffer.data(), count);
        }
        return QString::fromUtf8(text);
    }

private:
    void Restore() {
        if (Saved >= 0) {
            std::fflush(stderr);
            ::dup2(Saved, STDERR_FILENO);
            ::close(Saved);
            Saved = -1;
        }
    }

    std::array<int, 2> Pipe{-1, -1};
    int Saved = -1;
};

// The handlers of SIGTERM and SIGINT as they were, back when it goes out of
// scope (the test framework has its own).
class SignalHandlersKept {
public:
    SignalHandlersKept() {
        sigaction(SIGTERM, nullptr, &Term);
        sigaction(SIGINT, nullptr, &Interrupt);
    }
    ~SignalHandlersKept() {
        sigaction(SIGTERM, &Term, nullptr);
        sigaction(SIGINT, &Interrupt, nullptr);
    }
    SignalHandlersKept(const SignalHandlersKept&) = delete;
    SignalHandlersKept& operator=(const SignalHandlersKept&) = delete;

private:
    struct sigaction Term {};
    struct sigaction Interrupt {};
};

// Answers every message box that opens while it lives with its OK button,
// keeping the texts it showed.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        QObject::connect(&Poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Texts.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        Poll.start(20);
    }

    QStringList Texts;

private:
    QTimer Poll;
};

enum class CloseBy { User, Sigterm };

// Why the settings file cannot be written.
enum class SaveFailure { FileSizeLimit, ReadOnlyFolder, FolderName };

}  // namespace

Q_DECLARE_METATYPE(CloseBy)
Q_DECLARE_METATYPE(SaveFailure)

namespace {

class TFormMainSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TemporaryFolder> Folder;
    std::unique_ptr<TFormMain> Form;

    [[nodiscard]] fs::path File() const { return Folder->Path() / "kalto.ini"; }

    // A window started from the settings file as it is now, shown.
    [[nodiscard]] bool Start() {
        Form = std::make_unique<TFormMain>(File());
        Form->show();
        return QTest::qWaitForWindowExposed(Form.get());
    }

    [[nodiscard]] bool StartWith(const QByteArray& text) {
        test::WriteFile(File(), text.toStdString());
        return Start();
    }

    // Closes the window as the user does, or as the desktop session does, by
    // SIGTERM; whether it closed. The window system delivers the user's close
    // as a spontaneous close event, and hides the window that accepts it.
    [[nodiscard]] bool Close(CloseBy how) {
        if (how == CloseBy::User) {
            QCloseEvent event;
            QSpontaneKeyEvent::setSpontaneous(&event);
            QApplication::instance()->notify(Form.get(), &event);
            if (event.isAccepted()) {
                Form->hide();
            }
            return event.isAccepted();
        }
        const SignalHandlersKept handlers;
        InstallCloseOnSignals(Form.get());
        return std::raise(SIGTERM) == 0 && QTest::qWaitFor([this] { return !Form->isVisible(); });
    }

    static void AddCloseRows() {
        QTest::addColumn<CloseBy>("how");
        QTest::newRow("closed by the user") << CloseBy::User;
        QTest::newRow("closed by SIGTERM") << CloseBy::Sigterm;
    }

    // The changes a user makes before closing: the contact inputs, the time
    // zone, two graph switches, "autom." and a colour, each by its control.
    void ChangeEveryKind() {
        Form->Contacts().ui().RGPlanetas->Button(5)->click();
        Form->Contacts().ui().SEGraLon->setValue(200);
        Form->Contacts().ui().RGCord->Button(1)->click();  // 200° becomes Lib 20°
        Form->Contacts().ui().SEAngulo->setValue(60);
        Form->Contacts().ui().RGTipoAngulo->setCurrentIndex(1);
        Form->Contacts().ui().SEGraOrb->setValue(3);
        Form->Contacts().ui().SEMinOrb->setValue(45);
        Form->ui().SETz->setValue(-3.5);
        Form->Ephemeris().Graph().ui().CBMes->click();
        Form->Ephemeris().Graph().ui().CBDias->click();
        Form->Contacts().ui().CBAutomatic->click();
        Form->Ephemeris().Graph().ui().RBC[3]->click();
        emit Form->Ephemeris().Graph().ui().CP->ColorChange(QColor(10, 20, 30));
    }

    [[nodiscard]] static KaltoSettings AfterChangeEveryKind() {
        KaltoSettings expected;
        expected.PositionDegrees = 20;
        expected.Coordinates = 1;
        expected.Sign = 6;
        expected.ContactBody = 5;
        expected.Angle = 60;
        expected.AngleType = 1;
        expected.OrbDegrees = 3;
        expected.OrbMinutes = 45;
        expected.TimeZone = -3.5;
        expected.MonthLines = false;
        expected.DayLines = true;
        expected.AutoSearch = true;
        expected.Colors[MonthColor] = RgbColor(10, 20, 30);
        return expected;
    }

private slots:
    void init() { Folder = std::make_unique<test::TemporaryFolder>("kalto-window-settings"); }

    void cleanup() {
        Form.reset();
        Folder.reset();
    }

    // The contact page ends up in the stored coordinates, in zodiac mode too,
    // and the target follows; the body is chosen without starting a search,
    // though "autom." is on.
    void everyKeyReachesItsControl() {
        QVERIFY(StartWith(EveryKeyChanged));
        QCOMPARE(Form->Contacts().ui().RGPlanetas->ItemIndex(), 3);
        QCOMPARE(Form->Contacts().Body(), Ven);
        QCOMPARE(Form->Contacts().ui().SEGraLon->value(), 15);
        QCOMPARE(Form->Contacts().ui().SEMinLon->value(), 20);
        QCOMPARE(Form->Contacts().ui().SESecLon->value(), 30);
        QCOMPARE(Form->Contacts().ui().RGCord->ItemIndex(), 1);
        QCOMPARE(Form->Contacts().Coordinates(), CoordinateMode::Zodiac);
        QCOMPARE(Form->Contacts().ui().SEGraLon->maximum(), 30);
        QCOMPARE(Form->Contacts().ui().RGSignos->ItemIndex(), 4);
        QVERIFY(Form->Contacts().ui().RGSignos->isEnabled());
        QCOMPARE(Form->Contacts().Target(), 135 + 20 / 60.0 + 30 / 3600.0);
        QCOMPARE(Form->Contacts().ui().SEAngulo->value(), 90);
        QCOMPARE(Form->Contacts().ui().RGTipoAngulo->currentText(), QStringLiteral("Exacto"));
        QCOMPARE(Form->Contacts().ui().SEGraOrb->value(), 2);
        QCOMPARE(Form->Contacts().ui().SEMinOrb->value(), 15);
        QCOMPARE(Form->Contacts().Orb(), 2.25);
        QCOMPARE(Form->ui().SETz->value(), 5.75);
        QVERIFY(!Form->Ephemeris().Graph().ui().CBDiaEfem->isChecked());
        QVERIFY(!Form->Ephemeris().Graph().ui().CBSignos->isChecked());
        QVERIFY(!Form->Ephemeris().Graph().ui().CBDeca->isChecked());
        QVERIFY(!Form->Ephemeris().Graph().ui().CBMes->isChecked());
        QVERIFY(Form->Ephemeris().Graph().ui().CBDias->isChecked());
        QVERIFY(Form->Contacts().ui().CBAutomatic->isChecked());
        const std::array<TColor, GraphColorSlotCount + 1> colours{
            0, RgbColor(0, 255, 0), 1, RgbColor(2, 2, 2), RgbColor(51, 51, 51), RgbColor(128, 128, 128), 0};
        QVERIFY(Form->Ephemeris().Graph().Colors().Slots == colours);
        // The picker shows the stored colour of the slot chosen, "Día".
        QCOMPARE(Form->Ephemeris().Graph().ui().CP->Color(), QColor(0, 255, 0));
        QVERIFY(!Form->Contacts().Runner().IsRunning());
        QVERIFY(!Form->Contacts().ui().BitBtnStopCalc->isEnabled());
        QCOMPARE(Form->Contacts().ui().LabelStatusContact->text(), QString::fromUtf8(StatusContactsToCompute.data()));
    }

    // The degrees, the coordinates and the sign as the contact page's
    // coordinate handling leaves them after start-up.
    void coordinatesAfterStartUp_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("target");
        QTest::newRow("zodiac") << QByteArray("[Posicion]\nGra=15\nCordenadas=1\nSignos=4\n") << 1 << 15 << 4 << 135.0;
        QTest::newRow("ecliptic, its sign from the degrees")
            << QByteArray("[Posicion]\nGra=200\nCordenadas=0\nSignos=4\n") << 0 << 200 << 6 << 200.0;
        QTest::newRow("zodiac without a sign")
            << QByteArray("[Posicion]\nGra=10\nCordenadas=1\nSignos=-1\n") << 1 << 10 << 0 << 10.0;
        QTest::newRow("zodiac degrees held to the sign")
            << QByteArray("[Posicion]\nGra=45\nCordenadas=1\nSignos=2\n") << 1 << 29 << 2 << 89.0;
        QTest::newRow("ecliptic degrees held to the circle")
            << QByteArray("[Posicion]\nGra=400\n") << 0 << 359 << 11 << 359.0;
        QTest::newRow("negative degrees") << QByteArray("[Posicion]\nGra=-20\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("sign past Pis") << QByteArray("[Posicion]\nGra=0\nCordenadas=1\nSignos=20\n") << 1 << 0 << 11
                                       << 330.0;
        QTest::newRow("coordinates past Zodiaco")
            << QByteArray("[Posicion]\nGra=3\nCordenadas=5\nSignos=1\n") << 1 << 3 << 1 << 33.0;
        QTest::newRow("upper-case names, hexadecimal degrees")
            << QByteArray("[POSICION]\nGRA=0x1E\nCORDENADAS=0\n") << 0 << 30 << 1 << 30.0;
    }

    void coordinatesAfterStartUp() {
        QFETCH(QByteArray, text);
        QFETCH(int, item);
        QFETCH(int, degrees);
        QFETCH(int, sign);
        QFETCH(double, target);
        QVERIFY(StartWith(text));
        QCOMPARE(Form->Contacts().ui().RGCord->ItemIndex(), item);
        QCOMPARE(Form->Contacts().Coordinates(), static_cast<CoordinateMode>(item));
        QCOMPARE(Form->Contacts().ui().SEGraLon->value(), degrees);
        QCOMPARE(Form->Contacts().ui().RGSignos->ItemIndex(), sign);
        QCOMPARE(Form->Contacts().ui().RGSignos->isEnabled(), item == 1);
        QCOMPARE(Form->Contacts().Target(), target);
    }

    // One key a row; the control named shows the value, held to its range.
    void valueHeldByItsControl_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("expected");
        QTest::newRow("body past Nod") << QByteArray("[Contacto]\nPlaneta=99\n") << "RGPlanetas" << 10.0;
        QTest::newRow("body of the search") << QByteArray("[Contacto]\nPlaneta=99\n") << "ContactBody" << 11.0;
        QTest::newRow("body before Sol") << QByteArray("[Contacto]\nPlaneta=-3\n") << "ContactBody" << 1.0;
        QTest::newRow("minutes past 59") << QByteArray("[Posicion]\nMin=75\n") << "SEMinLon" << 59.0;
        QTest::newRow("negative seconds") << QByteArray("[Posicion]\nSec=-4\n") << "SESecLon" << 0.0;
        QTest::newRow("degrees not a number") << QByteArray("[Posicion]\nGra=abc\n") << "SEGraLon" << 0.0;
        QTest::newRow("angle past 180") << QByteArray("[Contacto]\nAngulo=500\n") << "SEAngulo" << 180.0;
        QTest::newRow("negative angle") << QByteArray("[Contacto]\nAngulo=-10\n") << "SEAngulo" << 0.0;
        QTest::newRow("angle not a number") << QByteArray("[Contacto]\nAngulo=x\n") << "SEAngulo" << 15.0;
        QTest::newRow("angle type past Exacto") << QByteArray("[Contacto]\nTipAngulo=9\n") << "RGTipoAngulo" << 1.0;
        QTest::newRow("angle type before Multiplo")
            << QByteArray("[Contacto]\nTipAngulo=-2\n") << "RGTipoAngulo" << 0.0;
        QTest::newRow("orb degrees past 5") << QByteArray("[Contacto]\nGra=40\n") << "SEGraOrb" << 5.0;
        QTest::newRow("orb under 30 minutes") << QByteArray("[Contacto]\nGra=0\nMin=10\n") << "SEMinOrb" << 30.0;
        QTest::newRow("orb never under 0.5 degrees") << QByteArray("[Contacto]\nGra=0\nMin=0\n") << "ContactOrb" << 0.5;
        QTest::newRow("orb minutes past 59") << QByteArray("[Contacto]\nGra=1\nMin=75\n") << "SEMinOrb" << 59.0;
        QTest::newRow("time zone with a point") << QByteArray("[Config]\nTZ=-3.5\n") << "SETz" << -3.5;
        QTest::newRow("time zone with a comma") << QByteArray("[Config]\nTZ=5,75\n") << "SETz" << 5.75;
        QTest::newRow("time zone past 11.99") << QByteArray("[Config]\nTZ=20\n") << "SETz" << 11.99;
        QTest::newRow("time zone before -11.99") << QByteArray("[Config]\nTZ=-13,5\n") << "SETz" << -11.99;
        QTest::newRow("time zone not a number") << QByteArray("[Config]\nTZ=GMT+2\n") << "SETz" << 0.0;
        QTest::newRow("mixed-case names") << QByteArray("[config]\ntz=2.5\n") << "SETz" << 2.5;
    }

    void valueHeldByItsControl() {
        QFETCH(QByteArray, text);
        QFETCH(QString, control);
        QFETCH(double, expected);
        const std::map<QString, std::function<double(const TFormMain&)>> readers{
            {"RGPlanetas", [](const TFormMain& form) { return form.Contacts().ui().RGPlanetas->ItemIndex(); }},
            {"ContactBody", [](const TFormMain& form) { return form.Contacts().Body(); }},
            {"SEGraLon", [](const TFormMain& form) { return form.Contacts().ui().SEGraLon->value(); }},
            {"SEMinLon", [](const TFormMain& form) { return form.Contacts().ui().SEMinLon->value(); }},
            {"SESecLon", [](const TFormMain& form) { return form.Contacts().ui().SESecLon->value(); }},
            {"SEAngulo", [](const TFormMain& form) { return form.Contacts().ui().SEAngulo->value(); }},
            {"RGTipoAngulo", [](const TFormMain& form) { return form.Contacts().ui().RGTipoAngulo->currentIndex(); }},
            {"SEGraOrb", [](const TFormMain& form) { return form.Contacts().ui().SEGraOrb->value(); }},
            {"SEMinOrb", [](const TFormMain& form) { return form.Contacts().ui().SEMinOrb->value(); }},
            {"ContactOrb", [](const TFormMain& form) { return form.Contacts().Orb(); }},
            {"SETz", [](const TFormMain& form) { return form.ui().SETz->value(); }},
        };
        QVERIFY(readers.count(control) == 1);
        QVERIFY(StartWith(text));
        QCOMPARE(readers.at(control)(*Form), expected);
    }

    // The controls' design values, and at the first close a new file with
    // the three sections in order holding them.
    void firstStartWithoutAFile() {
        QVERIFY(!fs::exists(File()));
        QVERIFY(Start());
        QCOMPARE(Form->Contacts().ui().SEGraOrb->value(), 0);
        QCOMPARE(Form->Contacts().ui().SEMinOrb->value(), 30);
        QCOMPARE(Form->ui().SETz->value(), 0.0);
        QVERIFY(Form->Ephemeris().Graph().ui().CBDiaEfem->isChecked());
        QVERIFY(Form->Ephemeris().Graph().ui().CBSignos->isChecked());
        QVERIFY(Form->Ephemeris().Graph().ui().CBDeca->isChecked());
        QVERIFY(Form->Ephemeris().Graph().ui().CBMes->isChecked());
        QVERIFY(!Form->Ephemeris().Graph().ui().CBDias->isChecked());
        QVERIFY(!Form->Contacts().ui().CBAutomatic->isChecked());
        QCOMPARE(Form->Contacts().ui().RGTipoAngulo->currentIndex(), 0);
        QCOMPARE(Form->Contacts().ui().RGCord->ItemIndex(), 0);
        QCOMPARE(Form->Contacts().ui().SEAngulo->value(), 15);
        QCOMPARE(Form->Contacts().ui().RGPlanetas->ItemIndex(), 0);
        QVERIFY(Form->Ephemeris().Graph().Colors() == GraphColors{});

        QVERIFY(Form->close());
        const QByteArray text = QByteArray::fromStdString(test::ReadFile(File()));
        QCOMPARE(Sections(text), QStringList({"[Posicion]", "[Contacto]", "[Config]"}));
        KaltoSettings expected;
        expected.Sign = 0;  // the sign list starts on "Ari"
        QCOMPARE(Lines(LoadSettings(File(), KaltoSettings{})), Lines(expected));
        QCOMPARE(test::EntryNames(Folder->Path()), std::vector<std::string>{"kalto.ini"});
    }

    // A named zone replaces the offset box by its offset at the start of the
    // span shown, and is written back; a name the database does not know
    // leaves the fixed offset of the file.
    void zoneOfTheFile_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("named") << QByteArray("[Config]\nTZ=3\nZona=Europe/Madrid\n") << "Europe/Madrid"
                               << QByteArray("\nZona=Europe/Madrid\n");
        QTest::newRow("a link") << QByteArray("[Config]\nTZ=3\nZona=US/Eastern\n") << "US/Eastern"
                                << QByteArray("\nZona=US/Eastern\n");
        QTest::newRow("unknown") << QByteArray("[Config]\nTZ=3\nZona=Mars/Olympus\n") << "" << QByteArray("\nZona=\n");
        QTest::newRow("without the key") << QByteArray("[Config]\nTZ=3\n") << "" << QByteArray("\nZona=\n");
    }

    void zoneOfTheFile() {
        QFETCH(QByteArray, text);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);
        QVERIFY(StartWith(text));
        const bool named = !shown.isEmpty();
        QCOMPARE(Form->ui().CBZona->currentIndex() != 0, named);
        if (named) QCOMPARE(Form->ui().CBZona->currentText(), shown);
        QCOMPARE(Form->ui().SETz->isVisible(), !named);
        QCOMPARE(Form->ui().LabelUTC->isVisible(), named);
        QCOMPARE(Form->ui().SETz->value(), 3.0);
        QVERIFY(Form->close());
        const QByteArray saved = QByteArray::fromStdString(test::ReadFile(File()));
        QVERIFY2(saved.contains(written), saved.constData());
        QVERIFY(saved.contains("\nTZ=3\n"));
    }

    // The transits page opens the chart of the file, and the file keeps the
    // chart shown; a chart that cannot be read leaves the page's own.
    void chartOfTheFile() {
        const auto chart = Folder->Path() / "Ana.ini";
        QVERIFY(!SaveChartFile(chart, Chart{.Name = "Ana", .Birth = std::nullopt, .Points = {{"Sol", 56.1}}}));
        QVERIFY(StartWith(QByteArray("[Config]\nCarta=") + QByteArray::fromStdString(chart.string()) + "\n"));
        QCOMPARE(Form->Transits().CurrentChart().Name, std::string("Ana"));
        QVERIFY(Form->close());
        QVERIFY(QByteArray::fromStdString(test::ReadFile(File())).contains("\nCarta=" + chart.string() + "\n"));

        test::WriteFile(chart, "[Puntos]\nSol=?\n");
        QVERIFY(Start());
        QCOMPARE(Form->Transits().CurrentChart().Name, std::string("Sin nombre"));
    }

    // The file gets the controls' values once, at the first close; a window
    // started from it shows them, and writes the same text back.
    void closingWritesTheChangedValues_data() { AddCloseRows(); }

    void closingWritesTheChangedValues() {
        QFETCH(CloseBy, how);
        QVERIFY(StartWith("; kept\n[Config]\nOther=7\n"));
        ChangeEveryKind();
        QVERIFY(!Form->Contacts().Runner().IsRunning());
        QVERIFY(Close(how));

        const QByteArray text = QByteArray::fromStdString(test::ReadFile(File()));
        QCOMPARE(Lines(LoadSettings(File(), KaltoSettings{})), Lines(AfterChangeEveryKind()));
        const char separator = DecimalSeparatorOf(QLocale::system());
        QVERIFY2(text.contains(QByteArray("\nTZ=-3") + separator + "5\n"), text.constData());
        QVERIFY(text.startsWith("; kept\n"));
        QVERIFY(text.contains("\nOther=7\n"));

        // Written once: a second close leaves the file alone.
        test::WriteFile(File(), "edited\n");
        Form->close();
        QCOMPARE(QByteArray::fromStdString(test::ReadFile(File())), QByteArray("edited\n"));

        test::WriteFile(File(), text.toStdString());
        QVERIFY(Start());
        QCOMPARE(Form->ui().SETz->value(), -3.5);
        QCOMPARE(Form->Contacts().ui().RGCord->ItemIndex(), 1);
        QCOMPARE(Form->Contacts().ui().SEGraLon->value(), 20);
        QCOMPARE(Form->Contacts().ui().RGSignos->ItemIndex(), 6);
        QCOMPARE(Form->Contacts().Target(), 200.0);
        QCOMPARE(Form->Ephemeris().Graph().Colors()[MonthColor], RgbColor(10, 20, 30));
        QVERIFY(Form->close());
        QCOMPARE(QByteArray::fromStdString(test::ReadFile(File())), text);
    }

    // A save that fails leaves the previous file whole and says where: on
    // stderr always, and in a message box when the user closed the window.
    // It fails under a file size limit of 16 bytes (the file needs some 300),
    // in a folder the user may not write in, and where a folder has the name.
    void unwritableFileKeepsTheOldOne_data() {
        QTest::addColumn<CloseBy>("how");
        QTest::addColumn<SaveFailure>("failure");
        const std::pair<const char*, CloseBy> closes[] = {{"closed by the user", CloseBy::User},
                                                          {"closed by SIGTERM", CloseBy::Sigterm}};
        const std::pair<const char*, SaveFailure> failures[] = {
            {"a file size limit", SaveFailure::FileSizeLimit},
            {"a folder without write permission", SaveFailure::ReadOnlyFolder},
            {"a folder of that name", SaveFailure::FolderName}};
        for (const auto& [closeName, how] : closes) {
            for (const auto& [failureName, failure] : failures) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(closeName, failureName))) << how << failure;
            }
        }
    }

    void unwritableFileKeepsTheOldOne() {
        QFETCH(CloseBy, how);
        QFETCH(SaveFailure, failure);
        const QByteArray old("[Config]\nTZ=1\n");
        // The previous file, or for a folder of that name a file inside it.
        const fs::path kept = failure == SaveFailure::FolderName ? File() / "dentro.ini" : File();
        if (failure == SaveFailure::FolderName) {
            QVERIFY(fs::create_directory(File()));
        }
        test::WriteFile(kept, old.toStdString());
        QVERIFY(Start());
        Form->ui().SETz->setValue(4);
        const QString message = QStringLiteral("Unable to write to ") + QFile::decodeName(File().c_str());

        test::WriteLimits limits;
        if (failure == SaveFailure::FileSizeLimit) {
            limits.MaxFileSize = 16;
        }
        const fs::path& folder = Folder->Path();
        if (failure == SaveFailure::ReadOnlyFolder) {
            fs::permissions(folder, fs::perms(0555));  // readable by the unprivileged user
            limits.OrdinaryUser = true;
        }
        bool applied = false;
        bool closed = false;
        QString written;
        QStringList boxes;
        {
            MessageBoxAnswerer answerer;
            StderrCapture capture;
            {
                const test::ProcessWriteLimits limited(limits);
                applied = limited.IsApplied();
                closed = applied && Close(how);
            }
            written = capture.Text();
            boxes = answerer.Texts;
        }
        fs::permissions(folder, fs::perms(0700));
        QVERIFY(applied);
        QVERIFY(closed);
        QCOMPARE(written, message + u'\n');
        QCOMPARE(boxes, how == CloseBy::User ? QStringList{message} : QStringList{});
        QCOMPARE(QByteArray::fromStdString(test::ReadFile(kept)), old);
        QCOMPARE(test::EntryNames(Folder->Path()), std::vector<std::string>{"kalto.ini"});
        if (failure == SaveFailure::FolderName) {
            const QDir inside(QFile::decodeName(File().c_str()));
            QCOMPARE(inside.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{"dentro.ini"});
        }
    }

    // A window made without a settings file, as the other tests make theirs,
    // leaves the program's own settings file alone.
    void aWindowWithoutASettingsFileWritesNone() {
        const fs::path programFile = SettingsFilePath(QCoreApplication::applicationDirPath());
        const bool existed = fs::exists(programFile);
        const QByteArray before = QByteArray::fromStdString(test::ReadFile(programFile));
        {
            TFormMain form;
            form.ui().SETz->setValue(7.25);
            form.Contacts().ui().SEAngulo->setValue(165);
            QVERIFY(form.close());
        }
        QCOMPARE(fs::exists(programFile), existed);
        QCOMPARE(QByteArray::fromStdString(test::ReadFile(programFile)), before);
    }
};

}  // namespace

int RunTFormMainSettingsTests(int argc, char** argv) {
    TFormMainSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFormMainSettingsTest.moc"
