#include "config/LengthUnits.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace norvane;

namespace {

const QLocale kPoint = QLocale::c();
const QLocale kComma(QLocale::German, QLocale::Germany);

} // namespace

TEST(LengthUnitsTest, aClearedRecordGivesTheInitialFactors)
{
    const PrinterConfig cleared;
    EXPECT_EQ(DotsPerUnit(cleared, LengthUnit::Inch), 200.0);
    EXPECT_EQ(DotsPerUnit(cleared, LengthUnit::Mm), 11.8f);
}

TEST(LengthUnitsTest, dotsAreShownWithTwoRoundedDecimals)
{
    EXPECT_EQ(DotsToLengthText(812, 203, kPoint), "4.00");
    EXPECT_EQ(DotsToLengthText(812, 8.0, kPoint), "101.50");
    EXPECT_EQ(DotsToLengthText(1200, 11.8f, kPoint), "101.69");
    EXPECT_EQ(DotsToLengthText(-2, 3, kPoint), "-0.67");
    EXPECT_EQ(DotsToLengthText(1200, 11.8f, kComma), "101,69");
    EXPECT_EQ(DotsToLengthText(406000, 8.0, QLocale(QLocale::English, QLocale::UnitedStates)), "50750.00");
}

TEST(LengthUnitsTest, floatLengthsKeepFractionsOfADotAndWholeLengthsTruncate)
{
    QString error;
    EXPECT_EQ(LengthTextToDots("2.5", 203, kPoint, error), 507.5f);
    EXPECT_EQ(LengthTextToWholeDots("2.5", 203, kPoint, error), 507);
    EXPECT_EQ(LengthTextToWholeDots("-2.5", 203, kPoint, error), -507);
    EXPECT_EQ(LengthTextToDots("2,5", 203, kComma, error), 507.5f);
    EXPECT_EQ(LengthTextToDots(" 4 ", 8, kPoint, error), 32.0f);
    EXPECT_FALSE(std::signbit(*LengthTextToDots("-0", 8, kPoint, error)));
    EXPECT_TRUE(error.isEmpty());
}

TEST(LengthUnitsTest, textThatIsNoNumberFailsWithTheStandardMessage)
{
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("2,5"),
                                QStringLiteral("1,000.5"), QStringLiteral("inf"), QStringLiteral("nan")}) {
        QString error;
        EXPECT_FALSE(LengthTextToDots(text, 203, kPoint, error)) << text.toStdString();
        EXPECT_EQ(error, QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    QString error;
    EXPECT_FALSE(LengthTextToWholeDots("2.5", 203, kComma, error));
    EXPECT_EQ(error, "'2.5' is not a valid floating point value");
}

TEST(LengthUnitsTest, lengthsBeyondTheirStorageAreRefusedNotWrapped)
{
    QString error;
    EXPECT_FALSE(LengthTextToWholeDots("11000000", 203, kPoint, error));
    EXPECT_EQ(LengthTextToWholeDots("10000000", 203, kPoint, error), 2030000000);
    EXPECT_FALSE(LengthTextToDots("1e37", 203, kPoint, error));
    EXPECT_EQ(error, "'1e37' is not a valid floating point value");
}
