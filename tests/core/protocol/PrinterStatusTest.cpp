#include "protocol/PrinterStatus.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class PrinterStatusTest : public ::testing::Test
{
protected:
    /// A printer answering the status query with `status` and the extended query with `extended`.
    void answer(std::uint8_t status, const QByteArray& extended)
    {
        s.device->respond = [status, extended](QByteArrayView command) {
            if (command == QByteArrayView("\x1b!?", 3))
                return QByteArray(1, static_cast<char>(status));
            if (command == QByteArrayView("\x1b!S\r\n", 5))
                return extended;
            return QByteArray();
        };
    }

    static QByteArray extendedWithRibbonByte(std::uint8_t ribbon)
    {
        QByteArray reply(8, '\0');
        reply[4] = static_cast<char>(ribbon);
        return reply;
    }

    ResultCode readStatus() { return dispatcher.dispatch<OperationCode::ReadStatus>(InterfaceKind::Usb, flags); }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    StatusFlags flags;
};

TEST_F(PrinterStatusTest, sendsBothQueriesAndReadsTheFlags)
{
    answer(0x21, extendedWithRibbonByte(0));
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_EQ(s.device->written, QByteArray("\x1b!?\x1b!S\r\n", 8));
    EXPECT_EQ(flags.flags, (std::array<std::uint8_t, 10>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(StatusText(flags), "Cover Open");
}

TEST_F(PrinterStatusTest, theExtendedStatusDetailsARibbonFaultEncoderFirst)
{
    answer(0x08, extendedWithRibbonByte(0x0C));
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Ribbon Encoder Err.");
    EXPECT_FALSE(flags[StatusFlags::OutOfRibbon]);

    answer(0x08, extendedWithRibbonByte(0x04));
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Out of Ribbon");

    answer(0x08, extendedWithRibbonByte(0x00));
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Ready");
}

TEST_F(PrinterStatusTest, aMissingOrShortExtendedStatusIsNoFailure)
{
    answer(0x08, QByteArray());
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Ready");

    answer(0x08, QByteArray(5, '\x0c'));
    ASSERT_EQ(readStatus(), ResultCode::Success);
    EXPECT_FALSE(flags[StatusFlags::RibbonEncoderError]);
}

TEST_F(PrinterStatusTest, noStatusByteIsAReceivingErrorAndTheExtendedQueryIsNotSent)
{
    ASSERT_EQ(readStatus(), ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->written, QByteArray("\x1b!?", 3));
}

TEST_F(PrinterStatusTest, failuresToOpenOrWriteGiveTheirCodes)
{
    s.device->refuseOpen = true;
    EXPECT_EQ(readStatus(), ResultCode::PortOpenError);
    s.device->refuseOpen = false;
    s.device->failChunk = 0;
    EXPECT_EQ(readStatus(), ResultCode::DataTransmissionError);
}

TEST(StatusTextTest, theLastStateThatHoldsWins)
{
    const auto text = [](std::initializer_list<StatusFlags::Index> set) {
        StatusFlags status;
        for (auto index : set)
            status.flags[index] = 1;
        return StatusText(status);
    };
    using F = StatusFlags;
    EXPECT_EQ(text({}), "Ready");
    EXPECT_EQ(text({F::NotShown}), "Ready");
    EXPECT_EQ(text({F::Printing}), "Printing");
    EXPECT_EQ(text({F::Printing, F::Pause}), "Pause");
    EXPECT_EQ(text({F::Pause, F::PaperJam}), "Paper Jam");
    EXPECT_EQ(text({F::PaperJam, F::OutOfPaper}), "Out of Paper");
    EXPECT_EQ(text({F::OutOfPaper, F::RibbonFault, F::RibbonEncoderError}), "Ribbon Encoder Err.");
    EXPECT_EQ(text({F::RibbonEncoderError}), "Ready"); // only with the ribbon fault bit
    EXPECT_EQ(text({F::RibbonFault, F::OutOfRibbon, F::Printing}), "Out of Ribbon");
    EXPECT_EQ(text({F::RibbonFault, F::OutOfRibbon, F::OtherError}), "Other Error");
    EXPECT_EQ(text({F::OtherError, F::CoverOpen, F::Printing, F::PaperJam}), "Cover Open");
}
