#include "config/ConfigLayout.h"

#include "config/ConfigFields.h"
#include "config/LittleEndian.h"

#include <algorithm>
#include <bit>

namespace norvane {

namespace {

class LayoutWriter
{
public:
    explicit LayoutWriter(QByteArray& bytes) : m_bytes(bytes) {}

    template <typename Field> void operator()(const char*, qsizetype offset, const Field& field) { put(offset, field); }

private:
    void put(qsizetype offset, std::int32_t value)
    {
        PutLittleEndian32(m_bytes, offset, static_cast<std::uint32_t>(value));
    }
    void put(qsizetype offset, float value) { PutLittleEndian32(m_bytes, offset, std::bit_cast<std::uint32_t>(value)); }
    void put(qsizetype offset, std::uint8_t value) { m_bytes[offset] = static_cast<char>(value); }
    void put(qsizetype offset, char value) { m_bytes[offset] = value; }

    template <std::size_t N> void put(qsizetype offset, const TextField<N>& text)
    {
        std::copy(text.bytes.begin(), text.bytes.end(), m_bytes.begin() + offset);
    }

    template <std::size_t N> void put(qsizetype offset, const ReservedBytes<N>& reserved)
    {
        std::transform(reserved.begin(), reserved.end(), m_bytes.begin() + offset,
                       [](std::uint8_t byte) { return static_cast<char>(byte); });
    }

    template <typename Value> void put(qsizetype offset, const ConfigItem<Value>& item)
    {
        put(offset, item.valid);
        put(offset + 1, item.value);
    }

    QByteArray& m_bytes;
};

class LayoutReader
{
public:
    explicit LayoutReader(QByteArrayView bytes) : m_bytes(bytes) {}

    template <typename Field> void operator()(const char*, qsizetype offset, Field& field) { get(offset, field); }

private:
    void get(qsizetype offset, std::int32_t& value)
    {
        value = static_cast<std::int32_t>(GetLittleEndian32(m_bytes, offset));
    }
    void get(qsizetype offset, float& value) { value = std::bit_cast<float>(GetLittleEndian32(m_bytes, offset)); }
    void get(qsizetype offset, std::uint8_t& value) { value = static_cast<std::uint8_t>(m_bytes[offset]); }
    void get(qsizetype offset, char& value) { value = m_bytes[offset]; }

    template <std::size_t N> void get(qsizetype offset, TextField<N>& text)
    {
        std::copy_n(m_bytes.begin() + offset, N, text.bytes.begin());
    }

    template <std::size_t N> void get(qsizetype offset, ReservedBytes<N>& reserved)
    {
        std::transform(m_bytes.begin() + offset, m_bytes.begin() + offset + N, reserved.begin(),
                       [](char byte) { return static_cast<std::uint8_t>(byte); });
    }

    template <typename Value> void get(qsizetype offset, ConfigItem<Value>& item)
    {
        get(offset, item.valid);
        get(offset + 1, item.value);
    }

    QByteArrayView m_bytes;
};

} // namespace

QByteArray ConfigToBytes(const PrinterConfig& config)
{
    QByteArray bytes(kPrinterConfigSize, '\0');
    ForEachConfigField(config, LayoutWriter(bytes));
    return bytes;
}

PrinterConfig ConfigFromBytes(QByteArrayView bytes)
{
    QByteArray image = bytes.first(std::min<qsizetype>(bytes.size(), kPrinterConfigSize)).toByteArray();
    image.resize(kPrinterConfigSize, '\0');
    PrinterConfig config;
    ForEachConfigField(config, LayoutReader(image));
    return config;
}

} // namespace norvane
