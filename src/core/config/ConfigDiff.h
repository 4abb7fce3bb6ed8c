#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace norvane {

/// A field's value as a comparison shows it: numbers in decimal (floats in their shortest exact form),
/// texts as their bytes; nothing for an item whose valid flag is clear, since such a value is never written
/// to a printer and whatever bytes it holds mean nothing.
struct ShownValue
{
    std::optional<QByteArray> bytes;
    bool isText = false;

    bool operator==(const ShownValue&) const = default;
};

/// A field that differs between two records, with its value in each.
struct ConfigDifference
{
    QString field;
    ShownValue first;
    ShownValue second;
};

/// Every field whose shown value differs, in layout order. The reserved stretches are not compared.
QList<ConfigDifference> CompareConfigs(const PrinterConfig& first, const PrinterConfig& second);

} // namespace norvane
