#pragma once

#include "link/InterfaceKind.h"
#include "link/LinkSettings.h"
#include "link/LinkTimeouts.h"
#include "link/UsbDiscovery.h"

#include <QStringList>
#include <chrono>
#include <optional>

namespace norvane::cli {

/// The link the user chose on the command line.
struct LinkChoice
{
    InterfaceKind kind = InterfaceKind::Usb;
    LinkSettings settings;
    std::optional<std::chrono::milliseconds> readTimeout;
    UsbDeviceRoots usbRoots;

    /// The time-outs with --read-timeout applied to every kind.
    LinkTimeouts timeouts() const;
};

/// Takes the link options from the front of `arguments` (up to the command name). Returns an error
/// text for a usage error, else an empty text.
QString TakeLinkOptions(QStringList& arguments, LinkChoice& choice);

/// The LINK part of the usage text.
QString LinkOptionsHelp();

} // namespace norvane::cli
