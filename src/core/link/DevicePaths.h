#pragma once

#include <QString>

namespace norvane {

/// The device file a serial port name stands for:
///   COM1 … COM10  = /dev/ttyUSB0 … /dev/ttyUSB9  (USB serial adapters, what most technicians plug in)
///   COM11 … COM20 = /dev/ttyACM0 … /dev/ttyACM9  (USB modem-class adapters)
///   COM21 … COM30 = /dev/ttyS0 … /dev/ttyS9      (built-in ports)
/// A name that contains "/" is taken as the path itself. Any other name gives an empty path.
QString ComDevicePath(const QString& portName);

/// LPT1 … LPT4 = /dev/lp0 … /dev/lp3; a name that contains "/" is the path itself; else empty.
QString LptDevicePath(const QString& portName);

} // namespace norvane
