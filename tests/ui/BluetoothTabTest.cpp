#include "BluetoothTab.h"
#include "ConfigTabFixture.h"
#include "MainWindowFixture.h"
#include "RefusingPort.h"
#include "WidgetDriving.h"

#include <QLineEdit>
#include <QTreeWidget>

using namespace norvane;
using namespace norvane::test;

class BluetoothTabTest : public ConfigTabFixture
{
protected:
    QLineEdit& edit(const char* name) { return Child<QLineEdit>(tab, name); }
    QTreeWidget& devices() { return Child<QTreeWidget>(tab, "ListView3"); }

    /// Each row of the device list as "name|address".
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < devices().topLevelItemCount(); ++i)
            texts << devices().topLevelItem(i)->text(0) + u'|' + devices().topLevelItem(i)->text(1);
        return texts;
    }

    void scanFinding(bool module, const QList<std::pair<QByteArray, QByteArray>>& found)
    {
        sim.printer.withState([&](sim::PrinterState& state) {
            state.bluetooth.module = module;
            state.bluetooth.devices = found;
        });
        Click(tab, "ScanBT");
    }

    ui::BluetoothTab& tab = host(new ui::BluetoothTab(runner));
};

TEST_F(BluetoothTabTest, showsThePresentModuleAndTakesBackItsNameAndPinOnly)
{
    const PrinterConfig read = readFromPrinter();
    tab.showConfig(read, units);
    EXPECT_EQ(edit("EditBTName").text(), "NORVANE-BT");
    EXPECT_EQ(edit("EditBTPinCode").text(), "0000");
    EXPECT_EQ(edit("EditBTMACAddress").text(), "00:1B:82:4C:00:02");
    EXPECT_EQ(edit("EditBTSoftware").text(), "4.2");
    for (const char* name : {"EditBTName", "LabelBTName", "EditBTPinCode", "LabelBTPinCode"})
        EXPECT_TRUE(Child(tab, name).isEnabled()) << name;
    EXPECT_FALSE(edit("EditBTMACAddress").isEnabled());
    EXPECT_FALSE(edit("EditBTSoftware").isEnabled());

    PrinterConfig record = read;
    record.btName.setText("stale");
    QString error;
    ASSERT_TRUE(tab.takeConfig(record, units, error));
    EXPECT_TRUE(record == read);
    edit("EditBTPinCode").clear();
    ASSERT_TRUE(tab.takeConfig(record, units, error));
    EXPECT_FALSE(record.btPinCode.isSet());

    // A printer without the module shows and keeps nothing of the earlier one.
    PrinterConfig without;
    ClearConfig(without);
    tab.showConfig(without, units);
    for (const char* name : {"EditBTName", "EditBTPinCode", "EditBTMACAddress", "EditBTSoftware"}) {
        EXPECT_TRUE(edit(name).text().isEmpty()) << name;
        EXPECT_FALSE(edit(name).isEnabled()) << name;
    }
    EXPECT_FALSE(Child(tab, "LabelBTName").isEnabled());
    ASSERT_TRUE(tab.takeConfig(without, units, error));
    EXPECT_FALSE(without.btName.isSet() || without.btPinCode.isSet());
}

TEST_F(BluetoothTabTest, aScanListsTheDevicesFoundOrSaysThatThereIsNoModule)
{
    scanFinding(true, {{"Scanner-01", "00:1B:82:11:22:33"}, {"", "00:1B:82:44:55:66"}, {"Handheld-7", "7"}});
    EXPECT_EQ(rows(), QStringList({"Scanner-01|00:1B:82:11:22:33", "|00:1B:82:44:55:66", "Handheld-7|7"}));
    EXPECT_TRUE(sim.printer.received().contains("DIAGNOSTIC REPORT SCANBT\r\n"));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window.isEnabled());

    scanFinding(true, {});
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());

    scanFinding(true, {{"Scanner-01", "00:1B:82:11:22:33"}});
    scanFinding(false, {{"Scanner-01", "00:1B:82:11:22:33"}});
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(prompts.messages, QStringList{"Can't find Bluetooth module!"});

    scanFinding(true, {{"Scanner-01", "00:1B:82:11:22:33"}});
    const RefusingPort refusing;
    sim.settings.ethernet.port = refusing.port();
    Click(tab, "ScanBT");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(prompts.messages.last(), "Port Open Error");
    // No module is a finding about the printer; a link that fails is an error.
    EXPECT_EQ(prompts.kinds, QList({ui::MessageKind::Information, ui::MessageKind::Error}));
}

TEST_F(BluetoothTabTest, aChosenRowIsTheDeviceThatBluetoothMasterConnects)
{
    scanFinding(true, {{"Scanner-01", "00:1B:82:11:22:33"}, {"Handheld-7", "00:1B:82:44:55:66"}});
    QTreeWidgetItem* row = devices().topLevelItem(1);
    QTest::mouseClick(devices().viewport(), Qt::LeftButton, {}, devices().visualItemRect(row).center());
    EXPECT_EQ(edit("EditBTName_d").text(), "Handheld-7");
    EXPECT_EQ(edit("EditBTMAC_d").text(), "00:1B:82:44:55:66");
    Click(tab, "BlueToothMaster");
    EXPECT_TRUE(
        sim.waitFor([](const sim::PrinterState& state) { return state.bluetooth.master == "00:1B:82:44:55:66"; }));

    edit("EditBTMAC_d").clear();
    Click(tab, "BlueToothMaster");
    EXPECT_TRUE(
        sim.waitFor([](const sim::PrinterState& state) { return state.received.endsWith("BT DMAC \"\"\r\n"); }));

    // Quotes without escape would let the text end early and carry a command of its own.
    const QByteArray before = sim.printer.received();
    edit("EditBTMAC_d").setText(QStringLiteral("00:1B\"\r\nINITIALPRINTER"));
    Click(tab, "BlueToothMaster");
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
    // Whatever the refusal had sent would arrive before the next connection's bytes.
    edit("EditBTMAC_d").setText(QStringLiteral("00:1B:82:11:22:33"));
    Click(tab, "BlueToothMaster");
    ASSERT_TRUE(
        sim.waitFor([](const sim::PrinterState& state) { return state.bluetooth.master == "00:1B:82:11:22:33"; }));
    const QByteArray after = sim.printer.received().mid(before.size());
    EXPECT_FALSE(after.contains("INITIALPRINTER"));
    EXPECT_TRUE(after.endsWith("BT DMAC \"00:1B:82:11:22:33\"\r\n"));
}

TEST_F(BluetoothTabTest, fitsTheConfigurationPagesAndLooksRight)
{
    EXPECT_TRUE(fitsTheConfigurationPages(tab));
    scanFinding(true, {{"Scanner-01", "00:1B:82:11:22:33"}, {"Handheld-7", "00:1B:82:44:55:66"}});
    auto* shown = new ui::BluetoothTab(runner);
    shown->showConfig(readFromPrinter(), units);
    saveScreenshot(shown, "Bluetooth", "BluetoothTab");
}
