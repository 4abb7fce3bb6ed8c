#include "SerialPortTab.h"

#include "FormControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace norvane::ui {

SerialPortTab::SerialPortTab(QWidget* parent) : BoundConfigTab(parent)
{
    setObjectName(QStringLiteral("TabSheet8"));
    auto* grid = new QGridLayout(this);
    FormColumn column(*grid, 0);

    QComboBox* comboBoxBaudrate =
        NewList("ComboBoxBaudrate", {QString(), QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                                     QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                                     QStringLiteral("57600"), QStringLiteral("115200")});
    column.addRow(NewLabel("LabelBaudrate", QStringLiteral("Baud Rate:")), comboBoxBaudrate);
    QComboBox* comboBoxDatabit = NewList("ComboBoxDatabit", {QString(), QStringLiteral("7"), QStringLiteral("8")});
    column.addRow(NewLabel("LabelDataBit", QStringLiteral("Data Bits:")), comboBoxDatabit);
    QComboBox* comboBoxParity =
        NewList("ComboBoxParity", {QString(), QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")});
    column.addRow(NewLabel("LabelParity", QStringLiteral("Parity:")), comboBoxParity);
    QComboBox* comboBoxStopBit = NewList("ComboBoxStopBit", {QString(), QStringLiteral("1"), QStringLiteral("2")});
    column.addRow(NewLabel("LabelStopBit", QStringLiteral("Stop Bit(s):")), comboBoxStopBit);
    KeepAtTopLeft(*grid);

    bind(ListField(*comboBoxBaudrate, &PrinterConfig::comBaudRate, ListMapping::Direct));
    bind(ListField(*comboBoxDatabit, &PrinterConfig::comDataBits, ListMapping::Shifted));
    bind(ListField(*comboBoxParity, &PrinterConfig::comParity, ListMapping::Shifted));
    bind(ListField(*comboBoxStopBit, &PrinterConfig::comStopBits, ListMapping::Shifted));
}

} // namespace norvane::ui
