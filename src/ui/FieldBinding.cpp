#include "FieldBinding.h"

#include "ItemText.h"

#include <QComboBox>
#include <QLineEdit>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace norvane::ui {

namespace {

QString decimalText(float value, const QLocale& locale)
{
    // The float's own shortest digits, so 1.2f shows as 1.2 and not as the double it widens to.
    char digits[32];
    const auto printed = std::to_chars(std::begin(digits), std::end(digits), value);
    double shortest = value;
    std::from_chars(std::begin(digits), printed.ptr, shortest);
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(shortest, 'f', QLocale::FloatingPointShortest);
}

std::optional<std::int32_t> integerValue(const QString& text, QString& error)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        error = InvalidIntegerMessage(text);
    return ok ? std::optional(value) : std::nullopt;
}

/// A decimal number that the record's float can hold; the message names the text as the user typed it.
std::optional<float> floatValue(const QString& typed, const QString& text, const QLocale& locale, QString& error)
{
    const auto value = ParseDecimal(text, locale);
    if (!value || std::abs(*value) > std::numeric_limits<float>::max()) {
        error = InvalidFloatMessage(typed);
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

/// The take of every text field: empty clears the flag, anything else must convert.
template <typename Value, typename Convert>
bool takeText(const QLineEdit& edit, ConfigItem<Value>& item, Convert convert)
{
    if (edit.text().isEmpty()) {
        item.valid = 0;
        return true;
    }
    const std::optional<Value> value = convert(edit.text());
    if (!value)
        return false;
    item.set(*value);
    return true;
}

template <typename Value, typename Format>
std::function<void(const PrinterConfig&, const PageUnits&)>
showItem(QLineEdit& edit, ConfigItem<Value> PrinterConfig::*item, Format format)
{
    return [&edit, item, format, typedLimit = edit.maxLength()](const PrinterConfig& record, const PageUnits& units) {
        const ConfigItem<Value>& value = record.*item;
        // Whole, so a speed of 1.5 is not cut to "1." and then sent as 1.
        ShowWhole(edit, typedLimit, value.isSet() ? format(value.value, record, units) : QString());
    };
}

} // namespace

FieldBinding IntegerField(QLineEdit& edit, IntItem item)
{
    return {showItem(edit, item,
                     [](std::int32_t value, const PrinterConfig&, const PageUnits&) { return QString::number(value); }),
            [&edit, item](PrinterConfig& record, const PageUnits&, QString& error) {
                return takeText(edit, record.*item, [&](const QString& text) { return integerValue(text, error); });
            }};
}

FieldBinding BaseField(QLineEdit& edit, IntItem item)
{
    FieldBinding field = IntegerField(edit, item);
    field.show = [&edit, item](const PrinterConfig& record, const PageUnits&) {
        const PrinterConfig::Int& value = record.*item;
        const bool shown = value.isSet() && value.value != 0;
        edit.setVisible(shown);
        edit.setText(shown ? QString::number(value.value) : QString());
    };
    return field;
}

FieldBinding DecimalField(QLineEdit& edit, FloatItem item)
{
    return {showItem(edit, item,
                     [](float value, const PrinterConfig&, const PageUnits& units) {
                         return decimalText(value, units.locale);
                     }),
            [&edit, item](PrinterConfig& record, const PageUnits& units, QString& error) {
                return takeText(edit, record.*item,
                                [&](const QString& text) { return floatValue(text, text, units.locale, error); });
            }};
}

FieldBinding SpeedField(QLineEdit& edit, FloatItem item)
{
    FieldBinding field = DecimalField(edit, item);
    field.take = [&edit, item](PrinterConfig& record, const PageUnits&, QString& error) {
        return takeText(edit, record.*item, [&](const QString& text) {
            // With the comma made a point the text reads the same in every locale.
            QString pointed = text;
            if (const qsizetype comma = pointed.indexOf(QLatin1Char(',')); comma >= 0)
                pointed[comma] = QLatin1Char('.');
            return floatValue(text, pointed, QLocale::c(), error);
        });
    };
    return field;
}

FieldBinding LengthField(QLineEdit& edit, FloatItem item)
{
    return {showItem(edit, item,
                     [](float dots, const PrinterConfig& record, const PageUnits& units) {
                         return DotsToLengthText(dots, DotsPerUnit(record, units.unit), units.locale);
                     }),
            [&edit, item](PrinterConfig& record, const PageUnits& units, QString& error) {
                const double dotsPerUnit = DotsPerUnit(record, units.unit);
                return takeText(edit, record.*item, [&](const QString& text) {
                    return LengthTextToDots(text, dotsPerUnit, units.locale, error);
                });
            }};
}

FieldBinding WholeLengthField(QLineEdit& edit, IntItem item)
{
    return {showItem(edit, item,
                     [](std::int32_t dots, const PrinterConfig& record, const PageUnits& units) {
                         return DotsToLengthText(dots, DotsPerUnit(record, units.unit), units.locale);
                     }),
            [&edit, item](PrinterConfig& record, const PageUnits& units, QString& error) {
                const double dotsPerUnit = DotsPerUnit(record, units.unit);
                return takeText(edit, record.*item, [&](const QString& text) {
                    return LengthTextToWholeDots(text, dotsPerUnit, units.locale, error);
                });
            }};
}

FieldBinding CharacterField(QLineEdit& edit, CharItem item)
{
    return {
        showItem(edit, item,
                 [](char value, const PrinterConfig&, const PageUnits&) { return QString(QChar::fromLatin1(value)); }),
        [&edit, item](PrinterConfig& record, const PageUnits&, QString&) {
            return takeText(edit, record.*item,
                            [](const QString& text) { return std::optional(text.front().toLatin1()); });
        }};
}

FieldBinding ListField(QComboBox& list, IntItem item, ListMapping mapping)
{
    const int shift = mapping == ListMapping::Shifted ? 1 : 0;
    return {[&list, item, shift](const PrinterConfig& record, const PageUnits&) {
                const PrinterConfig::Int& value = record.*item;
                // A value without an item of its own selects nothing, as an unknown value does; the empty
                // item stands for "not set" only.
                const qint64 index = qint64(value.value) + shift;
                list.setCurrentIndex(value.isSet() && index >= 1 && index < list.count() ? int(index) : -1);
            },
            [&list, item, shift](PrinterConfig& record, const PageUnits&, QString&) {
                PrinterConfig::Int& value = record.*item;
                if (list.currentIndex() > 0)
                    value.set(list.currentIndex() - shift);
                else
                    value.valid = 0;
                return true;
            }};
}

} // namespace norvane::ui
