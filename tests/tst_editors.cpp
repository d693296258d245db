#include "testapp.h"
#include "ui/weekchartview.h"
#include "ui/weekchartwindow.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

namespace {

const QByteArray Pm730WdyOn("\x87\x30\xBE", 3);

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void stepFieldChanges_data();
    void stepFieldChanges();
    void radioChangesOnTheStep_data();
    void radioChangesOnTheStep();
    void choosingAClearedAmStepSetsWeekdays();
    void stepListsStayInStep();
    void stepAndAnnualAreIndependent();
    void personEditsStepThreeWithMouseAndKeyboard();
    void dayChosenOnAClearedAmStepFallsBackToWeekdays();

    void annualChangeRebuildsItsLine();
    void blankItemsStoreAndComeBack();
    void clearingTheStartMonthKeepsTheOtherBytes();
    void statusRadiosWriteTheirBitsOnly();
    void loadedDstStaysUntilTheUserClicks();
    void pulse();

    void eraseSteps();
    void eraseAnnualsInThirtyStepLayout();
    void eraseCancelledOrClosedStillReloads_data();
    void eraseCancelledOrClosedStillReloads();
    void eraseWindowStartsUncheckedEachTime();
    void configureSwitchesLayoutWhileOpen();
    void configureShowsTheLayoutInForce();

    void wheelChoosesOnlyInAListWithFocus();
    void everyKindOfChangeIsUndoneAndRedoneFromTheKeyboard();
    void weekChartFollowsTheProgramAndChoosesLines();
    void weekChartShowsEverySwitch();
    void weekChartFromTheKeyboardAndToAScreenReader();

private:
    std::unique_ptr<TestApp> app;
};

void TestEditors::stepFieldChanges_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("line");
    QTest::newRow("Mon turns the relay Off")
        << Pm730WdyOn << "dayCombo"
        << "Mon" << QByteArray("\x87\x30\x02", 3) << "Step # 03  Mon  07:30 Pm  Off";
    QTest::newRow("hour 10 keeps Pm")
        << Pm730WdyOn << "hourCombo"
        << "10" << QByteArray("\x90\x30\xBE", 3) << "Step # 03  Wdy  10:30 Pm  On ";
    QTest::newRow("CLR on a Pm step keeps the day byte")
        << Pm730WdyOn << "hourCombo"
        << "CLR" << QByteArray("\x80\x30\xBE", 3) << "Step # 03  --> C l e a r <--";
    QTest::newRow("CLR on an Am step sets weekdays, relay Off")
        << QByteArray("\x05\x17\xC0", 3) << "hourCombo"
        << "CLR" << QByteArray("\x00\x17\x3E", 3) << "Step # 03  --> C l e a r <--";
    QTest::newRow("the shown day code again keeps the relay On")
        << Pm730WdyOn << "dayCombo"
        << "Wdy" << Pm730WdyOn << "Step # 03  Wdy  07:30 Pm  On ";
    QTest::newRow("minute 45") << Pm730WdyOn << "minuteCombo"
                               << "45" << QByteArray("\x87\x45\xBE", 3)
                               << "Step # 03  Wdy  07:45 Pm  On ";
}

void TestEditors::stepFieldChanges()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, control);
    QFETCH(QString, item);
    WriteStep(app->buffer, 3, {Byte(before[0]), Byte(before[1]), Byte(before[2])});
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 3);
    ChooseWithMouse(app->find<QComboBox>(qPrintable(control)), item);

    QTEST(app->step(3), "after");
    QTEST(app->lines("stepList").at(3), "line");
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 3);
    QCOMPARE(app->find<QComboBox>("stepNumberCombo")->currentIndex(), 3);
    // The controls show the step as it now stands in the buffer.
    const StepRecord r = ReadStep(app->buffer, 3);
    QCOMPARE(app->find<RadioGroup>("relayGroup")->itemIndex(), r.relayOn() ? 0 : 1);
    QCOMPARE(app->find<QComboBox>("hourCombo")->currentIndex(), r.hour());
    QCOMPARE(app->find<QComboBox>("dayCombo")->currentIndex(), *DayCodeIndex(r.dayMask()));
}

void TestEditors::radioChangesOnTheStep_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("Off") << Pm730WdyOn << "relayGroup" << 1 << QByteArray("\x87\x30\x3E", 3);
    QTest::newRow("On again") << QByteArray("\x87\x30\x3E", 3) << "relayGroup" << 0 << Pm730WdyOn;
    QTest::newRow("Pm") << QByteArray("\x12\x00\x01", 3) << "amPmGroup" << 1
                        << QByteArray("\x92\x00\x01", 3);
    QTest::newRow("Am") << QByteArray("\x92\x00\x01", 3) << "amPmGroup" << 0
                        << QByteArray("\x12\x00\x01", 3);
    QTest::newRow("Pm on the chosen value writes it again")
        << Pm730WdyOn << "amPmGroup" << 1 << Pm730WdyOn;
}

void TestEditors::radioChangesOnTheStep()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, group);
    QFETCH(int, button);
    WriteStep(app->buffer, 3, {Byte(before[0]), Byte(before[1]), Byte(before[2])});
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 3);
    ClickRadio(app->find<RadioGroup>(qPrintable(group)), button);
    QTEST(app->step(3), "after");
    QCOMPARE(app->find<RadioGroup>(qPrintable(group))->itemIndex(), button);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 3);
}

void TestEditors::choosingAClearedAmStepSetsWeekdays()
{
    WriteStep(app->buffer, 6, {0x00, 0x12, 0x01});
    WriteStep(app->buffer, 7, {0x80, 0x12, 0x01});
    app->start();
    QCOMPARE(app->step(6), QByteArray("\x00\x12\x01", 3)); // listed, not yet chosen
    ChooseWithMouse(app->find<QComboBox>("stepNumberCombo"), "06");
    QCOMPARE(app->step(6), QByteArray("\x00\x12\x3E", 3));
    QCOMPARE(app->find<QComboBox>("dayCombo")->currentText(), QStringLiteral("Wdy"));
    ClickLine(app->find<QListWidget>("stepList"), 7);
    QCOMPARE(app->step(7), QByteArray("\x80\x12\x01", 3)); // cleared Pm: left alone
}

void TestEditors::stepListsStayInStep()
{
    app->start();
    auto* sets = app->find<QListWidget>("stepList");
    auto* numbers = app->find<QComboBox>("stepNumberCombo");
    ChooseWithMouse(numbers, "12");
    QCOMPARE(sets->currentRow(), 12);
    QCOMPARE(app->mainWindow->editState().currentStep, 12);
    ClickLine(sets, 2);
    QCOMPARE(numbers->currentIndex(), 2);
    QCOMPARE(app->mainWindow->editState().currentStep, 2);
    sets->setFocus();
    QTest::keyClick(sets, Qt::Key_Down); // the keyboard moves the step too
    QCOMPARE(numbers->currentIndex(), 3);
    QCOMPARE(app->mainWindow->editState().currentStep, 3);
}

void TestEditors::stepAndAnnualAreIndependent()
{
    app->start();
    ChooseWithMouse(app->find<QComboBox>("stepNumberCombo"), "05");
    ChooseWithMouse(app->find<QComboBox>("annualNumberCombo"), "02");
    QCOMPARE(app->find<QListWidget>("annualList")->currentRow(), 2);
    ChooseWithMouse(app->find<QComboBox>("hourCombo"), "9");
    QCOMPARE(int(app->buffer[StepOffset(5)]), 0x09);
    QCOMPARE(app->mainWindow->editState().currentAnnual, 2);
    ClickLine(app->find<QListWidget>("annualList"), 4);
    QCOMPARE(app->find<QComboBox>("annualNumberCombo")->currentIndex(), 4);
    QCOMPARE(app->mainWindow->editState().currentStep, 5);
}

void TestEditors::personEditsStepThreeWithMouseAndKeyboard()
{
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 3);
    // A cleared Am step shows "Wdy" again after every change until it has an hour, so the
    // hour comes first.
    auto* hours = app->find<QComboBox>("hourCombo");
    hours->setFocus();
    QTest::keyClick(hours, Qt::Key_7); // a closed list jumps to the item typed
    ChooseWithMouse(app->find<QComboBox>("dayCombo"), "Mon");
    auto* minutes = app->find<QComboBox>("minuteCombo");
    hours->setFocus();
    QTest::keyClick(hours, Qt::Key_Tab); // on to the minutes
    QTRY_VERIFY_WITH_TIMEOUT(minutes->hasFocus(), PatienceMs);
    QTest::keyClicks(minutes, "30");
    ClickRadio(app->find<RadioGroup>("amPmGroup"), 1);
    ClickRadio(app->find<RadioGroup>("relayGroup"), 0);
    QCOMPARE(app->lines("stepList").at(3), QStringLiteral("Step # 03  Mon  07:30 Pm  On "));
    QCOMPARE(app->step(3), QByteArray("\x87\x30\x82", 3));
}

void TestEditors::dayChosenOnAClearedAmStepFallsBackToWeekdays()
{
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 3);
    ChooseWithMouse(app->find<QComboBox>("dayCombo"), "Mon");
    QCOMPARE(app->step(3), QByteArray("\x00\x00\x3E", 3));
    QCOMPARE(app->find<QComboBox>("dayCombo")->currentText(), QStringLiteral("Wdy"));
}

void TestEditors::annualChangeRebuildsItsLine()
{
    app->start();
    ClickLine(app->find<QListWidget>("annualList"), 2);
    ChooseWithMouse(app->find<QComboBox>("startMonthCombo"), "3");
    QCOMPARE(int(app->buffer[AnnualOffset(SixteenStepLayout, 2)]), 0x03);
    QCOMPARE(app->lines("annualList").at(2),
             QStringLiteral("Annual 02  Start: 03/00/00  End: 00/00/00"));
    QCOMPARE(app->find<QListWidget>("annualList")->currentRow(), 2);
    ChooseWithMouse(app->find<QComboBox>("endMonthCombo"), "0"); // "0" ends nothing: still set
    QVERIFY(!app->lines("annualList").at(2).contains("C l e a r"));
}

void TestEditors::blankItemsStoreAndComeBack()
{
    app->start();
    ChooseWithMouse(app->find<QComboBox>("startMonthCombo"), "12");
    ChooseWithMouse(app->find<QComboBox>("startDayCombo"), " ");
    ChooseWithMouse(app->find<QComboBox>("startYearCombo"), " ");
    ChooseWithMouse(app->find<QComboBox>("endDayCombo"), " ");
    const int at = AnnualOffset(SixteenStepLayout, 0);
    QCOMPARE(int(app->buffer[at + StartDayField]), 0x32);
    QCOMPARE(int(app->buffer[at + StartYearField]), 0xA0);
    QCOMPARE(int(app->buffer[at + EndDayField]), 0x32);
    QCOMPARE(app->lines("annualList").at(0),
             QStringLiteral("Annual 00  Start: 12/32/100  End: 00/32/00"));
    app->mainWindow->reloadAll();
    QCOMPARE(app->find<QComboBox>("startDayCombo")->currentIndex(), 32);
    QCOMPARE(app->find<QComboBox>("startYearCombo")->currentIndex(), 100);
    QCOMPARE(app->find<QComboBox>("endDayCombo")->currentIndex(), 32);
}

void TestEditors::clearingTheStartMonthKeepsTheOtherBytes()
{
    const int at = AnnualOffset(SixteenStepLayout, 1);
    const Byte record[] = {0x03, 0x15, 0x13, 0x04, 0x01, 0xA0};
    for (int k = 0; k < 6; ++k)
        app->buffer[at + k] = record[k];
    app->start();
    ClickLine(app->find<QListWidget>("annualList"), 1);
    QCOMPARE(app->find<QComboBox>("endYearCombo")->currentIndex(), -1); // 100: beyond the list
    ChooseWithMouse(app->find<QComboBox>("startMonthCombo"), "CLR");
    QCOMPARE(app->lines("annualList").at(1), QStringLiteral("Annual 01  --> C l e a r <--"));
    QCOMPARE(int(app->buffer[at]), 0);
    for (int k = 1; k < 6; ++k)
        QCOMPARE(app->buffer[at + k], record[k]);
}

void TestEditors::statusRadiosWriteTheirBitsOnly()
{
    app->buffer[FlagsByte] = 0x01;
    app->start();
    ClickRadio(app->find<RadioGroup>("statusRelayGroup"), 1);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x81);
    ClickRadio(app->find<RadioGroup>("elLampGroup"), 1);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x85);
    ClickRadio(app->find<RadioGroup>("statusRelayGroup"), 0);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x05);
    QCOMPARE(app->lines("stepList").size(), 30); // the layout bit stayed
}

void TestEditors::loadedDstStaysUntilTheUserClicks()
{
    app->buffer[DstByte] = 1;
    app->start();
    QCOMPARE(app->find<RadioGroup>("dstGroup")->itemIndex(), 1);
    app->mainWindow->reloadAll();
    ClickLine(app->find<QListWidget>("stepList"), 2);
    QCOMPARE(int(app->buffer[DstByte]), 1);
    ClickRadio(app->find<RadioGroup>("dstGroup"), 1);
    QCOMPARE(int(app->buffer[DstByte]), 3);
    ClickRadio(app->find<RadioGroup>("dstGroup"), 0);
    QCOMPARE(int(app->buffer[DstByte]), 0);
}

void TestEditors::pulse()
{
    app->start();
    ChooseWithMouse(app->find<QComboBox>("pulseCombo"), "25");
    QCOMPARE(int(app->buffer[PulseByte]), 0x25);
    app->mainWindow->reloadAll();
    QCOMPARE(app->find<QComboBox>("pulseCombo")->currentText(), QStringLiteral("25"));
    ChooseWithMouse(app->find<QComboBox>("pulseCombo"), "OFF");
    QCOMPARE(int(app->buffer[PulseByte]), 0x00);
}

void TestEditors::eraseSteps()
{
    app->buffer.bytes.fill(0x11);
    app->buffer[FlagsByte] = 0x84;
    const SetsBuffer before = app->buffer;
    app->start();
    app->gui.answerNext([](QDialog& window) {
        QTest::mouseClick(window.findChild<QCheckBox*>("stepsCheck"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("eraseButton"), Qt::LeftButton);
    });
    QTest::mouseClick(app->find<QToolButton>("eraseButton"), Qt::LeftButton);
    QCOMPARE(app->gui.shownWindows, QStringList{"eraseDialog"});

    QCOMPARE(int(app->buffer[16]), 0x3E);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(int(app->buffer[StepOffset(i)]), 0);
        QCOMPARE(int(app->buffer[StepOffset(i) + 1]), 0);
        if (i > 0)
            QCOMPARE(int(app->buffer[StepOffset(i) + 2]), 0x01);
    }
    for (int b = 62; b < SetsBufferSize; ++b)
        QCOMPARE(app->buffer[b], before[b]);
    for (int b = 0; b < 14; ++b)
        QCOMPARE(app->buffer[b], before[b]);
    QCOMPARE(app->lines("stepList").at(15), QStringLiteral("Step # 15  --> C l e a r <--"));
}

void TestEditors::eraseAnnualsInThirtyStepLayout()
{
    app->buffer.bytes.fill(0x11);
    app->buffer[FlagsByte] = 0x01;
    SetsBuffer expected = app->buffer;
    for (int b = 104; b < 122; ++b)
        expected[b] = 0;
    app->start();
    expected = app->buffer; // the reload at start-up normalised the day bytes
    for (int b = 104; b < 122; ++b)
        expected[b] = 0;
    app->gui.answerNext([](QDialog& window) {
        window.findChild<QCheckBox*>("annualsCheck")->click();
        window.findChild<QPushButton*>("eraseButton")->click();
    });
    app->find<QToolButton>("eraseButton")->click();
    QCOMPARE(app->buffer, expected);
    QCOMPARE(app->lines("annualList"),
             (QStringList{"Annual 00  --> C l e a r <--", "Annual 01  --> C l e a r <--",
                          "Annual 02  --> C l e a r <--"}));
}

void TestEditors::eraseCancelledOrClosedStillReloads_data()
{
    QTest::addColumn<bool>("cancelButton");
    QTest::newRow("Cancel") << true;
    QTest::newRow("close box") << false;
}

void TestEditors::eraseCancelledOrClosedStillReloads()
{
    QFETCH(bool, cancelButton);
    WriteStep(app->buffer, 5, {0x87, 0x30, 0xBE});
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 5);
    ClickLine(app->find<QListWidget>("annualList"), 3);
    const SetsBuffer before = app->buffer;
    app->gui.answerNext([cancelButton](QDialog& window) {
        window.findChild<QCheckBox*>("stepsCheck")->click();
        window.findChild<QCheckBox*>("annualsCheck")->click();
        if (cancelButton)
            window.findChild<QPushButton*>("cancelButton")->click();
        // otherwise the window is left open and closed as by its close box
    });
    app->find<QToolButton>("eraseButton")->click();
    QCOMPARE(app->buffer, before);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 0);
    QCOMPARE(app->find<QListWidget>("annualList")->currentRow(), 0);
    QCOMPARE(app->mainWindow->editState().currentStep, 0);
}

void TestEditors::eraseWindowStartsUncheckedEachTime()
{
    app->start();
    for (int round = 0; round < 2; ++round) {
        app->gui.answerNext([](QDialog& window) {
            auto* steps = window.findChild<QCheckBox*>("stepsCheck");
            auto* annuals = window.findChild<QCheckBox*>("annualsCheck");
            QVERIFY(!steps->isChecked());
            QVERIFY(!annuals->isChecked());
            steps->click();
            annuals->click();
        });
        app->find<QToolButton>("eraseButton")->click();
    }
    QCOMPARE(app->gui.shownWindows.size(), 2);
}

void TestEditors::configureSwitchesLayoutWhileOpen()
{
    app->buffer[FlagsByte] = 0x84;
    app->start();
    const QStringList sixteen = app->lines("stepList");
    const QStringList tenAnnuals = app->lines("annualList");
    int linesWhileOpen = 0;
    app->gui.answerNext([&](QDialog& window) {
        auto* group = window.findChild<RadioGroup*>("layoutGroup");
        QCOMPARE(group->itemIndex(), 0);
        ClickRadio(group, 1);
        linesWhileOpen = app->lines("stepList").size();
        QTest::mouseClick(window.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    app->find<QToolButton>("layoutButton")->click();
    QCOMPARE(linesWhileOpen, 30);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x85);
    QCOMPARE(app->lines("stepList").size(), 30);
    QCOMPARE(app->lines("annualList").size(), 3);

    app->gui.answerNext(
        [](QDialog& window) { ClickRadio(window.findChild<RadioGroup*>("layoutGroup"), 0); });
    app->find<QToolButton>("layoutButton")->click();
    QCOMPARE(int(app->buffer[FlagsByte]), 0x84);
    QCOMPARE(app->lines("stepList"), sixteen);
    QCOMPARE(app->lines("annualList"), tenAnnuals);
}

void TestEditors::configureShowsTheLayoutInForce()
{
    app->buffer[FlagsByte] = 0x01;
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 20);
    int shown = -2;
    app->gui.answerNext([&](QDialog& window) {
        shown = window.findChild<RadioGroup*>("layoutGroup")->itemIndex();
    });
    app->find<QToolButton>("layoutButton")->click();
    QCOMPARE(shown, 1);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x01);
    QCOMPARE(app->mainWindow->editState().currentStep, 0); // reloaded after closing
}

namespace {

void TurnWheel(QWidget* widget, int steps)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, -120 * steps}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

QByteArray Image(const SetsBuffer& buffer)
{
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), 200);
}

} // namespace

void TestEditors::wheelChoosesOnlyInAListWithFocus()
{
    WriteStep(app->buffer, 3, {0x87, 0x30, 0xBE});
    app->start();
    ClickLine(app->find<QListWidget>("stepList"), 3);
    auto* hours = app->find<QComboBox>("hourCombo");
    QVERIFY(!hours->hasFocus());
    TurnWheel(hours, 2);
    QCOMPARE(app->step(3), Pm730WdyOn);
    QCOMPARE(hours->currentText(), QStringLiteral("7"));
    QVERIFY(!hours->hasFocus());

    hours->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(hours->hasFocus(), PatienceMs);
    TurnWheel(hours, 1); // with the focus, the wheel chooses the next hour
    QCOMPARE(app->step(3), QByteArray("\x88\x30\xBE", 3));
}

// Step, annual and status edits, the choice of a cleared step, Erase and a layout round trip,
// each undone with Ctrl+Z and redone with Ctrl+Shift+Z or Ctrl+Y; every image in between comes
// back byte for byte.
void TestEditors::everyKindOfChangeIsUndoneAndRedoneFromTheKeyboard()
{
    WriteStep(app->buffer, 3, {0x87, 0x30, 0xBE});
    const Byte annual[] = {0x03, 0x15, 0x13, 0x04, 0x01, 0x13};
    for (int k = 0; k < 6; ++k)
        app->buffer[AnnualOffset(SixteenStepLayout, 0) + k] = annual[k];
    app->buffer[SettingsBlockOffset] = 0x02;
    MainWindow& window = app->start();
    QVERIFY(!window.isWindowModified());
    QList<QByteArray> images{Image(app->buffer)};
    const auto layout = [&](int item) {
        app->gui.answerNext([item](QDialog& dialog) {
            ClickRadio(dialog.findChild<RadioGroup*>("layoutGroup"), item);
        });
        app->find<QToolButton>("layoutButton")->click();
    };
    const std::vector<std::function<void()>> edits{
        [&] {
            ClickLine(app->find<QListWidget>("stepList"), 3);
            ChooseWithMouse(app->find<QComboBox>("hourCombo"), "10");
        },
        [&] { ClickRadio(app->find<RadioGroup>("relayGroup"), 1); },
        // Showing the cleared step 06 writes weekdays into its day byte.
        [&] { ClickLine(app->find<QListWidget>("stepList"), 6); },
        [&] { ChooseWithMouse(app->find<QComboBox>("startMonthCombo"), "5"); },
        [&] { ClickRadio(app->find<RadioGroup>("statusRelayGroup"), 1); },
        [&] { ChooseWithMouse(app->find<QComboBox>("pulseCombo"), "25"); },
        [&] {
            app->gui.answerNext([](QDialog& dialog) {
                dialog.findChild<QCheckBox*>("stepsCheck")->click();
                dialog.findChild<QPushButton*>("eraseButton")->click();
            });
            app->find<QToolButton>("eraseButton")->click();
        },
        [&] { layout(1); },
        [&] { layout(0); },
    };
    for (const auto& edit : edits) {
        edit();
        QVERIFY(Image(app->buffer) != images.last());
        images << Image(app->buffer);
    }
    QVERIFY(window.isWindowModified());
    // The 30-step list rewrote the years of annual 00, the day bytes of steps 16 and 17 there.
    QCOMPARE(int(app->buffer[AnnualOffset(SixteenStepLayout, 0) + StartYearField]), 0x01);
    app->buffer[SettingsBlockOffset] = 0x05; // a COM port chosen meanwhile is no part of it

    for (int k = images.size() - 2; k >= 0; --k) {
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Image(app->buffer), images[k]);
    }
    QVERIFY(!app->find<QAction>("undoAction")->isEnabled());
    QVERIFY(!window.isWindowModified());
    QCOMPARE(app->lines("stepList").at(3), QStringLiteral("Step # 03  Wdy  07:30 Pm  On "));
    for (int k = 1; k < images.size(); ++k) {
        if (k % 2)
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Image(app->buffer), images[k]);
    }
    QVERIFY(!app->find<QAction>("redoAction")->isEnabled());
    QCOMPARE(int(app->buffer[SettingsBlockOffset]), 0x05);
}

void TestEditors::weekChartFollowsTheProgramAndChoosesLines()
{
    WriteStep(app->buffer, 0, {0x08, 0x00, 0xBE}); // weekdays 8:00 Am On
    WriteStep(app->buffer, 1, {0x85, 0x00, 0x3E}); // weekdays 5:00 Pm Off
    const Byte february30[] = {0x02, 0x30, 0x13, 0x03, 0x01, 0x13};
    for (int k = 0; k < 6; ++k)
        app->buffer[AnnualOffset(SixteenStepLayout, 2) + k] = february30[k];
    MainWindow& window = app->start();
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    WeekChartWindow* chartWindow = window.weekChartWindow();
    QVERIFY(chartWindow && chartWindow->isVisible());
    WeekChartView* chart = chartWindow->chartView();
    const auto colour = [&](int day, int hour, int minute) {
        const QImage picture = chart->grab().toImage();
        return QColor(
            picture.pixel(chart->xOfMinute(hour * 60 + minute), chart->barRect(day).center().y()));
    };
    const QColor on = WeekChartView::OnColour;
    QCOMPARE(colour(1, 12, 0), on);
    QCOMPARE(colour(1, 17, 30), QColor(Qt::white));
    QCOMPARE(colour(0, 12, 0), QColor(Qt::white));
    auto* checks = chartWindow->findChild<QListWidget*>("checksList");
    QCOMPARE(checks->count(), 1);
    QCOMPARE(checks->item(0)->text(),
             QStringLiteral("Annual 02: start date 02/30/13 does not exist"));
    QCOMPARE(chartWindow->findChild<QLabel*>("usageLabel")->text(),
             QStringLiteral("steps used 2 of 16, annuals used 1 of 10"));

    // An edit in the main window shows at once; so does its undo.
    ClickLine(app->find<QListWidget>("stepList"), 1);
    ChooseWithMouse(app->find<QComboBox>("hourCombo"), "6");
    QCOMPARE(colour(1, 17, 30), on);
    window.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), PatienceMs);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(colour(1, 17, 30), QColor(Qt::white));

    // A switch's mark tells its step and chooses it.
    const QPoint mark(chart->xOfMinute(8 * 60), chart->barRect(2).bottom() + 5);
    QHelpEvent help(QEvent::ToolTip, mark, chart->mapToGlobal(mark));
    QApplication::sendEvent(chart, &help);
    QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), QStringLiteral("Step # 00  Wdy  08:00 Am  On "),
                              PatienceMs);
    ClickLine(app->find<QListWidget>("stepList"), 5);
    QTest::mouseClick(chart, Qt::LeftButton, {}, mark);
    QCOMPARE(window.editState().currentStep, 0);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 0);

    // A check chooses its line.
    QTest::mouseClick(checks->viewport(), Qt::LeftButton, {},
                      checks->visualItemRect(checks->item(0)).center());
    QCOMPARE(window.editState().currentAnnual, 2);
    QCOMPARE(app->find<QListWidget>("annualList")->currentRow(), 2);
    QCOMPARE(app->find<QComboBox>("annualNumberCombo")->currentIndex(), 2);
}

// A switch one minute before the next still shows, and a clash is drawn and told as one.
void TestEditors::weekChartShowsEverySwitch()
{
    WriteStep(app->buffer, 0, {0x08, 0x00, 0xBE}); // weekdays 8:00 Am On
    WriteStep(app->buffer, 1, {0x85, 0x00, 0x3E}); // weekdays 5:00 Pm Off
    WriteStep(app->buffer, 2, {0x08, 0x00, 0x02}); // Monday 8:00 Am Off: a clash with step 00
    WriteStep(app->buffer, 3, {0x92, 0x00, 0x08}); // Wednesday 12:00 Pm Off, for one minute
    WriteStep(app->buffer, 4, {0x92, 0x01, 0x88});
    WriteStep(app->buffer, 5, {0x08, 0x00, 0x81}); // Sunday 8:00 Am On, for one minute
    WriteStep(app->buffer, 6, {0x08, 0x01, 0x01});
    MainWindow& window = app->start();
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    WeekChartView* chart = window.weekChartWindow()->chartView();
    const QImage picture = chart->grab().toImage();
    const auto colour = [&](int minute, int y) {
        return QColor(picture.pixel(chart->xOfMinute(minute), y));
    };
    const auto middle = [&](int day) { return chart->barRect(day).center().y(); };
    const QColor on = WeekChartView::OnColour;
    QCOMPARE(colour(8 * 60, middle(0)), on);
    QCOMPARE(colour(12 * 60, middle(3)), QColor(Qt::white));
    QCOMPARE(colour(12 * 60 - 5, middle(3)), on);
    QCOMPARE(colour(12 * 60 + 5, middle(3)), on);

    // Monday's clash: a diamond of its own below the bar, the bar hatched along its top up to
    // the next switch, the rest of the bar as the higher step has it.
    const int markMiddle = chart->barRect(1).bottom() + 2 + 3;
    QCOMPARE(colour(8 * 60, markMiddle), QColor(WeekChartView::ClashColour));
    QCOMPARE(colour(12 * 60, middle(1)), QColor(Qt::white));
    int hatched = 0;
    for (int y = chart->barRect(1).top(); y < chart->barRect(1).top() + 5; ++y) {
        for (int minute = 8 * 60; minute < 17 * 60; minute += 3)
            hatched += colour(minute, y) == QColor(WeekChartView::ClashEdgeColour) ? 1 : 0;
    }
    QVERIFY(hatched > 0);
    const QPoint mark(chart->xOfMinute(8 * 60), markMiddle);
    QHelpEvent help(QEvent::ToolTip, mark, chart->mapToGlobal(mark));
    QApplication::sendEvent(chart, &help);
    QTRY_COMPARE(QToolTip::text(),
                 QStringLiteral("steps 00 and 02 switch at the same minute; which "
                                "wins on the clock is unknown:\n"
                                "Step # 00  Wdy  08:00 Am  On \n"
                                "Step # 02  Mon  08:00 Am  Off"));

    // A line at every hour between the rows.
    const int between = chart->barRect(0).bottom() + 12;
    QVERIFY(colour(60, between) != colour(90, between));
}

void TestEditors::weekChartFromTheKeyboardAndToAScreenReader()
{
    WriteStep(app->buffer, 3, {0x07, 0x00, 0x88}); // Wednesday 7:00 Am On, twice
    WriteStep(app->buffer, 1, {0x07, 0x00, 0x88});
    WriteStep(app->buffer, 2, {0x85, 0x00, 0x08}); // Wednesday 5:00 Pm Off
    MainWindow& window = app->start();
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    WeekChartWindow* chartWindow = window.weekChartWindow();
    WeekChartView* chart = chartWindow->chartView();
    chartWindow->activateWindow();
    QTRY_VERIFY(chartWindow->isActiveWindow());

    // What a screen reader reads: named parts, each day in words, each switch a button.
    const auto* checks = chartWindow->findChild<QListWidget*>("checksList");
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QListWidget*>(checks))
                 ->text(QAccessible::Name),
             QStringLiteral("Program checks"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Week chart"));
    QCOMPARE(face->childCount(), 7);
    const int wednesday = int(std::find(chart->rowDays().begin(), chart->rowDays().end(), 3) -
                              chart->rowDays().begin());
    QAccessibleInterface* day = face->child(wednesday);
    QCOMPARE(day->text(QAccessible::Name), QStringLiteral("Wednesday: On 07:00 to 17:00"));
    QCOMPARE(face->child((wednesday + 1) % 7)->text(QAccessible::Name),
             QStringLiteral("Thursday: Off all day"));
    QCOMPARE(day->childCount(), 3);
    QCOMPARE(day->child(1)->text(QAccessible::Name),
             QStringLiteral("Step 03 switches On at 07:00 Am on Wednesday, the same minute as "
                            "step 01"));
    QVERIFY(day->child(1)->state().focusable);
    QVERIFY(day->child(1)->actionInterface());

    // The arrow keys go from switch to switch, the focused one for a screen reader; Enter
    // chooses the step in the main window, which comes to the front.
    chart->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(chart->hasFocus());
    QTest::keyClick(chart, Qt::Key_Home);
    QTest::keyClick(chart, Qt::Key_Right);
    QTest::keyClick(chart, Qt::Key_Right);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Step 02 switches Off at 05:00 Pm on Wednesday"));
    QVERIFY(day->child(2)->state().focused);
    QCOMPARE(face->focusChild(), day->child(2));
    QTest::keyClick(chart, Qt::Key_Return);
    QCOMPARE(window.editState().currentStep, 2);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 2);
    QTRY_VERIFY(window.isActiveWindow());
    QVERIFY(app->find<QListWidget>("stepList")->hasFocus());
    // A screen reader presses a switch's button.
    day->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(window.editState().currentStep, 1);

    // Escape and Ctrl+W close the chart.
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        window.activateWindow(); // as the desktop does when the chart closes
        QTRY_VERIFY(window.isActiveWindow());
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
        QTRY_VERIFY(chartWindow->isActiveWindow());
        QTest::keyClick(chartWindow, key.key(), key.keyboardModifiers());
        QVERIFY(chartWindow->isHidden());
    }
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
