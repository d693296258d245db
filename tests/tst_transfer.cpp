#include "comm/transfer.h"
#include "comm/transferfailure.h"
#include "simulatedclock.h"

#include <QTest>

#include <stdexcept>

Q_DECLARE_METATYPE(TransferResult)
Q_DECLARE_METATYPE(HandshakePhase)
Q_DECLARE_METATYPE(PortProblem)

using Op = SimulatedClock::Op;

namespace {

// A frame in which every byte differs from its neighbours, so order and position both show.
SetsBuffer Frame()
{
    SetsBuffer buffer;
    for (int i = 0; i < SetsBufferSize; ++i)
        buffer[i] = static_cast<Byte>(i * 37 + 11);
    return buffer;
}

// What the user saw of one transfer, and how the lines stood while the error window was up.
struct Run {
    TransferResult result{};
    TransferOutcome shown; // what the error window was given
    int failuresShown = 0;
    bool openDuringFailure = false;
    bool rtsDuringFailure = false;
    bool dtrDuringFailure = false;
    std::uint32_t edgeTickAtFailure = 0; // of the DTR edge the clock failed to answer
    std::uint32_t msToFailure = 0;       // from that edge to the failure
    std::size_t opsBeforeFailure = 0;
};

Run Send(SimulatedClock& clock, const SetsBuffer& buffer = Frame(), const TransferWatch& watch = {})
{
    Run run;
    const auto showFailure = [&](const TransferOutcome& outcome) {
        run.shown = outcome;
        ++run.failuresShown;
        run.openDuringFailure = clock.isOpen;
        run.rtsDuringFailure = clock.rts;
        run.dtrDuringFailure = clock.dtr;
        run.edgeTickAtFailure = clock.lastEdgeTick;
        run.msToFailure = clock.now() - clock.lastEdgeTick;
        run.opsBeforeFailure = clock.ops.size();
    };
    run.result = TransferClockFrame(buffer, "COM4", clock, showFailure, watch).result;
    return run;
}

std::vector<Op> Tail(const SimulatedClock& clock, std::size_t count)
{
    return {clock.ops.end() - static_cast<std::ptrdiff_t>(count), clock.ops.end()};
}

// The resting state after every transfer that opened the port.
void VerifyReleased(const SimulatedClock& clock)
{
    QVERIFY(!clock.isOpen);
    QVERIFY(clock.rts);
    QVERIFY(!clock.dtr);
    QVERIFY(Tail(clock, 3) == (std::vector<Op>{Op::SetRts, Op::ClearDtr, Op::Close}));
    QCOMPARE(clock.lineCallsWhileClosed, 0);
}

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT

private slots:
    void sendsTheWholeFrameHighByteFirst();
    void bitsOnTheLines_data();
    void bitsOnTheLines();
    void answerTimes_data();
    void answerTimes();
    void oneLateAnswerAnywhereFails_data();
    void oneLateAnswerAnywhereFails();
    void timeLimitHoldsAcrossTheTickWrap_data();
    void timeLimitHoldsAcrossTheTickWrap();
    void slowTransferAcrossTheTickWrap();
    void failureKeepsTheLinesWhileTheWindowIsUp_data();
    void failureKeepsTheLinesWhileTheWindowIsUp();
    void portThatCannotBeOpened();
    void failedStatusReadsKeepTheLastLevel_data();
    void failedStatusReadsKeepTheLastLevel();
    void portIsReleasedWhenTheWindowThrows();
    void rtsChangesOnlyWhereTheBitDoes_data();
    void rtsChangesOnlyWhereTheBitDoes();
    void deviceThatGoesAwayMidSend();
    void cancelEndsTheSendWithoutTheWindow();
    void progressAfterEveryByte();
    void everyFailureHasItsReason_data();
    void everyFailureHasItsReason();
};

void TestTransfer::sendsTheWholeFrameHighByteFirst()
{
    SimulatedClock clock;
    const SetsBuffer frame = Frame();
    const Run run = Send(clock, frame);

    QCOMPARE(run.result, TransferResult::Sent);
    QCOMPARE(run.failuresShown, 0);
    QCOMPARE(clock.openedName, std::string("COM4"));
    QCOMPARE(clock.dtrRises(), 985);
    QCOMPARE(HandshakeCount, 985);
    QVERIFY(!clock.rtsAtRises.front()); // the opening handshake carries no data
    QCOMPARE(bool(clock.rtsAtRises[1]), (frame[122] & 0x80) != 0);
    QCOMPARE(bool(clock.rtsAtRises.back()), (frame[0] & 0x01) != 0);

    const std::vector<Byte> received = clock.receivedBytes();
    QCOMPARE(int(received.size()), 123);
    for (int k = 0; k < 123; ++k)
        QCOMPARE(int(received[static_cast<std::size_t>(k)]), int(frame[122 - k]));

    const std::vector<Op> opening(clock.ops.begin(), clock.ops.begin() + 3);
    QVERIFY(opening == (std::vector<Op>{Op::Open, Op::ClearRts, Op::SetDtr}));
    QCOMPARE(clock.rtsChangesWhileStrobed, 0); // each bit stood still while DTR was on
    VerifyReleased(clock);
}

void TestTransfer::bitsOnTheLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<bool>>("rts");
    const QList<bool> a5{true, false, true, false, false, true, false, true};
    QTest::newRow("0xA5 first") << 122 << 0xA5 << a5;
    QTest::newRow("0xA5 last") << 0 << 0xA5 << a5;
    QTest::newRow("0xA5 byte 121") << 121 << 0xA5 << a5;
    QTest::newRow("0x80 first") << 122 << 0x80 << QList<bool>{true,  false, false, false,
                                                              false, false, false, false};
    QTest::newRow("0x01 last") << 0 << 0x01 << QList<bool>{false, false, false, false,
                                                           false, false, false, true};
    QTest::newRow("0x00 in the middle") << 61 << 0x00 << QList<bool>(8, false);
}

void TestTransfer::bitsOnTheLines()
{
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(QList<bool>, rts);
    SetsBuffer frame; // all zero apart from the byte under test
    frame[index] = static_cast<Byte>(value);
    SimulatedClock clock;
    QCOMPARE(Send(clock, frame).result, TransferResult::Sent);
    QCOMPARE(clock.dtrRises(), 985);

    const std::size_t first = 1 + 8 * static_cast<std::size_t>(122 - index);
    QList<bool> sent;
    for (std::size_t k = 0; k < 8; ++k)
        sent << clock.rtsAtRises[first + k];
    QCOMPARE(sent, rts);
    QCOMPARE(clock.rtsChangesWhileStrobed, 0);
    int on = 0;
    for (bool bit : clock.rtsAtRises)
        on += bit ? 1 : 0;
    QCOMPARE(on, int(rts.count(true))); // every other bit went out with RTS off
}

void TestTransfer::answerTimes_data()
{
    QTest::addColumn<uint>("delay");
    QTest::addColumn<bool>("sent");
    QTest::newRow("at once") << 0u << true;
    QTest::newRow("1 ms") << 1u << true;
    QTest::newRow("1999 ms") << 1999u << true;
    QTest::newRow("2000 ms") << 2000u << true;
    QTest::newRow("2001 ms") << 2001u << false;
    QTest::newRow("never in time") << 70000u << false;
}

void TestTransfer::answerTimes()
{
    QFETCH(uint, delay);
    QFETCH(bool, sent);
    SimulatedClock clock;
    clock.answerDelay = delay;
    const Run run = Send(clock);
    QCOMPARE(run.result, sent ? TransferResult::Sent : TransferResult::NoAnswer);
    QCOMPARE(run.failuresShown, sent ? 0 : 1);
    QCOMPARE(clock.dtrRises(), sent ? 985 : 1);
    if (!sent)
        QCOMPARE(run.msToFailure, 2001u);
    else // each wait sleeps once, until the answer's own tick
        QCOMPARE(clock.waits, delay == 0 ? 0 : 2 * HandshakeCount);
    VerifyReleased(clock);
}

void TestTransfer::oneLateAnswerAnywhereFails_data()
{
    QTest::addColumn<int>("handshake");
    QTest::addColumn<bool>("rising");
    QTest::addColumn<uint>("delay");
    QTest::addColumn<bool>("sent");
    QTest::newRow("opening release 2001") << 0 << false << 2001u << false;
    QTest::newRow("bit 500 request 2001") << 500 << true << 2001u << false;
    QTest::newRow("last bit release 2001") << 984 << false << 2001u << false;
    QTest::newRow("bit 500 request 2000") << 500 << true << 2000u << true;
    QTest::newRow("last bit release 2000") << 984 << false << 2000u << true;
}

void TestTransfer::oneLateAnswerAnywhereFails()
{
    QFETCH(int, handshake);
    QFETCH(bool, rising);
    QFETCH(uint, delay);
    QFETCH(bool, sent);
    SimulatedClock clock;
    clock.delayFor = [&](int h, bool r) { return h == handshake && r == rising ? delay : 3u; };
    const Run run = Send(clock);
    QCOMPARE(run.result, sent ? TransferResult::Sent : TransferResult::NoAnswer);
    QCOMPARE(clock.dtrRises(), sent ? 985 : handshake + 1);
    if (!sent)
        QCOMPARE(run.dtrDuringFailure, rising);
    VerifyReleased(clock);
}

void TestTransfer::timeLimitHoldsAcrossTheTickWrap_data()
{
    QTest::addColumn<uint>("start");
    QTest::addColumn<uint>("delay");
    QTest::addColumn<bool>("sent");
    const uint starts[] = {0u, 0xFFFFF000u, 0xFFFFFC00u, 0xFFFFF830u, 0xFFFFF82Fu, 0xFFFFFFFFu};
    for (uint start : starts) {
        for (uint delay : {2000u, 2001u}) {
            QTest::addRow("start %08X, answer %u ms", start, delay)
                << start << delay << (delay <= 2000u);
        }
    }
}

// The first wait starts at the given tick, so with these starts the 32-bit tick wraps inside
// it: neither early (a deadline that wrapped to a small number) nor never (a reading that
// wrapped below the deadline).
void TestTransfer::timeLimitHoldsAcrossTheTickWrap()
{
    QFETCH(uint, start);
    QFETCH(uint, delay);
    QFETCH(bool, sent);
    SimulatedClock clock(start);
    clock.delayFor = [&](int h, bool) { return h == 0 ? delay : 0u; };
    const Run run = Send(clock);
    QCOMPARE(run.result, sent ? TransferResult::Sent : TransferResult::NoAnswer);
    if (!sent) {
        QCOMPARE(run.edgeTickAtFailure, start);
        QCOMPARE(run.msToFailure, 2001u);
        QCOMPARE(clock.dtrRises(), 1);
    }
}

void TestTransfer::slowTransferAcrossTheTickWrap()
{
    const std::uint32_t start = 0xFFFFF000u;
    SimulatedClock clock(start);
    clock.answerDelay = 1999;
    QCOMPARE(Send(clock).result, TransferResult::Sent);
    QCOMPARE(clock.dtrRises(), 985);
    QVERIFY(clock.now() < start); // the tick went round during the transfer
    QVERIFY(clock.receivedBytes().size() == 123u);
}

void TestTransfer::failureKeepsTheLinesWhileTheWindowIsUp_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<bool>("stuckOn");
    QTest::addColumn<int>("rises");
    QTest::addColumn<bool>("rts");
    QTest::addColumn<bool>("dtr");
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<int>("handshake");
    QTest::addColumn<HandshakePhase>("phase");
    QTest::addColumn<int>("bytesSent");
    const auto request = HandshakePhase::Request;
    const auto release = HandshakePhase::Release;
    const auto noAnswer = TransferResult::NoAnswer;
    // Frame(): byte 122 is 0xAD (1010 1101), byte 0 is 0x0B (0000 1011).
    QTest::newRow("no clock") << 0 << false << 1 << false << true << noAnswer << 0 << request << 0;
    QTest::newRow("CTS stuck on") << -1 << true << 1 << false << false << TransferResult::CtsStuckOn
                                  << 0 << release << 0;
    QTest::newRow("first data bit, a 1")
        << 1 << false << 2 << true << true << noAnswer << 1 << request << 0;
    QTest::newRow("second data bit, a 0")
        << 2 << false << 3 << false << true << noAnswer << 2 << request << 0;
    QTest::newRow("first bit of the 38th byte")
        << 297 << false << 298 << false << true << noAnswer << 297 << request << 37;
    QTest::newRow("last data bit, a 1")
        << 984 << false << 985 << true << true << noAnswer << 984 << request << 122;
}

void TestTransfer::failureKeepsTheLinesWhileTheWindowIsUp()
{
    QFETCH(int, stopAt);
    QFETCH(bool, stuckOn);
    QFETCH(int, rises);
    QFETCH(bool, rts);
    QFETCH(bool, dtr);
    QFETCH(TransferResult, result);
    QFETCH(int, handshake);
    QFETCH(HandshakePhase, phase);
    QFETCH(int, bytesSent);
    QCOMPARE(int(Frame()[122]), 0xAD);
    QCOMPARE(int(Frame()[0]), 0x0B);
    SimulatedClock clock;
    clock.stopAnsweringAt = stopAt;
    clock.ctsStuckOn = stuckOn;
    const Run run = Send(clock);

    QCOMPARE(run.result, result);
    QCOMPARE(run.shown.result, result);
    QCOMPARE(run.shown.handshake, handshake);
    QCOMPARE(run.shown.phase, phase);
    QCOMPARE(run.shown.bytesSent, bytesSent);
    QCOMPARE(run.failuresShown, 1);
    QCOMPARE(clock.dtrRises(), rises);
    QVERIFY(run.openDuringFailure);
    QCOMPARE(run.rtsDuringFailure, rts);
    QCOMPARE(run.dtrDuringFailure, dtr);
    QCOMPARE(run.msToFailure, 2001u);
    // Nothing touched the lines between the failure and the window; the release came after.
    QCOMPARE(clock.ops.size(), run.opsBeforeFailure + 3);
    VerifyReleased(clock);
}

void TestTransfer::portThatCannotBeOpened()
{
    SimulatedClock clock(1234);
    clock.portMissing = true;
    const Run run = Send(clock);
    QCOMPARE(run.result, TransferResult::PortUnavailable);
    QCOMPARE(run.shown.port.problem, PortProblem::NoSuchDevice);
    QCOMPARE(run.failuresShown, 1);
    QVERIFY(clock.ops == std::vector<Op>{Op::Open}); // no line touched, nothing to close
    QCOMPARE(clock.now(), 1234u);                    // shown at once, without waiting
    QCOMPARE(clock.lineCallsWhileClosed, 0);
}

void TestTransfer::failedStatusReadsKeepTheLastLevel_data()
{
    QTest::addColumn<int>("goodReads");
    QTest::addColumn<int>("rises");
    QTest::addColumn<bool>("dtr");
    QTest::addColumn<TransferResult>("result");
    // The clock answers at once, so read 1 sees CTS on, read 2 off, read 3 on... A CTS that was
    // never read off looks stuck on.
    QTest::newRow("no read succeeds: CTS stays off") << 0 << 1 << true << TransferResult::NoAnswer;
    QTest::newRow("CTS on read, then reads fail") << 1 << 1 << false << TransferResult::CtsStuckOn;
    QTest::newRow("CTS off read, then reads fail") << 2 << 2 << true << TransferResult::NoAnswer;
}

void TestTransfer::failedStatusReadsKeepTheLastLevel()
{
    QFETCH(int, goodReads);
    QFETCH(int, rises);
    QFETCH(bool, dtr);
    QFETCH(TransferResult, result);
    SimulatedClock clock;
    clock.readsBeforeFailing = goodReads;
    const Run run = Send(clock);
    QCOMPARE(run.result, result);
    QCOMPARE(clock.dtrRises(), rises);
    QCOMPARE(run.dtrDuringFailure, dtr);
    QCOMPARE(run.msToFailure, 2001u);
    VerifyReleased(clock);
}

void TestTransfer::portIsReleasedWhenTheWindowThrows()
{
    SimulatedClock clock;
    clock.stopAnsweringAt = 5;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             TransferClockFrame(Frame(), "COM1", clock, [](const TransferOutcome&) {
                                 throw std::runtime_error("no window");
                             }));
    VerifyReleased(clock);
}

// Every line change is a message over the bus of a USB adapter: RTS moves only where the next
// bit differs from the line, and the clock reads the same levels at every DTR rise.
void TestTransfer::rtsChangesOnlyWhereTheBitDoes_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("lineCalls");
    // 1 RTS off before the opening handshake, 985 x 2 DTR edges, 2 for the release, plus one
    // RTS call per change of level between consecutive bits.
    QTest::newRow("all zero: RTS never moves") << 0x00 << 1 + 1970 + 2;
    QTest::newRow("all ones: RTS rises once") << 0xFF << 1 + 1970 + 2 + 1;
    QTest::newRow("0xAA: RTS moves at every bit") << 0xAA << 1 + 1970 + 2 + 984;
    QTest::newRow("0x0F: twice a byte") << 0x0F << 1 + 1970 + 2 + 2 * 123 - 1;
}

void TestTransfer::rtsChangesOnlyWhereTheBitDoes()
{
    QFETCH(int, fill);
    QFETCH(int, lineCalls);
    SetsBuffer frame;
    frame.bytes.fill(static_cast<Byte>(fill));
    SimulatedClock clock;
    QCOMPARE(Send(clock, frame).result, TransferResult::Sent);
    QCOMPARE(clock.lineCalls(), lineCalls);
    const std::vector<Byte> received = clock.receivedBytes();
    QCOMPARE(int(received.size()), 123);
    for (Byte b : received)
        QCOMPARE(int(b), fill);
    QCOMPARE(clock.rtsChangesWhileStrobed, 0);
    VerifyReleased(clock);
}

void TestTransfer::deviceThatGoesAwayMidSend()
{
    SimulatedClock clock;
    clock.goneAt = 300;
    const Run run = Send(clock);
    QCOMPARE(run.result, TransferResult::DeviceGone);
    QCOMPARE(run.shown.handshake, 300);
    QCOMPARE(run.shown.bytesSent, 37);
    QCOMPARE(run.failuresShown, 1);
    VerifyReleased(clock);
}

void TestTransfer::cancelEndsTheSendWithoutTheWindow()
{
    SimulatedClock clock;
    std::atomic<bool> cancel = false;
    TransferWatch watch;
    watch.cancel = &cancel;
    watch.progress = [&](int bytes) { cancel = bytes == 10; };
    clock.answerDelay = 5;
    const Run run = Send(clock, Frame(), watch);
    QCOMPARE(run.result, TransferResult::Cancelled);
    QCOMPARE(run.failuresShown, 0);
    QCOMPARE(clock.dtrRises(), 1 + 10 * 8 + 1);    // the next strobe was not answered in time
    QVERIFY(clock.now() - clock.lastEdgeTick < 5); // stopped at once, not after 2000 ms
    VerifyReleased(clock);
}

void TestTransfer::progressAfterEveryByte()
{
    SimulatedClock clock;
    QList<int> reported;
    TransferWatch watch;
    watch.progress = [&](int bytes) { reported << bytes; };
    QCOMPARE(Send(clock, Frame(), watch).result, TransferResult::Sent);
    QCOMPARE(reported.size(), 123);
    QCOMPARE(reported.front(), 1);
    QCOMPARE(reported.back(), 123);
}

// The words the error window shows under its heading, one row for every kind of failure.
void TestTransfer::everyFailureHasItsReason_data()
{
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<PortProblem>("problem");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("handshake");
    QTest::addColumn<HandshakePhase>("phase");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<bool>("adapter"); // a USB adapter at /dev/ttyUSB0
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("portName"); // "COM1" where the row does not say
    const auto unavailable = TransferResult::PortUnavailable;
    const auto request = HandshakePhase::Request;
    const auto release = HandshakePhase::Release;
    QTest::newRow("built-in port without hardware, an adapter present")
        << unavailable << PortProblem::NoHardware << "/dev/ttyS0" << -1 << request << "dialout"
        << false << true
        << "COM1 is /dev/ttyS0, which has no serial port behind it; a USB adapter is at "
           "/dev/ttyUSB0: choose it in Settings"
        << "COM1";
    QTest::newRow("built-in port that is not there, an adapter present")
        << unavailable << PortProblem::NoSuchDevice << "/dev/ttyS0" << -1 << request << "" << false
        << true
        << "COM1 is /dev/ttyS0, which has no serial port behind it; a USB adapter is at "
           "/dev/ttyUSB0: choose it in Settings"
        << "COM1";
    QTest::newRow("built-in port without hardware, no adapter")
        << unavailable << PortProblem::NoHardware << "/dev/ttyS0" << -1 << request << "" << false
        << false
        << "COM1 is /dev/ttyS0, which has no serial port behind it. Plug in the USB serial "
           "adapter and choose it in Settings."
        << "COM1";
    QTest::newRow("adapter unplugged")
        << unavailable << PortProblem::NoSuchDevice << "/dev/ttyUSB1" << -1 << request << ""
        << false << false
        << "COM1 is /dev/ttyUSB1, which does not exist: is the adapter plugged in?"
        << "COM1";
    QTest::newRow("device named by its path")
        << unavailable << PortProblem::NoSuchDevice << "/dev/ttyUSB9" << -1 << request << ""
        << false << false << "/dev/ttyUSB9 does not exist: is the adapter plugged in?"
        << "/dev/ttyUSB9";
    QTest::newRow("not in dialout")
        << unavailable << PortProblem::PermissionDenied << "/dev/ttyUSB0" << -1 << request
        << "dialout" << false << true
        << "You are not allowed to open /dev/ttyUSB0. It belongs to the group dialout. Add "
           "yourself to that group with\n    sudo usermod -aG dialout $USER\nthen log out and "
           "log in again."
        << "COM1";
    QTest::newRow("denied for another reason")
        << unavailable << PortProblem::PermissionDenied << "/dev/ttyUSB0" << -1 << request << "root"
        << false << true
        << "You are not allowed to open /dev/ttyUSB0. Ask whoever looks after this computer for "
           "access to it."
        << "COM1";
    QTest::newRow("held by another program")
        << unavailable << PortProblem::Busy << "/dev/ttyUSB0" << -1 << request << "" << false
        << true
        << "/dev/ttyUSB0 is held by another program. Close that program (a terminal or modem "
           "program, for example) and send again."
        << "COM1";
    QTest::newRow("no answer at all")
        << TransferResult::NoAnswer << PortProblem::None << "/dev/ttyUSB0" << 0 << request << ""
        << false << true
        << "The clock did not answer at all on /dev/ttyUSB0 (COM1). Check that the cable is "
           "plugged in at both ends and that the clock is ready to receive."
        << "COM1";
    QTest::newRow("stopped after 37 bytes")
        << TransferResult::NoAnswer << PortProblem::None << "/dev/ttyUSB0" << 297 << release << ""
        << false << true
        << "The clock stopped answering on /dev/ttyUSB0 (COM1) after 37 of 123 bytes, at "
           "handshake 298 of 985: after DTR fell, CTS did not go off within 2 seconds. Send "
           "again."
        << "COM1";
    QTest::newRow("CTS always on")
        << TransferResult::CtsStuckOn << PortProblem::None << "/dev/ttyUSB0" << 0 << release << ""
        << false << true
        << "CTS was on all the time on /dev/ttyUSB0 (COM1), so the clock could never be heard. "
           "That points to the cable or the adapter, not the clock: check the cable's wiring."
        << "COM1";
    QTest::newRow("unplugged during the send")
        << TransferResult::DeviceGone << PortProblem::None << "/dev/ttyUSB0" << 297 << request << ""
        << false << true
        << "/dev/ttyUSB0 went away during the send, after 37 of 123 bytes. Was the adapter "
           "unplugged? Plug it in and send again."
        << "COM1";
    QTest::newRow("sent") << TransferResult::Sent << PortProblem::None << "/dev/ttyUSB0" << -1
                          << request << "" << false << true << ""
                          << "COM1";
}

void TestTransfer::everyFailureHasItsReason()
{
    QFETCH(TransferResult, result);
    QFETCH(PortProblem, problem);
    QFETCH(QString, device);
    QFETCH(int, handshake);
    QFETCH(HandshakePhase, phase);
    QFETCH(QString, group);
    QFETCH(bool, inGroup);
    QFETCH(bool, adapter);
    QFETCH(QString, reason);
    QFETCH(QString, portName);
    TransferOutcome outcome;
    outcome.result = result;
    outcome.port = {problem, device.toStdString(), 0};
    outcome.handshake = handshake;
    outcome.phase = phase;
    outcome.bytesSent = handshake > 0 ? (handshake - 1) / 8 : 0;
    PortFacts facts;
    facts.group = group.toStdString();
    facts.userInGroup = inGroup;
    if (adapter)
        facts.usbAdapters.push_back({"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A5-if00-port0",
                                     "/dev/ttyUSB0", "FTDI FT232R USB UART A5",
                                     SerialDevice::Kind::UsbById});
    QCOMPARE(
        QString::fromStdString(DescribeTransferFailure(outcome, portName.toStdString(), facts)),
        reason);
}

QTEST_APPLESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
