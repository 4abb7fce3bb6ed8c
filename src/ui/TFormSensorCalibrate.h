#pragma once

#include "config/SensorCalibration.h"
#include "link/InterfaceKind.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace norvane {
class CommandDispatcher;
}

namespace norvane::ui {

class RadioGroup;
class SensorChart;
class UserPrompts;

/// Sets the media sensor up: automatic calibration with an optional label size, or a manual intensity and
/// threshold, typed in or found by measuring the liner (or mark) and a label. Only fills the record; the
/// main window sends it.
class TFormSensorCalibrate : public QDialog
{
    Q_OBJECT

public:
    /// Polls the sensor over `kind`, the interface chosen when the dialog opened.
    TFormSensorCalibrate(SensorCalibration& record, CommandDispatcher& dispatcher, InterfaceKind kind,
                         UserPrompts& prompts, QWidget* parent = nullptr);

private:
    void ButtonCalibClick();
    void ButtonSetClick();
    void ButtonCancelClick();
    void ButtonManualCalibrationClick();
    void Timer1Timer();

    void measureContinuous();
    void takeFirstSample(std::int32_t media);
    void finishMeasurement();
    /// Reads the sensor; false after "Data Receiving Error".
    bool readSample(std::int32_t media, SensorReadings& readings);
    void showResultLabels(bool shown);
    /// The manual values as Set takes them; false after the conversion message.
    bool takeManualValues();

    SensorCalibration& m_record;
    CommandDispatcher& m_dispatcher;
    InterfaceKind m_kind;
    UserPrompts& m_prompts;
    /// Which press of the guided measurement comes next: 0, 1 or 2.
    int m_step = 0;
    SensorReadings m_live;
    SensorReadings m_first;
    SensorReadings m_second;

    RadioGroup* m_radioGroupMediaType;
    QLineEdit* m_editHeight;
    QLineEdit* m_editGap;
    QLineEdit* m_editReference;
    QLineEdit* m_editInten;
    QPushButton* m_buttonSet;
    QPushButton* m_buttonManualCalibration;
    QComboBox* m_comboBoxSnesorInt;
    QLineEdit* m_editCurrentReading;
    QLabel* m_labelPaperReading;
    QLabel* m_labelLabelValue;
    QLabel* m_labelGapReading;
    QLabel* m_labelGapValue;
    QLabel* m_labelMessage;
    QTimer* m_timer1;
    SensorChart* m_chart;
};

} // namespace norvane::ui
