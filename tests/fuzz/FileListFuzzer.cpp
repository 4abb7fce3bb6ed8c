// The memories' sizes and file lists.

#include "FuzzedPrinter.h"
#include "files/FileListStore.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    fuzz::FuzzedPrinter printer(data, size);
    FileListStore store;
    printer.dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Usb, store);
    return 0;
}
