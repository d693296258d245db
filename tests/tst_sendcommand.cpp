#include "app/checkcommand.h"
#include "app/sendcommand.h"
#include "fakeserialports.h"
#include "fixedlocalclock.h"
#include "simulatedclock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

// The window-free "send" and "check" on the program of a file, against a simulated clock.
class TestSendCommand : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendsTheFileAsTheWindowDoes();
    void statusAndReasonOfEachFailure_data();
    void statusAndReasonOfEachFailure();
    void repeatSendsToOneClockAfterAnother();
    void checkListsTheFindingsOfTheWindow();

private:
    std::string writeProgram(const QByteArray& bytes);

    QTemporaryDir dir;
    QString previousDir;
    FixedLocalClock clock;
    FakeSerialPorts ports;
};

void TestSendCommand::init()
{
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path())); // no halvex.dat here: COM1
    clock.reads = 0;
}

void TestSendCommand::cleanup()
{
    QDir::setCurrent(previousDir);
}

std::string TestSendCommand::writeProgram(const QByteArray& bytes)
{
    QFile file(dir.filePath(QStringLiteral("shop.40t")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the program");
    return QFile::encodeName(dir.filePath(QStringLiteral("shop"))).toStdString(); // no ".40t"
}

void TestSendCommand::sendsTheFileAsTheWindowDoes()
{
    QByteArray bytes(200, '\0');
    for (int i = 14; i < 122; ++i)
        bytes[i] = char(i * 7);
    SimulatedClock port;
    std::istringstream in;
    std::ostringstream err;
    QCOMPARE(RunSend({writeProgram(bytes), "", false}, port, clock, ports, in, err), SentStatus);
    QCOMPARE(port.openedName, std::string("COM1"));
    const std::vector<Byte> received = port.receivedBytes();
    QCOMPARE(int(received.size()), 123);
    QCOMPARE(int(received[1]), int(Byte(121 * 7))); // byte 122 first, then 121
    QCOMPARE(int(received[122 - 7]), 0x08);         // the month of the stamp, December
    // Step 00's day byte 0x70 is no day code: it goes out as the window's step list rewrote it.
    QCOMPARE(int(received[122 - 16]), 0x01);
    const QString progress = QString::fromStdString(err.str());
    QVERIFY(progress.startsWith(QStringLiteral("byte 1 of 123\nbyte 2 of 123\n")));
    QVERIFY(progress.endsWith(QStringLiteral("byte 123 of 123\n")));
    QVERIFY(!port.isOpen && port.rts && !port.dtr);
}

void TestSendCommand::statusAndReasonOfEachFailure_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("portMissing");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such file") << false << false << 2 << "File I/O Error !";
    QTest::newRow("no such port") << true << true << 3
                                  << "does not exist: is the adapter plugged in?";
    QTest::newRow("no clock") << true << false << 4
                              << "Serial Transfer Error ! The clock did not answer at all";
}

void TestSendCommand::statusAndReasonOfEachFailure()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, portMissing);
    QFETCH(int, status);
    QFETCH(QString, says);
    const std::string file = fileThere ? writeProgram(QByteArray(200, '\0')) : "missing.40t";
    SimulatedClock port;
    port.portMissing = portMissing;
    port.stopAnsweringAt = 0;
    std::istringstream in;
    std::ostringstream err;
    QCOMPARE(RunSend({file, "/dev/ttyUSB7", false}, port, clock, ports, in, err), status);
    QVERIFY2(QString::fromStdString(err.str()).contains(says), err.str().c_str());
}

void TestSendCommand::repeatSendsToOneClockAfterAnother()
{
    const std::string file = writeProgram(QByteArray(200, '\0'));
    SimulatedClock port;
    std::istringstream in("\n\nq\n");
    std::ostringstream err;
    QCOMPARE(RunSend({file, "COM2", true}, port, clock, ports, in, err), SentStatus);
    const QString said = QString::fromStdString(err.str());
    for (int clockNumber = 1; clockNumber <= 3; ++clockNumber)
        QVERIFY(said.contains(QStringLiteral("clock %1: sent in ").arg(clockNumber)));
    QVERIFY(!said.contains(QStringLiteral("clock 4")));
    QCOMPARE(port.dtrRises(), 3 * 985);
    QCOMPARE(clock.reads, 3); // a fresh stamp for every clock
}

void TestSendCommand::checkListsTheFindingsOfTheWindow()
{
    QByteArray bytes(200, '\0');
    const char clash[] = {0x07, 0x30, char(0x82), 0x07, 0x30, 0x02}; // Mon 7:30 On, Mon 7:30 Off
    bytes.replace(14, 6, QByteArray(clash, 6));
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(RunCheck(writeProgram(bytes), out, err), 1);
    const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.contains(QStringLiteral(
        "Step 01: switches Off at 07:30 Am on Mon, the same minute as step 00 switches On; which "
        "wins on the clock is unknown")));
    std::ostringstream none;
    QCOMPARE(RunCheck(writeProgram(QByteArray(200, '\0')), none, err), 0);
    QCOMPARE(none.str(), std::string());
    QCOMPARE(RunCheck("missing.40t", none, err), 2);
}

QTEST_APPLESS_MAIN(TestSendCommand)
#include "tst_sendcommand.moc"
