#pragma once

#include "ConfigTab.h"

#include <functional>

class QComboBox;
class QLineEdit;

namespace norvane::ui {

/// One control of a configuration tab tied to one item of the record, in both directions. An empty
/// control, the empty list item or no selection clears the item's flag and leaves its value.
struct FieldBinding
{
    std::function<void(const PrinterConfig&, const PageUnits&)> show;
    /// False, with the standard conversion message in `error`, when the control's text does not convert.
    std::function<bool(PrinterConfig&, const PageUnits&, QString& error)> take;
};

/// How a list's items stand for values. Item 0 is the empty "not set" item in both: shifted lists have
/// item = value + 1, direct lists item = value.
enum class ListMapping
{
    Shifted,
    Direct,
};

using IntItem = PrinterConfig::Int PrinterConfig::*;
using FloatItem = PrinterConfig::Float PrinterConfig::*;
using CharItem = PrinterConfig::Char PrinterConfig::*;

FieldBinding IntegerField(QLineEdit& edit, IntItem item);
/// A read-only "Base" value: visible only while it is set and not 0.
FieldBinding BaseField(QLineEdit& edit, IntItem item);
/// A number shown in its shortest decimal form ("3", "1.5").
FieldBinding DecimalField(QLineEdit& edit, FloatItem item);
/// A decimal field that also takes a comma for the decimal point, whatever the locale.
FieldBinding SpeedField(QLineEdit& edit, FloatItem item);
/// A length kept in dots with their fraction, shown in the page unit.
FieldBinding LengthField(QLineEdit& edit, FloatItem item);
/// A length kept in whole dots (truncated toward zero), shown in the page unit.
FieldBinding WholeLengthField(QLineEdit& edit, IntItem item);
/// One Latin-1 character.
FieldBinding CharacterField(QLineEdit& edit, CharItem item);
FieldBinding ListField(QComboBox& list, IntItem item, ListMapping mapping);

} // namespace norvane::ui
