// The .dcf configuration file reader.

#include "config/DcfFile.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DcfContents contents;
    QString error;
    ReadDcf(QByteArrayView(data, static_cast<qsizetype>(size)), contents, error);
    return 0;
}
