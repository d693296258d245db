#include "app/checkcommand.h"
#include "app/endsignals.h"
#include "app/sendcommand.h"
#include "app/sendconsole.h"
#include "fakeserialports.h"
#include "fixedlocalclock.h"
#include "simulatedclock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// Everything a test waits for comes long before this, also on a busy machine.
constexpr int DeadlineMs = 30000;

// The window-free "send" and "check" on the program of a file, against a simulated clock; the
// command line's refusals and statuses through the real program; and the send's plumbing of
// signals, terminals and pipes in a real child process.
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
    void commandLineRefusalsAndStatuses_data();
    void commandLineRefusalsAndStatuses();
    void signalsTerminalsAndPipes_data();
    void signalsTerminalsAndPipes();

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
    StreamConsole log(in, err);
    QCOMPARE(RunSend({writeProgram(bytes), "", false}, port, clock, ports, log), SentStatus);
    QCOMPARE(port.openedName, std::string("COM1"));
    const std::vector<Byte> received = port.receivedBytes();
    QCOMPARE(int(received.size()), 123);
    QCOMPARE(int(received[1]), int(Byte(121 * 7))); // byte 122 first, then 121
    QCOMPARE(int(received[122 - 7]), 0x08);         // the month of the stamp, December
    // Step 00's day byte 0x70 is no day code: it goes out as the window's step list rewrote it.
    QCOMPARE(int(received[122 - 16]), 0x01);
    QVERIFY(!port.isOpen && port.rts && !port.dtr);
    // Into a log, one line; on a terminal, the count rewritten in place before it.
    const QRegularExpression ended(
        QStringLiteral("^sent 123 bytes to /dev/simulated in \\d+\\.\\d s\n$"));
    QVERIFY2(ended.match(QString::fromStdString(err.str())).hasMatch(), err.str().c_str());
    std::ostringstream terminal;
    StreamConsole onTerminal(in, terminal, true);
    SimulatedClock second;
    QCOMPARE(RunSend({writeProgram(bytes), "", false}, second, clock, ports, onTerminal),
             SentStatus);
    const QString shown = QString::fromStdString(terminal.str());
    QVERIFY(shown.startsWith(QStringLiteral("\rbyte 1 of 123\rbyte 2 of 123\r")));
    QVERIFY(shown.contains(QStringLiteral("\rbyte 123 of 123\nsent 123 bytes to ")));
}

void TestSendCommand::statusAndReasonOfEachFailure_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("portMissing");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such file") << false << false << 2 << "There is no file missing.40t.";
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
    StreamConsole log(in, err);
    QCOMPARE(RunSend({file, "/dev/ttyUSB7", false}, port, clock, ports, log), status);
    QVERIFY2(QString::fromStdString(err.str()).contains(says), err.str().c_str());
}

void TestSendCommand::repeatSendsToOneClockAfterAnother()
{
    const std::string file = writeProgram(QByteArray(200, '\0'));
    SimulatedClock port;
    // A stray answer is asked again and sends nothing; "quit" ends as "q" does.
    std::istringstream in("\nx\n \nQuit\n");
    std::ostringstream err;
    StreamConsole log(in, err);
    QCOMPARE(RunSend({file, "COM2", true}, port, clock, ports, log), SentStatus);
    const QString said = QString::fromStdString(err.str());
    for (int clockNumber = 1; clockNumber <= 3; ++clockNumber)
        QVERIFY(said.contains(
            QStringLiteral("clock %1: sent 123 bytes to /dev/simulated in ").arg(clockNumber)));
    QVERIFY(!said.contains(QStringLiteral("clock 4")));
    QCOMPARE(said.count(QStringLiteral("Press Enter to send to the next clock")), 1);
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

// The real program, started by the shell in a folder of its own that holds f.40t, a program
// file; $H is the program. No display is named, so nothing may reach for one.
void TestSendCommand::commandLineRefusalsAndStatuses_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // on standard error; on standard output for status 0
    const auto row = [](const char* name, const char* script, int status, const char* says) {
        QTest::newRow(name) << QString::fromUtf8(script) << status << QString::fromUtf8(says);
    };
    row("an empty file", ": >e.40t; $H send e.40t", 2, "e.40t is 0 bytes; a program file is 200.");
    row("a cut-off file", "head -c 199 f.40t >s.40t; $H show s", 2,
        "s.40t is 199 bytes; a program file is 200.");
    row("a named pipe", "mkfifo p.40t; $H check p.40t", 2, "p.40t is a named pipe, not a file");
    row("a device", "$H send /dev/zero --port /dev/null", 2, "/dev/zero is a device, not a file");
    row("a name in no UTF-8", "cp f.40t \"$(printf 'n\\377.40t')\"; $H show \"$(printf 'n\\377')\"",
        0, "DST = ");
    row("a PDF named in no UTF-8",
        "$H print f.40t --pdf \"$(printf 'r\\377.pdf')\" && head -c 5 \"$(printf 'r\\377.pdf')\"",
        0, "%PDF-");
    row("the PDF over its program", "$H print f.40t --pdf f.40t", 1,
        "f.40t is the program file itself");
    row("the PDF over another name of its program", "ln f.40t g.40t; $H print f --pdf g.40t", 1,
        "g.40t is the program file itself");
    row("the PDF into a device", "$H print f.40t --pdf /dev/full", 1,
        "/dev/full is a device, not a file");
    row("the printer's module missing", "cp \"$H\" h && ./h print f.40t --pdf r.pdf", 1,
        "the printer could not be loaded: ");
    row("a mistyped command", "$H sned f.40t", 1, "\"sned\" is no command");
    row("an unknown option", "$H -x", 1, "no option -x");
    row("the window without a display", "$H f.40t", 1, "there is no display");
    row("an option of another command", "$H show f.40t --pdf x.pdf", 1, "no option --pdf here");
    row("a port beyond COM8", "$H send f.40t --port COM9", 1, "\"COM9\" is no port");
    row("an empty port", "$H send f.40t --port ''", 1, "\"\" is no port");
    row("help into a full disk", "$H --help >/dev/full", 1, "the output could not be written");
    row("the version into a closed output", "$H --version >&-", 1, "could not be written");
    row("the devices' settings a named pipe",
        "mkdir -p config/halvex && mkfifo config/halvex/halvex.conf && $H send f --port COM2", 3,
        "config/halvex/halvex.conf is a named pipe, not a settings file");
    row("the devices' settings damaged",
        "mkdir -p config/halvex && printf '[ports\\nCOM2=/dev/ttyS1\\n' >config/halvex/halvex.conf "
        "&& $H send f --port COM2",
        3, "config/halvex/halvex.conf is damaged");
    row("halvex.dat a named pipe", "mkfifo halvex.dat; $H send f.40t", 3,
        "halvex.dat is a named pipe, not a file");
    row("the usage", "$H --help", 0, "Exit status: 0 done; 1 a command used wrongly");
    row("a finding", "$H check f.40t >&2", 1,
        "Step 00: hour 42 is no hour of the clock; the chart leaves the step out");
    // The same in German, as LANG asks; the program's translation lies beside it.
    row("the usage in German", "LANG=de_DE.UTF-8 $H --help", 0,
        "R\u00fcckgabewert: 0 erledigt; 1 ein Befehl falsch verwendet");
    row("a mistyped command in German", "LANG=de_DE.UTF-8 $H sned f.40t", 1,
        "\u201esned\u201c ist kein Befehl");
    row("an empty file in German", ": >e.40t; LANG=de_DE.UTF-8 $H send e.40t", 2,
        "e.40t ist 0 Bytes gro\u00df; eine Programmdatei hat 200 Bytes.");
    row("a finding in German", "LANG=de_DE.UTF-8 $H check f.40t >&2", 1,
        "Schritt 00: Stunde 42 ist keine Stunde der Uhr; die \u00dcbersicht l\u00e4sst den "
        "Schritt weg");
}

void TestSendCommand::commandLineRefusalsAndStatuses()
{
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir folder;
    const QByteArray program = QByteArray(200, '\x42');
    {
        QFile file(folder.filePath(QStringLiteral("f.40t")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(program) == program.size());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(display));
    // English unless a row asks for another language.
    for (const char* language : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(language));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("H"), QStringLiteral(HALVEX_PROGRAM));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("config")));
    QProcess shell;
    shell.setWorkingDirectory(folder.path());
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(shell.waitForFinished(DeadlineMs)); // nothing waits for a pipe or a display
    const QString out = QString::fromUtf8(shell.readAllStandardOutput());
    const QString err = QString::fromUtf8(shell.readAllStandardError());
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QVERIFY2(shell.exitCode() == status, qPrintable(err));
    QVERIFY2((status == 0 ? out : err).contains(says), qPrintable(out + err));
    QFile file(folder.filePath(QStringLiteral("f.40t")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), program); // no command ever writes into its program
    // Qt cannot name the files whose names are no UTF-8, so the shell removes them.
    QProcess::execute(QStringLiteral("/bin/rm"), {QStringLiteral("-rf"), folder.path()});
}

namespace {

// What the send in the child left: its status and the clock's lines at the end.
struct SendReport {
    int status = -1;
    int opens = -1;
    int dtrRises = -1;
    int open = -1;
    int rts = -1;
    int dtr = -1;
};

// The command line's send in a child process of its own: its standard input and error are the
// given files, its ending signals and closed readers are handled as in the program; only the
// port is a simulated clock, whose lines it reports before it ends.
[[noreturn]] void SendInChild(const std::string& file, bool repeat, int in, int err, int report)
{
    ::dup2(in, STDIN_FILENO);
    ::dup2(err, STDERR_FILENO);
    const EndSignals endSignals;
    SimulatedClock port;
    FixedLocalClock clock;
    FakeSerialPorts ports;
    StandardConsole console(endSignals.wakeFd());
    SendReport sent;
    sent.status = RunSend({file, "/dev/simulated", repeat}, port, clock, ports, console,
                          &endSignals.requested());
    sent.opens = int(std::count(port.ops.begin(), port.ops.end(), SimulatedClock::Op::Open));
    sent.dtrRises = port.dtrRises();
    sent.open = port.isOpen;
    sent.rts = port.rts;
    sent.dtr = port.dtr;
    (void)!::write(report, &sent, sizeof sent);
    endSignals.endLikeTheSignal();
    ::_exit(sent.status);
}

// Reads what is there without waiting.
void Collect(int fd, QByteArray& into)
{
    char bytes[4096];
    for (ssize_t got; (got = ::read(fd, bytes, sizeof bytes)) > 0;)
        into.append(bytes, got);
}

char ProcessState(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() ? line.at(close + 2) : '?';
}

} // namespace

void TestSendCommand::signalsTerminalsAndPipes_data()
{
    QTest::addColumn<QString>("errorTo"); // pipe, closed pipe, full pipe, terminal
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<int>("signal");       // 0: none; the send ends by itself
    QTest::addColumn<QString>("sendWhen"); // prompt: at the --repeat question; waiting: once
                                           // the child waits on its standard error
    QTest::addColumn<QString>("shows");    // on standard error
    QTest::newRow("a reader that went away: the send ends whole")
        << "closed pipe" << false << 0 << ""
        << "";
    QTest::newRow("a full pipe: SIGTERM ends the wait for room")
        << "full pipe" << false << int(SIGTERM) << "waiting"
        << "";
    QTest::newRow("SIGINT at the prompt on a terminal")
        << "terminal" << true << int(SIGINT) << "prompt"
        << "\rbyte 123 of 123\r\nclock 1: sent 123";
    QTest::newRow("SIGHUP at the prompt, answers from a pipe")
        << "pipe" << true << int(SIGHUP) << "prompt"
        << "clock 1: sent 123 bytes to /dev/simulated";
    QTest::newRow("SIGTERM at the prompt") << "pipe" << true << int(SIGTERM) << "prompt"
                                           << "Connect the next clock";
}

void TestSendCommand::signalsTerminalsAndPipes()
{
    QFETCH(QString, errorTo);
    QFETCH(bool, repeat);
    QFETCH(int, signal);
    QFETCH(QString, sendWhen);
    QFETCH(QString, shows);
    const std::string file = writeProgram(QByteArray(200, '\0'));
    int input[2];
    int output[2];
    int report[2];
    QVERIFY(::pipe2(input, O_CLOEXEC) == 0 && ::pipe2(report, O_CLOEXEC) == 0);
    int childIn = input[0];
    int childErr = -1;
    int watched = -1; // where the parent reads the child's standard error
    if (errorTo == QLatin1String("terminal")) {
        watched = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(watched >= 0 && ::grantpt(watched) == 0 && ::unlockpt(watched) == 0);
        childIn = childErr = ::open(::ptsname(watched), O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(childErr >= 0);
    } else {
        QVERIFY(::pipe2(output, O_CLOEXEC | O_NONBLOCK) == 0);
        watched = output[0];
        childErr = output[1];
        if (errorTo == QLatin1String("closed pipe")) {
            ::close(watched);
            watched = -1;
        } else if (errorTo == QLatin1String("full pipe")) {
            watched = -1; // nobody reads: output[0] stays open, full
            const QByteArray filler(4096, 'x');
            while (::write(childErr, filler.constData(), filler.size()) > 0) {
            }
        }
        ::fcntl(childErr, F_SETFL, 0); // the child writes as into any pipe: blocking
    }
    const pid_t child = ::fork();
    if (child == 0)
        SendInChild(file, repeat, childIn, childErr, report[1]);
    ::close(report[1]);
    ::close(childErr);
    if (childIn != childErr)
        ::close(childIn);

    QDeadlineTimer deadline(DeadlineMs);
    QByteArray shown;
    const auto reached = [&] {
        if (watched >= 0)
            Collect(watched, shown);
        if (sendWhen == QLatin1String("prompt"))
            return shown.contains("press Enter");
        return sendWhen != QLatin1String("waiting") || ProcessState(child) == 'S';
    };
    while (!reached() && !deadline.hasExpired())
        QTest::qSleep(1);
    QVERIFY2(!deadline.hasExpired(), shown.constData());
    if (signal != 0)
        QCOMPARE(::kill(child, signal), 0);
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 && !deadline.hasExpired())
        QTest::qSleep(1);
    if (ended != child)
        ::kill(child, SIGKILL);
    QCOMPARE(ended, child); // the child ended promptly, wherever it waited
    if (watched >= 0)
        Collect(watched, shown);
    ::close(input[1]);
    if (errorTo != QLatin1String("closed pipe"))
        ::close(errorTo == QLatin1String("terminal") ? watched : output[0]);
    if (signal != 0)
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == signal,
                 qPrintable(QString::number(status)));
    else
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == SentStatus);
    SendReport sent;
    QCOMPARE(::read(report[0], &sent, sizeof sent), ssize_t(sizeof sent));
    ::close(report[0]);
    QCOMPARE(sent.opens, 1); // never a second open after the signal
    QCOMPARE(sent.dtrRises, 985);
    QCOMPARE(sent.status, SentStatus);
    QVERIFY(!sent.open && sent.rts && !sent.dtr); // the lines at rest, the port closed
    QVERIFY2(shown.contains(shows.toLatin1()), shown.constData());
    if (errorTo != QLatin1String("terminal"))
        QVERIFY(!shown.contains("byte 1 of")); // no progress into a pipe
}

QTEST_APPLESS_MAIN(TestSendCommand)
#include "tst_sendcommand.moc"
