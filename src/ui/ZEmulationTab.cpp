#include "ZEmulationTab.h"

#include "FormControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace norvane::ui {

namespace {

const QStringList kMediaActions{QString(), QStringLiteral("FEED"), QStringLiteral("CALIBRATION"),
                                QStringLiteral("LENGTH"), QStringLiteral("NO MOTION")};

/// The record keeps one byte, so only a printable Latin-1 character can be typed.
QLineEdit* characterEdit(const char* name)
{
    QLineEdit* edit = NewEdit(name, 1);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x{20}-\\x{7e}\\x{a0}-\\x{ff}]")), edit));
    return edit;
}

} // namespace

ZEmulationTab::ZEmulationTab(QWidget* parent) : BoundConfigTab(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));
    auto* grid = new QGridLayout(this);
    FormColumn left(*grid, 0);
    FormColumn right(*grid, 1);

    QLineEdit* editDarkness = NewEdit("EditDarknessZ", 2);
    left.addRow(NewLabel("LabelDarknessZ", QStringLiteral("Darkness")), editDarkness,
                NewLabel("LabelDarknessRangeZ", QStringLiteral("0 to 30")));
    QLineEdit* editPrintSpeed = NewEdit("EditPrintSpeedZ");
    left.addRow(NewLabel("LabelPrintSpeedZ", QStringLiteral("Print Speed")), editPrintSpeed);
    QLineEdit* editTearOff = NewEdit("EditTearOffZ", 4);
    left.addRow(NewLabel("LabelTearOffZ", QStringLiteral("Tear Off")), editTearOff,
                NewLabel("LabelTearOffRangeZ", QStringLiteral("-120 to 120")));
    QComboBox* comboBoxPrintMode =
        NewList("ComboBoxPrintModeZ",
                {QString(), QStringLiteral("TEAR OFF"), QStringLiteral("PEEL OFF"), QStringLiteral("CUTTER")});
    left.addRow(NewLabel("LabelPrintModeZ", QStringLiteral("Print Mode")), comboBoxPrintMode);
    QLineEdit* editPrintWidth = NewEdit("EditPrintWidthZ");
    left.addRow(NewLabel("LabelPrintWidthZ", QStringLiteral("Print Width")), editPrintWidth, unitLabel("LabelUnit5"));
    QLineEdit* editControlPrefix = characterEdit("EditControlPrefixZ");
    left.addRow(NewLabel("LabelControlPrefixZ", QStringLiteral("Control Prefix")), editControlPrefix);

    QLineEdit* editFormatPrefix = characterEdit("EditFormatPrefixZ");
    right.addRow(NewLabel("LabelFormatPrefixZ", QStringLiteral("Format Prefix")), editFormatPrefix);
    QLineEdit* editDelimiterChar = characterEdit("EditDelimiterCharZ");
    right.addRow(NewLabel("LabelDelimiterCharZ", QStringLiteral("Delimiter Char")), editDelimiterChar);
    QComboBox* comboBoxMediaPowerUp = NewList("ComboBoxMediaPowerUpZ", kMediaActions);
    right.addRow(NewLabel("LabelMediaPowerUpZ", QStringLiteral("Media Power Up")), comboBoxMediaPowerUp);
    QComboBox* comboBoxHeadClose = NewList("ComboBoxHeadCloseZ", kMediaActions);
    right.addRow(NewLabel("LabelHeadCloseZ", QStringLiteral("Head Close")), comboBoxHeadClose);
    QLineEdit* editLabelTop = NewEdit("EditLabelTopZ", 4);
    right.addRow(NewLabel("LabelLabelTopZ", QStringLiteral("Label Top")), editLabelTop,
                 NewLabel("LabelLabelTopRangeZ", QStringLiteral("-120 to 120")));
    QLineEdit* editLeftPosition = NewEdit("EditLeftPositionZ", 5);
    right.addRow(NewLabel("LabelLeftPositionZ", QStringLiteral("Left Position")), editLeftPosition,
                 NewLabel("LabelLeftPositionRangeZ", QStringLiteral("-9999 to 9999")));
    KeepAtTopLeft(*grid);

    bind(IntegerField(*editDarkness, &PrinterConfig::zDarkness));
    bind(IntegerField(*editPrintSpeed, &PrinterConfig::zPrintSpeed));
    bind(IntegerField(*editTearOff, &PrinterConfig::zTearOff));
    bind(ListField(*comboBoxPrintMode, &PrinterConfig::zPrintMode, ListMapping::Direct));
    bind(WholeLengthField(*editPrintWidth, &PrinterConfig::zPrintWidth));
    bind(CharacterField(*editControlPrefix, &PrinterConfig::zControlPrefix));
    bind(CharacterField(*editFormatPrefix, &PrinterConfig::zFormatPrefix));
    bind(CharacterField(*editDelimiterChar, &PrinterConfig::zDelimiter));
    bind(ListField(*comboBoxMediaPowerUp, &PrinterConfig::zPowerUpAction, ListMapping::Direct));
    bind(ListField(*comboBoxHeadClose, &PrinterConfig::zHeadCloseAction, ListMapping::Direct));
    bind(IntegerField(*editLabelTop, &PrinterConfig::zLabelTop));
    bind(IntegerField(*editLeftPosition, &PrinterConfig::zLeftPosition));
}

} // namespace norvane::ui
