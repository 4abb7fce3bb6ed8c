#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace norvane {

/// A fixed-width zero-terminated text of the record. All N bytes are kept, so a record from a file goes
/// back out unchanged; the text itself ends at the first zero and holds at most N − 1 bytes.
template <std::size_t N> struct TextField
{
    static_assert(N >= 1, "a text field holds at least its terminator");

    std::array<char, N> bytes{};

    /// A field without a terminator (a foreign file) still gives at most N − 1 bytes: the printer's
    /// commands take no longer text.
    QByteArray text() const
    {
        const auto last = bytes.begin() + (N - 1);
        const auto end = std::find(bytes.begin(), last, '\0');
        return QByteArray(bytes.data(), static_cast<qsizetype>(end - bytes.begin()));
    }

    /// Cuts the text to N − 1 bytes and zero-fills the rest of the field.
    void setText(QByteArrayView text)
    {
        bytes.fill('\0');
        const auto length = std::min(static_cast<std::size_t>(text.size()), N - 1);
        std::copy_n(text.data(), length, bytes.data());
    }

    bool operator==(const TextField&) const = default;
};

/// A setting with its valid flag: 1 when the value is known and is to be written back, 0 when it is
/// unknown, unsupported or left empty. Any non-zero flag counts as set.
template <typename Value> struct ConfigItem
{
    std::uint8_t valid = 0;
    Value value{};

    bool isSet() const { return valid != 0; }

    void set(const Value& newValue)
    {
        valid = 1;
        value = newValue;
    }

    bool operator==(const ConfigItem&) const = default;
};

/// A text setting: `setText` also marks it valid.
template <std::size_t N> struct TextItem : ConfigItem<TextField<N>>
{
    QByteArray text() const { return this->value.text(); }

    void setText(QByteArrayView text)
    {
        this->valid = 1;
        this->value.setText(text);
    }

    bool operator==(const TextItem&) const = default;
};

/// Bytes of the layout that no field uses; kept so a record survives a file round trip unchanged.
template <std::size_t N> using ReservedBytes = std::array<std::uint8_t, N>;

} // namespace norvane
