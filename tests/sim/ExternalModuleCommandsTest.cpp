#include "ExternalModuleCommands.h"
#include "ModuleTap.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

namespace {

QList<QByteArray> moduleCommands(const QList<ModuleTap::Part>& parts)
{
    QList<QByteArray> commands;
    for (const ModuleTap::Part& part : parts) {
        if (part.toModule)
            commands.append(part.bytes);
    }
    return commands;
}

QByteArray printerBytes(const QList<ModuleTap::Part>& parts)
{
    QByteArray bytes;
    for (const ModuleTap::Part& part : parts) {
        if (!part.toModule)
            bytes += part.bytes;
    }
    return bytes;
}

QByteArray answers(const QList<Output>& outputs)
{
    QByteArray bytes;
    for (const Output& output : outputs)
        bytes += output.bytes;
    return bytes;
}

} // namespace

TEST(ModuleTapTest, atCommandsGoToTheModuleAndEverythingElseToThePrinter)
{
    ModuleTap tap;
    auto parts = tap.split("\r\rAT+STA\rat+sln=Name 2\r");
    EXPECT_EQ(moduleCommands(parts), (QList<QByteArray>{"AT+STA", "at+sln=Name 2"}));
    EXPECT_EQ(printerBytes(parts), "\r\r");

    // Printer lines, escape sequences and a word that merely starts with A pass by the module.
    parts = tap.split("\r\nDIAGNOSTIC REPORT SCANAP\r\nAUTODETECT\r\n\x1b!R");
    EXPECT_TRUE(moduleCommands(parts).isEmpty());
    EXPECT_EQ(printerBytes(parts), "\r\nDIAGNOSTIC REPORT SCANAP\r\nAUTODETECT\r\n\x1b!R");

    // "AT" inside a printer line is not a module command.
    parts = tap.split("TEXT AT+STA\r\n");
    EXPECT_TRUE(moduleCommands(parts).isEmpty());
}

TEST(ModuleTapTest, aCommandSplitOverWritesIsTakenWholeAndAnEndlessOneGivenToThePrinter)
{
    ModuleTap tap;
    EXPECT_TRUE(moduleCommands(tap.split("A")).isEmpty());
    EXPECT_TRUE(moduleCommands(tap.split("T+GL")).isEmpty());
    EXPECT_EQ(moduleCommands(tap.split("N\r")), QList<QByteArray>{"AT+GLN"});

    const QByteArray endless = "AT" + QByteArray(2000, 'x');
    const auto parts = tap.split(endless);
    EXPECT_TRUE(moduleCommands(parts).isEmpty());
    EXPECT_EQ(printerBytes(parts).size(), endless.size()); // past the bound it is all the printer's
}

TEST(ExternalModuleAnswersTest, aBluetoothModuleAnswersItsStatusNameAndSettings)
{
    ExternalModuleState module;
    EXPECT_EQ(ModuleAnswer("AT+STA", module), "\r\n+STA:1\r\n");
    EXPECT_EQ(ModuleAnswer("AT+GLN", module), "\r\n+LN:NV-BT-01\r\n");
    EXPECT_EQ(ModuleAnswer("at+sln=Desk 4", module), "\r\n1\r\n");
    EXPECT_EQ(ModuleAnswer("at+pin=4321", module), "\r\n1\r\n");
    EXPECT_EQ(module.bluetoothName, "Desk 4");
    EXPECT_EQ(module.pinCode, "4321");
    EXPECT_EQ(ModuleAnswer("AT+GLN", module), "\r\n+LN:Desk 4\r\n");
    EXPECT_EQ(ModuleAnswer("AT+XYZ", module), "\r\nERROR\r\n");

    module.kind = ExternalModuleState::Kind::Wireless;
    EXPECT_EQ(ModuleAnswer("AT+STA", module), "\r\nERROR\r\n");
    EXPECT_EQ(ModuleAnswer("at+sln=Other", module), "\r\nERROR\r\n");
    EXPECT_EQ(module.bluetoothName, "Desk 4");
    module.kind = ExternalModuleState::Kind::None;
    EXPECT_EQ(ModuleAnswer("AT+STA", module), "");
    EXPECT_EQ(module.atCommands.size(), 9);
}

TEST(ExternalModuleAnswersTest, accessPointAndModuleOptionsAreCheckedWhole)
{
    ExternalModuleState module;
    ASSERT_TRUE(SetAccessPoints(QStringLiteral("Home=2;Cafe=0;a=b=1"), module));
    ASSERT_EQ(module.accessPoints.size(), 3);
    EXPECT_EQ(module.accessPoints[2].ssid, "a=b");
    EXPECT_EQ(module.accessPoints[2].security, 1);
    EXPECT_FALSE(SetAccessPoints(QStringLiteral("Home"), module));
    EXPECT_FALSE(SetAccessPoints(QStringLiteral("Home=x"), module));
    ASSERT_TRUE(SetAccessPoints(QStringLiteral("none"), module));
    EXPECT_FALSE(module.searchesAccessPoints);
    EXPECT_TRUE(SetExternalModuleKind(QStringLiteral("wireless"), module));
    EXPECT_EQ(module.kind, ExternalModuleState::Kind::Wireless);
    EXPECT_FALSE(SetExternalModuleKind(QStringLiteral("wifi"), module));
}

TEST(ExternalModuleModeTest, debugEntersModuleModeUntilAReset)
{
    VirtualPrinter printer;
    auto session = printer.openSession();
    EXPECT_TRUE(answers(session->receive("\r\rAT+STA\r")).isEmpty()); // not in module mode: the printer ignores it
    EXPECT_EQ(answers(session->receive("SET COM1 115,N,8,1\r\n")), "");
    EXPECT_EQ(answers(session->receive("DEBUG 2034,8,7\r\n")), "U");
    EXPECT_EQ(answers(session->receive("\r\rAT+STA\r")), "\r\n+STA:1\r\n");
    EXPECT_TRUE(printer.commands().contains("module AT+STA"));

    // A fresh connection finds the printer still in module mode.
    auto next = printer.openSession();
    EXPECT_EQ(answers(next->receive("AT+GLN\r")), "\r\n+LN:NV-BT-01\r\n");
    next->receive("\x1b!R");
    EXPECT_FALSE(printer.snapshot().externalModule.moduleMode);
    EXPECT_TRUE(answers(next->receive("AT+GLN\r")).isEmpty());
}

TEST(ExternalModuleModeTest, theAccessPointSearchListsTheModulesFindingsOrMinusOne)
{
    VirtualPrinter printer;
    auto session = printer.openSession();
    auto outputs = session->receive("DIAGNOSTIC REPORT SCANAP\r\n");
    ASSERT_EQ(outputs.size(), 1);
    EXPECT_EQ(outputs[0].bytes, QByteArray("{50|4\rOffice,2,-50\rLab,1,-50\rOffice,2,-50\rGuest,0,-50\r}"));
    EXPECT_EQ(outputs[0].delay, printer.snapshot().externalModule.scanTime);

    printer.withState([](PrinterState& state) { state.externalModule.kind = ExternalModuleState::Kind::None; });
    EXPECT_EQ(answers(session->receive("DIAGNOSTIC REPORT SCANAP\r\n")), "{3|-1\r}");
    printer.withState([](PrinterState& state) {
        state.externalModule.kind = ExternalModuleState::Kind::Wireless;
        state.externalModule.searchesAccessPoints = false;
    });
    EXPECT_EQ(answers(session->receive("DIAGNOSTIC REPORT SCANAP\r\n")), "{3|-1\r}");
}
