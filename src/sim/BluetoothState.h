#pragma once

#include <QByteArray>
#include <QList>
#include <chrono>
#include <utility>

namespace norvane::sim {

/// The Bluetooth module: what it finds when asked to search (name and address per device), and the
/// device it was last told to connect to as master. Without a module the printer answers a search with
/// a count of -1. A search takes `scanTime`.
struct BluetoothState
{
    bool module = true;
    QList<std::pair<QByteArray, QByteArray>> devices{{"Scanner-01", "00:1B:82:11:22:33"},
                                                     {"Handheld-7", "00:1B:82:44:55:66"}};
    std::chrono::milliseconds scanTime{200};
    QByteArray master;
};

} // namespace norvane::sim
