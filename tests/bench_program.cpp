#include "files/recoveryfile.h"
#include "model/programeditor.h"
#include "model/programoverview.h"
#include "model/undohistory.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <malloc.h>

namespace {

// A full 30-step program: every step set, on different day codes, times and states, and three
// skip plans, one of them faulty, so that every check has work to do.
SetsBuffer FullProgram()
{
    SetsBuffer buffer;
    buffer[FlagsByte] = LayoutBit;
    for (int step = 0; step < ThirtyStepLayout.stepCount; ++step) {
        const Byte day = DayCodeTable[std::size_t(step % 10)].mask;
        WriteStep(buffer, step,
                  {Byte(BinaryToBcd(step % 12 + 1) | (step % 3 ? PmBit : 0)),
                   BinaryToBcd(step * 7 % 60), Byte(day | (step % 2 ? StepRelayBit : 0))});
    }
    const Byte annuals[3][6] = {{0x03, 0x15, 0x13, 0x04, 0x01, 0x13},
                                {0x12, 0x24, 0x13, 0x01, 0x02, 0x14},
                                {0x02, 0x30, 0x13, 0x01, 0x01, 0x13}};
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < AnnualRecordSize; ++k)
            buffer[AnnualOffset(ThirtyStepLayout, j) + k] = annuals[j][k];
    }
    return buffer;
}

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

class BenchProgram : public QObject {
    Q_OBJECT

private slots:
    void chartAndChecksAfterAnEdit();
    void undoHistoryAfterAThousandEdits();
    void keepingTheUnsavedProgram();
    void cleanupTestCase();

private:
    double nanoseconds = 0;
    long recomputes = 0;
};

// What the week chart window recomputes after each edit: the chart, the checks, the step lines
// for the switches and the summary.
void BenchProgram::chartAndChecksAfterAnEdit()
{
    const SetsBuffer buffer = FullProgram();
    const BufferLayout layout = LayoutOf(buffer);
    long runs = 0;
    std::size_t findings = 0;
    const auto start = std::chrono::steady_clock::now();
    QBENCHMARK
    {
        const ProgramOverview overview = OverviewOf(buffer, layout, {});
        findings = overview.findings.size();
        ++runs;
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    QVERIFY(findings > 0);
    nanoseconds += elapsed.count();
    recomputes += runs;
}

void BenchProgram::undoHistoryAfterAThousandEdits()
{
    constexpr int Edits = 1000;
    const std::size_t heapBefore = HeapInUse();
    SetsBuffer buffer;
    ProgramEditor editor(buffer);
    editor.reloadAll();
    auto history = std::make_unique<UndoHistory>(ProgramSnapshot{ImageOf(buffer), 0, 0, {}});
    int recorded = 0;
    for (int edit = 0; edit < Edits; ++edit) {
        editor.chooseStep(edit % 16);
        switch (edit % 4) {
        case 0:
            editor.setHour(edit % 12 + 1);
            break;
        case 1:
            editor.setMinute(edit % 60);
            break;
        case 2:
            editor.chooseAnnual(edit % 10);
            editor.setAnnualField(AnnualField(edit % AnnualFieldCount), edit % 13);
            break;
        default:
            editor.setPulse(edit % 100);
            break;
        }
        editor.stepLines();
        editor.stepControls();
        recorded +=
            history->record(
                {ImageOf(buffer), editor.state().currentStep, editor.state().currentAnnual, {}})
                ? 1
                : 0;
    }
    const std::size_t heapGrowth = HeapInUse() - heapBefore;
    qInfo("undo history after %d edits (%d changed the program, %zu kept): %zu bytes counted, "
          "%zu bytes of heap in use (%.0f bytes a change)",
          Edits, recorded, history->changeCount(), history->memoryBytes(), heapGrowth,
          double(heapGrowth) / double(history->changeCount()));
    QVERIFY(history->changeCount() > 0);
}

// After every change the unsaved program is written whole, flushed, and put in place of the
// last one: the file system's cost, added to each change.
void BenchProgram::keepingTheUnsavedProgram()
{
    QTemporaryDir folder;
    const std::string stateFolder = folder.filePath(QStringLiteral("halvex")).toStdString();
    ProgramImage image = ImageOf(FullProgram());
    RecoveryKeeper keeper(stateFolder);
    QBENCHMARK
    {
        ++image[PulseByte];
        QCOMPARE(keeper.keepUnsaved(image), FileResult::Done);
    }
}

void BenchProgram::cleanupTestCase()
{
    qInfo("%.2f us to recompute the chart, checks and summary of 30 steps (%ld recomputes)",
          nanoseconds / 1000.0 / double(recomputes), recomputes);
}

QTEST_APPLESS_MAIN(BenchProgram)
#include "bench_program.moc"
