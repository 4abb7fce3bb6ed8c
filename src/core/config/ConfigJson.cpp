#include "config/ConfigJson.h"

#include "config/ConfigFaults.h"
#include "config/ConfigFields.h"
#include "config/JsonEncoding.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QSet>
#include <charconv>
#include <cmath>
#include <limits>

namespace norvane {

namespace {

/// The double that prints as the float's shortest exact decimal form, so 11.8f shows as 11.8.
double shortestDouble(float value)
{
    char text[32];
    const auto printed = std::to_chars(std::begin(text), std::end(text), value);
    double result = value;
    std::from_chars(std::begin(text), printed.ptr, result);
    return result;
}

QJsonValue toJson(std::int32_t value)
{
    return value;
}

QJsonValue toJson(std::uint8_t value)
{
    return value;
}

QJsonValue toJson(float value)
{
    return shortestDouble(value);
}

QJsonValue toJson(char value)
{
    return QString(QChar::fromLatin1(value));
}

template <std::size_t N> QJsonValue toJson(const TextField<N>& text)
{
    return QString::fromLatin1(text.text());
}

template <typename Value> QJsonValue toJson(const ConfigItem<Value>& item)
{
    return QJsonObject{{QStringLiteral("valid"), item.isSet()}, {QStringLiteral("value"), toJson(item.value)}};
}

class JsonWriter
{
public:
    explicit JsonWriter(QJsonObject& object) : m_object(object) {}

    template <typename Field> void operator()(const char* name, qsizetype, const Field& field)
    {
        m_object.insert(QLatin1String(name), toJson(field));
    }

    template <std::size_t N> void operator()(const char*, qsizetype, const ReservedBytes<N>&) {}

private:
    QJsonObject& m_object;
};

/// Reads the fields present in the object; the first problem ends the reading with its message.
class JsonReader
{
public:
    explicit JsonReader(const QJsonObject& object) : m_object(object) {}

    template <typename Field> void operator()(const char* name, qsizetype, Field& field)
    {
        const QString key = QLatin1String(name);
        m_known.insert(key);
        const auto found = m_object.constFind(key);
        if (m_error.isEmpty() && found != m_object.constEnd())
            read(key, *found, field);
    }

    template <std::size_t N> void operator()(const char*, qsizetype, ReservedBytes<N>&) {}

    /// The first problem, including a field the record does not have.
    QString error() const
    {
        if (!m_error.isEmpty())
            return m_error;
        for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it) {
            if (!m_known.contains(it.key()))
                return QStringLiteral("unknown field '%1'").arg(it.key());
        }
        return {};
    }

private:
    void fail(const QString& path, const char* problem)
    {
        m_error = QStringLiteral("field '%1' %2").arg(path, QLatin1String(problem));
    }

    std::optional<double> wholeNumber(const QString& path, const QJsonValue& value, double low, double high,
                                      const char* problem)
    {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || number != std::trunc(number) || number < low || number > high) {
            fail(path, problem);
            return std::nullopt;
        }
        return number;
    }

    void read(const QString& path, const QJsonValue& value, std::int32_t& field)
    {
        if (const auto number = wholeNumber(path, value, std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max(),
                                            "must be a whole number from -2147483648 to 2147483647"))
            field = static_cast<std::int32_t>(*number);
    }

    void read(const QString& path, const QJsonValue& value, std::uint8_t& field)
    {
        if (const auto number = wholeNumber(path, value, 0, 255, "must be a whole number from 0 to 255"))
            field = static_cast<std::uint8_t>(*number);
    }

    void read(const QString& path, const QJsonValue& value, float& field)
    {
        const double number = value.toDouble();
        if (!value.isDouble() || std::abs(number) > std::numeric_limits<float>::max()) {
            fail(path, "must be a number within the range of a 32-bit float");
            return;
        }
        field = static_cast<float>(number);
    }

    void read(const QString& path, const QJsonValue& value, char& field)
    {
        const QString text = value.toString();
        if (!value.isString() || text.size() != 1 || text[0].unicode() > 0xFF) {
            fail(path, "must be a text of one Latin-1 character");
            return;
        }
        field = static_cast<char>(text[0].unicode());
    }

    template <std::size_t N> void read(const QString& path, const QJsonValue& value, TextField<N>& field)
    {
        const QString text = value.toString();
        if (!value.isString() || std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
            fail(path, "must be a text of Latin-1 characters");
            return;
        }
        field.setText(text.toLatin1());
    }

    template <typename Value> void read(const QString& path, const QJsonValue& value, ConfigItem<Value>& item)
    {
        const QJsonObject object = value.toObject();
        if (!value.isObject()) {
            fail(path, "must be an object with \"valid\" and \"value\"");
            return;
        }
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            if (it.key() == QLatin1String("valid")) {
                if (it->isBool())
                    item.valid = it->toBool() ? 1 : 0;
                else
                    fail(path + QLatin1String(".valid"), "must be true or false");
            } else if (it.key() == QLatin1String("value")) {
                read(path + QLatin1String(".value"), *it, item.value);
            } else {
                m_error = QStringLiteral("unknown field '%1.%2'").arg(path, it.key());
            }
            if (!m_error.isEmpty())
                return;
        }
    }

    const QJsonObject& m_object;
    QSet<QString> m_known;
    QString m_error;
};

} // namespace

QJsonObject ConfigToJson(const PrinterConfig& config)
{
    QJsonObject object;
    ForEachConfigField(config, JsonWriter(object));
    return object;
}

std::optional<PrinterConfig> ConfigFromJson(const QJsonObject& object, QString& error)
{
    PrinterConfig config;
    JsonReader reader(object);
    ForEachConfigField(config, reader);
    error = reader.error();
    if (!error.isEmpty())
        return std::nullopt;
    if (const auto fault = FindConfigFault(config)) {
        error = QStringLiteral("field '%1' %2").arg(fault->field, fault->problem);
        return std::nullopt;
    }
    return config;
}

QByteArray ConfigToJsonText(const PrinterConfig& config)
{
    return QJsonDocument(ConfigToJson(config)).toJson(QJsonDocument::Indented);
}

std::optional<PrinterConfig> ConfigFromJsonText(const QByteArray& text, QString& error)
{
    if (const auto problem = JsonEncodingProblem(text)) {
        error = *problem;
        return std::nullopt;
    }
    // Offsets count from the start of the file, byte order mark included.
    const QByteArrayView body = WithoutUtf8Bom(text);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("malformed JSON at offset %1: %2")
                    .arg(parseError.offset + text.size() - body.size())
                    .arg(parseError.errorString());
        return std::nullopt;
    }
    if (document.isArray()) {
        error = QStringLiteral("the file holds a JSON array, not a configuration object");
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QStringLiteral("the JSON text is not an object of configuration fields");
        return std::nullopt;
    }
    return ConfigFromJson(document.object(), error);
}

} // namespace norvane
