#pragma once

#include "CommandFamily.h"

#include <QHash>
#include <memory>
#include <vector>

namespace norvane::sim {

/// Finds the family that owns a command by the command's key. A line's key is its longest run of leading
/// words that a family owns, else its first byte (the lead-in of an emulation's framed command); an escape
/// sequence's key is ESC and its bytes.
class CommandRouter
{
public:
    /// Takes a family and its keys; a key another family already owns is a programming error and throws
    /// std::logic_error.
    void add(std::unique_ptr<CommandFamily> family);

    /// The family that owns the command's key, or nullptr when none does.
    CommandFamily* familyFor(const Command& command) const;

    const std::vector<std::unique_ptr<CommandFamily>>& families() const { return m_families; }

private:
    CommandFamily* owner(QByteArrayView key) const;

    std::vector<std::unique_ptr<CommandFamily>> m_families;
    QHash<QByteArray, CommandFamily*> m_owners;
    qsizetype m_mostKeyWords = 1;
};

} // namespace norvane::sim
