#include "protocol/CommandDispatcher.h"
#include "ScriptedTransport.h"
#include "config/PrinterConfig.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/PrinterStatus.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class CommandDispatcherTest : public ::testing::Test
{
protected:
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(CommandDispatcherTest, operationsOutsideTheTableOrNeedingARecordAtRunTimeAreUnknownAndOpenNothing)
{
    for (std::uint32_t op : {27u, 34u, 1000u})
        EXPECT_EQ(dispatcher.dispatch(static_cast<OperationCode>(op), InterfaceKind::Usb), ResultCode::UnknowError)
            << op;
    // A run-time number runs only operations without a record.
    EXPECT_EQ(dispatcher.dispatch(OperationCode::ReadPassword, InterfaceKind::Lpt), ResultCode::UnknowError);
    EXPECT_EQ(dispatcher.dispatch(OperationCode::ReadFileLists, InterfaceKind::Usb), ResultCode::UnknowError);
    EXPECT_EQ(s.device->opens, 0);
    EXPECT_EQ(ResultMessage(ResultCode::UnknowError), "Unknow Error");
}

TEST_F(CommandDispatcherTest, readingOperationsAreRefusedOnLptBeforeAnythingIsOpened)
{
    StatusFlags flags;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadStatus>(InterfaceKind::Lpt, flags),
              ResultCode::DataReceivingError);
    PrinterConfig config;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Lpt, config, 1),
              ResultCode::DataReceivingError);
    std::int32_t emulation = 0;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadEmulation>(InterfaceKind::Lpt, emulation),
              ResultCode::DataReceivingError);
    QByteArray password = "secret";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Lpt, password), ResultCode::Success);
    EXPECT_TRUE(password.isEmpty());
    EXPECT_EQ(s.device->opens, 0);
    EXPECT_TRUE(s.recorder.calls.isEmpty());
}

TEST_F(CommandDispatcherTest, sendOnlyOperationsWriteTheirExactBytes)
{
    const std::pair<OperationCode, QByteArray> cases[] = {
        {OperationCode::FactoryDefault, "INITIALPRINTER\r\n"},
        {OperationCode::PrintConfigurationPage, "SELFTEST\r\n"},
        {OperationCode::ResetPrinter, QByteArray("\x1b!R", 3)},
        {OperationCode::IgnoreStartupProgram, QByteArray("\x1b!C", 3)},
        {OperationCode::ExitLineMode, QByteArray("\x1bZ\r\n", 4)},
    };
    for (const auto& [op, bytes] : cases) {
        for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Lpt}) {
            s.device->written.clear();
            EXPECT_EQ(dispatcher.dispatch(op, kind), ResultCode::Success);
            EXPECT_EQ(s.device->written, bytes);
        }
    }
}

TEST_F(CommandDispatcherTest, theLinkTestOpensAndWritesNothing)
{
    EXPECT_EQ(dispatcher.dispatch<OperationCode::LinkTest>(InterfaceKind::Lpt), ResultCode::Success);
    EXPECT_EQ(s.device->opens, 1);
    EXPECT_TRUE(s.device->written.isEmpty());
    s.device->refuseOpen = true;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::LinkTest>(InterfaceKind::Usb), ResultCode::PortOpenError);
}

TEST_F(CommandDispatcherTest, sendOnlyOperationsReportOpenAndWriteFailures)
{
    s.device->refuseOpen = true;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::FactoryDefault>(InterfaceKind::Com), ResultCode::PortOpenError);
    s.device->refuseOpen = false;
    s.device->failChunk = 0;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::FactoryDefault>(InterfaceKind::Com),
              ResultCode::DataTransmissionError);
}

TEST_F(CommandDispatcherTest, progressIsShownAroundTheLongOperationsWhateverTheirResult)
{
    int extraSeen = -1;
    dispatcher.registerOperation<OperationCode::ReadConfiguration>(
        [&](const OperationContext&, PrinterConfig&) { return ResultCode::DataReceivingError; });
    dispatcher.registerOperation<OperationCode::WriteConfigurationPage>(
        [&](const OperationContext& context, ConfigPageWrite&) {
            extraSeen = context.extra;
            return ResultCode::DataReceivingError;
        });

    PrinterConfig config;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Usb, config, 0),
              ResultCode::DataReceivingError);
    EXPECT_TRUE(s.recorder.calls.isEmpty()); // the silent start-up read

    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Usb, config, 1),
              ResultCode::DataReceivingError);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "hide"}));
    s.recorder.calls.clear();
    ConfigPageWrite write;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Usb, write, 4),
              ResultCode::DataReceivingError);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "hide"}));
    EXPECT_FALSE(s.progress.isShown());
    EXPECT_EQ(extraSeen, 4); // the page number travels as extra
}

TEST_F(CommandDispatcherTest, aTextItsCommandCannotCarrySendsNothingAndGivesUnknowError)
{
    const QByteArray password = "x\"\r\nINITIALPRINTER\r\n";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SendPassword>(InterfaceKind::Usb, password), ResultCode::UnknowError);
    const QByteArray address = "00:11\r\nRESET";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ConnectBluetooth>(InterfaceKind::Usb, address),
              ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
}

TEST(ResultCodeTest, everyCodeHasItsFixedMessage)
{
    EXPECT_EQ(ResultMessage(ResultCode::Success), "");
    EXPECT_EQ(ResultMessage(ResultCode::PortOpenError), "Port Open Error");
    EXPECT_EQ(ResultMessage(ResultCode::DataTransmissionError), "Data Transmission Error");
    EXPECT_EQ(ResultMessage(ResultCode::DataReceivingError), "Data Receiving Error");
    EXPECT_EQ(ResultMessage(ResultCode::FileOpenError), "File Open Error");
    EXPECT_EQ(ResultMessage(ResultCode::NotSupport), "Not Support");
    EXPECT_EQ(ResultMessage(static_cast<ResultCode>(7)), "");
}
