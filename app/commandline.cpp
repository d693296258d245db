#include "app/commandline.h"

#include "app/checkcommand.h"
#include "app/endsignals.h"
#include "app/sendcommand.h"
#include "app/sendconsole.h"
#include "app/translations.h"
#include "app/windowmodule.h"
#include "comm/localclock.h"
#include "comm/serialdevices.h"
#include "comm/serialport.h"
#include "files/datafile.h"
#include "model/translation.h"
#include "print/programtext.h"
#include "ui/serialports.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* Version = "1.06";
constexpr int HighestComNumber = 8;

constexpr auto Usage = TranslatableText("CommandLine", R"(Usage: halvex [FILE]
       halvex send FILE [--port COMn|DEVICE] [--repeat]
       halvex show FILE
       halvex check FILE
       halvex print FILE (--pdf OUT.pdf | --printer NAME)
       halvex ports

Without a command, halvex opens its window (and FILE in it, as Load does); that needs a display.

Commands (no window, no display needed). FILE must be a program file of exactly 200 bytes:
  send FILE    stamp the date and time into the program of FILE and send it to the clock as
               "Send to Clock" does. On a terminal the progress ("byte n of 123") is shown;
               at the end one line says how the send ended ("sent 123 bytes to /dev/ttyUSB0
               in 2.1 s", or the reason for a failure), all on standard error. --port names
               the port: COM1..COM8 or a device such as /dev/ttyUSB0; default: the port of
               halvex.dat. --repeat sends to one clock after another: Enter sends again with a
               fresh stamp, q ends.
  show FILE    the status line, the step lines and the annual lines as the window shows them.
  check FILE   the program checks of the week chart, one finding a line.
  print FILE   the report File > Print prints, into a PDF file (--pdf, never the program file
               itself) or to a printer by name (--printer), with no dialog.
  ports        the serial devices COM Settings offers, one a line: the name to give --port,
               the device it is now and an adapter's maker and model, separated by tabs.

Options:
  -h, --help     show this text
  -v, --version  show the version

Exit status: 0 done; 1 a command used wrongly, check found something, or print or the
output failed; 2 FILE is no program file or cannot be read; send: 3 the port is unavailable
or unknown, 4 the clock did not answer. A send ended by SIGTERM, SIGINT or SIGHUP leaves the
lines at rest and ends by that signal.
)");

const std::set<std::string> Verbs{"send", "show", "check", "print", "ports"};

// A translated message with its values put in as printf does.
template <typename... Args> std::string Format(const std::string& translated, Args... args)
{
    return FormatText(translated.c_str(), args...);
}

// "halvex: " and the message, on standard error.
void Complain(const std::string& message)
{
    std::fprintf(stderr, "halvex: %s\n", message.c_str());
}

// Writes everything or says it could not: a closed or full standard output is a failure.
int WriteOut(const std::string& text)
{
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (written)
        return 0;
    const int error = errno;
    Complain(Format(Translate("CommandLine", "the output could not be written: %s"),
                    std::strerror(error)));
    return UsageStatus;
}

int UsageError(const std::string& what)
{
    std::fprintf(stderr, "halvex: %s\n\n%s", what.c_str(), Translate(Usage).c_str());
    return UsageStatus;
}

// A command's words after the verb: its FILE, and its options as "--name value" or
// "--name=value" (flags take no value). Names are bytes and stay bytes: a file name that is no
// UTF-8 reaches the file system unchanged.
struct Arguments {
    std::vector<std::string> files;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    bool help = false;
    std::string error;
};

Arguments Parse(int argc, char* argv[], const std::set<std::string>& valued,
                const std::set<std::string>& flags)
{
    Arguments parsed;
    bool onlyFiles = false;
    for (int i = 2; i < argc && parsed.error.empty(); ++i) {
        const std::string word = argv[i];
        if (onlyFiles || word.size() < 2 || word[0] != '-') {
            parsed.files.push_back(word);
            continue;
        }
        if (word == "--") {
            onlyFiles = true;
            continue;
        }
        if (word == "-h" || word == "--help") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const std::string option =
            name.size() > 2 && name.compare(0, 2, "--") == 0 ? name.substr(2) : std::string();
        if (valued.count(option)) {
            if (parsed.values.count(option))
                parsed.error = Format(Translate("CommandLine", "%s is given twice"), name.c_str());
            else if (equals != std::string::npos)
                parsed.values[option] = word.substr(equals + 1);
            else if (i + 1 < argc)
                parsed.values[option] = argv[++i];
            else
                parsed.error = Format(Translate("CommandLine", "%s needs a value"), name.c_str());
        } else if (flags.count(option) && equals == std::string::npos) {
            parsed.flags.insert(option);
        } else {
            parsed.error = Format(Translate("CommandLine", "no option %s here"), word.c_str());
        }
    }
    if (parsed.error.empty() && !parsed.help && parsed.files.size() != 1)
        parsed.error = Format(Translate("CommandLine", "%s takes one FILE"), argv[1]);
    return parsed;
}

// The program of the file, or the reason it is none, said on standard error.
bool LoadProgram(SetsBuffer& program, const std::string& file)
{
    const std::string why = LoadProgramFile(program, DataFileToOpen(file));
    if (!why.empty())
        Complain(why);
    return why.empty();
}

int Show(const std::string& file)
{
    SetsBuffer program;
    if (!LoadProgram(program, file))
        return FileErrorStatus;
    std::string text;
    for (const std::string& line : ProgramText(program))
        text += line + "\n";
    return WriteOut(text);
}

int Check(const std::string& file)
{
    SetsBuffer program;
    if (!LoadProgram(program, file))
        return FileErrorStatus;
    const int status = RunCheck(DataFileToOpen(file), std::cout, std::cerr);
    if (!std::cout.flush()) {
        Complain(Translate("CommandLine", "the output could not be written"));
        return UsageStatus;
    }
    return status;
}

// COM1..COM8 or a device path; anything else is no port to send to.
bool IsPort(const std::string& port)
{
    const std::optional<int> number = ComNumber(port);
    return (number && *number <= HighestComNumber) || (port.size() > 1 && port.front() == '/');
}

int Send(const Arguments& arguments)
{
    const auto port = arguments.values.find("port");
    if (port != arguments.values.end() && !IsPort(port->second))
        return UsageError(Format(Translate("CommandLine", "--port \"%s\" is no port: name COM1 "
                                                          "to COM8, or a device such as "
                                                          "/dev/ttyUSB0"),
                                 port->second.c_str()));
    const SendRequest request{arguments.files.front(),
                              port == arguments.values.end() ? std::string() : port->second,
                              arguments.flags.count("repeat") > 0};
    const EndSignals endSignals;
    SystemSerialPorts ports;
    SerialModemLinePort serialPort(MonotonicTickMs, ChoiceOf(ports));
    SystemLocalClock clock;
    StandardConsole console(endSignals.wakeFd());
    const int status = RunSend(request, serialPort, clock, ports, console, &endSignals.requested());
    endSignals.endLikeTheSignal();
    return status;
}

// The report needs fonts and a printer: the window's module draws it, without any display.
int Print(int argc, char* argv[], const Arguments& arguments)
{
    const auto pdf = arguments.values.find("pdf");
    const auto printer = arguments.values.find("printer");
    if ((pdf == arguments.values.end()) == (printer == arguments.values.end()))
        return UsageError(
            Translate("CommandLine", "print: give either --pdf OUT.pdf or --printer NAME"));
    if ((pdf != arguments.values.end() && pdf->second.empty()) ||
        (printer != arguments.values.end() && printer->second.empty()))
        return UsageError(Translate("CommandLine", "print: --pdf and --printer need a name"));
    const std::string file = DataFileToOpen(arguments.files.front());
    SetsBuffer program;
    if (!LoadProgram(program, file))
        return FileErrorStatus;
    const std::string output = pdf == arguments.values.end() ? std::string() : pdf->second;
    if (!output.empty() && SameFile(file, output)) {
        Complain(Format(Translate("CommandLine",
                                  "%s is the program file itself: name another file for the PDF."),
                        output.c_str()));
        return UsageStatus;
    }
    const PrintReportFunction printReport = LoadPrintReport();
    if (!printReport)
        return UsageStatus;
    return printReport(&argc, argv, file.c_str(), output.c_str(),
                       printer == arguments.values.end() ? "" : printer->second.c_str());
}

// The window needs a display; without one Qt would abort. Where none is named, say so.
bool HasDisplay()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

// No command: the window, with at most one FILE ("--" before a FILE that starts with "-").
std::optional<int> Window(int& argc, char* argv[])
{
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--") {
        for (int i = 1; i < argc; ++i)
            argv[i] = argv[i + 1]; // argv[argc] is the null that ends the list
        --argc;
    } else if (first.size() > 1 && first[0] == '-') {
        return UsageError(Format(Translate("CommandLine", "no option %s"), first.c_str()));
    }
    if (argc > 2)
        return UsageError(Format(Translate("CommandLine", "\"%s\" is no command: the commands "
                                                          "are send, show, check, print and ports"),
                                 first.c_str()));
    if (!HasDisplay()) {
        Complain(Translate("CommandLine",
                           "there is no display to open the window on (DISPLAY is not set). send, "
                           "show, check, print and ports need none: see halvex --help."));
        return UsageStatus;
    }
    return std::nullopt;
}

int Ports(int argc)
{
    if (argc != 2)
        return UsageError(Translate("CommandLine", "ports takes no argument"));
    const std::vector<SerialDevice> devices = ListSerialDevices();
    if (devices.empty())
        Complain(Translate("CommandLine", "no serial device found"));
    std::ostringstream list;
    WriteDeviceList(list, devices);
    return WriteOut(list.str());
}

} // namespace

std::optional<int> RunCommandLine(int& argc, char* argv[])
{
    TranslateCommandLine();
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "-h" || first == "--help")
        return WriteOut(Translate(Usage));
    if (first == "-v" || first == "--version")
        return WriteOut(std::string("halvex ") + Version + "\n");
    if (!Verbs.count(first))
        return Window(argc, argv);
    if (first == "ports")
        return Ports(argc);
    const bool send = first == "send";
    const bool print = first == "print";
    const Arguments arguments =
        Parse(argc, argv,
              send ? std::set<std::string>{"port"}
                   : (print ? std::set<std::string>{"pdf", "printer"} : std::set<std::string>{}),
              send ? std::set<std::string>{"repeat"} : std::set<std::string>{});
    if (arguments.help)
        return WriteOut(Translate(Usage));
    if (!arguments.error.empty())
        return UsageError(arguments.error);
    if (first == "show")
        return Show(arguments.files.front());
    if (first == "check")
        return Check(arguments.files.front());
    if (print)
        return Print(argc, argv, arguments);
    return Send(arguments);
}
