#include "ConfigurationPageFixture.h"
#include "RefusingPort.h"
#include "WidgetDriving.h"

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
    ASSERT_TRUE(Child<QWidget>(*window, "ButtonTestPatern").isEnabled());
    EXPECT_EQ(printTestPage(), QStringList{"Please read printer config first"});
    EXPECT_TRUE(openings.empty());

    prompts.clearMessages();
    readPrinter();
    edit("EditWidth").clear();
    EXPECT_EQ(printTestPage(), QStringList{"Please Entry Paper Width"});
    edit("EditWidth").setText(QStringLiteral("4.00"));
    edit("EditHeight").clear();
    EXPECT_EQ(printTestPage(), QStringList{"Please Entry Paper Height"});
    edit("EditHeight").setText(QStringLiteral("six"));
    EXPECT_EQ(printTestPage(), QStringList{"'six' is not a valid floating point value"});
    EXPECT_TRUE(openings.empty());

    // Clear forgets what was read.
    Click(*window, "ButtonClear");
    edit("EditWidth").setText(QStringLiteral("4.00"));
    edit("EditHeight").setText(QStringLiteral("6.00"));
    EXPECT_EQ(printTestPage(), QStringList{"Please read printer config first"});
    EXPECT_TRUE(openings.empty());
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
}

TEST_F(TestPagePrintTest, aFourBySixInchLabelOnA203DpiPrinterIsTheWholeScriptAndNothingElse)
{
    readPrinter();
    ASSERT_EQ(edit("EditWidth").text(), "4.00");
    edit("EditHeight").setText(QStringLiteral("6"));
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_EQ(deliveredBytes(), "CLS\r\nDIRECTION 0,0\r\nBOX 16,16,796,1202,4\r\n"
                                "BARCODE  149,32,\"25\",101,1,90,2,4,\"1234567890\"\r\n"
                                "TEXT  165,32,\"0\",0,58,58,\"TEST\"\r\nPRINT 1\r\n");
    ASSERT_EQ(openings.size(), 1u);
    EXPECT_FALSE(openings[0].mainWindowEnabled);
    EXPECT_TRUE(window->isEnabled());
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
    EXPECT_EQ(deliveredBytes(), "CLS\r\nDIRECTION 0,0\r\nBOX 24,24,566,330,4\r\n"
                                "BARCODE  115,47,\"25\",44,1,90,3,6,\"1234\"\r\n"
                                "TEXT  138,47,\"0\",0,12,12,\"TEST\"\r\nPRINT 1\r\n");
}

TEST_F(TestPagePrintTest, aUnitSwitchedAfterTheReadTakesTheShownNumbersInTheNewUnit)
{
    // 4.00 x 2.00 shown for inch are taken as 4 x 2 mm at 8 dots per mm: no room inside the frame.
    readPrinter();
    chooseUnit(LengthUnit::Mm);
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_EQ(deliveredBytes(), "CLS\r\nDIRECTION 0,0\r\nPRINT 1\r\n");
}

TEST_F(TestPagePrintTest, anUnreachablePrinterGetsItsResultMessage)
{
    readPrinter();
    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    EXPECT_EQ(printTestPage(), QStringList{"Port Open Error"});
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(TestPagePrintTest, theLabelGoesOverTheParallelPortThatCannotBeRead)
{
    readPrinter();
    window->linkSettings().parallel.portName = sim.ptyPath;
    chooseInterface(InterfaceKind::Lpt);
    EXPECT_EQ(printTestPage(), QStringList());
    EXPECT_TRUE(deliveredBytes().startsWith("CLS\r\nDIRECTION 0,0\r\nBOX 16,16,796,390,4\r\n"));
}
