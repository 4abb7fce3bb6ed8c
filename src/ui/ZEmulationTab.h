#pragma once

#include "BoundConfigTab.h"

namespace norvane::ui {

/// The "Z" tab (`TabSheet6`): the settings of the printer's "Z" emulation.
class ZEmulationTab : public BoundConfigTab
{
    Q_OBJECT

public:
    explicit ZEmulationTab(QWidget* parent = nullptr);
};

} // namespace norvane::ui
