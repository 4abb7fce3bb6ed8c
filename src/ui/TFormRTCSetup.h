#pragma once

#include "protocol/PrinterClock.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace norvane::ui {

class UserPrompts;

/// Edits the printer's clock, or takes this computer's time. On Set the record holds the six values and
/// `confirmed`; it does no I/O.
class TFormRTCSetup : public QDialog
{
    Q_OBJECT

public:
    TFormRTCSetup(ClockSetting& clock, UserPrompts& prompts, QWidget* parent = nullptr);

    /// Escape leaves as Cancel does, so that a Set refused for a bad field cannot be sent afterwards.
    void reject() override;

private:
    void ButtonSetSysTimeClick();
    void ButtonSetClick();
    void showClock();

    ClockSetting& m_clock;
    UserPrompts& m_prompts;
    /// Year, month, date, hour, minute, second.
    std::array<QLineEdit*, 6> m_edits{};
};

} // namespace norvane::ui
