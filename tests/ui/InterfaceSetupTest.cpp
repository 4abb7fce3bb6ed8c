#include "MainWindowFixture.h"
#include "TFormLPTSetup.h"
#include "TFormRs232Setup.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace norvane;
using namespace norvane::test;

using InterfaceSetupTest = MainWindowFixture;

TEST_F(InterfaceSetupTest, theInterfaceChoiceEnablesSetupAndGetStatus)
{
    ui::TFormMain& main = openWindow();
    const auto& setup = Child<QPushButton>(main, "ButtonInterFace");
    const auto& getStatus = Child<QPushButton>(main, "ButtonGetStatus");

    chooseInterface(InterfaceKind::Lpt);
    EXPECT_TRUE(setup.isEnabled());
    EXPECT_FALSE(getStatus.isEnabled());
    chooseInterface(InterfaceKind::Ethernet);
    EXPECT_TRUE(setup.isEnabled());
    EXPECT_TRUE(getStatus.isEnabled());
    chooseInterface(InterfaceKind::Com);
    EXPECT_TRUE(setup.isEnabled());
    EXPECT_TRUE(getStatus.isEnabled());
    chooseInterface(InterfaceKind::Usb);
    EXPECT_FALSE(setup.isEnabled());
    EXPECT_TRUE(getStatus.isEnabled());
}

TEST_F(InterfaceSetupTest, theSerialDialogStoresItsChoicesAndReopensOnThem)
{
    ui::TFormMain& main = openWindow();
    chooseInterface(InterfaceKind::Com);

    OnModal<ui::TFormRs232Setup>([](ui::TFormRs232Setup& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "RS232 Setup");
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxComPort").count(), 30);
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxBaudRate").count(), 8);
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxBaudRate").itemText(7), "");
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxComPort").currentText(), "COM1");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelComDevice").text(), "Linux device: /dev/ttyUSB0");
        Child<QComboBox>(dialog, "ComboBoxComPort").setCurrentIndex(11);
        EXPECT_EQ(Child<QLabel>(dialog, "LabelComDevice").text(), "Linux device: /dev/ttyACM1");
        Child<QComboBox>(dialog, "ComboBoxBaudRate").setCurrentIndex(7);
        Child<QComboBox>(dialog, "ComboBoxParity").setCurrentIndex(2);
        Child<QComboBox>(dialog, "ComboBoxSWShak").setCurrentIndex(1);
        Click(dialog, "ButtonSet");
    });
    Click(main, "ButtonInterFace");

    const SerialLinkSettings& serial = main.linkSettings().serial;
    EXPECT_EQ(serial.portName, "COM12");
    EXPECT_EQ(serial.baudRate, 7);
    EXPECT_EQ(serial.parity, 2);
    EXPECT_EQ(serial.softwareHandshake, 1);
    EXPECT_EQ(statusPanel(1), "COM12 ,E,8,1 RTS Xon/Xoff");

    OnModal<ui::TFormRs232Setup>([](ui::TFormRs232Setup& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxComPort").currentIndex(), 11);
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxBaudRate").currentIndex(), 7);
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxParity").currentIndex(), 2);
        Child<QComboBox>(dialog, "ComboBoxComPort").setCurrentIndex(29);
        Child<QComboBox>(dialog, "ComboBoxDataBit").setCurrentIndex(0);
        Click(dialog, "ButtonCancel");
    });
    Click(main, "ButtonInterFace");

    EXPECT_EQ(serial.portName, "COM12");
    EXPECT_EQ(serial.dataBits, 1);
    EXPECT_EQ(statusPanel(1), "COM12 ,E,8,1 RTS Xon/Xoff");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(InterfaceSetupTest, theParallelDialogStoresThePortAndCancelKeepsIt)
{
    ui::TFormMain& main = openWindow();
    chooseInterface(InterfaceKind::Lpt);

    OnModal<ui::TFormLPTSetup>([](ui::TFormLPTSetup& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "LPT Setup");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLPTPort").text(), "LPT Port");
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxLPT").currentText(), "LPT1");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLptDevice").text(), "Linux device: /dev/lp0");
        Child<QComboBox>(dialog, "ComboBoxLPT").setCurrentIndex(2);
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLptDevice").text(), "Linux device: /dev/lp2");
        Click(dialog, "ButtonSet");
    });
    Click(main, "ButtonInterFace");
    EXPECT_EQ(main.linkSettings().parallel.portName, "LPT3");
    EXPECT_EQ(statusPanel(0), "LPT3");

    OnModal<ui::TFormLPTSetup>([](ui::TFormLPTSetup& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxLPT").currentIndex(), 2);
        Child<QComboBox>(dialog, "ComboBoxLPT").setCurrentIndex(3);
        Click(dialog, "ButtonCancel");
    });
    Click(main, "ButtonInterFace");
    EXPECT_EQ(main.linkSettings().parallel.portName, "LPT3");
    EXPECT_EQ(statusPanel(0), "LPT3");
}

TEST_F(InterfaceSetupTest, aPortGivenAsADevicePathSelectsNoItemAndSurvivesSet)
{
    ui::TFormMain& main = openWindow();
    main.linkSettings().serial.portName = sim.ptyPath;
    chooseInterface(InterfaceKind::Com);

    OnModal<ui::TFormRs232Setup>([&](ui::TFormRs232Setup& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxComPort").currentIndex(), -1);
        EXPECT_EQ(Child<QLabel>(dialog, "LabelComDevice").text(), "Linux device: " + sim.ptyPath);
        Click(dialog, "ButtonSet");
    });
    Click(main, "ButtonInterFace");
    EXPECT_EQ(main.linkSettings().serial.portName, sim.ptyPath);

    main.linkSettings().parallel.portName = QStringLiteral("/tmp/lp-fifo");
    chooseInterface(InterfaceKind::Lpt);
    OnModal<ui::TFormLPTSetup>([&](ui::TFormLPTSetup& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxLPT").currentIndex(), -1);
        EXPECT_EQ(Child<QLabel>(dialog, "LabelLptDevice").text(), "Linux device: /tmp/lp-fifo");
        Click(dialog, "ButtonSet");
    });
    Click(main, "ButtonInterFace");
    EXPECT_EQ(main.linkSettings().parallel.portName, "/tmp/lp-fifo");
}
