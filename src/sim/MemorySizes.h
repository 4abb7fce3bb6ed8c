#pragma once

#include "MemoryState.h"

#include <QString>

namespace norvane::sim {

/// Sets the sizes of the memories named in `text`, for example "DRAM=8192/6000,FLASH=4096,CARD=0": each
/// memory (DRAM, FLASH, CARD, in either case) with its physical size in KB and, after a slash, its free
/// space, which is the physical size when left out. False with a reason in `error` when the text is not of
/// that form or a free space exceeds its physical size; the memories are then left as they were.
bool SetMemorySizes(const QString& text, MemoryState& memories, QString& error);

} // namespace norvane::sim
