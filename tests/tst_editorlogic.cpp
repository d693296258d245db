#include "model/annualeditor.h"
#include "model/bufferconfig.h"
#include "model/programeditor.h"
#include "model/stepeditor.h"
#include "model/undohistory.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <map>

namespace {

SetsBuffer RandomBuffer(QRandomGenerator& random)
{
    SetsBuffer buffer;
    for (Byte& b : buffer.bytes)
        b = Byte(random.bounded(256));
    return buffer;
}

// The bits of each byte that a writer may change; everything else must survive it.
using Allowed = std::function<Byte(int byte)>;

void CheckOnlyAllowedBitsChange(const std::function<void(SetsBuffer&)>& write,
                                const Allowed& allowed)
{
    QRandomGenerator random(99);
    for (int round = 0; round < 200; ++round) {
        SetsBuffer buffer = RandomBuffer(random);
        const SetsBuffer before = buffer;
        write(buffer);
        for (int b = 0; b < SetsBufferSize; ++b) {
            const Byte kept = Byte(~allowed(b));
            if ((buffer[b] & kept) != (before[b] & kept))
                QFAIL(qPrintable(QStringLiteral("byte %1 changed outside its bits").arg(b)));
        }
    }
}

} // namespace

class TestEditorLogic : public QObject {
    Q_OBJECT

private slots:
    void stepWriters_data();
    void stepWriters();
    void stepWritersKeepEveryOtherBit();
    void annualFields_data();
    void annualFields();
    void statusWriters();
    void statusWritersKeepEveryOtherBit();
    void erase_data();
    void erase();
    void layoutItem();
    void editorItemsMeanWhatTheirControlsShow_data();
    void editorItemsMeanWhatTheirControlsShow();
    void choosingTheShownItemWritesNothing_data();
    void choosingTheShownItemWritesNothing();
    void undoAndRedoGiveBackEachChangeByteForByte();
    void undoAfterALayoutRoundTripGivesBackTheAnnualYears();
    void historyKeepsItsDepthAndKnowsWhatWasSaved();
};

void TestEditorLogic::stepWriters_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("after");
    const QByteArray pm730(QByteArray("\x87\x30\xBE", 3));
    QTest::newRow("Mon stores the bare mask")
        << pm730 << "day" << 4 << QByteArray("\x87\x30\x02", 3);
    QTest::newRow("Edy") << pm730 << "day" << 2 << QByteArray("\x87\x30\x7F", 3);
    QTest::newRow("hour 10 keeps Pm") << pm730 << "hour" << 10 << QByteArray("\x90\x30\xBE", 3);
    QTest::newRow("CLR on Pm keeps Pm") << pm730 << "hour" << 0 << QByteArray("\x80\x30\xBE", 3);
    QTest::newRow("CLR on Am") << QByteArray("\x05\x17\x08", 3) << "hour" << 0
                               << QByteArray("\x00\x17\x08", 3);
    QTest::newRow("minute 45") << pm730 << "minute" << 45 << QByteArray("\x87\x45\xBE", 3);
    QTest::newRow("Off") << pm730 << "relayOn" << 0 << QByteArray("\x87\x30\x3E", 3);
    QTest::newRow("On") << QByteArray("\x87\x30\x3E", 3) << "relayOn" << 1 << pm730;
    QTest::newRow("Pm keeps the hour")
        << QByteArray("\x12\x00\x01", 3) << "pm" << 1 << QByteArray("\x92\x00\x01", 3);
    QTest::newRow("Am keeps the hour")
        << QByteArray("\x92\x00\x01", 3) << "pm" << 0 << QByteArray("\x12\x00\x01", 3);
}

void TestEditorLogic::stepWriters()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, change);
    QFETCH(int, value);
    QFETCH(QByteArray, after);
    SetsBuffer buffer;
    WriteStep(buffer, 3, {Byte(before[0]), Byte(before[1]), Byte(before[2])});
    if (change == "day")
        SetStepDayCode(buffer, 3, value);
    else if (change == "hour")
        SetStepHour(buffer, 3, value);
    else if (change == "minute")
        SetStepMinute(buffer, 3, value);
    else if (change == "relayOn")
        SetStepRelayOn(buffer, 3, value != 0);
    else
        SetStepPm(buffer, 3, value != 0);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(int(buffer[StepOffset(3) + k]), int(Byte(after[k])));
}

void TestEditorLogic::stepWritersKeepEveryOtherBit()
{
    const int step = 29;
    const int at = StepOffset(step);
    auto only = [](int byte, Byte bits) {
        return [=](int b) { return b == byte ? bits : Byte(0); };
    };
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetStepDayCode(b, step, 9); },
                               only(at + 2, 0xFF));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetStepHour(b, step, 11); }, only(at, HourMask));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetStepMinute(b, step, 7); },
                               only(at + 1, 0xFF));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetStepPm(b, step, true); }, only(at, PmBit));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetStepRelayOn(b, step, false); },
                               only(at + 2, StepRelayBit));
}

void TestEditorLogic::annualFields_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("stored");
    QTest::newRow("start month 3") << int(StartMonthField) << 3 << 0x03;
    QTest::newRow("start month CLR") << int(StartMonthField) << 0 << 0x00;
    QTest::newRow("start day 31") << int(StartDayField) << 31 << 0x31;
    QTest::newRow("start day blank") << int(StartDayField) << 32 << 0x32;
    QTest::newRow("start year 07") << int(StartYearField) << 7 << 0x07;
    QTest::newRow("start year blank") << int(StartYearField) << 100 << 0xA0;
    QTest::newRow("end month 12") << int(EndMonthField) << 12 << 0x12;
    QTest::newRow("end day blank") << int(EndDayField) << 32 << 0x32;
    QTest::newRow("end year 99") << int(EndYearField) << 99 << 0x99;
}

void TestEditorLogic::annualFields()
{
    QFETCH(int, field);
    QFETCH(int, item);
    QFETCH(int, stored);
    for (const BufferLayout& layout : {SixteenStepLayout, ThirtyStepLayout}) {
        const int annual = layout.annualCount - 1;
        SetsBuffer buffer;
        buffer.bytes.fill(0x55);
        SetAnnualField(buffer, layout, annual, AnnualField(field), item);
        const int at = AnnualOffset(layout, annual) + field;
        QCOMPARE(int(buffer[at]), stored);
        for (int b = 0; b < SetsBufferSize; ++b) {
            if (b != at)
                QCOMPARE(int(buffer[b]), 0x55);
        }
    }
}

void TestEditorLogic::statusWriters()
{
    SetsBuffer buffer;
    buffer[FlagsByte] = 0x01;
    SetRelayOn(buffer, true);
    QCOMPARE(int(buffer[FlagsByte]), 0x81);
    SetElLampOn(buffer, true);
    QCOMPARE(int(buffer[FlagsByte]), 0x85);
    SetRelayOn(buffer, false);
    QCOMPARE(int(buffer[FlagsByte]), 0x05);
    SetElLampOn(buffer, false);
    QCOMPARE(int(buffer[FlagsByte]), 0x01);

    SetDst(buffer, true);
    QCOMPARE(int(buffer[DstByte]), 3);
    SetDst(buffer, false);
    QCOMPARE(int(buffer[DstByte]), 0);
    SetPulse(buffer, 25);
    QCOMPARE(int(buffer[PulseByte]), 0x25);
    SetPulse(buffer, 0);
    QCOMPARE(int(buffer[PulseByte]), 0x00);
}

void TestEditorLogic::statusWritersKeepEveryOtherBit()
{
    auto only = [](int byte, Byte bits) {
        return [=](int b) { return b == byte ? bits : Byte(0); };
    };
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetRelayOn(b, true); },
                               only(FlagsByte, RelayBit));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetRelayOn(b, false); },
                               only(FlagsByte, RelayBit));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetElLampOn(b, true); },
                               only(FlagsByte, ElLampBit));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetDst(b, true); }, only(DstByte, 0xFF));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetPulse(b, 99); }, only(PulseByte, 0xFF));
    CheckOnlyAllowedBitsChange([](SetsBuffer& b) { SetLayoutItem(b, 1); },
                               only(FlagsByte, LayoutBit));
}

void TestEditorLogic::erase_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<bool>("annuals");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // one past the last zeroed byte
    QTest::newRow("16 layout, steps") << 0x00 << true << false << 14 << 62;
    QTest::newRow("16 layout, annuals") << 0x00 << false << true << 62 << 122;
    QTest::newRow("16 layout, both") << 0x00 << true << true << 14 << 122;
    QTest::newRow("30 layout, steps") << 0x01 << true << false << 14 << 104;
    QTest::newRow("30 layout, annuals") << 0x01 << false << true << 104 << 122;
    QTest::newRow("neither") << 0x00 << false << false << 0 << 0;
}

void TestEditorLogic::erase()
{
    QFETCH(int, flags);
    QFETCH(bool, steps);
    QFETCH(bool, annuals);
    QFETCH(int, from);
    QFETCH(int, to);
    SetsBuffer buffer;
    buffer.bytes.fill(0xA7);
    buffer[FlagsByte] = Byte(flags);
    const SetsBuffer before = buffer;
    EraseTables(buffer, LayoutOf(buffer), {steps, annuals});
    for (int b = 0; b < SetsBufferSize; ++b)
        QCOMPARE(int(buffer[b]), b >= from && b < to ? 0 : int(before[b]));
}

void TestEditorLogic::layoutItem()
{
    SetsBuffer buffer;
    buffer[FlagsByte] = 0x84;
    QCOMPARE(LayoutItem(buffer), 0);
    SetLayoutItem(buffer, 1);
    QCOMPARE(int(buffer[FlagsByte]), 0x85);
    QCOMPARE(LayoutItem(buffer), 1);
    SetLayoutItem(buffer, 0);
    QCOMPARE(int(buffer[FlagsByte]), 0x84);
}

// The program editor takes a control's item index; what each index means is its rule, not the
// window's: the step's relay lists "On" first, the status lists "No"/"Off" first.
void TestEditorLogic::editorItemsMeanWhatTheirControlsShow_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");

    const int step3 = StepOffset(3);
    QTest::newRow("Pm") << "amPm" << 1 << step3 << 0x87;
    QTest::newRow("Am") << "amPm" << 0 << step3 << 0x07;
    QTest::newRow("relay item 0 is On") << "relay" << 0 << step3 + 2 << 0x82;
    QTest::newRow("relay item 1 is Off") << "relay" << 1 << step3 + 2 << 0x02;
    QTest::newRow("DST item 1 is Yes") << "dst" << 1 << DstByte << int(DstYes);
    QTest::newRow("status relay item 1 is On") << "statusRelay" << 1 << FlagsByte << 0x80;
    QTest::newRow("EL lamp item 0 is Off") << "elLamp" << 0 << FlagsByte << 0x00;
    QTest::newRow("layout item 1 is 30 steps") << "layout" << 1 << FlagsByte << 0x01;
}

void TestEditorLogic::editorItemsMeanWhatTheirControlsShow()
{
    QFETCH(QString, change);
    QFETCH(int, item);
    QFETCH(int, byte);
    QFETCH(int, expected);

    SetsBuffer buffer;
    buffer[StepOffset(3)] = 0x07;     // 7 Am
    buffer[StepOffset(3) + 2] = 0x02; // Mon, Off
    ProgramEditor editor(buffer);
    editor.chooseStep(3);
    const std::map<QString, std::function<void()>> changes{
        {"amPm", [&] { editor.setAmPm(item); }},
        {"relay", [&] { editor.setRelay(item); }},
        {"dst", [&] { editor.setDst(item); }},
        {"statusRelay", [&] { editor.setStatusRelay(item); }},
        {"elLamp", [&] { editor.setElLamp(item); }},
        {"layout", [&] { editor.setLayout(item); }},
    };
    changes.at(change)();
    QCOMPARE(int(buffer[byte]), expected);
}

// A drop-down list's handler runs on every pick, also of the item already shown; that is no
// choice and writes nothing, whatever the bytes behind the item.
void TestEditorLogic::choosingTheShownItemWritesNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    const int step3 = StepOffset(3);
    QTest::newRow("the shown day code keeps the relay On") << "day" << 0 << step3 + 2 << 0xBE;
    QTest::newRow("another day code turns it Off") << "day" << 4 << step3 + 2 << 0x02;
    QTest::newRow("a minute byte that is no BCD, shown as 25")
        << "minute" << 25 << step3 + 1 << 0x1F;
    QTest::newRow("another minute") << "minute" << 26 << step3 + 1 << 0x26;
    QTest::newRow("an annual day byte that is no BCD")
        << "startDay" << 25 << SixteenStepLayout.annualTableOffset + 1 << 0x1F;
    QTest::newRow("a pulse byte that is no BCD") << "pulse" << 25 << PulseByte << 0x1F;
    QTest::newRow("another pulse") << "pulse" << 24 << PulseByte << 0x24;
}

void TestEditorLogic::choosingTheShownItemWritesNothing()
{
    QFETCH(QString, change);
    QFETCH(int, item);
    QFETCH(int, byte);
    QFETCH(int, expected);

    SetsBuffer buffer;
    WriteStep(buffer, 3, {0x87, 0x1F, 0xBE}); // 7 Pm, minute byte 0x1F, Wdy, On
    buffer[SixteenStepLayout.annualTableOffset] = 0x03;
    buffer[SixteenStepLayout.annualTableOffset + 1] = 0x1F;
    buffer[PulseByte] = 0x1F;
    ProgramEditor editor(buffer);
    editor.reloadAll();
    editor.chooseStep(3);
    const std::map<QString, std::function<void()>> changes{
        {"day", [&] { editor.setDayCode(item); }},
        {"hour", [&] { editor.setHour(item); }},
        {"minute", [&] { editor.setMinute(item); }},
        {"startDay", [&] { editor.setAnnualField(StartDayField, item); }},
        {"pulse", [&] { editor.setPulse(item); }},
    };
    changes.at(change)();
    QCOMPARE(int(buffer[byte]), expected);
}

namespace {

// A change as the main window makes it: the write, then the program shown again, then one
// snapshot of the whole.
void Change(UndoHistory& history, SetsBuffer& buffer, ProgramEditor& editor,
            const std::function<void()>& write, bool reload = false)
{
    write();
    if (reload) {
        editor.reloadAll();
    } else {
        editor.stepLines();
        editor.stepControls();
    }
    history.record({ImageOf(buffer), editor.state().currentStep, editor.state().currentAnnual, {}});
}

} // namespace

void TestEditorLogic::undoAndRedoGiveBackEachChangeByteForByte()
{
    SetsBuffer buffer;
    buffer[SettingsBlockOffset] = 0x02; // COM3: no part of the program
    ProgramEditor editor(buffer);
    editor.reloadAll();
    UndoHistory history({ImageOf(buffer), 0, 0, {}});
    std::vector<ProgramImage> images{ImageOf(buffer)};
    const std::vector<std::function<void()>> edits{
        [&] { editor.chooseStep(0); }, // shown already: writes nothing
        [&] { editor.chooseStep(3); }, // showing the cleared Am step writes weekdays
        [&] { editor.setHour(7); },
        [&] { editor.setRelay(0); },
        [&] { editor.setDayCode(4); }, // Mon turns the relay Off
        [&] { editor.setHour(0); },    // and CLR on an Am step sets weekdays when shown
        [&] { editor.setAnnualField(StartMonthField, 3); },
        [&] { editor.setPulse(25); },
        [&] { editor.setElLamp(1); },
        [&] {
            editor.erase({true, true});
        },
    };
    for (const auto& edit : edits) {
        Change(history, buffer, editor, edit, &edit == &edits.back());
        if (ImageOf(buffer) != images.back())
            images.push_back(ImageOf(buffer));
    }
    QCOMPARE(history.changeCount(), images.size() - 1); // a step choice writing nothing is none
    buffer[SettingsBlockOffset] = 0x05;                 // the port chosen meanwhile stays

    for (std::size_t k = images.size() - 1; k > 0; --k) {
        QVERIFY(history.canUndo());
        PutImage(buffer, history.undo().image);
        QCOMPARE(ImageOf(buffer), images[k - 1]);
        editor.showAt(history.current().currentStep, history.current().currentAnnual);
        QCOMPARE(ImageOf(buffer), images[k - 1]); // showing it again writes nothing
    }
    QVERIFY(!history.canUndo());
    while (history.canRedo())
        PutImage(buffer, history.redo().image);
    QCOMPARE(ImageOf(buffer), images.back());
    QCOMPARE(int(buffer[SettingsBlockOffset]), 0x05);
}

void TestEditorLogic::undoAfterALayoutRoundTripGivesBackTheAnnualYears()
{
    SetsBuffer buffer;
    const int annual0 = SixteenStepLayout.annualTableOffset;
    const Byte dates[] = {0x03, 0x15, 0x13, 0x04, 0x01, 0x13}; // 03/15/13 - 04/01/13
    std::copy(std::begin(dates), std::end(dates), buffer.bytes.begin() + annual0);
    ProgramEditor editor(buffer);
    editor.reloadAll();
    const ProgramImage start = ImageOf(buffer);
    UndoHistory history({start, 0, 0, {}});
    Change(
        history, buffer, editor, [&] { editor.setLayout(1); }, true);
    Change(
        history, buffer, editor, [&] { editor.setLayout(0); }, true);
    // The 30-step list rewrote both years, the day bytes of steps 16 and 17 there.
    QCOMPARE(int(buffer[annual0 + StartYearField]), 0x01);
    QCOMPARE(int(buffer[annual0 + EndYearField]), 0x01);
    history.undo();
    PutImage(buffer, history.undo().image);
    QCOMPARE(ImageOf(buffer), start);
    editor.showAt(0, 0);
    QCOMPARE(ImageOf(buffer), start);
}

void TestEditorLogic::historyKeepsItsDepthAndKnowsWhatWasSaved()
{
    ProgramSnapshot snapshot;
    UndoHistory history(snapshot, 3);
    QVERIFY(!history.modified());
    QVERIFY(!history.record(snapshot)); // the same image is no change
    for (Byte b = 1; b <= 5; ++b) {
        snapshot.image[100] = b;
        QVERIFY(history.record(snapshot));
        QVERIFY(history.modified());
    }
    QCOMPARE(history.changeCount(), 3u);
    history.markClean();
    QCOMPARE(int(history.undo().image[100]), 4);
    QVERIFY(history.modified());
    history.undo();
    QCOMPARE(int(history.undo().image[100]), 2);
    QVERIFY(!history.canUndo());
    QCOMPARE(int(history.redo().image[100]), 3);
    history.redo();
    QCOMPARE(int(history.redo().image[100]), 5);
    QVERIFY(!history.modified());
    // A change after an undo drops the changes undone; the saved one among them is gone.
    history.undo();
    snapshot.image[100] = 9;
    QVERIFY(history.record(snapshot));
    QVERIFY(!history.canRedo());
    history.undo();
    QVERIFY(history.modified());
}

QTEST_APPLESS_MAIN(TestEditorLogic)
#include "tst_editorlogic.moc"
