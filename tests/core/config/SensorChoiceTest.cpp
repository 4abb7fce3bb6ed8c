#include "config/SensorChoice.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(SensorChoiceTest, theLargestDifferenceWinsTheFirstOnTiesAndTheThresholdIsHalfWay)
{
    const std::vector<std::int32_t> liner{100, 200, 300, 400, 500};
    const std::vector<std::int32_t> label{150, 400, 100, 600, 520};
    const auto choice = ChooseFromTwoSamples(liner, label);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->intensity, 1);
    EXPECT_EQ(choice->threshold, 300);
    EXPECT_EQ(choice->labelReading, 400);
    EXPECT_EQ(choice->gapReading, 200);

    // Whole-number division of an odd sum, and a label darker than the liner.
    const auto darker = ChooseFromTwoSamples({900, 901}, {100, 100});
    ASSERT_TRUE(darker);
    EXPECT_EQ(darker->intensity, 1);
    EXPECT_EQ(darker->threshold, 500);
}

TEST(SensorChoiceTest, aDifferenceOf95CannotCalibrateAnd96Can)
{
    EXPECT_FALSE(ChooseFromTwoSamples({500, 500, 500}, {595, 405, 590}));
    const auto choice = ChooseFromTwoSamples({500, 500, 500}, {595, 404, 590});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->intensity, 1);
    EXPECT_EQ(choice->threshold, 452);
}

TEST(SensorChoiceTest, emptyOrUnevenSamplesCompareOnlyWhatBothHave)
{
    EXPECT_FALSE(ChooseFromTwoSamples({}, {}));
    EXPECT_FALSE(ChooseFromTwoSamples({100, 100}, {}));
    const auto choice = ChooseFromTwoSamples({100, 100, 100}, {100, 300});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->intensity, 1);
}

TEST(SensorChoiceTest, continuousMediaScansDownFromTheLastIntensity)
{
    // Rising values (d < 0): the first from the top below 768.
    const auto rising = ChooseForContinuous({100, 200, 400, 700, 800, 900});
    ASSERT_TRUE(rising);
    EXPECT_EQ(rising->intensity, 2); // i = 3
    EXPECT_EQ(rising->labelReading, 700);
    EXPECT_EQ(rising->threshold, (700 + 256) / 2);

    // Falling values (d > 0): the first from the top above 256.
    const auto falling = ChooseForContinuous({1000, 900, 600, 300, 200, 100});
    ASSERT_TRUE(falling);
    EXPECT_EQ(falling->intensity, 2); // i = 3
    EXPECT_EQ(falling->threshold, (300 + 768) / 2);

    // Nothing qualifies: the scan stops at the second value.
    const auto none = ChooseForContinuous({0, 900, 800, 900});
    ASSERT_TRUE(none);
    EXPECT_EQ(none->intensity, 1);
    EXPECT_EQ(none->labelReading, 900);

    // Level (d = 0): down to the second value, threshold from the low bound.
    const auto level = ChooseForContinuous({7, 500, 100, 500});
    ASSERT_TRUE(level);
    EXPECT_EQ(level->intensity, 1);
    EXPECT_EQ(level->threshold, (500 + 256) / 2);

    EXPECT_FALSE(ChooseForContinuous({500}));
}
