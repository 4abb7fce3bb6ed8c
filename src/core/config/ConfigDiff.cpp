#include "config/ConfigDiff.h"

#include "config/ConfigFields.h"

#include <charconv>
#include <vector>

namespace norvane {

namespace {

ShownValue shown(std::int32_t value)
{
    return {QByteArray::number(value), false};
}

ShownValue shown(std::uint8_t value)
{
    return {QByteArray::number(value), false};
}

ShownValue shown(float value)
{
    char text[32];
    const auto printed = std::to_chars(std::begin(text), std::end(text), value);
    return {QByteArray(text, printed.ptr - text), false};
}

ShownValue shown(char value)
{
    return {QByteArray(1, value), true};
}

template <std::size_t N> ShownValue shown(const TextField<N>& text)
{
    return {text.text(), true};
}

template <typename Value> ShownValue shown(const ConfigItem<Value>& item)
{
    ShownValue value = shown(item.value);
    if (!item.isSet())
        value.bytes.reset();
    return value;
}

struct NamedValue
{
    const char* name;
    ShownValue value;
};

class ValueCollector
{
public:
    explicit ValueCollector(std::vector<NamedValue>& values) : m_values(values) {}

    template <typename Field> void operator()(const char* name, qsizetype, const Field& field)
    {
        m_values.push_back({name, shown(field)});
    }

    template <std::size_t N> void operator()(const char*, qsizetype, const ReservedBytes<N>&) {}

private:
    std::vector<NamedValue>& m_values;
};

std::vector<NamedValue> valuesOf(const PrinterConfig& config)
{
    std::vector<NamedValue> values;
    ForEachConfigField(config, ValueCollector(values));
    return values;
}

} // namespace

QList<ConfigDifference> CompareConfigs(const PrinterConfig& first, const PrinterConfig& second)
{
    const std::vector<NamedValue> firstValues = valuesOf(first);
    const std::vector<NamedValue> secondValues = valuesOf(second);
    QList<ConfigDifference> differences;
    for (std::size_t i = 0; i < firstValues.size(); ++i) {
        if (firstValues[i].value != secondValues[i].value)
            differences.append({QLatin1String(firstValues[i].name), firstValues[i].value, secondValues[i].value});
    }
    return differences;
}

} // namespace norvane
