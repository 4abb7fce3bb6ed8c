#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TFormSensorCalibrate.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace norvane;
using namespace norvane::test;

class SensorCalibrateTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
    }

    /// Liner and label differ by `best` at intensity 2 and by less elsewhere; intensity 3 reads 400 over the
    /// liner and 330 over a label.
    void sensorWithBestDifference(std::int32_t best)
    {
        sim.printer.withState([&](sim::PrinterState& state) {
            state.sensor.gapLiner = {100, 200, 300, 400, 500};
            state.sensor.gapLabel = {150, 250, 300 + best, 330, 520};
            state.sensor.labelUnderSensor = false;
        });
    }

    void putLabelUnderSensor()
    {
        sim.printer.withState([](sim::PrinterState& state) { state.sensor.labelUnderSensor = true; });
    }

    static QString text(const QWidget& dialog, const char* name) { return Child<QLineEdit>(dialog, name).text(); }
    static QString message(const QWidget& dialog) { return Child<QLabel>(dialog, "LabelMessage").text(); }

    /// Runs the three presses of a guided measurement, each after the poll has shown what lies under the sensor.
    void measure(ui::TFormSensorCalibrate& dialog)
    {
        auto& button = Child<QPushButton>(dialog, "ButtonManualCalibration");
        auto& timer = Child<QTimer>(dialog, "Timer1");
        Click(dialog, "ButtonManualCalibration");
        EXPECT_EQ(message(dialog), "Put linner please");
        EXPECT_EQ(button.text(), "Next");
        EXPECT_TRUE(timer.isActive());
        EXPECT_EQ(timer.interval(), 500);
        EXPECT_TRUE(WaitUntil([&] { return text(dialog, "EditCurrentReading") == "400"; }));
        Click(dialog, "ButtonManualCalibration");
        EXPECT_EQ(message(dialog), "Put label please");
        putLabelUnderSensor();
        EXPECT_TRUE(WaitUntil([&] { return text(dialog, "EditCurrentReading") == "330"; }));
        Click(dialog, "ButtonManualCalibration");
        EXPECT_FALSE(timer.isActive());
        EXPECT_EQ(button.text(), "Calibrate");
        EXPECT_TRUE(Child<QPushButton>(dialog, "ButtonSet").isEnabled());
    }
};

TEST_F(SensorCalibrateTest, aGuidedMeasurementKeptByTheCloseBoxIsSentAfterTheGate)
{
    sensorWithBestDifference(96);
    const QRect frame = window->frameGeometry();
    OnModal<ui::TFormSensorCalibrate>([&](ui::TFormSensorCalibrate& dialog) {
        EXPECT_EQ(dialog.pos(), QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").itemIndex(), MediaGap);
        EXPECT_EQ(text(dialog, "EditInten"), "5");
        EXPECT_TRUE(text(dialog, "EditReference").isEmpty());
        measure(dialog);
        EXPECT_EQ(message(dialog), "Calibration is complete");
        EXPECT_EQ(text(dialog, "EditInten"), "2");
        EXPECT_EQ(text(dialog, "EditReference"), "348");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLabelValue").text(), "396");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelGapValue").text(), "300");
        EXPECT_TRUE(Child<QLabel>(dialog, "LabelGapReading").isVisible());
        EXPECT_FALSE(Child<QPushButton>(dialog, "ButtonManualCalibration").isEnabled());
        dialog.close();
    });
    Click(*window, "ButtonSensorCalibrate");
    const QByteArray sent = "SET SENSOR_REF MANUAL\r\nGAP 0.08,0\r\nSET GAP 2,348\r\n\x10JL";
    EXPECT_TRUE(printerReceived(sent));
    EXPECT_TRUE(prompts.messages.isEmpty()) << qPrintable(prompts.messages.join('|'));
}

TEST_F(SensorCalibrateTest, aBestDifferenceOf95CannotCalibrateAndCancelSendsNothing)
{
    sensorWithBestDifference(95);
    OnModal<ui::TFormSensorCalibrate>([&](ui::TFormSensorCalibrate& dialog) {
        measure(dialog);
        EXPECT_FALSE(Child<QLabel>(dialog, "LabelMessage").isVisible());
        EXPECT_EQ(prompts.messages, QStringList{"Can't calibration"});
        EXPECT_EQ(text(dialog, "EditInten"), "5");
        EXPECT_TRUE(Child<QPushButton>(dialog, "ButtonManualCalibration").isEnabled());
        Click(dialog, "ButtonCancel");
    });
    sim.printer.clearLogs();
    Click(*window, "ButtonSensorCalibrate");
    EXPECT_FALSE(sim.printer.received().contains("SET"));
}

TEST_F(SensorCalibrateTest, aModeBeyondContinuousOpensOnContinuousWhoseMeasurementScansOneSample)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.reports["SENSORMODE"] = "3";
        state.sensor.gapLiner = {100, 200, 400, 700, 800, 900};
    });
    OnModal<ui::TFormSensorCalibrate>([&](ui::TFormSensorCalibrate& dialog) {
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").itemIndex(), MediaContinuous);
        EXPECT_EQ(text(dialog, "EditInten"), "3");
        Click(dialog, "ButtonManualCalibration");
        EXPECT_EQ(text(dialog, "EditInten"), "2");
        EXPECT_EQ(text(dialog, "EditReference"), "478");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLabelValue").text(), "700");
        EXPECT_FALSE(Child<QPushButton>(dialog, "ButtonSet").isEnabled());
        EXPECT_FALSE(Child<QTimer>(dialog, "Timer1").isActive());
        Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").setItemIndex(MediaAutoSelection);
        Click(dialog, "ButtonManualCalibration");
        EXPECT_EQ(prompts.messages, QStringList{"Can't calibration"});
        dialog.close();
    });
    Click(*window, "ButtonSensorCalibrate");
    EXPECT_TRUE(printerReceived("SET SENSOR_REF MANUAL\r\nGAP 0,0\r\nSET GAP 2,478\r\n\x10JL"));
}

TEST_F(SensorCalibrateTest, autoCalibrationConvertsTheLengthsAndSetRefusesANonNumber)
{
    SensorCalibration record;
    record.dotsPerUnit = 203;
    ui::TFormSensorCalibrate dialog(record, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    dialog.show();
    Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").setItemIndex(MediaGap);
    Child<QLineEdit>(dialog, "EditReference").setText("x");
    Child<QLineEdit>(dialog, "EditInten").setText("5");
    Click(dialog, "ButtonSet");
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(record.apply);

    Child<QLineEdit>(dialog, "EditHeight").setText("2");
    Child<QLineEdit>(dialog, "EditGap").setText("0.12");
    Click(dialog, "ButtonCalib");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(record.apply);
    EXPECT_EQ(record.mode, CalibrationAuto);
    EXPECT_EQ(record.paperHeight, 406);
    EXPECT_EQ(record.gap, 24);

    SensorCalibration inMm;
    inMm.dotsPerUnit = 8;
    ui::TFormSensorCalibrate mmDialog(inMm, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    EXPECT_EQ(Child<QLabel>(mmDialog, "LabelUnit2").text(), "mm");
    EXPECT_EQ(Child<QLabel>(dialog, "LabelUnit2").text(), "inch");
}

TEST_F(SensorCalibrateTest, aSuccessfulGuidedMeasurementWithItsChartRendersAndHoldsTogether)
{
    sensorWithBestDifference(300);
    SensorCalibration record;
    record.dotsPerUnit = 203;
    ui::TFormSensorCalibrate dialog(record, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    dialog.show();
    Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").setItemIndex(MediaGap);
    measure(dialog);
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    const QPixmap picture = dialog.grab();
    EXPECT_TRUE(picture.save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/TFormSensorCalibrate.png")));
}

TEST_F(SensorCalibrateTest, aFailedFirstSampleSaysSoAndLeavesSetDisabled)
{
    SensorCalibration record;
    ui::TFormSensorCalibrate dialog(record, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    dialog.show();
    Child<ui::RadioGroup>(dialog, "RadioGroupMediaType").setItemIndex(MediaBlackMark);
    sim.misbehave(sim::SimFault::NeverAnswer);
    Click(dialog, "ButtonManualCalibration");
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_FALSE(Child<QPushButton>(dialog, "ButtonSet").isEnabled());
    EXPECT_FALSE(Child<QTimer>(dialog, "Timer1").isActive());
}
