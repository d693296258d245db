#include "app/commandline.h"

#include "app/checkcommand.h"
#include "app/endsignals.h"
#include "app/sendcommand.h"
#include "app/windowmodule.h"
#include "comm/localclock.h"
#include "comm/serialdevices.h"
#include "comm/serialport.h"
#include "files/datafile.h"
#include "print/programtext.h"
#include "ui/serialports.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <iostream>
#include <set>

namespace {

const QString Version = QStringLiteral("1.06");

const QString Usage = QStringLiteral(R"(Usage: halvex [FILE]
       halvex send FILE [--port COMn|DEVICE] [--repeat]
       halvex show FILE
       halvex check FILE
       halvex print FILE (--pdf OUT.pdf | --printer NAME)
       halvex ports

Without a command, halvex opens its window (and FILE in it, as Load does).

Commands (no window, no display needed):
  send FILE    load FILE as Load does, stamp the date and time and send it to the clock as
               "Send to Clock" does; progress ("byte n of 123") and the reason for a failure
               go to standard error. --port names the port (COM1..COM8 or a device such as
               /dev/ttyUSB0; default: the port of halvex.dat). --repeat sends to one clock
               after another: Enter sends again with a fresh stamp, q ends.
               Exit status: 0 sent, 2 file error, 3 port unavailable, 4 no answer.
  show FILE    the status line, the step lines and the annual lines as the window shows them.
  check FILE   the program checks of the week chart, one finding a line; exit status 1 when
               there are findings.
  print FILE   the report File > Print prints, into a PDF file (--pdf) or to a printer by name
               (--printer), with no dialog.
  ports        the serial devices COM Settings offers, one a line: the name to give --port,
               the device it is now and an adapter's maker and model, separated by tabs.

Options:
  -h, --help     show this text
  -v, --version  show the version
)");

const std::set<QString> Verbs{QStringLiteral("send"), QStringLiteral("show"),
                              QStringLiteral("check"), QStringLiteral("print"),
                              QStringLiteral("ports")};

std::string Path(const QString& argument)
{
    return QFile::encodeName(argument).toStdString();
}

int LoadFailed(const QString& file)
{
    std::cerr << "halvex: " << Path(file)
              << ": File I/O Error ! (it is missing or cannot be read)\n";
    return FileErrorStatus;
}

int Show(const QString& file)
{
    SetsBuffer program;
    if (LoadDataFile(program, DataFileToOpen(Path(file))) != FileResult::Done)
        return LoadFailed(file);
    for (const std::string& line : ProgramText(program))
        std::cout << line << '\n';
    return std::cout.flush() ? 0 : 1;
}

int Send(const QCommandLineParser& parser, const QString& file)
{
    const EndSignals endSignals;
    SystemSerialPorts ports;
    SerialModemLinePort port(MonotonicTickMs, [&](int n) { return ports.deviceFor(n); });
    SystemLocalClock clock;
    const SendRequest request{Path(file), Path(parser.value(QStringLiteral("port"))),
                              parser.isSet(QStringLiteral("repeat"))};
    const int status =
        RunSend(request, port, clock, ports, std::cin, std::cerr, &endSignals.requested());
    endSignals.endLikeTheSignal();
    return status;
}

// The report needs fonts and a printer: the window's module draws it, without any display.
int Print(int argc, char* argv[], const QCommandLineParser& parser, const QString& file)
{
    const QString pdf = parser.value(QStringLiteral("pdf"));
    const QString printer = parser.value(QStringLiteral("printer"));
    if (pdf.isEmpty() == printer.isEmpty()) {
        std::cerr << "halvex print: give either --pdf OUT.pdf or --printer NAME\n";
        return 1;
    }
    WindowModule module;
    if (!LoadWindowModule(module))
        return 1;
    return module.printReport(&argc, argv, Path(file).c_str(), Path(pdf).c_str(),
                              printer.toStdString().c_str());
}

int Ports(int argc)
{
    if (argc != 2) {
        std::cerr << "halvex: ports takes no argument\n" << Usage.toStdString();
        return 1;
    }
    const std::vector<SerialDevice> devices = ListSerialDevices();
    if (devices.empty())
        std::cerr << "halvex: no serial device found\n";
    WriteDeviceList(std::cout, devices);
    return std::cout.flush() ? 0 : 1;
}

} // namespace

std::optional<int> RunCommandLine(int argc, char* argv[])
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool help = first == QLatin1String("-h") || first == QLatin1String("--help");
    const bool version = first == QLatin1String("-v") || first == QLatin1String("--version");
    if (!help && !version && !Verbs.count(first))
        return std::nullopt;
    if (help || version) {
        std::cout << (help ? Usage : QStringLiteral("halvex %1\n").arg(Version)).toStdString();
        return 0;
    }
    if (first == QLatin1String("ports"))
        return Ports(argc);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("port"), QStringLiteral("port"), QStringLiteral("port")},
         {QStringLiteral("repeat"), QStringLiteral("repeat")},
         {QStringLiteral("pdf"), QStringLiteral("pdf"), QStringLiteral("file")},
         {QStringLiteral("printer"), QStringLiteral("printer"), QStringLiteral("name")}});
    if (!parser.parse(arguments) || parser.positionalArguments().size() != 2) {
        std::cerr << "halvex: "
                  << (parser.errorText().isEmpty() ? QStringLiteral("%1 takes one FILE").arg(first)
                                                   : parser.errorText())
                         .toStdString()
                  << "\n"
                  << Usage.toStdString();
        return 1;
    }
    const QString file = parser.positionalArguments().at(1);
    if (first == QLatin1String("show"))
        return Show(file);
    if (first == QLatin1String("check"))
        return RunCheck(Path(file), std::cout, std::cerr);
    if (first == QLatin1String("print"))
        return Print(argc, argv, parser, file);
    // Send: QSettings reads the user's device choices under the program's name.
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("halvex"));
    return Send(parser, file);
}
