#pragma once

#include "link/InterfaceKind.h"

#include <QDialog>

namespace norvane {
class CommandDispatcher;
}

namespace norvane::ui {

class RadioGroup;

/// Shows the printer's active emulation and switches it. Both exchanges are silent, on the interface
/// chosen when the dialog was opened.
class TActiveEmu : public QDialog
{
    Q_OBJECT

public:
    /// Reads the active emulation; a failed read leaves ZPL2 selected.
    TActiveEmu(CommandDispatcher& dispatcher, InterfaceKind kind, QWidget* parent = nullptr);

private:
    void Button1Click();

    CommandDispatcher& m_dispatcher;
    InterfaceKind m_kind;
    RadioGroup* m_radioGroupActiveEmulation;
};

} // namespace norvane::ui
