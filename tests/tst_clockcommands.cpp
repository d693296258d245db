#include "app/sendcommand.h"
#include "app/sendconsole.h"
#include "comm/clockframe.h"
#include "testapp.h"
#include "ui/mainwindow.h"
#include "ui/portdialog.h"
#include "ui/radiogroup.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"
#include "ui/windows.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The program with a simulated clock on its serial port and a computer clock that stands still.
struct App : TestApp {
    App() { start(false); }

    void trigger(const char* command)
    {
        auto* action = mainWindow->findChild<QAction*>(QLatin1String(command));
        QVERIFY2(action && action->isEnabled(), command);
        action->trigger();
    }
    RadioGroup* comPorts()
    {
        return windows.portDialog->findChild<RadioGroup*>(QStringLiteral("portGroup"));
    }
};

// A click on the radio button's indicator, where a user aims.
void Pick(RadioGroup* group, int index)
{
    QRadioButton* button = group->button(index);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void ClickOk(QDialog& window, const char* name)
{
    auto* ok = window.findChild<QPushButton*>(QLatin1String(name));
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

void WriteFile(const QByteArray& bytes)
{
    QFile file(QStringLiteral("halvex.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QByteArray ReadFile()
{
    QFile file(QStringLiteral("halvex.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// A program file of 200 random bytes in either layout whose steps showing may rewrite: cleared
// steps (Am and Pm) among set ones, and now and then a day byte that is no day code.
QByteArray RandomProgram(std::mt19937& random)
{
    const auto below = [&random](int n) { return int(random() % unsigned(n)); };
    QByteArray bytes(200, '\0');
    for (char& byte : bytes)
        byte = char(below(256));
    const int hours[] = {0x00, 0x00, 0x80, 0x07, 0x12, 0x87, 0x92, 0x13, 0x0A};
    const int dayCodes[] = {0x3E, 0x41, 0x7F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40};
    for (int at = StepTableOffset; at < StepOffset(30); at += 3) {
        bytes[at] = char(hours[below(std::size(hours))]);
        if (below(8) != 0)
            bytes[at + 2] = char(dayCodes[below(std::size(dayCodes))] | below(2) << 7);
    }
    return bytes;
}

} // namespace

class TestClockCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clockCommandsAreEnabled();
    void settingsWindow();
    void settingsWindowShowsThePortFromTheFile_data();
    void settingsWindowShowsThePortFromTheFile();
    void pickedPortIsInForceHoweverTheWindowCloses_data();
    void pickedPortIsInForceHoweverTheWindowCloses();
    void closingWithoutAPickSavesTheBlockAsItIs_data();
    void closingWithoutAPickSavesTheBlockAsItIs();
    void windowKeepsItsPickBetweenOpenings();
    void unusableSettingsFilesAreNamedInComSettings();
    void sendStampsTheFrameAndSendsIt();
    void commandLineSendsWhatTheWindowSends();
    void failedSendShowsTheErrorWindow_data();
    void failedSendShowsTheErrorWindow();
    void serialErrorWindow();
    void eachComNumberReachesTheDeviceChosenForIt();
    void deviceChoicesAreKeptForTheUser();
    void settingsWindowFollowsTheAdapters();

private:
    QTemporaryDir workDir;
    QString previousDir;
};

void TestClockCommands::init()
{
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    QDir().rmdir(QStringLiteral("halvex.dat"));
    QFile::remove(QStringLiteral("halvex.dat"));
}

void TestClockCommands::cleanup()
{
    QDir::setCurrent(previousDir);
}

void TestClockCommands::clockCommandsAreEnabled()
{
    App app;
    for (const char* name : {"sendAction", "settingsAction"}) {
        auto* action = app.mainWindow->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action && action->isEnabled(), name);
    }
}

void TestClockCommands::settingsWindow()
{
    App app;
    PortDialog& window = *app.windows.portDialog;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("COM Settings"));
    QCOMPARE(window.size(), QSize(430, 246)); // the device chooser sits beside the ports
    QCOMPARE(window.minimumSize(), window.maximumSize());
    RadioGroup* ports = app.comPorts();
    QVERIFY(ports);
    QCOMPARE(ports->title(), QStringLiteral("ComPort"));
    for (int i = 0; i < 8; ++i) {
        QRadioButton* button = ports->button(i);
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("COM%1").arg(i + 1));
        QVERIFY(ports->rect().contains(button->geometry()));
        if (i > 0) { // one column, top to bottom
            QCOMPARE(button->x(), ports->button(0)->x());
            QVERIFY(button->y() > ports->button(i - 1)->y());
        }
    }
    QVERIFY(!ports->button(8));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("okButton"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(window.rect().contains(ports->geometry()));
    QVERIFY(window.rect().contains(ok->geometry()));
    QVERIFY(!ok->geometry().intersects(ports->geometry()));
}

void TestClockCommands::settingsWindowShowsThePortFromTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("shown");
    QTest::newRow("no file") << QByteArray() << 0;
    QTest::newRow("0x0A") << QByteArray("\x0A", 1) << 2;
    QTest::newRow("0x04") << QByteArray("\x04", 1) << 4;
    QTest::newRow("0xFF") << QByteArray("\xFF", 1) << 7;
}

void TestClockCommands::settingsWindowShowsThePortFromTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(int, shown);
    if (!file.isEmpty())
        WriteFile(file);
    App app;
    QCOMPARE(app.comPorts()->itemIndex(), shown);
    // Showing the port is no pick: the byte keeps its upper bits.
    QCOMPARE(int(app.buffer[200]), file.isEmpty() ? 0 : int(Byte(file[0])));
}

void TestClockCommands::pickedPortIsInForceHoweverTheWindowCloses_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("close box") << false;
    QTest::newRow("OK") << true;
}

void TestClockCommands::pickedPortIsInForceHoweverTheWindowCloses()
{
    QFETCH(bool, byOk);
    WriteFile(QByteArray("\x0A\x11\x22\x33\x44\x55\x66\x77\x88\x99", 10));
    App app;
    int byteWhileOpen = -1;
    app.gui.answerNext([&](QDialog& window) {
        Pick(app.comPorts(), 4);
        byteWhileOpen = app.buffer[200];
        if (byOk)
            ClickOk(window, "okButton");
    });
    app.trigger("settingsAction");
    QCOMPARE(app.gui.shownWindows, QStringList{"portDialog"});
    QCOMPARE(byteWhileOpen, 4);
    QCOMPARE(int(app.buffer[200]), 4);
    QCOMPARE(ReadFile(), QByteArray("\x04\x11\x22\x33\x44\x55\x66\x77\x88\x99", 10));

    app.trigger("sendAction");
    QCOMPARE(app.port.openedName, std::string("COM5"));
}

void TestClockCommands::closingWithoutAPickSavesTheBlockAsItIs_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("no file") << QByteArray() << QByteArray(10, '\0');
    QTest::newRow("0x0A kept whole") << QByteArray("\x0A\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10)
                                     << QByteArray("\x0A\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10);
}

void TestClockCommands::closingWithoutAPickSavesTheBlockAsItIs()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    if (!file.isEmpty())
        WriteFile(file);
    App app;
    app.trigger("settingsAction");
    QCOMPARE(ReadFile(), saved);
}

void TestClockCommands::windowKeepsItsPickBetweenOpenings()
{
    App app;
    app.gui.answerNext([&](QDialog&) { Pick(app.comPorts(), 6); });
    app.trigger("settingsAction");
    int shownAgain = -1;
    app.gui.answerNext([&](QDialog&) { shownAgain = app.comPorts()->itemIndex(); });
    app.trigger("settingsAction");
    QCOMPARE(shownAgain, 6);
    QCOMPARE(int(ReadFile()[0]), 6);
}

// A halvex.dat that cannot be used, and a file of the user's device choices that cannot be read,
// are named below the ports, and the window grows to hold the words; the pick still holds.
void TestClockCommands::unusableSettingsFilesAreNamedInComSettings()
{
    QVERIFY(QDir().mkdir(QStringLiteral("halvex.dat"))); // a name no file can take
    App app;
    app.serialPorts.problem = "/home/a/.config/halvex/halvex.conf is a named pipe, not a "
                              "settings file.";
    QString warning;
    int height = 0;
    app.gui.answerNext([&](QDialog& window) {
        Pick(app.comPorts(), 2);
        warning = window.findChild<QLabel*>(QStringLiteral("warningLabel"))->text();
        height = window.height();
    });
    app.trigger("settingsAction");
    QCOMPARE(app.gui.shownWindows, QStringList{"portDialog"});
    QVERIFY(app.gui.exceptions.isEmpty());
    QVERIFY2(warning.startsWith("Warning: halvex.dat is a folder, not a file") &&
                 warning.contains("\nWarning: /home/a/.config/halvex/halvex.conf is a named pipe"),
             qPrintable(warning));
    QVERIFY(height > 246);
    QCOMPARE(int(app.buffer[200]), 2); // the pick stays in force for the run
    app.trigger("sendAction");
    QCOMPARE(app.port.openedName, std::string("COM3"));

    // Mended, the files are no longer named.
    QVERIFY(QDir().rmdir(QStringLiteral("halvex.dat")));
    app.serialPorts.problem.clear();
    app.gui.answerNext([&](QDialog& window) {
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("warningLabel"))->isHidden());
        QCOMPARE(window.size(), QSize(430, 246));
    });
    app.trigger("settingsAction");
}

void TestClockCommands::sendStampsTheFrameAndSendsIt()
{
    App app;
    app.buffer[14] = 0x87;
    app.buffer[15] = 0x30;
    app.buffer[16] = 0xBE;
    app.buffer[121] = 0x55;
    app.trigger("sendAction");

    const QByteArray stamp(reinterpret_cast<const char*>(app.buffer.data()) + 1, 13);
    QCOMPARE(stamp.mid(2, 7), QByteArray("\x42\x15\x12\x03\x08\x12\x26", 7));
    QCOMPARE(stamp.mid(10, 3), QByteArray("\x02\x11\x01", 3));
    int sum = 0;
    for (int i = 14; i <= 120; ++i)
        sum += app.buffer[i];
    QCOMPARE(int(app.buffer[1]), 0xFF - sum % 256);
    QCOMPARE(app.clock.reads, 1);

    // Success shows nothing but the progress window, which closed itself.
    QCOMPARE(app.gui.shownWindows, QStringList{"sendProgressDialog"});
    QCOMPARE(app.port.openedName, std::string("COM1"));
    QCOMPARE(app.port.dtrRises(), 985);
    const std::vector<Byte> received = app.port.receivedBytes();
    QCOMPARE(int(received.size()), 123);
    for (int k = 0; k < 123; ++k)
        QCOMPARE(int(received[static_cast<std::size_t>(k)]), int(app.buffer[122 - k]));
    QVERIFY(!app.port.isOpen && app.port.rts && !app.port.dtr);
}

// A thousand random files, each loaded and sent from the window and sent with "halvex send":
// the clock gets the same 123 bytes both ways, the day bytes that showing rewrites included.
// The computer's clock stands still, so even the stamps agree.
void TestClockCommands::commandLineSendsWhatTheWindowSends()
{
    constexpr int Files = 1000;
    App app;
    std::mt19937 random(18); // the same files on every run
    const QString path = QDir().absoluteFilePath(QStringLiteral("shop.40t"));
    const auto hex = [](const std::vector<Byte>& frame) {
        return QString::fromLatin1(
            QByteArray(reinterpret_cast<const char*>(frame.data()), int(frame.size())).toHex(' '));
    };
    int rewritten = 0;
    for (int n = 0; n < Files; ++n) {
        const QByteArray file = RandomProgram(random);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        app.gui.answerFileDialog(path);
        app.trigger("loadAction");
        rewritten += QByteArray(reinterpret_cast<const char*>(app.buffer.data()), 200) != file;
        app.port.rtsAtRises.clear();
        app.trigger("sendAction");
        const std::vector<Byte> fromWindow = app.port.receivedBytes();

        SimulatedClock port;
        std::istringstream in;
        std::ostringstream err;
        StreamConsole log(in, err);
        QCOMPARE(RunSend({QFile::encodeName(path).toStdString(), "", false}, port, app.clock,
                         app.serialPorts, log),
                 SentStatus);
        QCOMPARE(fromWindow.size(), std::size_t(ClockFrameSize));
        if (port.receivedBytes() != fromWindow)
            QFAIL(qPrintable(QStringLiteral("file %1: %2\nwindow:       %3\ncommand line: %4")
                                 .arg(n)
                                 .arg(QString::fromLatin1(file.toHex()), hex(fromWindow),
                                      hex(port.receivedBytes()))));
    }
    qInfo("%d of %d files were rewritten by showing them", rewritten, Files);
    QVERIFY(rewritten > Files / 2 && rewritten < Files);
}

void TestClockCommands::failedSendShowsTheErrorWindow_data()
{
    QTest::addColumn<bool>("portMissing");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such port") << true
                                  << "COM1 is /dev/simulated, which does not exist: is the "
                                     "adapter plugged in?";
    QTest::newRow("no clock on the port")
        << false
        << "The clock did not answer at all on /dev/simulated (COM1). Check that the cable is "
           "plugged in at both ends and that the clock is ready to receive.";
}

void TestClockCommands::failedSendShowsTheErrorWindow()
{
    QFETCH(bool, portMissing);
    QFETCH(QString, reason);
    App app;
    app.port.portMissing = portMissing;
    app.port.stopAnsweringAt = 0;
    bool openWhileShown = false;
    bool dtrWhileShown = false;
    QString shownReason;
    app.gui.answerNext([](QDialog&) {}); // the progress window closes itself
    app.gui.answerNext([&](QDialog& window) {
        shownReason = window.findChild<QLabel*>(QStringLiteral("reasonLabel"))->text();
        openWhileShown = app.port.isOpen;
        dtrWhileShown = app.port.dtr;
        ClickOk(window, "okButton");
    });
    app.trigger("sendAction");
    QCOMPARE(app.gui.shownWindows, (QStringList{"sendProgressDialog", "transferErrorDialog"}));
    QCOMPARE(shownReason, reason);
    QCOMPARE(app.windows.transferErrorDialog->result(), int(QDialog::Accepted));
    QCOMPARE(openWhileShown, !portMissing);
    QCOMPARE(dtrWhileShown, !portMissing); // still strobing when the clock failed to answer
    QVERIFY(!app.port.isOpen);
    QCOMPARE(app.port.rts, !portMissing);
    QVERIFY(!app.port.dtr);
    // The stamp stays whatever became of the transfer.
    QCOMPARE(int(app.buffer[5]), 0x12);
    QCOMPARE(int(app.buffer[11]), 0x02);
}

void TestClockCommands::serialErrorWindow()
{
    App app;
    TransferErrorDialog& window = *app.windows.transferErrorDialog;
    QCOMPARE(window.windowTitle(), QStringLiteral("Serial Transfer Error !"));
    QCOMPARE(window.size(), QSize(206, 120));
    QLabel* message = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Serial Transfer Error !"))
            message = label;
    }
    QVERIFY(message);
    QVERIFY(message->font().bold() && message->font().italic());
    QVERIFY(message->font().pointSize() > window.font().pointSize());
    QVERIFY(window.rect().contains(message->geometry()));
    QVERIFY(message->fontMetrics().horizontalAdvance(message->text()) <= message->width());

    int result = -1;
    app.gui.answerNext([&](QDialog& shown) { ClickOk(shown, "okButton"); });
    result = app.gui.execModal(window);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
}

// COM1 stands for the built-in port until the user picks an adapter for it, from the list or by
// typing its path, all from the keyboard; the send then names that device.
void TestClockCommands::eachComNumberReachesTheDeviceChosenForIt()
{
    App app;
    const std::string adapter = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A5-if00-port0";
    app.serialPorts.listed = {
        {adapter, "/dev/ttyUSB0", "FTDI FT232R USB UART A5", SerialDevice::Kind::UsbById},
        {"/dev/ttyS0", "/dev/ttyS0", "", SerialDevice::Kind::BuiltIn}};
    QStringList reaches;
    app.gui.answerNext([&](QDialog& window) {
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("deviceCombo"));
        auto* words = window.findChild<QLabel*>(QStringLiteral("reachesLabel"));
        reaches << combo->currentData().toString() << words->text();
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), "FTDI FT232R USB UART A5 (" + QString::fromStdString(adapter) +
                                         "), now /dev/ttyUSB0");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up); // the adapter, first in the list
        reaches << QString::fromStdString(app.serialPorts.deviceFor(1)) << words->text();
        QCOMPARE(combo->lineEdit()->cursorPosition(), 0); // the maker shows, not the link's end
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("/dev/ttyACM3"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        reaches << QString::fromStdString(app.serialPorts.deviceFor(1));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    app.trigger("settingsAction");
    QCOMPARE(reaches,
             (QStringList{
                 "/dev/ttyS0",
                 "COM1 reaches /dev/ttyS0, the computer's own serial port.",
                 QString::fromStdString(adapter),
                 "COM1 reaches " + QString::fromStdString(adapter) + ". That is /dev/ttyUSB0 now.",
                 "/dev/ttyACM3",
             }));
    QString sendingTo;
    app.gui.answerNext([&](QDialog& window) {
        sendingTo = window.findChild<QLabel*>(QStringLiteral("deviceLabel"))->text();
    });
    app.trigger("sendAction");
    QCOMPARE(sendingTo, QStringLiteral("Sending to /dev/ttyACM3"));
    QVERIFY(!app.port.isOpen && app.port.rts && !app.port.dtr);

    // "Built-in Port" drops the choice again.
    app.gui.answerNext([&](QDialog& window) {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("builtInButton")),
                          Qt::LeftButton);
    });
    app.trigger("settingsAction");
    QCOMPARE(app.serialPorts.deviceFor(1), std::string());
}

// The device chosen for a COM number belongs to the user, not to the folder the program runs in:
// it is kept where the desktop keeps a program's settings.
void TestClockCommands::deviceChoicesAreKeptForTheUser()
{
    const App app; // its settings folder stands in for the user's
    const QStringList workFiles = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    SystemSerialPorts ports;
    ports.choose(3, "/dev/ttyUSB0");
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/halvex/halvex.conf";
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("ports/COM3").toString(),
             QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), workFiles);
    QCOMPARE(SystemSerialPorts().deviceFor(3), std::string("/dev/ttyUSB0"));
    QCOMPARE(SystemSerialPorts().deviceFor(4), std::string());
    ports.choose(3, {});
    QCOMPARE(SystemSerialPorts().deviceFor(3), std::string());

    // A damaged file is neither read nor written: a COM number reaches no device until a
    // device, the built-in port too, is chosen in COM Settings for the run.
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("[ports\nCOM1=/dev/ttyUSB0\n"));
    damaged.close();
    QVERIFY(!SystemSerialPorts().settingsProblem().empty());
    QCOMPARE(ChoiceOf(ports)(1), std::nullopt);
    SetsBuffer buffer;
    PortDialog window(buffer, ports);
    window.show();
    auto* reaches = window.findChild<QLabel*>(QStringLiteral("reachesLabel"));
    QCOMPARE(reaches->text(),
             QStringLiteral("COM1 reaches no device: the choice made for it cannot be read."));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("warningLabel"))->text().contains(file));
    window.findChild<QPushButton*>(QStringLiteral("builtInButton"))->click();
    QCOMPARE(ChoiceOf(ports)(1), std::optional<std::string>("/dev/ttyS0"));
    QVERIFY(reaches->text().startsWith(QStringLiteral("COM1 reaches /dev/ttyS0")));
    QVERIFY(damaged.open(QIODevice::ReadOnly));
    QCOMPARE(damaged.readAll(), QByteArray("[ports\nCOM1=/dev/ttyUSB0\n")); // never rewritten
    QVERIFY(QFile::remove(file));
}

// COM Settings open while an adapter is plugged in and pulled out: a by-id link to a real
// character device (a pseudo-terminal) in a device folder of the test's own, watched as the
// program watches /dev.
void TestClockCommands::settingsWindowFollowsTheAdapters()
{
    App app; // the user's settings in a folder of the test's own
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    const auto closeTerminal = qScopeGuard([terminal] { ::close(terminal); });
    QTemporaryDir root;
    QDir dev(root.filePath(QStringLiteral("dev")));
    QVERIFY(dev.mkpath(QStringLiteral(".")));
    SystemSerialPorts ports({dev.path().toStdString(), root.filePath("sys").toStdString()});
    const QString link = dev.filePath(QStringLiteral("serial/by-id/usb-FTDI_FT232R_A5-if00-port0"));
    const QString node = dev.filePath(QStringLiteral("ttyUSB0"));
    ports.choose(1, link.toStdString());
    const auto dropChoice = qScopeGuard([&] { ports.choose(1, {}); });
    PortDialog window(app.buffer, ports);
    const auto* combo = window.findChild<QComboBox*>(QStringLiteral("deviceCombo"));
    const auto* words = window.findChild<QLabel*>(QStringLiteral("reachesLabel"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Items(combo), QStringList());
    QCOMPARE(words->text(), "COM1 reaches " + link + ", which is not plugged in.");

    // Plugged in: the node, then the by-id folder and link, as udev makes them.
    QVERIFY(QFile::link(QString::fromLatin1(ptsname(terminal)), node));
    QVERIFY(dev.mkpath(QStringLiteral("serial/by-id")));
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB0"), link));
    const QString adapter = "FTDI FT232R A5 (" + link + "), now " + node;
    QTRY_COMPARE_WITH_TIMEOUT(Items(combo), QStringList{adapter}, 10000);
    QCOMPARE(combo->currentText(), adapter);
    QCOMPARE(words->text(), "COM1 reaches " + link + ". That is " + node + " now.");

    // Pulled out: the link, its folders and the node go; the adapter stays, marked.
    QVERIFY(QDir(dev.filePath(QStringLiteral("serial"))).removeRecursively());
    QVERIFY(QFile::remove(node));
    QTRY_COMPARE_WITH_TIMEOUT(Items(combo), QStringList{"Unplugged: FTDI FT232R A5 (" + link + ")"},
                              10000);
    QCOMPARE(words->text(), "COM1 reaches " + link + ", which is not plugged in.");
}

QTEST_MAIN(TestClockCommands)
#include "tst_clockcommands.moc"
