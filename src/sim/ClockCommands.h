#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The real-time clock: "DIAGNOSTIC REPORT YEAR" … "SECOND" answer it, "@YEAR = "26"" … "@SECOND = "0"" set
/// it field by field. A value outside a field's range is ignored, as the printer's clock cannot hold it.
class ClockCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
