#include "protocol/ExternalModule.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

namespace {

/// A module behind the printer that answers each command it knows, and nothing else.
std::function<QByteArray(QByteArrayView)> Answering(QMap<QByteArray, QByteArray> answers)
{
    return [answers = std::move(answers)](QByteArrayView command) {
        return answers.value(command.toByteArray());
    };
}

} // namespace

class ExternalModuleTest : public ::testing::Test
{
protected:
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(ExternalModuleTest, anExchangeReadsUntilTheExpectedTextOrFails)
{
    QByteArray answer;
    s.device->respond = Answering({{"PING\r", "noise\r\nOK\r\nlater"}});
    EXPECT_TRUE(ModuleExchange(s.links, InterfaceKind::Com, "PING\r", "OK\r\n", answer));
    EXPECT_EQ(answer, "noise\r\nOK\r\n"); // nothing after the expected text is taken

    // Without the expected text the exchange fails when the module falls silent.
    EXPECT_FALSE(ModuleExchange(s.links, InterfaceKind::Com, "PING\r", "READY", answer));

    // Nothing expected: everything until the silence is the answer.
    s.device->input.clear();
    EXPECT_TRUE(ModuleExchange(s.links, InterfaceKind::Com, "PING\r", {}, answer));
    EXPECT_EQ(answer, "noise\r\nOK\r\nlater");

    // A module that never stops talking fills the buffer and fails instead of reading for ever.
    s.device->input.clear();
    s.device->respond = nullptr;
    s.device->arrive = [] {
        return QByteArray(100, 'x');
    };
    EXPECT_FALSE(ModuleExchange(s.links, InterfaceKind::Com, "PING\r", "OK", answer));
    EXPECT_EQ(answer.size(), kModuleAnswerCapacity);
    s.device->arrive = nullptr;

    s.device->refuseOpen = true;
    EXPECT_FALSE(ModuleExchange(s.links, InterfaceKind::Com, "PING\r", {}, answer));
}

TEST_F(ExternalModuleTest, moduleModeIsEnteredOnlyWhenThePrinterAnswersU)
{
    s.device->respond = Answering({{"DEBUG 2034,8,7\r\n", "U"}});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::CheckExternalModule>(InterfaceKind::Com), ResultCode::Success);
    EXPECT_EQ(s.device->written, "SET COM1 115,N,8,1\r\nDEBUG 2034,8,7\r\n");
    EXPECT_EQ(s.device->opens, 2); // each step over a link of its own

    s.device->written.clear();
    s.device->respond = nullptr;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::CheckExternalModule>(InterfaceKind::Com), ResultCode::NotSupport);
    EXPECT_EQ(s.device->written, "SET COM1 115,N,8,1\r\nDEBUG 2034,8,7\r\n");

    s.device->written.clear();
    s.device->failChunk = static_cast<int>(s.device->chunks.size());
    EXPECT_EQ(dispatcher.dispatch<OperationCode::CheckExternalModule>(InterfaceKind::Com),
              ResultCode::DataTransmissionError);
    EXPECT_TRUE(s.device->written.isEmpty());
}

TEST_F(ExternalModuleTest, theProbeFindsABluetoothModuleByItsStatusAnswer)
{
    s.device->respond = Answering({{"\r\rAT+STA\r", "\r\n+STA:1\r\n"}});
    EXPECT_TRUE(ProbeBluetoothModule(s.links, InterfaceKind::Usb));
    EXPECT_EQ(s.device->written, "\r\rAT+STA\r");
    s.device->respond = Answering({{"\r\rAT+STA\r", "\r\n+STA:0\r\n"}});
    EXPECT_FALSE(ProbeBluetoothModule(s.links, InterfaceKind::Usb));
    s.device->respond = nullptr;
    EXPECT_FALSE(ProbeBluetoothModule(s.links, InterfaceKind::Usb));
}

TEST_F(ExternalModuleTest, theNameIsReadAfterBlankLinesAndThePinComesBackEmpty)
{
    s.device->respond = Answering({{"\r\r\r", "\r\nERROR\r\n"}, {"AT+GLN\r", "\r\n+LN:Norvane BT 7\r\n"}});
    const ModuleBluetoothSettings settings = ReadModuleBluetooth(s.links, InterfaceKind::Com);
    EXPECT_EQ(s.device->written, "\r\r\rAT+GLN\r");
    EXPECT_EQ(settings.name, "Norvane BT 7"); // a blank does not end the name
    EXPECT_TRUE(settings.pinCode.isEmpty());

    EXPECT_EQ(ParseModuleName("\r\nERROR\r\n"), "");
    EXPECT_EQ(ParseModuleName("\r\n+LN:\r\n"), "");
    EXPECT_EQ(ParseModuleName("+LN:cut off"), "cut off");
    EXPECT_EQ(ParseModuleName("\r\n+LN:" + QByteArray(40, 'n') + "\r\n"), QByteArray(31, 'n'));
}

TEST_F(ExternalModuleTest, nameAndPinAreWrittenEachConfirmedByTheModule)
{
    s.device->respond = Answering({{"at+sln=Label-01\r", "\r\n1\r\n"}, {"at+pin=0000\r", "\r\n1\r\n"}});
    EXPECT_EQ(WriteModuleBluetooth(s.links, InterfaceKind::Com, {"Label-01", "0000"}), ResultCode::Success);
    EXPECT_EQ(s.device->written, "at+sln=Label-01\rat+pin=0000\r");

    // An unconfirmed name stops before the PIN goes out.
    s.device->written.clear();
    EXPECT_EQ(WriteModuleBluetooth(s.links, InterfaceKind::Com, {"Other", "0000"}), ResultCode::DataTransmissionError);
    EXPECT_EQ(s.device->written, "at+sln=Other\r");
    s.device->written.clear();
    EXPECT_EQ(WriteModuleBluetooth(s.links, InterfaceKind::Com, {"Label-01", "9999"}),
              ResultCode::DataTransmissionError);
}

TEST_F(ExternalModuleTest, textsTheModuleCannotCarryAreRefusedBeforeAnythingIsSent)
{
    s.device->respond = [](QByteArrayView) {
        return QByteArray("\r\n1\r\n");
    };
    for (const ModuleBluetoothSettings& settings :
         {ModuleBluetoothSettings{"Name\rAT+RST", "0000"}, ModuleBluetoothSettings{"Name", "00\n00"},
          ModuleBluetoothSettings{QByteArray(32, 'n'), "0000"}, ModuleBluetoothSettings{"Name", "\x7f"}}) {
        EXPECT_EQ(WriteModuleBluetooth(s.links, InterfaceKind::Com, settings), ResultCode::UnknowError);
        EXPECT_TRUE(s.device->written.isEmpty());
        EXPECT_EQ(s.device->opens, 0);
    }
    EXPECT_EQ(WriteModuleBluetooth(s.links, InterfaceKind::Com, {QByteArray(31, 'n'), "\"1 2\""}), ResultCode::Success);
}
