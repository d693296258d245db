// Measures how long a program takes from its start until its first window is mapped on the X
// display, and until it is painted there, the processor time it has used by then (all its
// threads), and its peak memory (VmHWM) by then. Usage:
//     halvex_startbench [--wm "WINDOWMANAGER [OPTIONS]"] RUNS PROGRAM [PROGRAM...]
// With --wm, the window manager is started first and every window is mapped through it, as on
// a desktop. Each program runs RUNS times in a fresh temporary working directory; the medians
// are printed, and with two programs the ratio of the first to the second. On a busy machine the
// processor time varies far less than the two times.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int MapTimeoutMs = 20000;

struct Sample {
    double mappedMs;
    double paintedMs;
    double cpuMs;
    long peakKiB;
};

// The time the process's threads have run, from the scheduler's own accounting (nanoseconds,
// unlike the clock ticks of /proc/PID/stat).
double CpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double ns = 0;
    while (const dirent* task = readdir(folder)) {
        std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
        double run = 0;
        if (task->d_name[0] != '.' && schedstat >> run)
            ns += run;
    }
    closedir(folder);
    return ns / 1e6;
}

long PeakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Waits for the first top-level window to be mapped; returns it, or nothing on time-out.
std::optional<xcb_window_t> WaitForMap(xcb_connection_t* connection, Clock::time_point deadline)
{
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            std::optional<xcb_window_t> mapped;
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY)
                mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped)
                return mapped;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&watch, 1, int(std::max<long>(1, left.count())));
    }
    return std::nullopt;
}

// A window is shown once the program has drawn into it: a freshly mapped window on Xvfb is
// black until then, and both programs paint a light window background.
bool WaitForPaint(xcb_connection_t* connection, xcb_window_t window, Clock::time_point deadline)
{
    auto* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return false;
    const int16_t x = int16_t(geometry->width / 2), y = int16_t(geometry->height / 2);
    std::free(geometry);
    while (Clock::now() < deadline) {
        auto* image = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, 1, 1, ~0u), nullptr);
        bool painted = false;
        if (image) {
            const uint8_t* pixel = xcb_get_image_data(image);
            const int length = xcb_get_image_data_length(image);
            painted = std::any_of(pixel, pixel + length, [](uint8_t b) { return b != 0; });
            std::free(image);
        }
        if (painted)
            return true;
        usleep(200);
    }
    return false;
}

std::optional<Sample> RunOnce(xcb_connection_t* connection, const char* program)
{
    char folder[] = "/tmp/halvex-startbench-XXXXXX";
    if (!mkdtemp(folder))
        return std::nullopt;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        if (chdir(folder) == 0)
            execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = start + std::chrono::milliseconds(MapTimeoutMs);
    const auto window = WaitForMap(connection, deadline);
    const auto mappedAt = Clock::now();
    const bool mapped = window && WaitForPaint(connection, *window, deadline);
    const auto paintedAt = Clock::now();
    const double cpu = CpuMs(pid);
    const long peak = PeakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::remove((std::string(folder) + "/halvex.dat").c_str());
    rmdir(folder);
    if (!mapped)
        return std::nullopt;
    const auto ms = [start](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - start).count();
    };
    return Sample{ms(mappedAt), ms(paintedAt), cpu, peak};
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts the window manager and waits until it runs: until it holds the root window's
// substructure redirection, which only one client can.
std::optional<pid_t> StartWindowManager(xcb_connection_t* connection, xcb_window_t root,
                                        const char* program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        const std::string command = std::string("exec ") + program;
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(MapTimeoutMs);
    const uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
    const uint32_t notify = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    while (Clock::now() < deadline) {
        xcb_generic_error_t* error = xcb_request_check(
            connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &redirect));
        if (error) {
            std::free(error);
            return pid;
        }
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &notify);
        xcb_flush(connection);
        usleep(10000);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    const char* windowManager = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--wm") == 0) {
        windowManager = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: halvex_startbench [--wm WINDOWMANAGER] RUNS PROGRAM...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    std::optional<pid_t> manager;
    if (windowManager) {
        manager = StartWindowManager(connection, screen->root, windowManager);
        if (!manager) {
            std::fprintf(stderr, "%s: no window manager running\n", windowManager);
            return 1;
        }
    }
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    // Each run starts in a folder of its own, so the programs are named by their full paths.
    std::vector<char*> programs;
    for (int p = 2; p < argc; ++p) {
        programs.push_back(realpath(argv[p], nullptr));
        if (!programs.back()) {
            std::fprintf(stderr, "%s: not found\n", argv[p]);
            return 2;
        }
    }
    // The programs take turns, so a change in the machine's load weighs on each alike.
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto sample = RunOnce(connection, programs[p]);
            if (!sample) {
                std::fprintf(stderr, "%s: no window within %d ms\n", programs[p], MapTimeoutMs);
                return 1;
            }
            samples[p].push_back(*sample);
        }
    }
    std::vector<Sample> medians;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const auto median = [&](auto field) {
            std::vector<double> values;
            for (const Sample& sample : samples[p])
                values.push_back(double(sample.*field));
            return Median(values);
        };
        medians.push_back({median(&Sample::mappedMs), median(&Sample::paintedMs),
                           median(&Sample::cpuMs), long(median(&Sample::peakKiB))});
        std::printf("%-28s mapped %6.1f ms  painted %6.1f ms  processor %6.1f ms  peak memory "
                    "%6ld KiB  (medians of %d%s)\n",
                    argv[p + 2], medians.back().mappedMs, medians.back().paintedMs,
                    medians.back().cpuMs, medians.back().peakKiB, runs,
                    windowManager ? ", window manager" : "");
        std::free(programs[p]);
    }
    if (medians.size() == 2)
        std::printf("ratio first/second: mapped %.2f, painted %.2f, processor %.2f, peak memory "
                    "%.2f\n",
                    medians[0].mappedMs / medians[1].mappedMs,
                    medians[0].paintedMs / medians[1].paintedMs,
                    medians[0].cpuMs / medians[1].cpuMs,
                    double(medians[0].peakKiB) / double(medians[1].peakKiB));
    if (manager) {
        kill(*manager, SIGTERM);
        waitpid(*manager, nullptr, 0);
    }
    xcb_disconnect(connection);
    return 0;
}
