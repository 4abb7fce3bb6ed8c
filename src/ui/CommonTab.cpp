#include "CommonTab.h"

#include "FormControls.h"
#include "config/NameLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace norvane::ui {

namespace {

constexpr int kCutterItem = 4;

/// The empty "not set" item, then `names`.
template <std::size_t N> QStringList listOf(const std::array<QByteArrayView, N>& names)
{
    QStringList items{QString()};
    for (QByteArrayView name : names)
        items << QString::fromLatin1(name);
    return items;
}

QStringList densityItems()
{
    QStringList items{QString()};
    for (int density = 0; density <= 15; ++density)
        items << QString::number(density);
    return items;
}

const QStringList kOffOn{QString(), QStringLiteral("OFF"), QStringLiteral("ON")};
const QStringList kZeroOne{QString(), QStringLiteral("0"), QStringLiteral("1")};

} // namespace

CommonTab::CommonTab(QWidget* parent) : BoundConfigTab(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
    auto* grid = new QGridLayout(this);
    FormColumn left(*grid, 0);
    FormColumn right(*grid, 1);

    const auto edit = [&](FormColumn& column, const char* labelName, const QString& caption, const char* name,
                          QWidget* beside = nullptr, int maxLength = 0) {
        QLineEdit* control = NewEdit(name, maxLength);
        column.addRow(NewLabel(labelName, caption), control, beside);
        return control;
    };
    const auto list = [&](FormColumn& column, const char* labelName, const QString& caption, const char* name,
                          const QStringList& items, QWidget* beside = nullptr) {
        QComboBox* control = NewList(name, items);
        column.addRow(NewLabel(labelName, caption), control, beside);
        return control;
    };
    const auto base = [](const char* name) {
        QLineEdit* control = NewReadOnlyEdit(name);
        control->hide();
        return control;
    };

    QLineEdit* editDensityBase = base("EditDensityBase");
    QLineEdit* editOffsetBase = base("EditOffsetBase");
    QLineEdit* editShiftYBase = base("EditShiftYBase");
    QLineEdit* editShiftXBase = base("EditShiftXBase");
    QLineEdit* editReferenceY = NewEdit("EditReferenceY");
    QComboBox* comboBoxMirror = NewList("ComboBoxMirror", kZeroOne);

    QLineEdit* editSpeed = edit(left, "LabelSpeed", QStringLiteral("Speed:"), "EditSpeed", nullptr, 2);
    QComboBox* comboBoxDensity =
        list(left, "LabelDensity", QStringLiteral("Density:"), "ComboBoxDensity", densityItems(), editDensityBase);
    QLineEdit* editWidth =
        edit(left, "LabelWidth", QStringLiteral("Paper Width:"), "EditWidth", unitLabel("LabelUnit1"));
    QLineEdit* editHeight =
        edit(left, "LabelHeight", QStringLiteral("Paper Height:"), "EditHeight", unitLabel("LabelUnit2"));
    QComboBox* comboBoxMediaSensor =
        list(left, "LabelSensorType", QStringLiteral("Media Sensor:"), "ComboBoxMediaSensor",
             {QString(), QStringLiteral("Gap"), QStringLiteral("Bline"), QStringLiteral("Continuous")});
    QLineEdit* editGapSize =
        edit(left, "LabelVerticalGap", QStringLiteral("Gap:"), "EditGapSize", unitLabel("LabelUnit3"));
    QLineEdit* editGapOffset =
        edit(left, "LabelGapOffset", QStringLiteral("Gap Offset:"), "EditGapOffset", unitLabel("LabelUnit4"));
    m_comboBoxPrintOut = list(
        left, "LabelPrintOut", QStringLiteral("Post-Print Action:"), "ComboBoxPrintOut",
        {QString(), QStringLiteral("OFF"), QStringLiteral("TEAR"), QStringLiteral("PEEL"), QStringLiteral("CUTTER")});
    m_editCutterPiece = edit(left, "LabelCutterPiece", QStringLiteral("Cut Piece:"), "EditCutterPiece");
    QLineEdit* editReferenceX =
        edit(left, "LabelReference", QStringLiteral("Reference:"), "EditReferenceX", editReferenceY);
    QComboBox* comboBoxDirection =
        list(left, "LabelDirection", QStringLiteral("Direction:"), "ComboBoxDirection", kZeroOne, comboBoxMirror);
    QLineEdit* editOffset = edit(left, "LabelOffset", QStringLiteral("Offset:"), "EditOffset", editOffsetBase);
    QLineEdit* editShiftY = edit(left, "LabelShiftY", QStringLiteral("Shift Y:"), "EditShiftY", editShiftYBase);
    QLineEdit* editShiftX = edit(left, "LabelShiftX", QStringLiteral("Shift X:"), "EditShiftX", editShiftXBase);

    QComboBox* comboBoxRibbon = list(right, "LabelRibbon", QStringLiteral("Ribbon:"), "ComboBoxRibbon", kOffOn);
    QComboBox* comboBoxRibbonSensor =
        list(right, "LabelRibbonSensor", QStringLiteral("Ribbon Sensor:"), "ComboBoxRibbonSensor", kOffOn);
    QComboBox* comboBoxRibbonEncoder =
        list(right, "LabelRibbonEncoder", QStringLiteral("Ribbon Encoder:"), "ComboBoxRibbonEncoder", kOffOn);
    QComboBox* comboBoxCodePage =
        list(right, "LabelCodePage", QStringLiteral("Code Page:"), "ComboBoxCodePage", listOf(kCodePageNames));
    QComboBox* comboBoxCountryCode =
        list(right, "LabelCountryCode", QStringLiteral("Country Code:"), "ComboBoxCountryCode", listOf(kCountryCodes));
    QComboBox* comboBoxDisplayLanguage =
        list(right, "LabelDisplayLanguage", QStringLiteral("Display Language:"), "ComboBoxDisplayLanguage",
             {QString(), QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("Spanish"),
              QStringLiteral("Italian"), QStringLiteral("Russian"), QStringLiteral("German")});
    QComboBox* comboBoxHead = list(right, "LabelHead", QStringLiteral("Head-up Sensor:"), "ComboBoxHead", kOffOn);
    QComboBox* comboBoxReprint =
        list(right, "LabelReprint", QStringLiteral("Reprint After Error:"), "ComboBoxReprint", kOffOn);
    QLineEdit* editMaximumLength = edit(right, "LabelMaximumLength", QStringLiteral("Maximum Length:"),
                                        "EditMaximumLength", unitLabel("LabelUnit9"));
    QLineEdit* editGapInten = edit(right, "LabelGapInten", QStringLiteral("Gap Inten.:"), "EditGapInten");
    QLineEdit* editBlineInten = edit(right, "LabelBlineInten", QStringLiteral("Bline Inten.:"), "EditBlineInten");
    QLineEdit* editContinuousInten =
        edit(right, "LabelContinuousInten", QStringLiteral("Continuous Inten.:"), "EditContinuousInten");
    QComboBox* comboBoxThreshold =
        list(right, "LabelThresholdDetection", QStringLiteral("Threshold Detection:"), "ComboBoxThreshold",
             {QString(), QStringLiteral("MANUAL"), QStringLiteral("AUTO")});
    KeepAtTopLeft(*grid);

    bind(SpeedField(*editSpeed, &PrinterConfig::speed));
    bind(ListField(*comboBoxDensity, &PrinterConfig::density, ListMapping::Shifted));
    bind(BaseField(*editDensityBase, &PrinterConfig::densityBase));
    bind(LengthField(*editWidth, &PrinterConfig::paperWidth));
    bind(LengthField(*editHeight, &PrinterConfig::paperHeight));
    bind(ListField(*comboBoxMediaSensor, &PrinterConfig::sensorMode, ListMapping::Shifted));
    bind(LengthField(*editGapSize, &PrinterConfig::gapSize));
    bind(LengthField(*editGapOffset, &PrinterConfig::gapOffset));
    bind(ListField(*m_comboBoxPrintOut, &PrinterConfig::printOut, ListMapping::Shifted));
    bind(IntegerField(*m_editCutterPiece, &PrinterConfig::cutterPiece));
    bind(IntegerField(*editReferenceX, &PrinterConfig::referenceX));
    bind(IntegerField(*editReferenceY, &PrinterConfig::referenceY));
    bind(ListField(*comboBoxDirection, &PrinterConfig::direction, ListMapping::Shifted));
    bind(ListField(*comboBoxMirror, &PrinterConfig::mirror, ListMapping::Shifted));
    bind(IntegerField(*editOffset, &PrinterConfig::offset));
    bind(BaseField(*editOffsetBase, &PrinterConfig::offsetBase));
    bind(IntegerField(*editShiftY, &PrinterConfig::shiftY));
    bind(BaseField(*editShiftYBase, &PrinterConfig::shiftYBase));
    bind(IntegerField(*editShiftX, &PrinterConfig::shiftX));
    bind(BaseField(*editShiftXBase, &PrinterConfig::shiftXBase));
    bind(ListField(*comboBoxRibbon, &PrinterConfig::ribbon, ListMapping::Shifted));
    bind(ListField(*comboBoxRibbonSensor, &PrinterConfig::ribbonSensor, ListMapping::Shifted));
    bind(ListField(*comboBoxRibbonEncoder, &PrinterConfig::ribbonEncoder, ListMapping::Shifted));
    bind(ListField(*comboBoxCodePage, &PrinterConfig::codePage, ListMapping::Shifted));
    bind(ListField(*comboBoxCountryCode, &PrinterConfig::countryCode, ListMapping::Shifted));
    bind(ListField(*comboBoxDisplayLanguage, &PrinterConfig::displayLanguage, ListMapping::Shifted));
    bind(ListField(*comboBoxHead, &PrinterConfig::headSensor, ListMapping::Shifted));
    bind(ListField(*comboBoxReprint, &PrinterConfig::reprint, ListMapping::Shifted));
    bind(LengthField(*editMaximumLength, &PrinterConfig::maxLength));
    bind(IntegerField(*editGapInten, &PrinterConfig::gapIntensity));
    bind(IntegerField(*editBlineInten, &PrinterConfig::blineIntensity));
    bind(IntegerField(*editContinuousInten, &PrinterConfig::continuousIntensity));
    bind(ListField(*comboBoxThreshold, &PrinterConfig::autoThreshold, ListMapping::Shifted));
}

void CommonTab::showConfig(const PrinterConfig& record, const PageUnits& units)
{
    BoundConfigTab::showConfig(record, units);
    if (m_comboBoxPrintOut->currentIndex() != kCutterItem)
        m_editCutterPiece->clear();
}

} // namespace norvane::ui
