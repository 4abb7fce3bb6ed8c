#pragma once

#include "link/InterfaceKind.h"
#include "link/LinkSettings.h"
#include "link/LinkTimeouts.h"
#include "link/UsbDiscovery.h"
#include "net/DiscoveryClient.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
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
    /// The printer's current password, for the commands that pass the password gate.
    std::optional<QString> password;
    /// Where discovery requests go: the broadcast and multicast addresses unless --discovery-target is given.
    DiscoveryTargets discoveryTargets;
    /// Where --trace writes the link's traffic; empty for no trace.
    QString traceFile;

    /// The time-outs with --read-timeout applied to every kind.
    LinkTimeouts timeouts() const;
};

/// The LINK options, taken before the command and by every printer command after its name.
QList<QCommandLineOption> LinkOptions();

/// Applies the link options `parser` found, in the order they were given, so the last interface named
/// wins. Returns an error text for a value an option does not take, else an empty text.
QString ApplyLinkOptions(const QCommandLineParser& parser, LinkChoice& choice);

} // namespace norvane::cli
