#pragma once

#include "files/recoveryfile.h"
#include "model/mainview.h"
#include "model/programchecks.h"
#include "model/undohistory.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class ProgramEditor;
class QAction;
class QWidget;

// Every change of the program passes through here and becomes one undo step, together with the
// day bytes that showing it rewrote. Here too are the window's modified mark ("[*]" in its
// title) and the unsaved program kept in the user's state folder, this window's own file, for
// a later run; and the kept programs other windows left, offered for recovery.
class ProgramChanges : public QObject {
    Q_OBJECT

public:
    using Step = std::function<void()>;

    // showView puts a whole view of the program into the window, as undo, redo and recovery
    // show it. An empty stateFolder keeps nothing between runs.
    ProgramChanges(SetsBuffer& buffer, ProgramEditor& editor, QWidget& window,
                   const std::string& stateFolder, std::function<void(const MainView&)> showView);

    // The program as shown at start-up: unmodified, nothing to undo.
    void start();

    // One change by the user: write puts it into the buffer, show shows the program again. What
    // showing rewrites belongs to the change, also where write only chose what to show (a
    // cleared step); when no byte changed, nothing is recorded.
    void change(const Step& write, const Step& show);
    // Load and import have written the buffer; show shows it. The program is then what a file
    // holds: unmodified, yet the load can be undone like any change.
    void replaced(const Step& show);
    void saved();
    // Sending stamped the date and time into the program: no change of its own.
    void stamped();

    bool canUndo() const { return history && history->canUndo(); }
    bool canRedo() const { return history && history->canRedo(); }
    void undo();
    void redo();

    // What windows that have ended left unsaved, as last looked for: at start and whenever
    // lookForKeptPrograms runs (the File menu opening). A program a running window keeps is
    // never among them.
    bool canRecover() const { return !kept.empty(); }
    const std::vector<KeptProgram>& keptPrograms() const { return kept; }
    void lookForKeptPrograms();
    // Takes one of them: it becomes a change of this window's program, unsaved, that can be
    // undone, and is kept as this window's own. Nothing happens when another window took it in
    // the meantime.
    void recover(const KeptProgram& program);

    // Keeps the three commands enabled while they have something to do.
    void offerThrough(QAction& undo, QAction& redo, QAction& recover);

    // The rewritten day bytes that still stand in the program, for the checks.
    const std::vector<DayByteRewrite>& rewrites() const;

signals:
    void programChanged(); // after every change, undo, redo and recovery
    void historyChanged(); // what can be undone, redone or recovered may differ

private:
    // Writes, shows and records; false when the program's bytes did not change.
    bool apply(const Step& write, const Step& show, bool replacing);
    void restore(const ProgramSnapshot& snapshot);
    void settle();

    SetsBuffer& buffer;
    ProgramEditor& editor;
    QWidget& window;
    std::function<void(const MainView&)> showView;
    std::optional<UndoHistory> history;
    RecoveryKeeper recovery;
    std::vector<KeptProgram> kept;
    bool keepingFailed = false;
};
