#include "SimFault.h"

#include <gtest/gtest.h>

using namespace norvane::sim;
using namespace std::chrono_literals;

TEST(SimFaultTest, everyFaultHasANameThatReadsBack)
{
    for (const QString& name : SimFaultNames())
        EXPECT_TRUE(SimFaultFromName(name)) << qPrintable(name);
    EXPECT_FALSE(SimFaultFromName(QStringLiteral("explode")));
}

TEST(SimFaultTest, faultsChangeWhatGoesOut)
{
    const Reply framed{Frame("HELLO"), true};
    const Reply raw{QByteArray(1, '\x21'), false};
    EXPECT_EQ(ApplyFault(SimFault::None, 0ms, framed).first().bytes, "{5|HELLO}");
    EXPECT_TRUE(ApplyFault(SimFault::NeverAnswer, 0ms, raw).isEmpty());
    EXPECT_EQ(ApplyFault(SimFault::AnswerLate, 700ms, framed).first().delay, 700ms);
    const Output half = ApplyFault(SimFault::CloseMidReply, 0ms, framed).first();
    EXPECT_EQ(half.bytes, "{5|H");
    EXPECT_TRUE(half.closeAfter);
    EXPECT_GT(ApplyFault(SimFault::OversizedFrame, 0ms, framed).first().bytes.size(), 65536);
    EXPECT_EQ(ApplyFault(SimFault::MalformedFrame, 0ms, framed).first().bytes, "{1x5|HELLO}");
    EXPECT_TRUE(ApplyFault(SimFault::GarbageBeforeFrame, 0ms, framed).first().bytes.endsWith("{5|HELLO}"));
    EXPECT_EQ(ApplyFault(SimFault::MalformedFrame, 0ms, raw).first().bytes, raw.bytes); // raw bytes stay
}

TEST(SimFaultTest, garbageFaultsAnswerWithRepeatingBytesThatNeverOpenAFrame)
{
    const Reply status{QByteArray(1, '\x21'), false};
    const Reply framed{Frame("HELLO"), true, 200ms};
    for (const Reply& reply : {status, framed}) {
        const QList<Output> endless = ApplyFault(SimFault::EndlessGarbage, 0ms, reply);
        ASSERT_EQ(endless.size(), 1);
        EXPECT_EQ(endless[0].repeatEvery, 0ms);
        EXPECT_EQ(endless[0].delay, reply.delay);
        EXPECT_FALSE(endless[0].bytes.isEmpty());
        EXPECT_LE(endless[0].bytes.size(), 65536);
        EXPECT_FALSE(endless[0].bytes.contains('{'));

        const QList<Output> trickle = ApplyFault(SimFault::TrickleGarbage, 0ms, reply);
        ASSERT_EQ(trickle.size(), 1);
        EXPECT_EQ(trickle[0].bytes.size(), 1);
        EXPECT_NE(trickle[0].bytes[0], '{');
        EXPECT_EQ(trickle[0].repeatEvery, 1000ms);
        EXPECT_EQ(ApplyFault(SimFault::TrickleGarbage, 40ms, reply)[0].repeatEvery, 40ms);
    }
    EXPECT_EQ(SimFaultFromName(QStringLiteral("endless-garbage")), SimFault::EndlessGarbage);
    EXPECT_EQ(SimFaultFromName(QStringLiteral("trickle-garbage")), SimFault::TrickleGarbage);
    EXPECT_FALSE(ApplyFault(SimFault::None, 0ms, framed)[0].repeatEvery);
}
