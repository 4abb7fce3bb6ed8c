#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace norvane {

/// Bytes of a write that a trace must not show (a password, a key, a certificate's contents).
struct SecretSpan
{
    qsizetype offset = 0;
    qsizetype length = 0;

    friend bool operator==(const SecretSpan&, const SecretSpan&) = default;
};

/// Appends `bytes` as a person reads them: printable ASCII as it is, CR, LF and TAB as \r, \n and \t, a
/// backslash doubled, and every other byte (with "<", so no printer text can pass for a secret marker) as \xHH.
/// The result never holds a line break, so one record stays one line.
void AppendTraceText(QByteArray& out, QByteArrayView bytes);

/// What a trace shows in place of `length` secret bytes: "<secret 8 bytes>".
QByteArray SecretMarker(qsizetype length);

} // namespace norvane
