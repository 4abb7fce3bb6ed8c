#pragma once

#include "link/TraceText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <span>

namespace norvane {

/// A command on its way to the printer that knows which of its bytes are secret, so a trace can leave them
/// out. Built like a QByteArray, by joining parts; the secret parts come from `SecretQuoted` and `SecretBytes`.
class CommandText
{
public:
    CommandText() = default;
    CommandText(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    CommandText(const char* bytes) : m_bytes(bytes) {}

    const QByteArray& bytes() const { return m_bytes; }
    std::span<const SecretSpan> secrets() const
    {
        return {m_secrets.constData(), static_cast<std::size_t>(m_secrets.size())};
    }

    CommandText& operator+=(const CommandText& other);
    friend CommandText operator+(CommandText left, const CommandText& right) { return left += right; }
    friend bool operator==(const CommandText& left, const CommandText& right) = default;

    /// All of `bytes` secret.
    static CommandText secret(QByteArray bytes);

private:
    QByteArray m_bytes;
    QList<SecretSpan> m_secrets;
};

/// `Quoted(text, field)` with the text between the quotes secret: passwords and keys.
CommandText SecretQuoted(QByteArrayView text, QByteArrayView field);

} // namespace norvane
