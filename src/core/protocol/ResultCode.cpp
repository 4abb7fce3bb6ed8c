#include "protocol/ResultCode.h"

#include <array>

namespace norvane {

QString ResultMessage(ResultCode code)
{
    static constexpr std::array<const char*, 7> kMessages{
        "",
        "Port Open Error",
        "Data Transmission Error",
        "Data Receiving Error",
        "File Open Error",
        "Unknow Error",
        "Not Support",
    };
    const auto index = static_cast<std::size_t>(code);
    return index < kMessages.size() ? QString::fromLatin1(kMessages[index]) : QString();
}

} // namespace norvane
