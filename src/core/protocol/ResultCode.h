#pragma once

#include <QString>
#include <cstdint>

namespace norvane {

/// The outcome of a printer operation; the number is also the cli's exit status.
enum class ResultCode : std::int32_t
{
    Success = 0,
    PortOpenError = 1,
    DataTransmissionError = 2,
    DataReceivingError = 3,
    FileOpenError = 4,
    UnknowError = 5,
    NotSupport = 6,
};

/// The fixed message shown for a code, the same in every language; empty for success.
QString ResultMessage(ResultCode code);

} // namespace norvane
