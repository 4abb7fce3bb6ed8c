#include "net/EthernetSettings.h"

namespace norvane {

QByteArray SettingsText(QByteArrayView text)
{
    return text.first(std::min(text.size(), EthernetSettings::kMaxTextLength)).toByteArray();
}

} // namespace norvane
