#include "protocol/TestPageOperation.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <gtest/gtest.h>
#include <limits>

using namespace norvane;
using namespace norvane::test;

TEST(TestPageOperationTest, theScriptGoesOutInOneWriteEvenOnLptAndALabelThatCannotBeLaidOutOpensNothing)
{
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    const TestPageRequest request{203.0f, 8.0f, 812.0f, 1218.0f};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::PrintTestPage>(InterfaceKind::Lpt, request), ResultCode::Success);
    EXPECT_EQ(s.device->chunks, QList<QByteArray>{TestPageScript(request).value()});

    const TestPageRequest notANumber{203.0f, std::numeric_limits<float>::quiet_NaN(), 812.0f, 1218.0f};
    EXPECT_EQ(dispatcher.dispatch<OperationCode::PrintTestPage>(InterfaceKind::Usb, notANumber),
              ResultCode::UnknowError);
    EXPECT_EQ(s.device->opens, 1);
}
