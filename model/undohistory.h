#pragma once

#include "model/programchecks.h"
#include "model/setsbuffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// The program is bytes 0..199; the settings block after it (the COM port) is no part of it and
// is never undone.
constexpr int ProgramImageSize = SettingsBlockOffset;
using ProgramImage = std::array<Byte, ProgramImageSize>;

ProgramImage ImageOf(const SetsBuffer& buffer);
void PutImage(SetsBuffer& buffer, const ProgramImage& image);

// The program after one change, as it was shown: the image with the normalised day bytes that
// showing it wrote, the step and annual that were current, and the day bytes that showing it
// has rewritten (so the checks can still name them). Showing a snapshot again with its own
// current step writes nothing, so undo and redo give back exactly these bytes.
struct ProgramSnapshot {
    ProgramImage image{};
    int currentStep = 0;
    int currentAnnual = 0;
    std::vector<DayByteRewrite> rewrites;
};

// The changes of the program as whole-image snapshots. The history keeps the last `depth`
// changes (DefaultDepth: 1000); an older one can no longer be undone. It also knows which
// snapshot the last save or load left, so it can tell whether the program is modified.
class UndoHistory {
public:
    static constexpr std::size_t DefaultDepth = 1000;

    // The program as it starts, unmodified.
    explicit UndoHistory(ProgramSnapshot start, std::size_t depth = DefaultDepth);

    // One change. It becomes the current snapshot and the undone changes after the current one
    // are dropped. A snapshot whose image equals the current one is no change: nothing is
    // recorded and record() returns false.
    bool record(ProgramSnapshot snapshot);

    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position + 1 < entries.size(); }
    // Each moves one change back or forward and returns the snapshot now current; call them
    // only when canUndo() or canRedo() says so.
    const ProgramSnapshot& undo();
    const ProgramSnapshot& redo();
    const ProgramSnapshot& current() const { return entries[position].snapshot; }

    // Bytes written into the program that are no change of their own (the date and time stamped
    // when sending) go into the current snapshot, so a redo brings them back.
    void amendCurrent(const ProgramImage& image);

    // The current snapshot is what a file holds now (after Save, Load or an import).
    void markClean();
    bool modified() const { return !clean || *clean != entries[position].id; }

    std::size_t changeCount() const { return entries.size() - 1; }
    // What the snapshots take in memory, their own vectors of rewrites included.
    std::size_t memoryBytes() const;

private:
    struct Entry {
        ProgramSnapshot snapshot;
        std::uint64_t id;
    };

    std::deque<Entry> entries;
    std::size_t position = 0;
    std::size_t depth;
    std::uint64_t nextId = 0;
    std::optional<std::uint64_t> clean;
};
