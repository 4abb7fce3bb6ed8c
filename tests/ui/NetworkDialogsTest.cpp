#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "RefusingPort.h"
#include "TFormEthernetSetup.h"
#include "TFormNetSetup.h"
#include "WidgetDriving.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace norvane;
using namespace norvane::test;

class NetSetupDialogTest : public MainWindowFixture
{
protected:
    /// Opens the TCP/IP dialog from the interface's Setup button and runs `action` in it.
    template <typename Action> void inNetSetup(Action action)
    {
        chooseInterface(InterfaceKind::Ethernet);
        OnModal<ui::TFormNetSetup>(action);
        Click(*window, "ButtonInterFace");
    }

    /// How many requests of `command` the printer's discovery port received.
    qsizetype datagramsOf(std::uint8_t command)
    {
        return sim.printer.withState([&](const sim::PrinterState& state) {
            return std::count_if(state.network.datagrams.begin(), state.network.datagrams.end(),
                                 [&](const QByteArray& datagram) { return datagram[9] == char(command); });
        });
    }
};

TEST_F(NetSetupDialogTest, anEmptyHostTakesTheFirstPrinterFoundAndClosingKeepsIt)
{
    sim.printer.withState([](sim::PrinterState& state) { state.network.discoverAnswers = 2; });
    openWindow();
    inNetSetup([](ui::TFormNetSetup& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "TCP/IP Setup");
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIPAddr").text(), "192.168.1.57");
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditPort").text(), "9100");
        const auto& list = Child<QTreeWidget>(dialog, "ListView1");
        EXPECT_EQ(list.topLevelItemCount(), 4) << "two answers to each of the two requests";
        EXPECT_EQ(list.topLevelItem(0)->text(0), "NV-PRINTER");
        EXPECT_EQ(list.topLevelItem(0)->text(1), "00:1B:82:4E:56:01");
        EXPECT_EQ(list.topLevelItem(0)->text(3), "NV-4100");
        EXPECT_EQ(list.topLevelItem(0)->text(4), "Ready");
        for (const char* hidden :
             {"ListView1", "ButtonDiscover", "ButtonChangeIP", "ButtonFactoryDefault", "ButtonBrowser"})
            EXPECT_FALSE(Child(dialog, hidden).isVisible()) << hidden;
        Child<QLineEdit>(dialog, "EditIPAddr").setText("10.9.9.9");
        dialog.reject();
    });
    EXPECT_EQ(window->linkSettings().ethernet.host, "192.168.1.57") << "the pre-filled host, not the edit";
    EXPECT_EQ(window->linkSettings().ethernet.port, 9100);
}

TEST_F(NetSetupDialogTest, withoutAnswersTheHostBecomesTheFallbackAndAGivenHostIsKept)
{
    discoveryTargets = sim.loopbackTargets();
    discoveryTargets->broadcast.port = discoveryTargets->multicast.port = static_cast<std::uint16_t>(sim.tcpPort);
    openWindow();
    inNetSetup([](ui::TFormNetSetup& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIPAddr").text(), "192.168.1.100");
        dialog.reject();
    });
    EXPECT_EQ(window->linkSettings().ethernet.host, "192.168.1.100");

    const QString longHost = QString(60, u'h') + ".lan";
    window->linkSettings().ethernet.host = longHost;
    inNetSetup([&](ui::TFormNetSetup& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIPAddr").text(), longHost);
        Click(dialog, "ButtonExit");
    });
    EXPECT_EQ(window->linkSettings().ethernet.host, longHost) << "all 64 characters are kept";
}

TEST_F(NetSetupDialogTest, exitStoresHostAndPortAndABadPortKeepsTheDialogOpen)
{
    openWindow();
    window->linkSettings().ethernet.host = "printer-7";
    inNetSetup([&](ui::TFormNetSetup& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIPAddr").text(), "printer-7");
        Child<QLineEdit>(dialog, "EditIPAddr").setText("10.0.0.7");
        Child<QLineEdit>(dialog, "EditPort").setText("91OO");
        Click(dialog, "ButtonExit");
        EXPECT_EQ(prompts.messages, QStringList{"'91OO' is not a valid integer value"});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(window->linkSettings().ethernet.host, "10.0.0.7");
        Child<QLineEdit>(dialog, "EditPort").setText("6101");
        Click(dialog, "ButtonExit");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(window->linkSettings().ethernet.port, 6101);
}

TEST_F(NetSetupDialogTest, changeIpReadsTheGroupsAndSendsTheFourSetsOnlyWhenConfirmed)
{
    openWindow();
    inNetSetup([&](ui::TFormNetSetup& dialog) {
        OnModal<ui::TFormEthernetSetup>([](ui::TFormEthernetSetup& ethernet) {
            EXPECT_EQ(Child<QLineEdit>(ethernet, "EditIP").text(), "192.168.1.57");
            EXPECT_EQ(Child<QLineEdit>(ethernet, "EditPrinterName").text(), "NV-PRINTER");
            Click(ethernet, "ButtonCancel");
        });
        Child<QPushButton>(dialog, "ButtonChangeIP").click();
        EXPECT_EQ(datagramsOf(3), 2);
        EXPECT_EQ(datagramsOf(4), 0) << "a cancelled change sends no Set Group";

        OnModal<ui::TFormEthernetSetup>([](ui::TFormEthernetSetup& ethernet) {
            Child<ui::RadioGroup>(ethernet, "RadioGroupDHCP").setItemIndex(1);
            Child<QLineEdit>(ethernet, "EditIP").setText("10.4.4.4");
            Child<QLineEdit>(ethernet, "EditMask").setText("255.0.0.0");
            Child<QLineEdit>(ethernet, "EditGateWay").setText("10.0.0.1");
            Click(ethernet, "ButtonSetIP");
        });
        Child<QTreeWidget>(dialog, "ListView1").topLevelItem(0)->setSelected(true);
        Child<QPushButton>(dialog, "ButtonChangeIP").click();
        EXPECT_EQ(datagramsOf(4), 4);
        EXPECT_EQ(Child<QTreeWidget>(dialog, "ListView1").topLevelItemCount(), 0);
        dialog.reject();
    });
    const sim::NetworkState network = sim.printer.snapshot().network;
    EXPECT_FALSE(network.dhcp);
    EXPECT_EQ(network.address, "10.4.4.4");
    EXPECT_EQ(network.gateway, "10.0.0.1");
    EXPECT_EQ(network.name, "NV-PRINTER");
}

TEST_F(NetSetupDialogTest, factoryDefaultAsksFirst)
{
    openWindow();
    sim.printer.withState([](sim::PrinterState& state) { state.network.dhcp = false; });
    inNetSetup([&](ui::TFormNetSetup& dialog) {
        Child<QPushButton>(dialog, "ButtonFactoryDefault").click();
        EXPECT_EQ(prompts.questions, QStringList{"Are you sure?"});
        EXPECT_EQ(Child<QTreeWidget>(dialog, "ListView1").topLevelItemCount(), 2) << "No leaves the list";
        prompts.confirmAnswers = {true};
        Child<QPushButton>(dialog, "ButtonFactoryDefault").click();
        EXPECT_EQ(Child<QTreeWidget>(dialog, "ListView1").topLevelItemCount(), 0);
        dialog.reject();
    });
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.network.dhcp; }));
}

class EthernetSetupDialogTest : public MainWindowFixture
{
protected:
    /// Opens the dialog from the hidden "Ethernet Setup" button over the network link.
    template <typename Action> void inEthernetSetup(Action action)
    {
        OnModal<ui::TFormEthernetSetup>(action);
        Child<QPushButton>(*window, "ButtonEthernet").click();
    }
};

TEST_F(EthernetSetupDialogTest, aDhcpPrinterShowsItsLastUsedAddressWithTheAddressRowsDisabled)
{
    openWindow();
    useEthernet();
    inEthernetSetup([](ui::TFormEthernetSetup& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Ethernet Setup");
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupDHCP").itemIndex(), 0);
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIP").text(), "192.168.1.57");
        EXPECT_FALSE(Child<QLineEdit>(dialog, "EditIP").isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(dialog, "EditGateWay").isEnabled());
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditMACAddr").text(), "00:1B:82:4E:56:01");
        EXPECT_FALSE(Child<QLineEdit>(dialog, "EditMACAddr").isEnabled());
        Child<ui::RadioGroup>(dialog, "RadioGroupDHCP").setItemIndex(1);
        EXPECT_TRUE(Child<QLineEdit>(dialog, "EditIP").isEnabled());
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIP").text(), "192.168.1.57") << "the text stays";
        Click(dialog, "ButtonCancel");
    });
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(EthernetSetupDialogTest, aStaticPrinterShowsItsAddressAndANamelessOneAnEmptyName)
{
    openWindow();
    useEthernet();
    sim.printer.withState([](sim::PrinterState& state) {
        state.network.dhcp = false;
        state.network.address = "10.1.1.5";
        state.network.reportsName = false;
    });
    inEthernetSetup([](ui::TFormEthernetSetup& dialog) {
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupDHCP").itemIndex(), 1);
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditIP").text(), "10.1.1.5");
        EXPECT_TRUE(Child<QLineEdit>(dialog, "EditMask").isEnabled());
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditPrinterName").text(), "");
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditMACAddr").text(), "");
        dialog.close();
    });
}

TEST_F(EthernetSetupDialogTest, setIpWithDhcpSendsOnlyNetDhcpAndSetNameOnlyTheName)
{
    openWindow();
    useEthernet();
    sim.printer.withState([](sim::PrinterState& state) { state.network.dhcp = false; });
    clearPrinterLogs();
    inEthernetSetup([](ui::TFormEthernetSetup& dialog) {
        Child<ui::RadioGroup>(dialog, "RadioGroupDHCP").setItemIndex(0);
        Child<QLineEdit>(dialog, "EditGateWay").setText("junk");
        Click(dialog, "ButtonSetIP");
    });
    ASSERT_TRUE(printerReceived("NET DHCP\r\n"));
    EXPECT_TRUE(deliveredBytes().endsWith("DIAGNOSTIC REPORT PASSWORD\r\nNET DHCP\r\n"));

    clearPrinterLogs();
    inEthernetSetup([](ui::TFormEthernetSetup& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditPrinterName").maxLength(), 15);
        Child<QLineEdit>(dialog, "EditPrinterName").setText("Fifteen-chars-x");
        Click(dialog, "ButtonSetPrinterName");
    });
    ASSERT_TRUE(printerReceived("NET NAME \"Fifteen-chars-x\"\r\n"));
    EXPECT_FALSE(deliveredBytes().contains("NET IP"));
}

TEST_F(EthernetSetupDialogTest, cancelAndTheCloseBoxSendNothingAndAFailedReadOpensNoDialog)
{
    openWindow();
    useEthernet();
    for (const bool closeBox : {false, true}) {
        clearPrinterLogs();
        inEthernetSetup([&](ui::TFormEthernetSetup& dialog) {
            if (closeBox)
                dialog.close();
            else
                Click(dialog, "ButtonCancel");
        });
        EXPECT_FALSE(deliveredBytes().contains("NET ")) << closeBox;
    }

    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    Child<QPushButton>(*window, "ButtonEthernet").click();
    EXPECT_EQ(prompts.messages, QStringList{"Port Open Error"});
}
