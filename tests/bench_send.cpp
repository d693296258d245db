// A send as a person watches it: the real windows and the real modal progress window, a clock
// that answers in real time, and the main window asked to repaint every 10 ms. Reports the
// longest stretch the main window went without painting while the frame went out, and how long
// a 2000 ms wait for a clock that never answers really takes. Run by `./dev bench`.
#include "comm/serialport.h"
#include "comm/transfer.h"
#include "fakedocumentopener.h"
#include "fakeprintbackend.h"
#include "fakeserialports.h"
#include "fixedlocalclock.h"
#include "ui/dialoggui.h"
#include "ui/mainwindow.h"
#include "ui/services.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

std::int64_t NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// CTS follows DTR half a millisecond after each edge, in real time; or never.
class RealTimeClock final : public ModemLinePort {
public:
    bool answers = true;
    std::int64_t lastEdgeNs = 0;

    PortOpenResult open(const std::string&) override
    {
        return {PortProblem::None, "/dev/bench", 0};
    }
    bool setRts() override { return true; }
    bool clearRts() override { return true; }
    bool setDtr() override { return edge(true); }
    bool clearDtr() override { return edge(false); }
    bool ctsIsOn() override
    {
        if (answers && NowNs() - lastEdgeNs >= AnswerNs)
            cts = dtr;
        return cts;
    }
    // Sleeps until the answer is due, or for the time asked.
    void awaitCtsChange(std::uint32_t maxMs) override
    {
        const std::int64_t most = std::int64_t(maxMs) * 1000000;
        const std::int64_t ns =
            answers ? std::clamp<std::int64_t>(lastEdgeNs + AnswerNs - NowNs(), 0, most) : most;
        const timespec pause{time_t(ns / 1000000000), long(ns % 1000000000)};
        nanosleep(&pause, nullptr);
    }
    bool close() override { return true; }
    std::uint32_t tickMs() override { return MonotonicTickMs(); }

private:
    static constexpr std::int64_t AnswerNs = 500000;

    bool edge(bool level)
    {
        dtr = level;
        lastEdgeNs = NowNs();
        return true;
    }
    bool dtr = false;
    bool cts = false;
};

// Paint times of one widget.
class PaintWatch : public QObject {
public:
    std::vector<std::int64_t> times;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(NowNs());
        return false;
    }
};

double LongestPaintGapMs()
{
    SetsBuffer buffer;
    Windows windows;
    QtDialogGui gui;
    RealTimeClock port;
    FixedLocalClock clock;
    FakePrintBackend printer;
    FakeDocumentOpener documents;
    FakeSerialPorts serialPorts;
    Services services{gui, port, clock, printer, documents, {}, serialPorts};
    const auto mainWindow = CreateWindows(windows, buffer, services);
    mainWindow->show();
    PaintWatch watch;
    mainWindow->installEventFilter(&watch);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, mainWindow.get(), [&] { mainWindow->update(); });
    repaint.start(10);
    std::int64_t start = 0;
    std::int64_t end = 0;
    QTimer::singleShot(50, [&] {
        start = NowNs();
        mainWindow->findChild<QAction*>(QStringLiteral("sendAction"))->trigger();
        end = NowNs();
        QApplication::quit();
    });
    QApplication::exec();
    std::int64_t last = start;
    std::int64_t longest = 0;
    for (std::int64_t t : watch.times) {
        if (t < start || t > end)
            continue;
        longest = std::max(longest, t - last);
        last = t;
    }
    longest = std::max(longest, end - last);
    std::printf("send of %.0f ms: %zu paints of the main window, longest gap %.1f ms\n",
                double(end - start) / 1e6, watch.times.size(), double(longest) / 1e6);
    return double(longest) / 1e6;
}

void TimeOut()
{
    RealTimeClock port;
    port.answers = false;
    std::int64_t waited = 0;
    TransferClockFrame(SetsBuffer{}, "COM1", port,
                       [&](const TransferOutcome&) { waited = NowNs() - port.lastEdgeNs; });
    std::printf("a clock that never answers: the wait ended %.3f ms after DTR rose\n",
                double(waited) / 1e6);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    LongestPaintGapMs();
    TimeOut();
    return 0;
}
