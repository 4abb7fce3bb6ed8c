#include "PortNumber.h"

namespace norvane::ui {

int PortItemIndex(const QString& portName, int itemCount)
{
    bool ok = false;
    const int number = portName.mid(3).toInt(&ok);
    return ok && number >= 1 && number <= itemCount ? number - 1 : -1;
}

} // namespace norvane::ui
