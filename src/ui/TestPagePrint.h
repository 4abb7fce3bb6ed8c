#pragma once

namespace norvane {
struct PrinterConfig;
}

namespace norvane::ui {

class ConfigurationPage;
class OperationRunner;

/// "Print Test Page": the test label at the paper width and height the page shows, turned into dots with the
/// resolution of `lastRead`, the configuration last read from the printer. Refused, with a message, before
/// any configuration was read and when the page leaves the width or height empty.
void PrintTestPage(OperationRunner& runner, const PrinterConfig& lastRead, ConfigurationPage& page);

} // namespace norvane::ui
