#include "model/undohistory.h"

#include <algorithm>

ProgramImage ImageOf(const SetsBuffer& buffer)
{
    ProgramImage image;
    std::copy_n(buffer.bytes.begin(), ProgramImageSize, image.begin());
    return image;
}

void PutImage(SetsBuffer& buffer, const ProgramImage& image)
{
    std::copy(image.begin(), image.end(), buffer.bytes.begin());
}

UndoHistory::UndoHistory(ProgramSnapshot start, std::size_t depth)
    : depth(std::max<std::size_t>(depth, 1))
{
    entries.push_back({std::move(start), nextId++});
    clean = entries.front().id;
}

bool UndoHistory::record(ProgramSnapshot snapshot)
{
    if (snapshot.image == current().image)
        return false;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(position) + 1, entries.end());
    entries.push_back({std::move(snapshot), nextId++});
    if (entries.size() > depth + 1)
        entries.pop_front();
    position = entries.size() - 1;
    return true;
}

const ProgramSnapshot& UndoHistory::undo()
{
    if (canUndo())
        --position;
    return current();
}

const ProgramSnapshot& UndoHistory::redo()
{
    if (canRedo())
        ++position;
    return current();
}

void UndoHistory::amendCurrent(const ProgramImage& image)
{
    entries[position].snapshot.image = image;
}

void UndoHistory::markClean()
{
    clean = entries[position].id;
}

std::size_t UndoHistory::memoryBytes() const
{
    std::size_t bytes = sizeof(*this) + entries.size() * sizeof(Entry);
    for (const Entry& entry : entries)
        bytes += entry.snapshot.rewrites.capacity() * sizeof(DayByteRewrite);
    return bytes;
}
