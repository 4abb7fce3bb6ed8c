#pragma once

#include "config/PrinterConfig.h"
#include "protocol/CertificatePaths.h"
#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <optional>

namespace norvane {

/// The record of operation 4: the configuration with the page just copied into it, and the certificate
/// files the wireless page last handed over. The write stores the certificate names into `config`.
struct ConfigPageWrite
{
    PrinterConfig config;
    CertificatePaths certificates;
};

/// The pages of the configuration page in tab order; the dispatcher's `extra` is the page number.
enum class ConfigPage : std::int32_t
{
    Common = 0,
    ZEmulation = 1,
    DEmulation = 2,
    SerialPort = 3,
    Wireless = 4,
    Bluetooth = 5,
    FtpUpdate = 6,
};

/// The name of the first field of the page whose text or number its command could not carry, found by
/// building the page's commands without sending them. Nothing when the page can be sent.
std::optional<QByteArray> UnsendableTextField(const ConfigPageWrite& write, std::int32_t page);

/// Operation 4: writes the set items of one page as command lines, without replies. Any other page number
/// writes nothing. Every line is built before the link opens, so a text its command cannot carry sends
/// nothing (5, as callers check first to say which). 0, 1 (not opened), 2 (a line not written; the lines
/// before it stay in effect) or 4 (a certificate file that cannot be read).
ResultCode WriteConfigurationPage(const OperationContext& context, ConfigPageWrite& write);

} // namespace norvane
