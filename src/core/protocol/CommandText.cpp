#include "protocol/CommandText.h"

#include "protocol/CommandFormat.h"

namespace norvane {

CommandText& CommandText::operator+=(const CommandText& other)
{
    for (const SecretSpan& secret : other.m_secrets)
        m_secrets.append({secret.offset + m_bytes.size(), secret.length});
    m_bytes += other.m_bytes;
    return *this;
}

CommandText CommandText::secret(QByteArray bytes)
{
    CommandText text(std::move(bytes));
    if (!text.m_bytes.isEmpty())
        text.m_secrets.append({0, text.m_bytes.size()});
    return text;
}

CommandText SecretQuoted(QByteArrayView text, QByteArrayView field)
{
    const QByteArray quoted = Quoted(text, field);
    return CommandText("\"") + CommandText::secret(quoted.sliced(1, quoted.size() - 2)) + CommandText("\"");
}

} // namespace norvane
