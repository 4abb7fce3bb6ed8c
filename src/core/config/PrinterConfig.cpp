#include "config/PrinterConfig.h"

namespace norvane {

void ClearConfig(PrinterConfig& record)
{
    record = PrinterConfig{};
}

} // namespace norvane
