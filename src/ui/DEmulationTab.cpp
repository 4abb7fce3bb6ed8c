#include "DEmulationTab.h"

#include "FormControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace norvane::ui {

DEmulationTab::DEmulationTab(QWidget* parent) : BoundConfigTab(parent)
{
    setObjectName(QStringLiteral("TabSheet7"));
    auto* grid = new QGridLayout(this);
    FormColumn left(*grid, 0);
    FormColumn right(*grid, 1);
    const QStringList offOn{QString(), QStringLiteral("OFF"), QStringLiteral("ON")};

    QLineEdit* editHeat = NewEdit("EditHeatD", 2);
    left.addRow(NewLabel("LabelHeatD", QStringLiteral("Heat")), editHeat,
                NewLabel("LabelHeatRangeD", QStringLiteral("0 to 30")));
    QLineEdit* editPrintSpeed = NewEdit("EditPrintSpeedD");
    left.addRow(NewLabel("LabelPrintSpeedD", QStringLiteral("Print Speed")), editPrintSpeed);
    QLineEdit* editLabelWidth = NewEdit("EditLabelWidthD");
    left.addRow(NewLabel("LabelLabelWidthD", QStringLiteral("Label Width")), editLabelWidth, unitLabel("LabelUnit6"));
    QComboBox* comboBoxPresentSensor = NewList("ComboBoxPresentSensorD", offOn);
    left.addRow(NewLabel("LabelPresentSensorD", QStringLiteral("Present Sensor")), comboBoxPresentSensor);

    QComboBox* comboBoxCutterEquipped = NewList("ComboBoxCutterEquippedD", offOn);
    right.addRow(NewLabel("LabelCutterEquippedD", QStringLiteral("Cutter Equipped")), comboBoxCutterEquipped);
    QComboBox* comboBoxControlCodes =
        NewList("ComboBoxControlCodesD",
                {QString(), QStringLiteral("Standard"), QStringLiteral("Alternate"), QStringLiteral("Alternate-2")});
    right.addRow(NewLabel("LabelControlCodesD", QStringLiteral("Control Codes")), comboBoxControlCodes);
    QLineEdit* editColumnOffset = NewEdit("EditColumnOffsetD");
    right.addRow(NewLabel("LabelColumnOffsetD", QStringLiteral("Column Offset")), editColumnOffset,
                 unitLabel("LabelUnit7"));
    QLineEdit* editRowOffset = NewEdit("EditRowOffsetD");
    right.addRow(NewLabel("LabelRowOffsetD", QStringLiteral("Row Offset")), editRowOffset, unitLabel("LabelUnit8"));
    KeepAtTopLeft(*grid);

    bind(IntegerField(*editHeat, &PrinterConfig::dHeat));
    bind(DecimalField(*editPrintSpeed, &PrinterConfig::dPrintSpeed));
    bind(WholeLengthField(*editLabelWidth, &PrinterConfig::dLabelWidth));
    bind(ListField(*comboBoxPresentSensor, &PrinterConfig::dPresentSensor, ListMapping::Direct));
    bind(ListField(*comboBoxCutterEquipped, &PrinterConfig::dCutterEquipped, ListMapping::Direct));
    bind(ListField(*comboBoxControlCodes, &PrinterConfig::dControlCodes, ListMapping::Direct));
    bind(WholeLengthField(*editColumnOffset, &PrinterConfig::dColumnOffset));
    bind(WholeLengthField(*editRowOffset, &PrinterConfig::dRowOffset));
}

} // namespace norvane::ui
