#include "CommandRouter.h"

#include <algorithm>
#include <stdexcept>

namespace norvane::sim {

namespace {
constexpr char kEscape = 0x1b;
}

void CommandRouter::add(std::unique_ptr<CommandFamily> family)
{
    const QList<QByteArray> keys = family->keys();
    for (const QByteArray& key : keys) {
        if (key.isEmpty())
            throw std::logic_error("a command family claims an empty key");
        if (m_owners.contains(key) || keys.count(key) > 1)
            throw std::logic_error("two command families claim the key \"" + key.toStdString() + '"');
    }
    for (const QByteArray& key : keys) {
        m_owners.insert(key, family.get());
        m_mostKeyWords = std::max(m_mostKeyWords, key.count(' ') + 1);
    }
    m_families.push_back(std::move(family));
}

CommandFamily* CommandRouter::familyFor(const Command& command) const
{
    const QByteArray& text = command.text;
    if (command.kind == Command::Kind::Escape)
        return owner(kEscape + text);
    if (command.kind != Command::Kind::Line || text.isEmpty())
        return nullptr;
    QList<qsizetype> wordEnds;
    for (qsizetype blank = text.indexOf(' '); wordEnds.size() < m_mostKeyWords; blank = text.indexOf(' ', blank + 1)) {
        wordEnds.append(blank < 0 ? text.size() : blank);
        if (blank < 0)
            break;
    }
    for (auto end = wordEnds.crbegin(); end != wordEnds.crend(); ++end) {
        if (CommandFamily* family = owner(QByteArrayView(text).first(*end)))
            return family;
    }
    return owner(QByteArrayView(text).first(1));
}

CommandFamily* CommandRouter::owner(QByteArrayView key) const
{
    return m_owners.value(key.toByteArray(), nullptr);
}

} // namespace norvane::sim
