#pragma once

#include <QByteArray>
#include <QList>

namespace norvane::sim {

/// A file the printer holds, under the name it was downloaded with.
struct StoredFile
{
    QByteArray name;
    QByteArray bytes;
};

/// One of the printer's memories: its physical size and the room left, in KB as the printer reports them,
/// and its files in the order they were stored. A memory of physical size 0 is not fitted (no card).
struct Memory
{
    int physicalKb = 0;
    int freeKb = 0;
    QList<StoredFile> files;
};

/// The printer's three memories. Each file takes its size rounded up to whole KB of the free space.
struct MemoryState
{
    Memory dram{8192, 8192, {}};
    Memory flash{32768, 32768, {}};
    Memory card{131072, 131072, {}};
};

} // namespace norvane::sim
