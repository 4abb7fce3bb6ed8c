#include "ConfigurationPageFixture.h"
#include "WidgetDriving.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace norvane;
using namespace norvane::test;

namespace {

const QString kEnterQuestion =
    QStringLiteral("The COM port will be set to 115200,N,8,1 and\r\nenter the external module setting mode.");

} // namespace

/// The external module group made visible in place of the built-in module's, on the "Wireless" tab of a main
/// window talking to the virtual printer over ETHERNET.
class ExternalModuleGroupTest : public ConfigurationPageFixture
{
protected:
    void SetUp() override
    {
        ConfigurationPageFixture::SetUp();
        Child(*window, "gbWirelessProtable").hide();
        Child(*window, "gbWirelessExtDev").show();
        showTab(ConfigPage::Wireless);
    }

    void useModule(sim::ExternalModuleState::Kind kind)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.externalModule.kind = kind; });
    }

    void enterSetup()
    {
        prompts.confirmAnswers = {true};
        Click(*window, "btnEnableExtSetup");
    }

    QPushButton& button(const char* name) const { return Child<QPushButton>(*window, name); }
    QTreeWidget& accessPoints() const { return Child<QTreeWidget>(*window, "ListView1"); }
    QTabWidget& tabs() const { return Child<QTabWidget>(*window, "PageControl2"); }
    bool enabled(const char* name) const { return Child(*window, name).isEnabled(); }
    sim::ExternalModuleState module() const { return sim.printer.snapshot().externalModule; }

    void clickAccessPoint(int row)
    {
        QTreeWidget& list = accessPoints();
        const QRect place = list.visualItemRect(list.topLevelItem(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(ExternalModuleGroupTest, enableSetupEntersModuleModeWithTheModulesBluetoothNameAndExitSetupResets)
{
    edit("edtExBTPinCode").setText(QStringLiteral("old pin"));
    enterSetup();
    EXPECT_EQ(prompts.questions, QStringList{kEnterQuestion});
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(module().moduleMode);
    EXPECT_EQ(edit("edtExBTName").text(), "NV-BT-01");
    EXPECT_EQ(edit("edtExBTPinCode").text(), "");
    EXPECT_TRUE(enabled("edtExBTName"));
    EXPECT_TRUE(enabled("lblExBTPinCode"));
    EXPECT_TRUE(enabled("btnSetToModule"));
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Exit Setup");

    clearPrinterLogs();
    Click(*window, "btnEnableExtSetup");
    EXPECT_TRUE(WaitUntil([&] { return !module().moduleMode; }));
    EXPECT_EQ(deliveredBytes(), QByteArray("\x1b!R", 3));
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Enable Setup");
    EXPECT_FALSE(enabled("btnSetToModule"));
    EXPECT_FALSE(enabled("edtExBTName"));
    EXPECT_FALSE(enabled("lblExBTName"));
    EXPECT_EQ(prompts.questions.size(), 1); // leaving asks nothing
}

TEST_F(ExternalModuleGroupTest, aModuleWithoutBluetoothStillEntersModuleModeWithItsFieldsDisabled)
{
    useModule(sim::ExternalModuleState::Kind::Wireless);
    enterSetup();
    EXPECT_TRUE(module().moduleMode);
    EXPECT_FALSE(enabled("edtExBTName"));
    EXPECT_FALSE(enabled("edtExBTPinCode"));
    EXPECT_TRUE(enabled("btnSetToModule"));
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Exit Setup");
    EXPECT_TRUE(prompts.messages.isEmpty());

    // Setup then writes no Bluetooth settings: the page and the reset only.
    clearPrinterLogs();
    prompts.confirmAnswers = {true};
    Click(*window, "btnSetToModule");
    EXPECT_TRUE(WaitUntil([&] { return !module().moduleMode; }));
    EXPECT_FALSE(module().atCommands.contains("at+sln=NV-BT-01"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ExternalModuleGroupTest, aDeclinedQuestionSendsNothingAndAPrinterWithoutModuleModeIsNotEntered)
{
    clearPrinterLogs();
    prompts.confirmAnswers = {false};
    Click(*window, "btnEnableExtSetup");
    EXPECT_TRUE(deliveredBytes().isEmpty());
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Enable Setup");

    sim.misbehave(sim::SimFault::NeverAnswer);
    enterSetup();
    EXPECT_EQ(prompts.messages, QStringList{"Not Support"});
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Enable Setup");
    EXPECT_FALSE(enabled("btnSetToModule"));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExternalModuleGroupTest, whileInSetupTheTabsStayOnWirelessAndTheFocusOnSetup)
{
    enterSetup();
    tabs().setCurrentIndex(static_cast<int>(ConfigPage::Common));
    EXPECT_EQ(tabs().currentIndex(), static_cast<int>(ConfigPage::Wireless));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Child(*window, "ButtonRead").setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == &button("btnSetToModule"); }));
    edit("edtExWiFiSSID").setFocus(Qt::TabFocusReason); // inside the tab the focus moves freely
    EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == &edit("edtExWiFiSSID"); }));

    Click(*window, "btnEnableExtSetup");
    tabs().setCurrentIndex(static_cast<int>(ConfigPage::Common));
    EXPECT_EQ(tabs().currentIndex(), static_cast<int>(ConfigPage::Common));
}

TEST_F(ExternalModuleGroupTest, setupWritesTheNameAndPinShownInTheGroupThenThePageThenResets)
{
    enterSetup();
    edit("edtExBTName").setText(QStringLiteral("Dock 3"));
    edit("edtExBTPinCode").setText(QStringLiteral("2468"));
    clearPrinterLogs();
    prompts.confirmAnswers = {true};
    Click(*window, "btnSetToModule");
    EXPECT_EQ(prompts.questions.last(), "Do you want to setup the module?");
    EXPECT_TRUE(WaitUntil([&] { return !module().moduleMode; }));
    EXPECT_EQ(module().bluetoothName, "Dock 3");
    EXPECT_EQ(module().pinCode, "2468");
    const QList<QByteArray> commands = sim.printer.commands();
    const auto pin = commands.indexOf("module at+pin=2468");
    ASSERT_GE(pin, 0);
    EXPECT_EQ(commands.last(), "ESC !R"); // the reset comes last
    EXPECT_EQ(button("btnEnableExtSetup").text(), "Enable Setup");
    EXPECT_FALSE(enabled("btnSetToModule"));
    EXPECT_FALSE(enabled("edtExBTName"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ExternalModuleGroupTest, aNameTheModuleCannotTakeIsRefusedBeforeAnythingIsSent)
{
    enterSetup();
    for (const QString& name : {QStringLiteral("Dock\t3"), QString(32, u'n'), QStringLiteral("Dock \u4e2d")}) {
        edit("edtExBTName").setText(name);
        clearPrinterLogs();
        prompts.clearMessages();
        prompts.confirmAnswers = {true};
        Click(*window, "btnSetToModule");
        EXPECT_EQ(prompts.messages.size(), 1);
        EXPECT_TRUE(prompts.messages.value(0).contains("Bluetooth Local Name"))
            << prompts.messages.value(0).toStdString();
        EXPECT_TRUE(deliveredBytes().isEmpty());
        EXPECT_TRUE(module().moduleMode);
        EXPECT_EQ(button("btnEnableExtSetup").text(), "Exit Setup");
    }
    // A declined Setup changes nothing either.
    edit("edtExBTName").setText(QStringLiteral("Fine"));
    prompts.confirmAnswers = {false};
    Click(*window, "btnSetToModule");
    EXPECT_TRUE(deliveredBytes().isEmpty());
}

TEST_F(ExternalModuleGroupTest, scanListsEachAccessPointOnceAndARowFillsSsidAndEncryption)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.externalModule.accessPoints = {{"Office", 2}, {"Lab", 1}, {"Office", 2}, {"Office", 1}, {"Guest", 0}};
    });
    Click(*window, "ButtonScanAP");
    ASSERT_EQ(accessPoints().topLevelItemCount(), 4);
    EXPECT_EQ(accessPoints().topLevelItem(0)->text(0), "Office");
    EXPECT_EQ(accessPoints().topLevelItem(0)->text(1), "WPA");
    EXPECT_EQ(accessPoints().topLevelItem(2)->text(1), "WEP");
    EXPECT_EQ(accessPoints().topLevelItem(3)->text(1), "NONE");
    EXPECT_TRUE(prompts.messages.isEmpty());

    clickAccessPoint(1);
    EXPECT_EQ(edit("edtExWiFiSSID").text(), "Lab");
    EXPECT_EQ(list("cbbExWiFiEncryption").currentText(), "WEP1");
    EXPECT_TRUE(enabled("edtExWiFiKey"));
    clickAccessPoint(0);
    EXPECT_EQ(list("cbbExWiFiEncryption").currentText(), "WPA-PSK");
    clickAccessPoint(3);
    EXPECT_EQ(edit("edtExWiFiSSID").text(), "Guest");
    EXPECT_EQ(list("cbbExWiFiEncryption").currentIndex(), 0);
    EXPECT_FALSE(enabled("edtExWiFiKey"));
    EXPECT_FALSE(enabled("lblExWiFiKey"));

    useModule(sim::ExternalModuleState::Kind::None);
    Click(*window, "ButtonScanAP");
    EXPECT_EQ(prompts.messages, QStringList{"Can't find external module!"});
    EXPECT_EQ(accessPoints().topLevelItemCount(), 0);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ExternalModuleGroupTest, encryptionAndDhcpChoicesEnableTheirFields)
{
    EXPECT_FALSE(enabled("edtExWiFiKey")); // nothing chosen
    Choose(list("cbbExWiFiEncryption"), 2);
    EXPECT_TRUE(enabled("edtExWiFiKey"));
    EXPECT_TRUE(enabled("lblExWiFiKey"));
    Choose(list("cbbExWiFiEncryption"), 0);
    EXPECT_FALSE(enabled("edtExWiFiKey"));

    Choose(list("cbbExWiFiDHCP"), 1); // OFF
    for (const char* name : {"edtExWiFiIP", "lblExWiFiIP", "edtExWiFiMask", "edtExWiFiGateway", "lblExWiFiGateway"})
        EXPECT_TRUE(enabled(name)) << name;
    Choose(list("cbbExWiFiDHCP"), 2); // ON
    EXPECT_FALSE(enabled("edtExWiFiMask"));
    Choose(list("cbbExWiFiDHCP"), 1);
    Choose(list("cbbExWiFiDHCP"), 0);
    EXPECT_FALSE(enabled("lblExWiFiIP"));
}

TEST_F(ExternalModuleGroupTest, theGroupShownInSetupRendersWithItsAccessPoints)
{
    enterSetup();
    Click(*window, "ButtonScanAP");
    ASSERT_GT(accessPoints().topLevelItemCount(), 0);
    auto& group = Child<QGroupBox>(*window, "gbWirelessExtDev");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPixmap picture = group.grab();
    ASSERT_FALSE(picture.isNull());
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    EXPECT_TRUE(picture.save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/gbWirelessExtDev.png")));
    EXPECT_TRUE(window->grab().save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/TFormMain-external-module.png")));
}
