// The JSON configuration reader.

#include "config/ConfigJson.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    ConfigFromJsonText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), error);
    return 0;
}
