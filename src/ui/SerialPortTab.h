#pragma once

#include "BoundConfigTab.h"

namespace norvane::ui {

/// The "RS-232" tab (`TabSheet8`): the printer's own serial port. The printer takes the four settings only
/// together.
class SerialPortTab : public BoundConfigTab
{
    Q_OBJECT

public:
    explicit SerialPortTab(QWidget* parent = nullptr);
};

} // namespace norvane::ui
