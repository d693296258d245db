#include "comm/serialport.h"
#include "comm/transfer.h"

#include <QTest>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <fcntl.h>
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

} // namespace

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
    void tickCountsMilliseconds();

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
    QTest::addColumn<QString>("path");        // empty: no such port
    QTest::newRow("COM1") << "COM1" << QString() << "/dev/ttyS0";
    QTest::newRow("COM8") << "COM8" << QString() << "/dev/ttyS7";
    QTest::newRow("COM12") << "COM12" << QString() << "/dev/ttyS11";
    QTest::newRow("USB adapter") << "COM2"
                                 << "/dev/ttyUSB0"
                                 << "/dev/ttyUSB0";
    QTest::newRow("empty variable") << "COM2"
                                    << ""
                                    << "/dev/ttyS1";
    for (const char* bad : {"COM0", "COM", "com1", "COM1 ", "COM-1", "COMx", "LPT1", ""})
        QTest::addRow("bad '%s'", bad) << bad << QString() << QString();
}

void TestSerialPort::devicePathOfAPortName()
{
    QFETCH(QString, name);
    QFETCH(QString, environment);
    QFETCH(QString, path);
    const QByteArray variable = "HALVEX_" + name.toLatin1();
    if (environment.isNull())
        unsetenv(variable.constData());
    else
        setenv(variable.constData(), environment.toLatin1().constData(), 1);
    const std::optional<std::string> device = SerialDevicePath(name.toStdString());
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
    QVERIFY(!second.open("COM3")); // a failed attempt takes nothing from the holder
    QVERIFY(first.close());
    QVERIFY(second.open("COM3")); // free again once closed
    QVERIFY(second.close());
    QVERIFY(!second.close()); // nothing left to close
}

void TestSerialPort::missingDeviceCannotBeOpened()
{
    QVERIFY(setenv("HALVEX_COM5", "/nonexistent/ttyX", 1) == 0);
    SerialModemLinePort port;
    QVERIFY(!port.open("COM5"));
    unsetenv("HALVEX_COM5");
    QVERIFY(!port.open("LPT1"));
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
    std::uint32_t now = 0xFFFFFF00u; // a fake tick that moves one millisecond per reading
    int readings = 0;
    SerialModemLinePort port([&] {
        ++readings;
        return now++;
    });
    const termios before = settings();
    SetsBuffer frame;
    frame[122] = 0xFF;
    int failures = 0;
    bool openDuringFailure = false;
    ssize_t dataRead = 0;
    int readError = 0;
    const TransferResult result = TransferClockFrame(frame, "COM3", port, [&] {
        ++failures;
        SerialModemLinePort other;
        openDuringFailure = !other.open("COM3");
        char data = 0;
        dataRead = ::read(master, &data, 1);
        readError = errno;
    });
    QCOMPARE(result, TransferResult::NoAnswer);
    QCOMPARE(failures, 1);
    QVERIFY(openDuringFailure);
    QCOMPARE(readings, 2002); // the start of the wait, then one reading each 1..2001 ms into it
    QVERIFY(SameSettings(before, settings()));
    QCOMPARE(dataRead, ssize_t(-1)); // no data byte was written
    QCOMPARE(readError, EAGAIN);
    QVERIFY(port.open("COM3")); // the transfer closed the port
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

QTEST_APPLESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
