#include "link/DevicePaths.h"

namespace norvane {

namespace {

/// The number after a three-letter prefix ("COM12" → 12), or 0 when the name is not of that form.
int portNumber(const QString& portName, QLatin1StringView prefix)
{
    if (!portName.startsWith(prefix, Qt::CaseInsensitive) || portName.size() == prefix.size())
        return 0;
    bool ok = false;
    const int number = QStringView(portName).sliced(prefix.size()).toInt(&ok);
    // Only plain digits: "COM+3" or "COM 3" name no port.
    const bool plainDigits = portName.at(prefix.size()).isDigit();
    return ok && plainDigits ? number : 0;
}

} // namespace

QString ComDevicePath(const QString& portName)
{
    if (portName.contains(u'/'))
        return portName;
    const int number = portNumber(portName, QLatin1StringView("COM"));
    if (number >= 1 && number <= 10)
        return QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
    if (number >= 11 && number <= 20)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 11);
    if (number >= 21 && number <= 30)
        return QStringLiteral("/dev/ttyS%1").arg(number - 21);
    return {};
}

QString LptDevicePath(const QString& portName)
{
    if (portName.contains(u'/'))
        return portName;
    const int number = portNumber(portName, QLatin1StringView("LPT"));
    if (number >= 1 && number <= 4)
        return QStringLiteral("/dev/lp%1").arg(number - 1);
    return {};
}

} // namespace norvane
