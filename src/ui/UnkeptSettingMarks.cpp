#include "UnkeptSettingMarks.h"

#include <QByteArrayView>
#include <QComboBox>
#include <QJsonValue>
#include <QLabel>
#include <QLocale>
#include <QVariant>
#include <QWidget>
#include <array>

namespace norvane::ui {

namespace {

/// How the page shows a value: as the record holds it, as a length in the page unit, or as the item of a
/// list whose first item is the empty one (shifted: item = value + 1) or which has none (direct).
enum class Shown
{
    AsRecord,
    Length,
    ShiftedList,
    DirectList,
};

/// A record field, the control that shows it and the label in front of it. Without a label name the
/// caption is the label that has the control as its buddy.
struct FieldControl
{
    QByteArrayView field;
    const char* control;
    const char* label;
    Shown shown = Shown::AsRecord;
};

constexpr Shown kLength = Shown::Length;
constexpr Shown kShifted = Shown::ShiftedList;
constexpr Shown kDirect = Shown::DirectList;

constexpr std::array kFieldControls{
    FieldControl{"speed", "EditSpeed", "LabelSpeed"},
    FieldControl{"density", "ComboBoxDensity", "LabelDensity", kShifted},
    FieldControl{"paperWidth", "EditWidth", "LabelWidth", kLength},
    FieldControl{"paperHeight", "EditHeight", "LabelHeight", kLength},
    FieldControl{"sensorMode", "ComboBoxMediaSensor", "LabelSensorType", kShifted},
    FieldControl{"gapSize", "EditGapSize", "LabelVerticalGap", kLength},
    FieldControl{"gapOffset", "EditGapOffset", "LabelGapOffset", kLength},
    FieldControl{"printOut", "ComboBoxPrintOut", "LabelPrintOut", kShifted},
    FieldControl{"cutterPiece", "EditCutterPiece", "LabelCutterPiece"},
    FieldControl{"referenceX", "EditReferenceX", "LabelReference"},
    FieldControl{"referenceY", "EditReferenceY", "LabelReference"},
    FieldControl{"direction", "ComboBoxDirection", "LabelDirection", kShifted},
    FieldControl{"mirror", "ComboBoxMirror", "LabelDirection", kShifted},
    FieldControl{"offset", "EditOffset", "LabelOffset"},
    FieldControl{"shiftY", "EditShiftY", "LabelShiftY"},
    FieldControl{"shiftX", "EditShiftX", "LabelShiftX"},
    FieldControl{"ribbon", "ComboBoxRibbon", "LabelRibbon", kShifted},
    FieldControl{"ribbonSensor", "ComboBoxRibbonSensor", "LabelRibbonSensor", kShifted},
    FieldControl{"ribbonEncoder", "ComboBoxRibbonEncoder", "LabelRibbonEncoder", kShifted},
    FieldControl{"codePage", "ComboBoxCodePage", "LabelCodePage", kShifted},
    FieldControl{"countryCode", "ComboBoxCountryCode", "LabelCountryCode", kShifted},
    FieldControl{"displayLanguage", "ComboBoxDisplayLanguage", "LabelDisplayLanguage", kShifted},
    FieldControl{"headSensor", "ComboBoxHead", "LabelHead", kShifted},
    FieldControl{"reprint", "ComboBoxReprint", "LabelReprint", kShifted},
    FieldControl{"maxLength", "EditMaximumLength", "LabelMaximumLength", kLength},
    FieldControl{"gapIntensity", "EditGapInten", "LabelGapInten"},
    FieldControl{"blineIntensity", "EditBlineInten", "LabelBlineInten"},
    FieldControl{"continuousIntensity", "EditContinuousInten", "LabelContinuousInten"},
    FieldControl{"autoThreshold", "ComboBoxThreshold", "LabelThresholdDetection", kShifted},

    FieldControl{"zDarkness", "EditDarknessZ", "LabelDarknessZ"},
    FieldControl{"zPrintSpeed", "EditPrintSpeedZ", "LabelPrintSpeedZ"},
    FieldControl{"zTearOff", "EditTearOffZ", "LabelTearOffZ"},
    FieldControl{"zPrintMode", "ComboBoxPrintModeZ", "LabelPrintModeZ", kDirect},
    FieldControl{"zPrintWidth", "EditPrintWidthZ", "LabelPrintWidthZ", kLength},
    FieldControl{"zControlPrefix", "EditControlPrefixZ", "LabelControlPrefixZ"},
    FieldControl{"zFormatPrefix", "EditFormatPrefixZ", "LabelFormatPrefixZ"},
    FieldControl{"zDelimiter", "EditDelimiterCharZ", "LabelDelimiterCharZ"},
    FieldControl{"zPowerUpAction", "ComboBoxMediaPowerUpZ", "LabelMediaPowerUpZ", kDirect},
    FieldControl{"zHeadCloseAction", "ComboBoxHeadCloseZ", "LabelHeadCloseZ", kDirect},
    FieldControl{"zLabelTop", "EditLabelTopZ", "LabelLabelTopZ"},
    FieldControl{"zLeftPosition", "EditLeftPositionZ", "LabelLeftPositionZ"},

    FieldControl{"dHeat", "EditHeatD", "LabelHeatD"},
    FieldControl{"dPrintSpeed", "EditPrintSpeedD", "LabelPrintSpeedD"},
    FieldControl{"dLabelWidth", "EditLabelWidthD", "LabelLabelWidthD", kLength},
    FieldControl{"dPresentSensor", "ComboBoxPresentSensorD", "LabelPresentSensorD", kDirect},
    FieldControl{"dCutterEquipped", "ComboBoxCutterEquippedD", "LabelCutterEquippedD", kDirect},
    FieldControl{"dControlCodes", "ComboBoxControlCodesD", "LabelControlCodesD", kDirect},
    FieldControl{"dColumnOffset", "EditColumnOffsetD", "LabelColumnOffsetD", kLength},
    FieldControl{"dRowOffset", "EditRowOffsetD", "LabelRowOffsetD", kLength},

    FieldControl{"comBaudRate", "ComboBoxBaudrate", "LabelBaudrate", kDirect},
    FieldControl{"comDataBits", "ComboBoxDatabit", "LabelDataBit", kShifted},
    FieldControl{"comParity", "ComboBoxParity", "LabelParity", kShifted},
    FieldControl{"comStopBits", "ComboBoxStopBit", "LabelStopBit", kShifted},

    FieldControl{"wifiSsid", "EditWiFiSSID", nullptr},
    FieldControl{"wifiSecurity", "ComboBoxWiFiEncryption", nullptr, kDirect},
    FieldControl{"wifiKey", "EditWiFiKey", nullptr},
    FieldControl{"wifiEap", "cbxWiFiEapType", nullptr},
    FieldControl{"wifiUsername", "edtWiFiUsername", nullptr},
    FieldControl{"wifiPassword", "edtWiFiPasswd", nullptr},
    FieldControl{"wifiIp", "EditWiFiIP", nullptr},
    FieldControl{"wifiMask", "EditWiFiMask", nullptr},
    FieldControl{"wifiGateway", "EditWiFiGateway", nullptr},
    FieldControl{"wifiHostName", "Edit1Printname", nullptr},
    FieldControl{"wifiRoamTrigger", "edtRoamRssi", nullptr},
    FieldControl{"wifiRoamDelta", "edtScanRssi", nullptr},
    FieldControl{"wifiRawPort", "edtWifiRawPort", nullptr},

    FieldControl{"btPinCode", "EditBTPinCode", nullptr},
    FieldControl{"btName", "EditBTName", nullptr},

    FieldControl{"ftpEnable", "cbxFtpcEnabled", nullptr, kDirect},
    FieldControl{"ftpServer", "edtFtpSrvIp", nullptr},
    FieldControl{"ftpPath", "edtFtpPath", nullptr},
    FieldControl{"ftpDescriptionFile", "edtDescriptFile", nullptr},
    FieldControl{"ftpUser", "edtFtpUser", nullptr},
    FieldControl{"ftpPassword", "edtFtpPswd", nullptr},
};

const FieldControl* controlOf(QByteArrayView field)
{
    for (const FieldControl& entry : kFieldControls) {
        if (entry.field == field)
            return &entry;
    }
    return nullptr;
}

const QString kMarkStyle = QStringLiteral("background-color: #ffd8d8; border: 2px solid #d00000;");

} // namespace

QString UnkeptSettingMarks::markAndReport(const QList<UnkeptSetting>& unkept, const PrinterConfig& printer,
                                          LengthUnit unit)
{
    clear();
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList lines;
    for (const UnkeptSetting& setting : unkept) {
        const FieldControl* entry = controlOf(setting.field);
        auto* control = entry ? m_page.findChild<QWidget*>(QLatin1StringView(entry->control)) : nullptr;
        QString caption = QString::fromLatin1(setting.field);
        if (control) {
            for (QLabel* label : m_page.findChildren<QLabel*>()) {
                if (entry->label ? label->objectName() == QLatin1StringView(entry->label) : label->buddy() == control)
                    caption = label->text();
            }
            control->setProperty(kProperty, true);
            control->setStyleSheet(kMarkStyle);
            m_marked.append(control);
        }
        if (caption.endsWith(u':'))
            caption.chop(1);
        const auto valueText = [&](const QJsonValue& value) {
            if (value.isNull())
                return QStringLiteral("(not reported)");
            if (value.isString())
                return value.toString();
            if (entry && entry->shown == Shown::Length)
                return DotsToLengthText(value.toDouble(), DotsPerUnit(printer, unit), locale);
            if (const auto* list = entry ? qobject_cast<const QComboBox*>(control) : nullptr) {
                const int item = value.toInt() + (entry->shown == Shown::ShiftedList ? 1 : 0);
                if (entry->shown != Shown::AsRecord && item >= 0 && item < list->count() &&
                    !list->itemText(item).isEmpty())
                    return list->itemText(item);
            }
            return locale.toString(value.toDouble(), 'g', 8);
        };
        lines << QStringLiteral("%1: sent %2, read %3")
                     .arg(caption.trimmed(), valueText(setting.sent), valueText(setting.read));
    }
    return lines.join(u'\n');
}

void UnkeptSettingMarks::clear()
{
    for (const QPointer<QWidget>& control : m_marked) {
        if (control) {
            control->setProperty(kProperty, false);
            control->setStyleSheet(QString());
        }
    }
    m_marked.clear();
}

} // namespace norvane::ui
