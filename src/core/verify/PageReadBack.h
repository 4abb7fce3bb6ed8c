#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <cstdint>

namespace norvane {

/// A setting that a page write carried and that the printer reports differently afterwards. Values are
/// in the record's own terms, as the configuration's JSON form has them (lengths in dots, lists as their
/// index); `read` is null when the printer no longer reports the setting. Keys and passwords show only
/// their length.
struct UnkeptSetting
{
    QByteArray field;
    QJsonValue sent;
    QJsonValue read;

    bool operator==(const UnkeptSetting&) const = default;
};

/// Compares, item by item, what a write of `page` sent (`sent` is the record the write was given) with
/// the configuration read back afterwards, in sending order. Only the settings the page's command lines
/// carry are compared, each as precisely as its command carries it: a length sent with two decimals in
/// the page unit may come back anywhere that text stands for, give or take the half dot the printer
/// keeps whole dots in.
QList<UnkeptSetting> SettingsNotKept(const PrinterConfig& sent, const PrinterConfig& read, std::int32_t page);

/// The report line of one setting: {"field": ..., "sent": ..., "read": ...} without a line break.
QByteArray UnkeptSettingJson(const UnkeptSetting& setting);

} // namespace norvane
