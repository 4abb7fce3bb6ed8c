#include "MemorySizes.h"

#include <QStringList>
#include <optional>

namespace norvane::sim {

namespace {

Memory* byName(const QString& name, MemoryState& memories)
{
    const QString upper = name.toUpper();
    if (upper == u"DRAM")
        return &memories.dram;
    if (upper == u"FLASH")
        return &memories.flash;
    if (upper == u"CARD")
        return &memories.card;
    return nullptr;
}

/// A size the printer can report: its reports are signed 32-bit numbers.
std::optional<int> kilobytes(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || text.startsWith(u'+'))
        return std::nullopt;
    return value;
}

} // namespace

bool SetMemorySizes(const QString& text, MemoryState& memories, QString& error)
{
    MemoryState sized = memories;
    for (const QString& entry : text.split(u',')) {
        const QString name = entry.section(u'=', 0, 0);
        Memory* memory = byName(name, sized);
        if (memory == nullptr || !entry.contains(u'=')) {
            error = QStringLiteral("\"%1\" names no memory: DRAM, FLASH or CARD, then = and the size").arg(entry);
            return false;
        }
        const QString sizes = entry.section(u'=', 1);
        const auto physical = kilobytes(sizes.section(u'/', 0, 0));
        const auto free = sizes.contains(u'/') ? kilobytes(sizes.section(u'/', 1)) : physical;
        if (!physical || !free) {
            error = QStringLiteral("\"%1\" is no size in KB: PHYSICAL or PHYSICAL/FREE").arg(sizes);
            return false;
        }
        if (*free > *physical) {
            error = QStringLiteral("%1 has more free space than physical space").arg(name);
            return false;
        }
        memory->physicalKb = *physical;
        memory->freeKb = *free;
    }
    memories = sized;
    return true;
}

} // namespace norvane::sim
