#include "TFormSensorCalibrate.h"

#include "CurrentLanguage.h"
#include "FormControls.h"
#include "LanguageRows.h"
#include "RadioGroup.h"
#include "SensorChart.h"
#include "UserPrompts.h"
#include "config/LengthUnits.h"
#include "config/SensorChoice.h"
#include "protocol/CommandDispatcher.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kSensorRows[] = {
    {"FormSensorCalibrate", 35},
    {"RadioGroupMediaType", 237},
    {"RadioGroupMediaType", 238, 0},
    {"RadioGroupMediaType", 239, 1},
    {"RadioGroupMediaType", 240, 2},
    {"RadioGroupMediaType", 241, 3},
    {"GroupBoxAutoCali", 225},
    {"LabelPaperHeight", 226},
    {"LabelGap", 227},
    {"ButtonCalib", 228},
    {"GroupBoxManualCalib", 229},
    {"LabelInten", 230},
    {"LabelThresholdValue", 231},
    {"LabelReadIntension", 232},
    {"LabelCurrent", 233},
    {"LabelPaperReading", 234},
    {"LabelGapReading", 235},
    {"ButtonManualCalibration", 236},
    {"ButtonSet", 4},
    {"ButtonCancel", 2},
};

// Rows of the guided measurement's texts.
constexpr int kNextRow = 1;
constexpr int kCalibrateRow = 236;
constexpr int kPutLinerRow = 242;
constexpr int kPutBlackMarkRow = 243;
constexpr int kPutLabelRow = 244;
constexpr int kCompleteRow = 245;
constexpr int kCannotCalibrateRow = 246;

constexpr int kPollMs = 500;
constexpr int kIntensityItems = 16;
constexpr int kDefaultReadingIntensity = 3;
/// At or below this many dots per unit the unit is the millimetre.
constexpr std::int32_t kMostDotsPerMm = 100;

QLabel* NamedLabel(const char* name, const QString& text)
{
    return Named<QLabel>(name, text);
}

} // namespace

TFormSensorCalibrate::TFormSensorCalibrate(SensorCalibration& record, CommandDispatcher& dispatcher, InterfaceKind kind,
                                           UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_record(record), m_dispatcher(dispatcher), m_kind(kind), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormSensorCalibrate"));
    setWindowTitle(QStringLiteral("Sensor Calibration"));
    m_record.apply = false;

    m_radioGroupMediaType = new RadioGroup(QStringLiteral("Media Type"),
                                           {QStringLiteral("GAP"), QStringLiteral("Black Mark"),
                                            QStringLiteral("Continuous"), QStringLiteral("Auto Selection")},
                                           Qt::Vertical);
    m_radioGroupMediaType->setObjectName(QStringLiteral("RadioGroupMediaType"));
    m_radioGroupMediaType->setItemIndex(m_record.mediaType);

    const QString unit = m_record.dotsPerUnit <= kMostDotsPerMm ? QStringLiteral("mm") : QStringLiteral("inch");
    auto* groupAuto = Named<QGroupBox>("GroupBoxAutoCali", QStringLiteral("Auto Calibration"));
    auto* autoLayout = new QGridLayout(groupAuto);
    m_editHeight = Named<QLineEdit>("EditHeight");
    m_editGap = Named<QLineEdit>("EditGap");
    autoLayout->addWidget(NamedLabel("LabelPaperHeight", QStringLiteral("Paper Height")), 0, 0);
    autoLayout->addWidget(m_editHeight, 0, 1);
    autoLayout->addWidget(NamedLabel("LabelUnit1", unit), 0, 2);
    autoLayout->addWidget(NamedLabel("LabelGap", QStringLiteral("Gap")), 1, 0);
    autoLayout->addWidget(m_editGap, 1, 1);
    autoLayout->addWidget(NamedLabel("LabelUnit2", unit), 1, 2);
    auto* buttonCalib = Named<QPushButton>("ButtonCalib", QStringLiteral("Calibrate"));
    autoLayout->addWidget(buttonCalib, 2, 1);

    auto* groupManual = Named<QGroupBox>("GroupBoxManualCalib", QStringLiteral("Manual Setup"));
    auto* manual = new QGridLayout(groupManual);
    m_editReference = Named<QLineEdit>("EditReference");
    m_editReference->setMaxLength(3);
    m_editInten = Named<QLineEdit>("EditInten");
    m_editInten->setMaxLength(2);
    if (m_record.threshold != 0)
        m_editReference->setText(QString::number(m_record.threshold));
    if (m_record.intensity != 0)
        m_editInten->setText(QString::number(m_record.intensity));
    m_buttonSet = Named<QPushButton>("ButtonSet", QStringLiteral("Set"));
    m_buttonManualCalibration = Named<QPushButton>("ButtonManualCalibration", QStringLiteral("Calibrate"));
    m_comboBoxSnesorInt = Named<QComboBox>("ComboBoxSnesorInt");
    for (int i = 0; i < kIntensityItems; ++i)
        m_comboBoxSnesorInt->addItem(QString::number(i));
    m_comboBoxSnesorInt->setCurrentIndex(kDefaultReadingIntensity);
    m_editCurrentReading = Named<QLineEdit>("EditCurrentReading");
    m_editCurrentReading->setReadOnly(true);
    m_labelPaperReading = NamedLabel("LabelPaperReading", QStringLiteral("Label Reading"));
    m_labelLabelValue = NamedLabel("LabelLabelValue", QString());
    m_labelGapReading = NamedLabel("LabelGapReading", QStringLiteral("Gap Reading"));
    m_labelGapValue = NamedLabel("LabelGapValue", QString());
    showResultLabels(false);
    m_labelMessage = NamedLabel("LabelMessage", QString());
    m_labelMessage->setStyleSheet(QStringLiteral("color: red"));
    m_labelMessage->hide();
    manual->addWidget(NamedLabel("LabelThresholdValue", QStringLiteral("Threshold Value")), 0, 0);
    manual->addWidget(m_editReference, 0, 1);
    manual->addWidget(NamedLabel("LabelInten", QStringLiteral("Sensor Intensity")), 1, 0);
    manual->addWidget(m_editInten, 1, 1);
    manual->addWidget(m_buttonSet, 2, 1);
    manual->addWidget(NamedLabel("LabelReadIntension", QStringLiteral("Reading Intensity")), 0, 2);
    manual->addWidget(m_comboBoxSnesorInt, 0, 3);
    manual->addWidget(NamedLabel("LabelCurrent", QStringLiteral("Current Reading")), 1, 2);
    manual->addWidget(m_editCurrentReading, 1, 3);
    manual->addWidget(m_buttonManualCalibration, 2, 3);
    manual->addWidget(m_labelPaperReading, 3, 0);
    manual->addWidget(m_labelLabelValue, 3, 1);
    manual->addWidget(m_labelGapReading, 3, 2);
    manual->addWidget(m_labelGapValue, 3, 3);
    manual->addWidget(m_labelMessage, 4, 0, 1, 4);
    m_chart = new SensorChart;
    manual->addWidget(m_chart, 5, 0, 1, 4);

    auto* buttonCancel = Named<QPushButton>("ButtonCancel", QStringLiteral("Cancel"));
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kPollMs);

    auto* top = new QHBoxLayout;
    top->addWidget(m_radioGroupMediaType);
    top->addWidget(groupAuto, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(buttonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(groupManual);
    layout->addLayout(bottom);
    ApplyLanguageRows(*this, kSensorRows, CurrentLanguage());

    connect(buttonCalib, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonCalibClick);
    connect(m_buttonSet, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonSetClick);
    connect(buttonCancel, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonCancelClick);
    connect(m_buttonManualCalibration, &QPushButton::clicked, this,
            &TFormSensorCalibrate::ButtonManualCalibrationClick);
    connect(m_timer1, &QTimer::timeout, this, &TFormSensorCalibrate::Timer1Timer);
    // The close box leaves the record as it is, so a guided result already in it is still sent.
    connect(this, &QDialog::rejected, m_timer1, &QTimer::stop);
}

void TFormSensorCalibrate::ButtonCalibClick()
{
    std::int32_t lengths[2] = {0, 0};
    const QLineEdit* edits[2] = {m_editHeight, m_editGap};
    for (int i = 0; i < 2; ++i) {
        if (edits[i]->text().isEmpty())
            continue;
        QString error;
        const auto dots = LengthTextToWholeDots(edits[i]->text(), m_record.dotsPerUnit, QLocale::system(), error);
        if (!dots) {
            m_prompts.showMessage(MessageKind::Error, error);
            return;
        }
        lengths[i] = *dots;
    }
    m_record.apply = true;
    m_record.mediaType = m_radioGroupMediaType->itemIndex();
    m_record.paperHeight = lengths[0];
    m_record.gap = lengths[1];
    m_record.mode = CalibrationAuto;
    accept();
}

bool TFormSensorCalibrate::takeManualValues()
{
    bool ok = false;
    const int threshold = m_editReference->text().toInt(&ok);
    if (!ok) {
        m_prompts.showMessage(MessageKind::Error, InvalidIntegerMessage(m_editReference->text()));
        return false;
    }
    const int intensity = m_editInten->text().toInt(&ok);
    if (!ok) {
        m_prompts.showMessage(MessageKind::Error, InvalidIntegerMessage(m_editInten->text()));
        return false;
    }
    m_record.apply = true;
    m_record.mediaType = m_radioGroupMediaType->itemIndex();
    m_record.threshold = threshold;
    m_record.intensity = intensity;
    m_record.mode = CalibrationManual;
    return true;
}

void TFormSensorCalibrate::ButtonSetClick()
{
    if (takeManualValues())
        accept();
}

void TFormSensorCalibrate::ButtonCancelClick()
{
    m_record.apply = false;
    reject();
}

void TFormSensorCalibrate::ButtonManualCalibrationClick()
{
    const std::int32_t media = m_radioGroupMediaType->itemIndex();
    if (media == MediaAutoSelection) {
        m_prompts.showMessage(MessageKind::Information, Translated(kCannotCalibrateRow));
        return;
    }
    if (media == MediaContinuous) {
        measureContinuous();
        return;
    }
    if (m_step == 0) {
        takeFirstSample(media);
    } else if (m_step == 1) {
        m_timer1->stop();
        m_first = m_live;
        m_chart->setSamples(m_first.values, {});
        m_labelMessage->setText(Translated(kPutLabelRow));
        m_timer1->start();
        m_step = 2;
    } else {
        finishMeasurement();
    }
}

void TFormSensorCalibrate::measureContinuous()
{
    showResultLabels(false);
    m_buttonSet->setEnabled(false);
    if (!readSample(MediaContinuous, m_first))
        return;
    m_chart->setSamples(m_first.values, {});
    const auto choice = ChooseForContinuous(m_first.values);
    if (!choice) {
        m_prompts.showMessage(MessageKind::Information, Translated(kCannotCalibrateRow));
        return;
    }
    m_editInten->setText(QString::number(choice->intensity));
    m_editReference->setText(QString::number(choice->threshold));
    m_labelLabelValue->setText(QString::number(choice->labelReading));
    m_labelPaperReading->show();
    m_labelLabelValue->show();
    m_chart->setChoice(choice->intensity, choice->threshold);
    takeManualValues();
}

void TFormSensorCalibrate::takeFirstSample(std::int32_t media)
{
    showResultLabels(false);
    m_buttonSet->setEnabled(false);
    if (!readSample(media, m_first))
        return;
    const int chosen = m_comboBoxSnesorInt->currentIndex();
    m_comboBoxSnesorInt->clear();
    for (std::size_t i = 0; i < m_first.values.size(); ++i)
        m_comboBoxSnesorInt->addItem(QString::number(i));
    m_comboBoxSnesorInt->setCurrentIndex(chosen);
    m_chart->setSamples(m_first.values, {});
    m_labelMessage->setText(media == MediaGap ? Translated(kPutLinerRow) : Translated(kPutBlackMarkRow));
    m_labelMessage->show();
    m_live = m_first;
    m_live.sensorKind = media;
    m_buttonManualCalibration->setText(Translated(kNextRow));
    m_timer1->start();
    m_step = 1;
}

void TFormSensorCalibrate::finishMeasurement()
{
    m_timer1->stop();
    m_second = m_live;
    m_buttonManualCalibration->setText(Translated(kCalibrateRow));
    m_chart->setSamples(m_first.values, m_second.values);
    const auto choice = ChooseFromTwoSamples(m_first.values, m_second.values);
    if (!choice) {
        m_labelMessage->hide();
        m_prompts.showMessage(MessageKind::Information, Translated(kCannotCalibrateRow));
    } else {
        m_editReference->setText(QString::number(choice->threshold));
        m_editInten->setText(QString::number(choice->intensity));
        m_labelMessage->setText(Translated(kCompleteRow));
        m_labelLabelValue->setText(QString::number(choice->labelReading));
        m_labelGapValue->setText(QString::number(choice->gapReading));
        showResultLabels(true);
        m_chart->setChoice(choice->intensity, choice->threshold);
        takeManualValues();
        m_buttonManualCalibration->setEnabled(false);
    }
    m_buttonSet->setEnabled(true);
    m_step = 0;
}

bool TFormSensorCalibrate::readSample(std::int32_t media, SensorReadings& readings)
{
    SensorReadings read;
    read.sensorKind = media;
    if (m_dispatcher.dispatch<OperationCode::ReadSensorValues>(m_kind, read) != ResultCode::Success) {
        m_prompts.showMessage(MessageKind::Error, QStringLiteral("Data Receiving Error"));
        return false;
    }
    readings = std::move(read);
    return true;
}

void TFormSensorCalibrate::Timer1Timer()
{
    SensorReadings read;
    read.sensorKind = m_live.sensorKind;
    // A failed poll leaves the last reading shown; the next one may succeed.
    if (m_dispatcher.dispatch<OperationCode::ReadSensorValues>(m_kind, read) != ResultCode::Success)
        return;
    m_live = std::move(read);
    const auto index = static_cast<std::size_t>(m_comboBoxSnesorInt->currentIndex());
    if (index < m_live.values.size())
        m_editCurrentReading->setText(QString::number(m_live.values[index]));
}

void TFormSensorCalibrate::showResultLabels(bool shown)
{
    for (QLabel* label : {m_labelPaperReading, m_labelLabelValue, m_labelGapReading, m_labelGapValue})
        label->setVisible(shown);
}

} // namespace norvane::ui
