#include "testapp.h"
#include "ui/mainwindow.h"
#include "ui/radiogroup.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program with two steps and one annual set; every other record cleared.
void FillProgram(SetsBuffer& buffer)
{
    WriteStep(buffer, 3, {0x87, 0x30, 0xBE});
    WriteStep(buffer, 12, {0x12, 0x05, 0x40});
    const Byte annual[] = {0x03, 0x15, 0x13, 0x04, 0x01, 0x13};
    for (int f = 0; f < AnnualRecordSize; ++f)
        buffer[AnnualOffset(SixteenStepLayout, 1) + f] = annual[f];
}

} // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelPrintsNothingAndChangesNothing();
    void confirmDrawsTheReportInTheStepListsFont();
    void statusLineFollowsTheControls_data();
    void statusLineFollowsTheControls();
    void printerErrorIsShownAndTheProgramGoesOn_data();
    void printerErrorIsShownAndTheProgramGoesOn();

private:
    void print();
    QStringList drawnTexts() const;

    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<TestApp> app;
};

void TestPrintCommand::init()
{
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path())); // no settings file
    app = std::make_unique<TestApp>();
    FillProgram(app->buffer);
}

void TestPrintCommand::cleanup()
{
    app.reset();
    QDir::setCurrent(previousDir);
}

void TestPrintCommand::print()
{
    QAction* print = app->find<QAction>("printAction");
    QVERIFY(print->isEnabled());
    print->trigger();
}

QStringList TestPrintCommand::drawnTexts() const
{
    QStringList texts;
    for (const FakePrintBackend::Drawn& line : app->printer.drawn)
        texts << line.text;
    return texts;
}

void TestPrintCommand::cancelPrintsNothingAndChangesNothing()
{
    app->start(false);
    // A day code that printing would normalise: cancelling must not reach it.
    app->buffer[StepOffset(5) + 2] = 0x03;
    const SetsBuffer before = app->buffer;
    app->printer.confirm = false;
    print();
    QCOMPARE(app->printer.dialogsShown, 1);
    QVERIFY(app->printer.drawn.isEmpty());
    QVERIFY(app->printer.events.isEmpty());
    QCOMPARE(app->buffer, before);

    app->printer.confirm = true;
    print();
    QCOMPARE(app->buffer[StepOffset(5) + 2], Byte(0x01));
}

void TestPrintCommand::confirmDrawsTheReportInTheStepListsFont()
{
    MainWindow& window = app->start(false);
    auto* stepList = app->find<QListWidget>("stepList");
    ClickLine(stepList, 3);
    const QStringList stepLines = app->lines("stepList");
    const int selected = stepList->currentRow();

    print();
    QCOMPARE(drawnTexts(), (QStringList{
                               "               S t a t u s",
                               "DST = No ,     Relay = Off,     EL Lamp = Off,     Pulse = 0",
                               "P r o g r a m   S t e p s",
                               "Step # 03  Wdy  07:30 Pm  On ",
                               "Step # 12  Sat  12:05 Am  Off",
                               "          A n n u a l   S t e p s",
                               "Annual 01  Start: 03/15/13  End: 04/01/13",
                           }));
    const QList<int> sizes{14, 12, 14, 12, 12, 14, 12};
    const QList<int> ys{0, 190, 428, 618, 737, 1094, 1284};
    for (int i = 0; i < sizes.size(); ++i) {
        const FakePrintBackend::Drawn& line = app->printer.drawn[i];
        QCOMPARE(line.family, stepList->font().family());
        QCOMPARE(line.pointSize, sizes[i]);
        QCOMPARE(line.y, ys[i]);
        QCOMPARE(line.x, sizes[i] == 14 ? 0 : 10);
    }
    QCOMPARE(app->printer.events, (QStringList{"begin", "end"}));

    // Printing changes no control and refreshes no list.
    QCOMPARE(app->lines("stepList"), stepLines);
    QCOMPARE(stepList->currentRow(), selected);
    QCOMPARE(window.editState().currentStep, 3);
    QVERIFY(app->gui.exceptions.isEmpty());
}

void TestPrintCommand::statusLineFollowsTheControls_data()
{
    QTest::addColumn<int>("dst");
    QTest::addColumn<int>("relay");
    QTest::addColumn<int>("elLamp");
    QTest::addColumn<QString>("pulse");
    QTest::addColumn<QString>("line");
    QTest::newRow("Yes, Off, On, OFF")
        << 1 << 0 << 1 << "OFF"
        << "DST = Yes,     Relay = Off,     EL Lamp = On ,     Pulse = 0";
    QTest::newRow("No, On, Off, 12")
        << 0 << 1 << 0 << "12"
        << "DST = No ,     Relay = On ,     EL Lamp = Off,     Pulse = 12";
}

void TestPrintCommand::statusLineFollowsTheControls()
{
    QFETCH(int, dst);
    QFETCH(int, relay);
    QFETCH(int, elLamp);
    QFETCH(QString, pulse);
    // Start from the opposite of every choice, so each click has to show.
    app->buffer[DstByte] = dst == 1 ? 0 : DstYes;
    app->buffer[FlagsByte] = Byte((relay == 1 ? 0 : RelayBit) | (elLamp == 1 ? 0 : ElLampBit));
    app->buffer[PulseByte] = pulse == QLatin1String("OFF") ? 0x55 : 0x00;
    app->start();
    ClickRadio(app->find<RadioGroup>("dstGroup"), dst);
    ClickRadio(app->find<RadioGroup>("statusRelayGroup"), relay);
    ClickRadio(app->find<RadioGroup>("elLampGroup"), elLamp);
    ChooseWithMouse(app->find<QComboBox>("pulseCombo"), pulse);

    print();
    QCOMPARE(app->printer.drawn.size(), 7);
    QTEST(app->printer.drawn[1].text, "line");
}

void TestPrintCommand::printerErrorIsShownAndTheProgramGoesOn_data()
{
    using Step = FakePrintBackend::Step;
    QTest::addColumn<Step>("failing");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("job cannot begin") << Step::Begin << QStringList{"begin"};
    QTest::newRow("drawing fails: job aborted") << Step::Draw << QStringList{"begin", "abort"};
    QTest::newRow("job cannot end: aborted") << Step::End << QStringList{"begin", "abort"};
}

void TestPrintCommand::printerErrorIsShownAndTheProgramGoesOn()
{
    QFETCH(FakePrintBackend::Step, failing);
    app->start(false);
    app->printer.failingStep = failing;
    print();
    QCOMPARE(app->gui.exceptions, QStringList{"The printer is out of paper."});
    QTEST(app->printer.events, "events");

    app->printer.failingStep = FakePrintBackend::Step::None;
    app->printer.events.clear();
    print();
    QCOMPARE(app->printer.events, (QStringList{"begin", "end"}));
    QCOMPARE(drawnTexts().last(), QStringLiteral("Annual 01  Start: 03/15/13  End: 04/01/13"));
    QCOMPARE(app->gui.exceptions.size(), 1);
}

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
