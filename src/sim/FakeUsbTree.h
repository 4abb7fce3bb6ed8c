#pragma once

#include <QByteArray>
#include <QString>

namespace norvane::sim {

/// Lays out `dir`/sys and `dir`/dev as the kernel shows one USB printer with the given vendor number,
/// whose device node /dev/usb/lp0 is a link to `node` (the virtual printer's pseudo-terminal).
bool CreateFakeUsbTree(const QString& dir, const QString& node, const QByteArray& vendor = "1203");

/// The device node of the tree under `dir`: `dir`/dev/usb/lp0.
QString FakeUsbDeviceNode(const QString& dir);

} // namespace norvane::sim
