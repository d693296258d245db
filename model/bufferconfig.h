#pragma once

#include "model/setsbuffer.h"

// Which tables the Erase window was asked to clear.
struct EraseChoice {
    bool steps = false;
    bool annuals = false;
};

// Zeroes the chosen tables of the layout in force, and nothing else: the header, bytes
// 122..199, the settings block and the bytes outside the current tables stay as they are.
void EraseTables(SetsBuffer& buffer, const BufferLayout& layout, EraseChoice choice);

// Item 0 = 16 steps and 10 annuals, item 1 = 30 steps and 3 annuals. No data moves: the same
// bytes are read under the other layout afterwards.
void SetLayoutItem(SetsBuffer& buffer, int item);
int LayoutItem(const SetsBuffer& buffer);
