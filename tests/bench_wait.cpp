// The real program's waits for the clock, as the operating system sees them: `halvex send`
// runs against the line shim's clock on a pseudo-terminal (LD_PRELOAD), once with a driver
// that has TIOCMIWAIT and TIOCGICOUNT and once with one that refuses them. Reports the CPU
// time over the send's time, the line reads a handshake, the send's time beside the clock's
// own, the time-out after a silent clock, and how soon SIGTERM, SIGINT and SIGHUP end a send.
// Run by `./dev bench`.
#include "comm/clockframe.h"
#include "comm/transfer.h"
#include "model/mainview.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int AnswerUs = 1000; // the clock answers 1 ms after each DTR edge
constexpr int Runs = 3;

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Run {
    double cpuMs = 0;
    double exitMs = 0; // from the start, or from the signal, to the program's end
    std::map<std::string, std::string> report;

    double ns(const char* key) const { return std::atof(report.at(key).c_str()); }
    double count(const char* key) const { return ns(key); }
};

// Runs `halvex send FILE --port PTY` against the shim's clock. With a signal, sends it that
// many milliseconds into the run and times the program's end from then.
Run Send(const char* waits, const char* answer, int signal = 0, int signalAfterMs = 0)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("pseudo-terminal");
        std::exit(1);
    }
    char folder[] = "/tmp/halvex-benchwait-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    const std::string report = std::string(folder) + "/report";
    const std::string device = ptsname(master);
    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("LD_PRELOAD", HALVEX_LINESHIM, 1);
        setenv("HALVEX_LINESHIM_ANSWER_US", answer, 1);
        setenv("HALVEX_LINESHIM_WAITS", waits, 1);
        setenv("HALVEX_LINESHIM_REPORT", report.c_str(), 1);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        if (chdir(folder) == 0)
            execl(HALVEX_PROGRAM, HALVEX_PROGRAM, "send", HALVEX_PROGRAM_FILE, "--port",
                  device.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double signalled = start;
    if (signal != 0) {
        usleep(useconds_t(signalAfterMs) * 1000);
        signalled = NowMs();
        kill(pid, signal);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.exitMs = NowMs() - signalled;
    run.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::ifstream lines(report);
    std::string key, value;
    while (lines >> key >> value)
        run.report[key] = value;
    std::remove(report.c_str());
    std::remove((std::string(folder) + "/halvex.dat").c_str());
    rmdir(folder);
    close(master);
    if (signal == 0 && run.report.empty()) {
        std::fprintf(stderr, "the program ran without the line shim (exit status %d)\n", status);
        std::exit(1);
    }
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Bytes 14..122 as the window shows the file's program: the clock received what the file says,
// stamp aside, with the day bytes that showing rewrites.
bool SameAsTheFile(const Run& run)
{
    std::ifstream file(HALVEX_PROGRAM_FILE, std::ios::binary);
    SetsBuffer program;
    file.read(reinterpret_cast<char*>(program.data()), 200);
    EditState shown;
    ShowLoadedProgram(program, shown);
    const std::string& hex = run.report.at("bytes");
    if (hex.size() != 2 * ClockFrameSize)
        return false;
    for (int index = 14; index < ClockFrameSize; ++index) {
        const std::string byte = hex.substr(std::size_t(2 * (122 - index)), 2);
        if (std::strtoul(byte.c_str(), nullptr, 16) != program[index])
            return false;
    }
    return true;
}

void Measure(const char* waits, const char* name)
{
    std::vector<double> cpu, reads, calls, sendMs;
    bool same = true;
    for (int run = 0; run < Runs; ++run) {
        const Run sent = Send(waits, std::to_string(AnswerUs).c_str());
        const double ms = (sent.ns("last_answer_ns") - sent.ns("first_rise_ns")) / 1e6;
        sendMs.push_back(ms);
        cpu.push_back(100 * sent.cpuMs / ms);
        reads.push_back(sent.count("status_reads") / HandshakeCount);
        calls.push_back(
            (sent.count("status_reads") + sent.count("count_reads") + sent.count("line_waits")) /
            HandshakeCount);
        same = same && SameAsTheFile(sent);
    }
    const Run silent = Send(waits, "never");
    const double timeoutMs = (silent.ns("release_ns") - silent.ns("first_rise_ns")) / 1e6;
    std::printf("%s, a clock answering 1 ms after each edge (medians of %d sends):\n", name, Runs);
    std::printf("  CPU time over the send's time      %5.1f %%\n", Median(cpu));
    std::printf("  line reads (TIOCMGET) a handshake  %5.1f   (with TIOCGICOUNT and TIOCMIWAIT: "
                "%.1f)\n",
                Median(reads), Median(calls));
    std::printf("  the send, first DTR rise to last answer  %.0f ms, %+.1f %% beyond the clock's "
                "own 1,968 ms\n",
                Median(sendMs), 100 * (Median(sendMs) / 1968 - 1));
    std::printf("  bytes 14..122 as the window shows the file  %s\n", same ? "yes" : "NO");
    std::printf("  a silent clock: time-out %.1f ms after DTR rose, CPU %.1f %% of it\n", timeoutMs,
                100 * silent.cpuMs / timeoutMs);
    for (const auto& [signal, signalName] :
         {std::pair{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}})
        std::printf("  %s 300 ms into a send: the program ended %.1f ms later\n", signalName,
                    Send(waits, std::to_string(AnswerUs).c_str(), signal, 300).exitMs);
}

} // namespace

int main()
{
    Measure("line", "Waiting on the line (TIOCMIWAIT)");
    Measure("einval", "Polling (a driver without TIOCMIWAIT)");
    return 0;
}
