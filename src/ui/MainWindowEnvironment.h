#pragma once

#include "i18n/UiLanguage.h"
#include "link/LinkTimeouts.h"
#include "link/Transport.h"
#include "net/DiscoveryClient.h"

#include <QRect>
#include <memory>
#include <optional>

namespace norvane::ui {

/// What the main window takes from its surroundings; the defaults are those of the installed program.
struct MainWindowEnvironment
{
    /// Opens the printer links; null for the machine's own devices.
    std::unique_ptr<TransportOpener> transportOpener;
    LinkTimeouts timeouts;
    /// Where the TCP/IP setup dialog's discovery requests go, and how long it waits for answers.
    DiscoveryTargets discoveryTargets;
    DiscoveryTimeouts discoveryTimeouts;
    /// The screen the window fits itself to and centres on; a null rectangle means the primary screen.
    QRect screen;
    /// The interface language to start in; none means the one of the system's locale.
    std::optional<UiLanguage> language;
};

} // namespace norvane::ui
