#include "ui/clocksender.h"

#include "comm/clockframe.h"
#include "comm/serialport.h"
#include "comm/transfer.h"
#include "comm/transferfailure.h"
#include "ui/dialoggui.h"
#include "ui/mainwindow.h"
#include "ui/sendprogressdialog.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"
#include "ui/windows.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// What the send's thread and the window's thread share. The send runs the whole transfer; when
// it fails it hands the outcome over and waits until the window's thread has shown it, because
// the lines must keep their levels while the user reads the message.
class SendState {
public:
    std::atomic<int> bytesSent = 0;
    std::atomic<bool> ended = false; // the transfer no longer needs the window's thread

    void failed(const TransferOutcome& outcome)
    {
        std::unique_lock lock(mutex);
        failure = outcome;
        ended = true;
        changed.notify_all();
        changed.wait(lock, [this] { return failureShown; });
    }

    void finished()
    {
        const std::lock_guard lock(mutex);
        ended = true;
        changed.notify_all();
    }

    std::optional<TransferOutcome> waitForEnd()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return ended.load(); });
        return failure;
    }

    void failureWasShown()
    {
        const std::lock_guard lock(mutex);
        failureShown = true;
        changed.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<TransferOutcome> failure;
    bool failureShown = false;
};

struct SendEnd {
    SendState& state;
    std::thread& sending;

    ~SendEnd()
    {
        state.failureWasShown();
        sending.join();
    }
};

} // namespace

ClockSender::ClockSender(SetsBuffer& buffer, Services& services, const Windows& windows)
    : buffer(buffer)
    , services(services)
    , windows(windows)
{
}

void ClockSender::send()
{
    const std::string portName = PrepareClockFrame(buffer, services.clock);
    const SetsBuffer frame = buffer; // the send reads its own copy while the window goes on
    const PortChoice choice = ChoiceOf(services.serialPorts);
    const QString device =
        QString::fromStdString(SerialDevicePath(portName, choice).value_or(portName));

    SendState state;
    TransferWatch watch;
    watch.progress = [&state](int bytes) { state.bytesSent = bytes; };
    watch.cancel = services.endRequested;
    // The port is opened, waited on and closed in this thread: the timer that wakes its waits
    // signals the thread that opened it, so a stop is seen within milliseconds.
    std::thread sending([&] {
        TransferClockFrame(
            frame, portName, services.port,
            [&state](const TransferOutcome& outcome) { state.failed(outcome); }, watch);
        state.finished();
    });

    // However this command ends, even by an error shown further up, the send is let go on to
    // its end, which releases the lines and closes the port.
    const SendEnd end{state, sending};

    SendProgressDialog progress(device, state.bytesSent, state.ended, windows.mainWindow);
    // The window closes itself when the send ends; a test's dialogs may close it sooner.
    (void)services.gui.execModal(progress);
    const std::optional<TransferOutcome> failure = state.waitForEnd();
    if (!failure)
        return;
    const PortFacts facts = services.serialPorts.factsAbout(failure->port.device);
    windows.transferErrorDialog->setReason(
        QString::fromStdString(DescribeTransferFailure(*failure, portName, facts)));
    // The message only informs: how the window closes makes no difference.
    (void)services.gui.execModal(*windows.transferErrorDialog);
}
