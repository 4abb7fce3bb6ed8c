#include "ConfigurationPageFixture.h"
#include "WidgetDriving.h"
#include "files/TestPage.h"

using namespace norvane;
using namespace norvane::test;

class TestPagePrintTest : public ConfigurationPageFixture
{
protected:
    /// Clicks "Print Test Page" and returns the messages it showed; `openings` then holds its links.
    QStringList printTestPage()
    {
        prompts.clearMessages();
        openings.clear();
        clearPrinterLogs();
        Click(*window, "ButtonTestPatern");
        return prompts.messages;
    }
};

TEST_F(TestPagePrintTest, isRefusedWithoutAConfigurationReadOrAPaperSizeAndNothingIsSent)
{
    // Each refusal opens no link.
    const auto refusal = [this] {
        const QStringList messages = printTestPage();
        EXPECT_TRUE(openings.empty());
        return messages;
    };
    EXPECT_EQ(refusal(), QStringList{"Please read printer config first"});
    prompts.clearMessages();
    readPrinter();
    edit("EditWidth").clear();
    EXPECT_EQ(refusal(), QStringList{"Please Entry Paper Width"});
    edit("EditWidth").setText(QStringLiteral("4.00"));
    edit("EditHeight").setText(QStringLiteral("six"));
    EXPECT_EQ(refusal(), QStringList{"'six' is not a valid floating point value"});

    // Clear forgets what was read.
    Click(*window, "ButtonClear");
    edit("EditWidth").setText(QStringLiteral("4.00"));
    edit("EditHeight").setText(QStringLiteral("6.00"));
    EXPECT_EQ(refusal(), QStringList{"Please read printer config first"});
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
}

TEST_F(TestPagePrintTest, theLabelIsThePagesSizeInThePrintersDotsAndAUnitSwitchedAfterTheReadTakesTheShownNumbers)
{
    readPrinter();
    ASSERT_EQ(edit("EditWidth").text(), "4.00");
    edit("EditHeight").setText(QStringLiteral("6"));
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_EQ(deliveredBytes(), TestPageScript({203.0f, 8.0f, 812.0f, 1218.0f}).value());
    ASSERT_EQ(openings.size(), 1u);
    EXPECT_FALSE(openings[0].mainWindowEnabled);
    EXPECT_TRUE(window->isEnabled());

    // 4 x 6 mm at 8 dots per mm: no room inside the frame.
    chooseUnit(LengthUnit::Mm);
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_EQ(deliveredBytes(), "CLS\r\nDIRECTION 0,0\r\nPRINT 1\r\n");
}

TEST_F(TestPagePrintTest, millimetresAreTurnedIntoDotsWithThePrintersOwnResolution)
{
    // 300 dpi is 11.8 dots per mm: a 50 x 30 mm label is 590 x 354 dots.
    setReport("DPI", "300");
    chooseUnit(LengthUnit::Mm);
    readPrinter();
    edit("EditWidth").setText(QStringLiteral("50"));
    edit("EditHeight").setText(QStringLiteral("30"));
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_TRUE(deliveredBytes().contains("BOX 24,24,566,330,4\r\n"));
}
