#include "ScriptedTransport.h"
#include "protocol/ActiveEmulation.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterPassword.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class DialogOperationsTest : public ::testing::Test
{
protected:
    /// A printer answering the announcement and the given reports.
    void answer(const QMap<QByteArray, QByteArray>& reports)
    {
        s.device->respond = [reports](QByteArrayView command) {
            const QByteArray line = command.toByteArray().trimmed();
            if (line.startsWith("DIAGNOSTIC INTERFACE") || line.startsWith("DIAGNOSTIC PASSWORD"))
                return QByteArray("{2|OK}");
            const QByteArray key = line.mid(18);
            if (line.startsWith("DIAGNOSTIC REPORT ") && reports.contains(key))
                return '{' + QByteArray::number(reports.value(key).size()) + '|' + reports.value(key) + '}';
            return QByteArray();
        };
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(DialogOperationsTest, thePasswordIsAskedOnlyAboveEdition100)
{
    answer({{"EDITION", "101"}, {"PASSWORD", "Secret"}});
    QByteArray password = "stale";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Com, password), ResultCode::Success);
    EXPECT_EQ(password, "Secret");
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE COM\r\nDIAGNOSTIC REPORT EDITION\r\n"
                                 "DIAGNOSTIC REPORT PASSWORD\r\n");

    answer({{"EDITION", "100"}, {"PASSWORD", "Secret"}});
    s.device->written.clear();
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Usb, password), ResultCode::Success);
    EXPECT_TRUE(password.isEmpty());
    EXPECT_FALSE(s.device->written.contains("PASSWORD"));
}

TEST_F(DialogOperationsTest, aPasswordThatCannotBeReadFailsWithTheQuerysCode)
{
    answer({{"EDITION", "108"}});
    QByteArray password;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Usb, password),
              ResultCode::DataReceivingError);
    answer({});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Usb, password),
              ResultCode::DataReceivingError);
}

TEST_F(DialogOperationsTest, aNewPasswordIsSentQuotedAndItsReplyAwaited)
{
    answer({});
    QByteArray password = "new one";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SendPassword>(InterfaceKind::Usb, password), ResultCode::Success);
    EXPECT_EQ(s.device->written, "DIAGNOSTIC PASSWORD \"new one\"\r\n");
    s.device->respond = nullptr;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SendPassword>(InterfaceKind::Usb, password),
              ResultCode::DataReceivingError);
}

TEST(NewPasswordProblemTest, refusesWhatWouldBreakTheCommand)
{
    EXPECT_TRUE(NewPasswordProblem("").isEmpty());
    EXPECT_TRUE(NewPasswordProblem(QByteArray(kMaxPasswordLength, 'a')).isEmpty());
    EXPECT_TRUE(NewPasswordProblem("caf\xe9 & more!").isEmpty());
    EXPECT_EQ(NewPasswordProblem(QByteArray(kMaxPasswordLength + 1, 'a')),
              "The password may have at most 64 characters.");
    EXPECT_FALSE(NewPasswordProblem("a\"b").isEmpty());
    EXPECT_FALSE(NewPasswordProblem("a\r\nINITIALPRINTER").isEmpty());
}

TEST_F(DialogOperationsTest, theEmulationIsReadAfterTheAnnouncementAndSetByOneEscapeSequence)
{
    answer({{"ACT_EMULATION", "1"}});
    std::int32_t emulation = 0;
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadEmulation>(InterfaceKind::Ethernet, emulation),
              ResultCode::Success);
    EXPECT_EQ(emulation, 1);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT ACT_EMULATION\r\n");

    for (const auto& [number, bytes] : {std::pair{0, "\x1bZ"}, std::pair{1, "\x1bY"}, std::pair{2, "\x1bY"}}) {
        s.device->written.clear();
        std::int32_t chosen = number;
        EXPECT_EQ(dispatcher.dispatch<OperationCode::SetEmulation>(InterfaceKind::Lpt, chosen), ResultCode::Success);
        EXPECT_EQ(s.device->written, bytes);
    }
}

TEST_F(DialogOperationsTest, aFailedAnnouncementBeforeTheEmulationQueryIsATransmissionError)
{
    std::int32_t emulation = 7;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadEmulation>(InterfaceKind::Usb, emulation),
              ResultCode::DataTransmissionError);
    EXPECT_EQ(emulation, 7);
}
