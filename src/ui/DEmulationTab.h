#pragma once

#include "BoundConfigTab.h"

namespace norvane::ui {

/// The "D" tab (`TabSheet7`): the settings of the printer's "D" emulation.
class DEmulationTab : public BoundConfigTab
{
    Q_OBJECT

public:
    explicit DEmulationTab(QWidget* parent = nullptr);
};

} // namespace norvane::ui
