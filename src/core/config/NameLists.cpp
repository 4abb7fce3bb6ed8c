#include "config/NameLists.h"

#include <algorithm>

namespace norvane {

std::int32_t NameIndex(std::span<const QByteArrayView> names, QByteArrayView text)
{
    const auto found = std::find(names.begin(), names.end(), text);
    return static_cast<std::int32_t>(found - names.begin());
}

std::optional<QByteArrayView> NameAt(std::span<const QByteArrayView> names, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        return std::nullopt;
    return names[static_cast<std::size_t>(index)];
}

} // namespace norvane
