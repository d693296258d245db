#include "comm/modemlineport.h"
#include "comm/transfer.h"

#include <QTest>

#include <chrono>

namespace {

// A clock that answers at once: CTS follows DTR, and the tick stands still. What remains to
// measure is the transfer's own work for each handshake.
class InstantClock final : public ModemLinePort {
public:
    PortOpenResult open(const std::string&) override { return {}; }
    bool setRts() override { return ++lineCalls > 0; }
    bool clearRts() override { return ++lineCalls > 0; }
    bool setDtr() override
    {
        ++lineCalls;
        return dtr = true;
    }
    bool clearDtr() override
    {
        ++lineCalls;
        dtr = false;
        return true;
    }

    long lineCalls = 0; // RTS and DTR changes asked of the port
    bool ctsIsOn() override { return dtr; }
    void awaitCtsChange(std::uint32_t) override {} // never called: CTS always follows at once
    bool close() override { return true; }
    std::uint32_t tickMs() override { return tick; }

private:
    bool dtr = false;
    std::uint32_t tick = 0x12345678;
};

} // namespace

// Qt Test runs the benchmark several times, with more iterations each time, until the figure
// settles; the per-handshake figure at the end covers every run.
class BenchTransfer : public QObject {
    Q_OBJECT

private slots:
    void handshake();
    void cleanupTestCase();

private:
    double nanoseconds = 0;
    long transfers = 0;
    long lineCallsPerSend = 0;
};

void BenchTransfer::handshake()
{
    SetsBuffer frame;
    for (int i = 0; i < SetsBufferSize; ++i)
        frame[i] = static_cast<Byte>(i * 37 + 11);
    InstantClock clock;
    int failures = 0;
    long sent = 0;
    const auto start = std::chrono::steady_clock::now();
    QBENCHMARK
    {
        const auto fail = [&](const TransferOutcome&) { ++failures; };
        if (TransferClockFrame(frame, "COM1", clock, fail).result == TransferResult::Sent)
            ++sent;
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    QCOMPARE(failures, 0);
    lineCallsPerSend = clock.lineCalls / sent;
    QVERIFY(sent > 0);
    nanoseconds += elapsed.count();
    transfers += sent;
}

void BenchTransfer::cleanupTestCase()
{
    qInfo("%.1f ns per handshake (%ld transfers of %d handshakes)",
          nanoseconds / (double(transfers) * HandshakeCount), transfers, HandshakeCount);
    // Setting RTS before every bit, whatever the line's level, took 2957 calls for this frame.
    qInfo("%ld line calls per send (RTS set before every bit: 2957)", lineCallsPerSend);
}

QTEST_APPLESS_MAIN(BenchTransfer)
#include "bench_transfer.moc"
