#pragma once

namespace norvane {
struct EthernetSettings;
}

namespace norvane::ui {

class OperationRunner;

/// The main window's "Ethernet Setup": reads the settings over the printer link into `record`, lets the user
/// change them, and after the password check sends the change.
void RunEthernetSetup(OperationRunner& runner, EthernetSettings& record);

} // namespace norvane::ui
