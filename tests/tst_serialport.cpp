#include "comm/portlock.h"
#include "comm/serialdevices.h"
#include "comm/serialport.h"
#include "comm/transfer.h"
#include "lineshim.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Everything of a terminal's settings that a serial library would touch.
bool SameSettings(const termios& a, const termios& b)
{
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0 &&
           cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

std::uint64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(now.tv_nsec);
}

// What happens while the port waits for the clock's first answer.
enum class WaitEvent { None, Signal, SignalAsksToStop, OtherThreadAsksToStop };

std::atomic<bool> StopAsked = false;
std::atomic<int> SignalsHandled = 0;
std::atomic<bool> SignalStops = false;

extern "C" void OnTestSignal(int)
{
    ++SignalsHandled;
    if (SignalStops)
        StopAsked = true;
}

constexpr int AfterTheRead = -2; // the clock answers just after the port's next status read

} // namespace

Q_DECLARE_METATYPE(TransferResult)
Q_DECLARE_METATYPE(WaitEvent)

// The real port layer on a pseudo-terminal pair: the program opens the terminal side as "COM3"
// through HALVEX_COM3, and the test watches from the other side. A pseudo-terminal has no
// modem lines, so every line call fails there.
class TestSerialPort : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void devicePathOfAPortName_data();
    void devicePathOfAPortName();
    void opensTheDeviceForThisProgramAlone();
    void missingDeviceCannotBeOpened();
    void terminalSettingsAreNeverChanged();
    void lineCallsReportFailureOnAPty();
    void transferOverAPtyEndsInTheTimeOut();
    void waitsForTheClock_data();
    void waitsForTheClock();
    void tickCountsMilliseconds();
    void anotherProgramsExclusiveModeIsLeftAlone();
    void lockFileOfARunningProgram();
    void serialDevicesOfTheSystem();
    void adapterIsListedOnceUnderItsByIdName();

private:
    termios settings() const;

    int master = -1;
    QByteArray terminal;
};

void TestSerialPort::init()
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    terminal = ptsname(master);
    QVERIFY(setenv("HALVEX_COM3", terminal.constData(), 1) == 0);

    // Settings no serial library would choose, so that any change shows.
    termios odd = settings();
    cfsetispeed(&odd, B1200);
    cfsetospeed(&odd, B1200);
    odd.c_cflag |= CSTOPB | PARENB | PARODD;
    odd.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    odd.c_cc[VMIN] = 7;
    QVERIFY(tcsetattr(master, TCSANOW, &odd) == 0);
}

void TestSerialPort::cleanup()
{
    unsetenv("HALVEX_COM3");
    if (master >= 0)
        ::close(master);
    master = -1;
}

// The master side reads and writes the settings of the terminal side.
termios TestSerialPort::settings() const
{
    termios now{};
    if (tcgetattr(master, &now) != 0)
        qFatal("tcgetattr: %s", std::strerror(errno));
    return now;
}

void TestSerialPort::devicePathOfAPortName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("environment"); // HALVEX_<name>, unset when null
    QTest::addColumn<QString>("chosen");      // the user's choice for the port, "" for none
    QTest::addColumn<QString>("path");        // empty: no such port
    QTest::newRow("COM1") << "COM1" << QString() << ""
                          << "/dev/ttyS0";
    QTest::newRow("COM1 chosen") << "COM1" << QString() << "/dev/ttyUSB0"
                                 << "/dev/ttyUSB0";
    QTest::newRow("the variable wins over the choice") << "COM1"
                                                       << "/dev/ttyACM0"
                                                       << "/dev/ttyUSB0"
                                                       << "/dev/ttyACM0";
    QTest::newRow("COM8") << "COM8" << QString() << ""
                          << "/dev/ttyS7";
    QTest::newRow("COM12") << "COM12" << QString() << ""
                           << "/dev/ttyS11";
    QTest::newRow("USB adapter") << "COM2"
                                 << "/dev/ttyUSB0"
                                 << ""
                                 << "/dev/ttyUSB0";
    QTest::newRow("empty variable") << "COM2"
                                    << ""
                                    << ""
                                    << "/dev/ttyS1";
    QTest::newRow("a device path names itself") << "/dev/ttyUSB3" << QString() << "/dev/ttyUSB0"
                                                << "/dev/ttyUSB3";
    for (const char* bad : {"COM0", "COM", "com1", "COM1 ", "COM-1", "COMx", "LPT1", ""})
        QTest::addRow("bad '%s'", bad) << bad << QString() << "/dev/ttyUSB0" << QString();
}

void TestSerialPort::devicePathOfAPortName()
{
    QFETCH(QString, name);
    QFETCH(QString, environment);
    QFETCH(QString, chosen);
    QFETCH(QString, path);
    const QByteArray variable = "HALVEX_" + name.toLatin1();
    if (environment.isNull())
        unsetenv(variable.constData());
    else
        setenv(variable.constData(), environment.toLatin1().constData(), 1);
    const PortChoice choice = [&](int) { return chosen.toStdString(); };
    const std::optional<std::string> device = SerialDevicePath(name.toStdString(), choice);
    unsetenv(variable.constData());
    QCOMPARE(device.has_value(), !path.isEmpty());
    if (device)
        QCOMPARE(QString::fromStdString(*device), path);
}

void TestSerialPort::opensTheDeviceForThisProgramAlone()
{
    SerialModemLinePort first;
    SerialModemLinePort second;
    QVERIFY(first.open("COM3"));
    QVERIFY(!first.open("COM3")); // already open
    QVERIFY(!second.open("COM3"));
    QCOMPARE(second.open("COM3").problem, PortProblem::Busy); // a failed attempt takes nothing
    QVERIFY(first.close());
    QVERIFY(second.open("COM3")); // free again once closed
    QVERIFY(second.close());
    QVERIFY(!second.close()); // nothing left to close
}

void TestSerialPort::missingDeviceCannotBeOpened()
{
    QVERIFY(setenv("HALVEX_COM5", "/nonexistent/ttyX", 1) == 0);
    SerialModemLinePort port;
    const PortOpenResult missing = port.open("COM5");
    QCOMPARE(missing.problem, PortProblem::NoSuchDevice);
    QCOMPARE(missing.device, std::string("/nonexistent/ttyX"));
    unsetenv("HALVEX_COM5");
    QCOMPARE(port.open("LPT1").problem, PortProblem::UnknownPort);
    QVERIFY(!port.setRts());
    QVERIFY(!port.ctsIsOn());
}

void TestSerialPort::terminalSettingsAreNeverChanged()
{
    const termios before = settings();
    QCOMPARE(cfgetospeed(&before), speed_t(B1200)); // the odd settings reached the terminal
    SerialModemLinePort port;
    QVERIFY(port.open("COM3"));
    port.setRts();
    port.clearDtr();
    port.ctsIsOn();
    QVERIFY(SameSettings(before, settings()));
    QVERIFY(port.close());
    QVERIFY(SameSettings(before, settings()));
}

void TestSerialPort::lineCallsReportFailureOnAPty()
{
    SerialModemLinePort port;
    QVERIFY(port.open("COM3"));
    QVERIFY(!port.setRts());
    QVERIFY(!port.clearRts());
    QVERIFY(!port.setDtr());
    QVERIFY(!port.clearDtr());
    QVERIFY(!port.ctsIsOn()); // the status read fails; the last level (off) stands
    QVERIFY(port.close());
}

void TestSerialPort::transferOverAPtyEndsInTheTimeOut()
{
    std::uint32_t now = 0xFFFFFF00u; // a fake tick that moves 100 milliseconds per reading
    int readings = 0;
    SerialModemLinePort port([&] {
        ++readings;
        return now += 100;
    });
    const termios before = settings();
    SetsBuffer frame;
    frame[122] = 0xFF;
    int failures = 0;
    bool openDuringFailure = false;
    ssize_t dataRead = 0;
    int readError = 0;
    const TransferResult result =
        TransferClockFrame(frame, "COM3", port, [&](const TransferOutcome&) {
            ++failures;
            SerialModemLinePort other;
            openDuringFailure = !other.open("COM3");
            char data = 0;
            dataRead = ::read(master, &data, 1);
            readError = errno;
        }).result;
    QCOMPARE(result, TransferResult::NoAnswer);
    QCOMPARE(failures, 1);
    QVERIFY(openDuringFailure);
    QCOMPARE(readings, 22); // the start of the wait, then one reading each 100..2100 ms into it
    QVERIFY(SameSettings(before, settings()));
    QCOMPARE(dataRead, ssize_t(-1)); // no data byte was written
    QCOMPARE(readError, EAGAIN);
    QVERIFY(port.open("COM3")); // the transfer closed the port
}

// The waits for the clock on the real port, whose lines the line shim plays: with a driver
// that has TIOCMIWAIT and TIOCGICOUNT, and with one that refuses them (the port then polls).
// Time is the test's own, 500 ms a tick read, and it stands still until the row's event has
// happened; the clock answers the first DTR rise as the row says, every other edge at once.
// The last rows run in real time, every edge answered 0.1 ms after it.
void TestSerialPort::waitsForTheClock_data()
{
    QTest::addColumn<int>("refuse");      // errno of the driver's refusal, 0 for none
    QTest::addColumn<int>("answerMs");    // -1: never
    QTest::addColumn<WaitEvent>("event"); // during the first wait
    QTest::addColumn<bool>("realTime");
    QTest::addColumn<TransferResult>("result");
    const auto both = [](const char* name, int answerMs, WaitEvent event, TransferResult result,
                         int refuse, bool realTime = false) {
        QTest::addRow("%s, on the line", name) << 0 << answerMs << event << realTime << result;
        QTest::addRow("%s, no TIOCMIWAIT (%s)", name, refuse == EINVAL ? "EINVAL" : "ENOTTY")
            << refuse << answerMs << event << realTime << result;
    };
    const auto sent = TransferResult::Sent;
    const auto none = WaitEvent::None;
    both("answer before the wait begins", 0, none, sent, EINVAL);
    QTest::newRow("answer between the read and the wait, on the line")
        << 0 << AfterTheRead << none << false << sent;
    both("answer at exactly 2000 ms", 2000, none, sent, ENOTTY);
    both("no answer by 2001 ms", 2001, none, TransferResult::NoAnswer, EINVAL);
    both("a signal handler runs during the wait", 1000, WaitEvent::Signal, sent, ENOTTY);
    both("a signal handler asks to stop", -1, WaitEvent::SignalAsksToStop,
         TransferResult::Cancelled, EINVAL);
    both("another thread asks to stop", -1, WaitEvent::OtherThreadAsksToStop,
         TransferResult::Cancelled, ENOTTY);
    both("a whole send", 0, none, sent, EINVAL, true);
}

void TestSerialPort::waitsForTheClock()
{
    QFETCH(int, refuse);
    QFETCH(int, answerMs);
    QFETCH(WaitEvent, event);
    QFETCH(bool, realTime);
    QFETCH(TransferResult, result);
    LineShimClock clock;
    clock.refuseWaits = refuse;
    clock.testTime = !realTime;
    clock.answerNs = realTime ? 100000 : 0;
    clock.firstAnswerNs = realTime ? -2 : std::int64_t(answerMs) * (answerMs < 0 ? 1 : 1000000);
    clock.answerAfterRead = answerMs == AfterTheRead;
    halvex_lineshim_play(&clock);

    std::atomic<bool> happened = event == WaitEvent::None;
    std::uint32_t now = 1000;
    SerialModemLinePort port(realTime ? SerialModemLinePort::Tick(MonotonicTickMs) : [&] {
        now += happened ? 500 : 0;
        halvex_lineshim_set_now_ms(now);
        return now;
    });
    StopAsked = false;
    SignalsHandled = 0;
    SignalStops = event == WaitEvent::SignalAsksToStop;
    struct sigaction action {};
    struct sigaction before {};
    action.sa_handler = OnTestSignal; // no SA_RESTART, as the program's own handlers
    sigaction(SIGUSR1, &action, &before);
    const pthread_t sending = pthread_self();
    std::atomic<std::uint64_t> happenedNs = 0;
    std::thread other([&] {
        // Once the port sleeps in TIOCMIWAIT, or has polled for a while.
        const QDeadlineTimer deadline(10000);
        LineShimCounts counts;
        while (!happened && !deadline.hasExpired()) {
            halvex_lineshim_counts(&counts);
            if (halvex_lineshim_waiting() > 0 || (refuse != 0 && counts.statusReads > 3)) {
                happenedNs = MonotonicNs(); // before the send can end
                if (event == WaitEvent::OtherThreadAsksToStop)
                    StopAsked = true;
                else
                    pthread_kill(sending, SIGUSR1);
                happened = true;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    });
    SetsBuffer frame;
    for (int i = 0; i < SetsBufferSize; ++i)
        frame[i] = static_cast<Byte>(i * 53 + 7);
    TransferWatch watch;
    watch.cancel = &StopAsked;
    const std::uint64_t startNs = MonotonicNs();
    const TransferOutcome outcome = TransferClockFrame(
        frame, "COM3", port, [](const TransferOutcome&) {}, watch);
    const std::uint64_t endNs = MonotonicNs();
    other.join();
    sigaction(SIGUSR1, &before, nullptr);
    LineShimCounts counts;
    halvex_lineshim_counts(&counts);
    halvex_lineshim_stop();

    QVERIFY(happened);
    QCOMPARE(outcome.result, result);
    // In the test's time, a missed wake-up or a stop costs the port a few real milliseconds:
    // far less than a second.
    if (!realTime)
        QVERIFY(endNs - std::max<std::uint64_t>(startNs, happenedNs) < 1000000000u);
    QCOMPARE(SignalsHandled.load(), event == WaitEvent::Signal || SignalStops ? 1 : 0);
    if (refuse != 0)
        QCOMPARE(counts.lineWaits, 0L); // refused once, the waits are never tried
    if (result == TransferResult::Sent) {
        QCOMPARE(counts.bytes, ClockFrameSize);
        for (int k = 0; k < ClockFrameSize; ++k)
            QCOMPARE(int(counts.received[k]), int(frame[122 - k]));
    } else {
        QCOMPARE(outcome.handshake, 0);
    }
}

// Busy-waits 20 ms of CLOCK_MONOTONIC; the tick must have moved about 20.
void TestSerialPort::tickCountsMilliseconds()
{
    const std::uint32_t first = MonotonicTickMs();
    const std::uint64_t start = MonotonicNs();
    while (MonotonicNs() - start < 20000000u) {
    }
    const std::uint32_t elapsed = MonotonicTickMs() - first;
    QVERIFY2(elapsed >= 19 && elapsed <= 200, qPrintable(QString::number(elapsed)));
}

// Another program set exclusive mode: the port counts as held even for root (whom the mode does
// not stop), and the failed attempt leaves that program's mode in place.
void TestSerialPort::anotherProgramsExclusiveModeIsLeftAlone()
{
    const int holder = ::open(terminal.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(holder >= 0);
    QCOMPARE(::ioctl(holder, TIOCEXCL), 0);
    SerialModemLinePort port;
    const PortOpenResult result = port.open("COM3");
    if (::geteuid() != 0)
        QVERIFY(result.problem == PortProblem::Busy);
    QCOMPARE(result.problem, PortProblem::Busy);
    int exclusive = 0;
    QCOMPARE(::ioctl(holder, TIOCGEXCL, &exclusive), 0);
    QCOMPARE(exclusive, 1);
    QCOMPARE(::ioctl(holder, TIOCNXCL), 0); // the other program lets the port go
    ::close(holder);

    // Once this program has held the port and let it go, nobody holds it exclusively.
    QVERIFY(port.open("COM3"));
    QVERIFY(port.close());
    const int after = ::open(terminal.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(after >= 0);
    QCOMPARE(::ioctl(after, TIOCGEXCL, &exclusive), 0);
    QCOMPARE(exclusive, 0);
    ::close(after);
}

void TestSerialPort::lockFileOfARunningProgram()
{
    QTemporaryDir locks;
    const QString name = QFileInfo(QString::fromLatin1(terminal)).fileName();
    QFile lock(locks.filePath(QStringLiteral("LCK..") + name));
    const auto writeOwner = [&](long pid) {
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(QByteArray::number(qlonglong(pid)).rightJustified(10, ' ') + "\n");
        lock.close();
    };
    const std::string device = terminal.toStdString();
    const std::string folders = locks.path().toStdString();
    QVERIFY(!HeldByLockFile(device, folders)); // no lock file
    writeOwner(::getppid());
    const std::optional<LockFileHolder> holder = FindLockFileHolder(device, folders);
    QVERIFY(holder);
    QCOMPARE(QString::fromStdString(holder->lockFile), lock.fileName());
    QCOMPARE(holder->pid, long(::getppid()));
    QFile comm(QStringLiteral("/proc/%1/comm").arg(::getppid()));
    QVERIFY(comm.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromStdString(holder->command), QString(comm.readAll().trimmed()));
    writeOwner(0x7FFFFFF0); // no such process: a lock left behind
    QVERIFY(!HeldByLockFile(device, folders));

    // A lock that another user made, naming a process that is not theirs, is no lock: anyone
    // may make files in /run/lock.
    if (::geteuid() != 0)
        return;
    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("  1\n"); // init, root's; four bytes of text are read as text
    lock.close();
    QVERIFY(HeldByLockFile(device, folders)); // root made it
    QCOMPARE(::chown(QFile::encodeName(lock.fileName()).constData(), 65534, 65534), 0);
    QVERIFY(!HeldByLockFile(device, folders));
}

// A tree laid out as the system shows its devices: one adapter behind a by-id link (its node
// itself a link to a pseudo-terminal, as a test bench makes it), a second adapter and a modem
// without one, and built-in ports of which one has a UART.
void TestSerialPort::serialDevicesOfTheSystem()
{
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("dev/serial/by-id")));
    for (const char* node : {"dev/pts/3", "dev/ttyUSB1", "dev/ttyACM0", "dev/ttyS0", "dev/ttyS1",
                             "dev/ttyS10", "dev/ttyS9", "dev/tty0", "sys/ttyS0/type",
                             "sys/ttyS1/type", "sys/ttyS10/type", "sys/ttyS9/type"}) {
        QVERIFY(dir.mkpath(QFileInfo(dir.filePath(QLatin1String(node))).path()));
        QFile file(dir.filePath(QLatin1String(node)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(node).endsWith("ttyS1/type") ? "0\n" : "4\n");
    }
    QVERIFY(QFile::link(QStringLiteral("pts/3"), dir.filePath(QStringLiteral("dev/ttyUSB0"))));
    const QString link =
        QStringLiteral("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB0"), dir.filePath(link)));
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB7"),
                        dir.filePath(QStringLiteral("dev/serial/by-id/usb-gone-if00-port0"))));

    const DeviceFolders folders{dir.filePath(QStringLiteral("dev")).toStdString(),
                                dir.filePath(QStringLiteral("sys")).toStdString()};
    const std::vector<SerialDevice> found = ListSerialDevices(folders);
    QStringList paths;
    for (const SerialDevice& device : found)
        paths << QDir(root.path()).relativeFilePath(QString::fromStdString(device.path));
    QCOMPARE(paths, (QStringList{link, "dev/ttyACM0", "dev/ttyUSB1", "dev/ttyS0", "dev/ttyS9",
                                 "dev/ttyS10"}));
    QCOMPARE(found.front().description, std::string("FTDI FT232R USB UART A50285BI"));
    QCOMPARE(QString::fromStdString(found.front().device),
             dir.filePath(QStringLiteral("dev/ttyUSB0")));
    QVERIFY(found.front().usb() && found[2].usb() && !found[3].usb());

    const PortFacts facts = GatherPortFacts(folders.dev + "/ttyS1", folders);
    QCOMPARE(int(facts.usbAdapters.size()), 3);
}

// An adapter as udev lays it out, its node a real character device (the pseudo-terminal): the
// by-id link leads to ttyUSB0, and ttyUSB0 itself is no second device.
void TestSerialPort::adapterIsListedOnceUnderItsByIdName()
{
    QTemporaryDir root;
    QDir dev(root.filePath(QStringLiteral("dev")));
    QVERIFY(dev.mkpath(QStringLiteral("serial/by-id")));
    QVERIFY(QFile::link(QString::fromLatin1(terminal), dev.filePath(QStringLiteral("ttyUSB0"))));
    const QString link = dev.filePath(QStringLiteral("serial/by-id/usb-FTDI_FT232R_A5-if00-port0"));
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB0"), link));

    const std::vector<SerialDevice> found = ListSerialDevices({dev.path().toStdString(), "/none"});
    QCOMPARE(int(found.size()), 1);
    QCOMPARE(QString::fromStdString(found[0].path), link);
    QVERIFY(DevicePresent(found[0].path));
    std::ostringstream lines;
    WriteDeviceList(lines, found);
    QCOMPARE(QString::fromStdString(lines.str()),
             link + '\t' + dev.filePath(QStringLiteral("ttyUSB0")) + "\tFTDI FT232R A5\n");

    QVERIFY(QFile::remove(dev.filePath(QStringLiteral("ttyUSB0")))); // pulled out
    QVERIFY(!DevicePresent(found[0].path));
    QVERIFY(ListSerialDevices({dev.path().toStdString(), "/none"}).empty());
}

QTEST_APPLESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
