#pragma once

#include "net/EthernetSettings.h"

#include <QDialog>
#include <QPoint>

class QLabel;
class QLineEdit;

namespace norvane::ui {

class RadioGroup;

/// "Ethernet Setup": shows a printer's IP settings and network name and takes one change, "Set IP" or
/// "Set Printer Name". It edits a copy and writes into the caller's record only through those buttons.
class TFormEthernetSetup : public QDialog
{
    Q_OBJECT

public:
    /// Clears `confirmed` in `record`; the caller shows the dialog and reads `confirmed` and `action` after.
    TFormEthernetSetup(EthernetSettings& record, const QPoint& position, QWidget* parent = nullptr);

private:
    void RadioGroupDHCPClick();
    void ButtonSetIPClick();
    void ButtonSetPrinterNameClick();
    void ButtonCancelClick();
    /// The address rows can be edited only for a static address.
    void enableAddressRows();

    EthernetSettings& m_record;
    EthernetSettings m_copy;
    RadioGroup* m_radioGroupDHCP;
    QLineEdit* m_editIP;
    QLineEdit* m_editMask;
    QLineEdit* m_editGateWay;
    QLineEdit* m_editPrinterName;
    QLineEdit* m_editMACAddr;
    QList<QWidget*> m_addressRows;
};

} // namespace norvane::ui
