#pragma once

namespace norvane::sim {

/// How often the printer was told to restore its factory settings and to print its configuration page.
struct PrinterFunctionState
{
    int factoryDefaults = 0;
    int configurationPages = 0;
};

} // namespace norvane::sim
