#include "protocol/DumpOperations.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray frame(const QByteArray& data)
{
    return '{' + QByteArray::number(data.size()) + '|' + data + '}';
}

const QByteArray kFileRequest = "DIAGNOSTIC FILE \"Dump.txt\"\r\n\r\n";

} // namespace

class DumpOperationsTest : public ::testing::Test
{
protected:
    DumpOperationsTest()
    {
        s.links.timeouts().fileRequestSettle = std::chrono::milliseconds(0);
        s.links.timeouts().fileRequestLead = std::chrono::milliseconds(0);
    }

    /// A printer that answers the file request with `reply`, from the try numbered `firstAnswer` on (1-based).
    void answerFileRequest(const QByteArray& reply, int firstAnswer = 1)
    {
        s.device->respond = [this, reply, firstAnswer](QByteArrayView chunk) {
            return chunk == kFileRequest && s.device->opens >= firstAnswer ? reply : QByteArray();
        };
    }

    ResultCode start(std::int32_t mode, const QByteArray& fileName)
    {
        const DumpRequest request{mode, fileName, true};
        return dispatcher.dispatch<OperationCode::StartDumpMode>(InterfaceKind::Usb, request);
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    PrinterFileRequest file;
};

TEST_F(DumpOperationsTest, eachModeSendsItsOneTextWithoutLineEndAndReadsNothing)
{
    ASSERT_EQ(start(0, "IGNORED.TXT"), ResultCode::Success);
    ASSERT_EQ(start(1, "LOG.TXT"), ResultCode::Success);
    // Saving to a file always uses the printer's Dump.txt, whatever name was typed; so does any other mode.
    ASSERT_EQ(start(2, "LOG.TXT"), ResultCode::Success);
    ASSERT_EQ(start(7, "LOG.TXT"), ResultCode::Success);
    EXPECT_EQ(s.device->chunks,
              (QList<QByteArray>{"DUMP_TEXT PRINT,", "DUMP_TEXT SAVE 1000,E,\"LOG.TXT\",",
                                 "DUMP_TEXT SAVE 1000,\"Dump.txt\",", "DUMP_TEXT SAVE 1000,\"Dump.txt\","}));
    EXPECT_EQ(s.device->fetches, 0);
}

TEST_F(DumpOperationsTest, aCardNameTheCommandCannotCarrySendsNothingAndAFailedWriteOrOpenIsReported)
{
    EXPECT_EQ(start(1, "ABCDEFGHIJKLM"), ResultCode::UnknowError);
    EXPECT_EQ(start(1, "A\"B"), ResultCode::UnknowError);
    EXPECT_EQ(start(1, "A\r\nKILL F,\"*\""), ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
    EXPECT_EQ(start(1, "ABCDEFGHIJKL"), ResultCode::Success);

    s.device->failChunk = s.device->chunks.size();
    EXPECT_EQ(start(0, {}), ResultCode::DataTransmissionError);
    s.device->refuseOpen = true;
    EXPECT_EQ(start(0, {}), ResultCode::PortOpenError);
}

TEST_F(DumpOperationsTest, theFileComesAsOneFrameAfterALineEndWithAnyBytesInIt)
{
    const QByteArray contents("line 1\r\n}{3|x}\0\xff", 17);
    answerFileRequest(frame(contents));
    ASSERT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::Success);
    EXPECT_EQ(file.contents, contents);
    EXPECT_EQ(s.device->chunks, (QList<QByteArray>{"\r\n", kFileRequest}));
    EXPECT_EQ(s.device->opens, 1);

    file.fileName = "LOG.TXT";
    s.device->respond = {};
    s.device->chunks.clear();
    dispatcher.dispatch<OperationCode::ReadDumpFile>(InterfaceKind::Usb, file);
    EXPECT_EQ(s.device->chunks.value(1), "DIAGNOSTIC FILE \"LOG.TXT\"\r\n\r\n");
    EXPECT_TRUE(file.contents.isEmpty());
}

TEST_F(DumpOperationsTest, aPrinterThatNeverAnswersCostsThreeReadTimeOuts)
{
    s.links.timeouts().usbRead = std::chrono::milliseconds(3000);
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->opens, 3);
    EXPECT_EQ(s.device->written, ("\r\n" + kFileRequest).repeated(3));
    // The device's clock moves only while the link waits for input.
    EXPECT_EQ(s.device->clock, std::chrono::milliseconds(9000));
}

TEST_F(DumpOperationsTest, aReceivingFailureIsTriedAgainButNoOtherFailureIs)
{
    answerFileRequest(frame("late"), 3);
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::Success);
    EXPECT_EQ(file.contents, "late");
    EXPECT_EQ(s.device->opens, 3);

    s.device->opens = 0;
    s.device->failChunk = s.device->chunks.size() + 1;
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::DataTransmissionError);
    EXPECT_EQ(s.device->opens, 1);
    EXPECT_TRUE(file.contents.isEmpty());

    s.device->opens = 0;
    s.device->refuseOpen = true;
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::PortOpenError);
    EXPECT_EQ(s.device->opens, 1);
}

TEST_F(DumpOperationsTest, aFileOfMoreThanTheBufferLessTwoBytesIsRefusedAsAReceivingFailure)
{
    const QByteArray largest(kPrinterFileCapacity - 2, 'd');
    answerFileRequest(frame(largest));
    ASSERT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::Success);
    EXPECT_EQ(file.contents.size(), largest.size());

    s.device->opens = 0;
    answerFileRequest(frame(largest + 'd'));
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->opens, 3);
    EXPECT_TRUE(file.contents.isEmpty());
}

TEST_F(DumpOperationsTest, aFileNameTheRequestCannotCarryIsRefusedBeforeAnythingIsSent)
{
    file.fileName = "A\"\r\nKILL \"*\"";
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::UnknowError);
    file.fileName = QByteArray(kPrinterFileNameLimit + 1, 'n');
    EXPECT_EQ(FetchPrinterFile(dispatcher, InterfaceKind::Usb, file), ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
}
