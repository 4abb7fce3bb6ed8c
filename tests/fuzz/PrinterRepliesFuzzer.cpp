// The other reading operations: status, password, clock, printer file, sensor, emulation.

#include "FuzzedPrinter.h"
#include "config/SensorCalibration.h"
#include "config/StatusFlags.h"
#include "protocol/DumpOperations.h"
#include "protocol/OperationRecords.h"
#include "protocol/PrinterClock.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    if (size == 0)
        return 0;
    fuzz::FuzzedPrinter printer(data + 1, size - 1);
    CommandDispatcher& dispatcher = printer.dispatcher;
    constexpr InterfaceKind kind = InterfaceKind::Usb;
    switch (data[0] % 7) {
    case 0: {
        StatusFlags status;
        dispatcher.dispatch<OperationCode::ReadStatus>(kind, status);
        break;
    }
    case 1: {
        QByteArray password;
        dispatcher.dispatch<OperationCode::ReadPassword>(kind, password);
        break;
    }
    case 2: {
        ClockSetting clock;
        dispatcher.dispatch<OperationCode::ReadClock>(kind, clock);
        break;
    }
    case 3: {
        PrinterFileRequest request;
        request.capacity = 4096;
        dispatcher.dispatch<OperationCode::ReadDumpFile>(kind, request);
        break;
    }
    case 4: {
        SensorCalibration calibration;
        dispatcher.dispatch<OperationCode::ReadSensorSettings>(kind, calibration);
        break;
    }
    case 5: {
        SensorReadings readings;
        dispatcher.dispatch<OperationCode::ReadSensorValues>(kind, readings);
        break;
    }
    default: {
        std::int32_t emulation = 0;
        dispatcher.dispatch<OperationCode::ReadEmulation>(kind, emulation);
        break;
    }
    }
    return 0;
}
