// The configuration read, every setting's reply taken from the fuzzer.

#include "FuzzedPrinter.h"
#include "config/PrinterConfig.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    fuzz::FuzzedPrinter printer(data, size);
    PrinterConfig config;
    printer.dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Usb, config);
    return 0;
}
