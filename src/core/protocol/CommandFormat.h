#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <stdexcept>

namespace norvane {

/// A text or number that the command it was meant for cannot carry. Command builders throw it before anything
/// is sent; the dispatcher turns it into result 5 and callers that want to name the field ask first.
class UnsendableValue : public std::runtime_error
{
public:
    explicit UnsendableValue(QByteArrayView field);
    /// The record field's name, such as "wifiSsid".
    const QByteArray& field() const { return m_field; }

private:
    QByteArray m_field;
};

/// printf's "%.Nf", rounded the same way, with a point whatever the locale. A NaN or an infinity is refused.
QByteArray FixedPoint(double value, int decimals, QByteArrayView field);

/// printf's "%0Nd": the sign first, then zeros up to `width` characters in all.
QByteArray ZeroPadded(std::int32_t value, int width);

/// Whether `text` fits between the printer's quotes: they have no escape, so a double quote would end the
/// text early and a control character such as a line break would start a command of its own.
bool QuotableText(QByteArrayView text);

/// `text` between double quotes, as the printer's string parameters are written: every text that goes into a
/// command passes here. Refuses what `QuotableText` refuses.
QByteArray Quoted(QByteArrayView text, QByteArrayView field);

/// A one-character parameter written bare (the "Z" prefixes and delimiter): any byte but a line break, which
/// would end the command there.
QByteArray BareCharacter(char character, QByteArrayView field);

} // namespace norvane
