#include "ui/programchanges.h"

#include "model/programeditor.h"

#include <QAction>
#include <QFile>
#include <QWidget>

#include <algorithm>

namespace {

// The notes still standing, with the new ones of this change in place of any for the same step.
std::vector<DayByteRewrite> Merge(std::vector<DayByteRewrite> standing,
                                  const std::vector<DayByteRewrite>& added)
{
    for (const DayByteRewrite& rewrite : added) {
        std::erase_if(standing, [&](const DayByteRewrite& r) { return r.step == rewrite.step; });
        standing.push_back(rewrite);
    }
    std::sort(standing.begin(), standing.end(),
              [](const DayByteRewrite& a, const DayByteRewrite& b) { return a.step < b.step; });
    return standing;
}

} // namespace

ProgramChanges::ProgramChanges(SetsBuffer& buffer, ProgramEditor& editor, QWidget& window,
                               const std::string& stateFolder,
                               std::function<void(const MainView&)> showView)
    : buffer(buffer)
    , editor(editor)
    , window(window)
    , showView(std::move(showView))
    , recovery(stateFolder)
    , kept(FindKeptPrograms(stateFolder))
{
}

void ProgramChanges::start()
{
    history.emplace(ProgramSnapshot{
        ImageOf(buffer), editor.state().currentStep, editor.state().currentAnnual, {}});
    window.setWindowModified(false);
    emit historyChanged();
}

void ProgramChanges::change(const Step& write, const Step& show)
{
    if (apply(write, show, false))
        settle();
}

void ProgramChanges::replaced(const Step& show)
{
    apply([] {}, show, true);
    history->markClean();
    settle();
}

void ProgramChanges::saved()
{
    history->markClean();
    settle();
}

void ProgramChanges::stamped()
{
    history->amendCurrent(ImageOf(buffer));
    settle();
}

void ProgramChanges::undo()
{
    if (canUndo())
        restore(history->undo());
}

void ProgramChanges::redo()
{
    if (canRedo())
        restore(history->redo());
}

void ProgramChanges::lookForKeptPrograms()
{
    kept = FindKeptPrograms(recovery.folder());
    emit historyChanged();
}

void ProgramChanges::recover(const KeptProgram& program)
{
    const std::optional<ProgramImage> image = recovery.take(program);
    kept = FindKeptPrograms(recovery.folder());
    if (!image) {
        emit historyChanged();
        return;
    }
    apply([&] { PutImage(buffer, *image); }, [this] { showView(editor.reloadAll()); }, true);
    settle();
}

void ProgramChanges::offerThrough(QAction& undo, QAction& redo, QAction& recover)
{
    const auto offer = [this, &undo, &redo, &recover] {
        undo.setEnabled(canUndo());
        redo.setEnabled(canRedo());
        recover.setEnabled(canRecover());
    };
    connect(this, &ProgramChanges::historyChanged, &undo, offer);
    offer();
}

const std::vector<DayByteRewrite>& ProgramChanges::rewrites() const
{
    static const std::vector<DayByteRewrite> none;
    return history ? history->current().rewrites : none;
}

bool ProgramChanges::apply(const Step& write, const Step& show, bool replacing)
{
    write();
    const SetsBuffer written = buffer;
    show();
    const BufferLayout& layout = editor.layout();
    const std::vector<DayByteRewrite> standing =
        replacing ? std::vector<DayByteRewrite>{}
                  : RewritesStillShown(history->current().rewrites, buffer, layout);
    ProgramSnapshot snapshot{ImageOf(buffer), editor.state().currentStep,
                             editor.state().currentAnnual,
                             Merge(standing, DayBytesRewritten(written, buffer, layout))};
    return history->record(std::move(snapshot));
}

// Showing the snapshot with its own current step and annual writes nothing: it was taken as
// shown.
void ProgramChanges::restore(const ProgramSnapshot& snapshot)
{
    PutImage(buffer, snapshot.image);
    showView(editor.showAt(snapshot.currentStep, snapshot.currentAnnual));
    settle();
}

// After every change: the modified mark, the file kept for the next run, and the news.
void ProgramChanges::settle()
{
    const bool modified = history->modified();
    window.setWindowModified(modified);
    const FileResult result =
        modified ? recovery.keepUnsaved(ImageOf(buffer)) : recovery.nothingUnsaved();
    // Keeping is a safety net: a state folder that cannot be written must not stop the editing,
    // so it is said once, on the terminal, and the work goes on.
    if (result != FileResult::Done && !keepingFailed && !recovery.folder().empty()) {
        keepingFailed = true;
        qWarning("halvex: %s",
                 qUtf8Printable(tr("the unsaved program cannot be kept in %1")
                                    .arg(QFile::decodeName(recovery.folder().c_str()))));
    }
    emit programChanged();
    emit historyChanged();
}
