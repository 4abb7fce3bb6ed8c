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

/// The name of the first text of the page that its command could not carry: the printer's quoted texts
/// have no escape, so a double quote would end the text early and a line break would start a command of
/// its own. Nothing when every text the page sends is safe.
std::optional<QByteArray> UnsendableTextField(const ConfigPageWrite& write, std::int32_t page);

/// Operation 4: writes the set items of one page as command lines, without replies. Any other page
/// number writes nothing. 0, 1 (not opened) or 2 (a line not written; the lines before it stay in effect).
/// A page with an unsendable text sends nothing and returns 5; callers check it first to say which.
ResultCode WriteConfigurationPage(const OperationRequest& request);

} // namespace norvane
