#include "SensorCommands.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

TEST(SensorCommandsTest, theManualIntensityGoesToTheCurrentMediaAndTheThresholdOnlyWhenGiven)
{
    VirtualPrinter printer;
    auto session = printer.openSession();
    session->receive("BLINE 0.08,0\r\nSET GAP 6,420\r\n");
    auto reports = printer.snapshot().reports;
    EXPECT_EQ(reports["BLINEINTEN"], "6");
    EXPECT_EQ(reports["THRESHOLD"], "420");
    session->receive("GAP 0,0\r\nSET GAP 4\r\nBLINEDETECT\r\n");
    reports = printer.snapshot().reports;
    EXPECT_EQ(reports["CONINTEN"], "4");
    EXPECT_EQ(reports["THRESHOLD"], "420");
    EXPECT_EQ(reports["SENSORMODE"], "1");
}

TEST(SensorCommandsTest, sampleOptionsTakeTwoListsOfNumbers)
{
    QList<std::int32_t> first;
    QList<std::int32_t> second;
    QString error;
    ASSERT_TRUE(ParseSensorSamples(QStringLiteral("1,2, 3/4"), first, second, error));
    EXPECT_EQ(first, (QList<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(second, QList<std::int32_t>{4});
    for (const QString& bad :
         {QStringLiteral("1,2"), QStringLiteral("1/2/3"), QStringLiteral("1,x/2"), QStringLiteral("/2"),
          QString(QStringLiteral("1,").repeated(256) + QStringLiteral("1/1"))})
        EXPECT_FALSE(ParseSensorSamples(bad, first, second, error)) << qPrintable(bad.left(20));
    EXPECT_FALSE(error.isEmpty());
}
