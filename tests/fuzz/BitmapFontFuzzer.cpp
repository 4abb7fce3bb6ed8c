// The bitmap font file reader: what `font show` and the made-font view decode.

#include "fonts/BitmapFontFile.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    ReadBitmapFont(QByteArrayView(data, static_cast<qsizetype>(size)), error);
    return 0;
}
