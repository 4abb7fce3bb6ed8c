#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TFormDumpTextSetup.h"
#include "WidgetDriving.h"
#include "protocol/DumpOperations.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

using namespace norvane;
using namespace norvane::test;

namespace {

void chooseMode(QDialog& dialog, int mode)
{
    QTest::mouseClick(Child<ui::RadioGroup>(dialog, "RadioGroupDumpMode").findChildren<QRadioButton*>().at(mode),
                      Qt::LeftButton);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

TEST(DumpTextSetupTest, theFileNameIsEnabledForTheCardOnlyAndFileKeepsWhatItWas)
{
    ScriptedPrompts prompts;
    DumpRequest request;
    ui::TFormDumpTextSetup dialog(request, prompts);
    auto& edit = Child<QLineEdit>(dialog, "EditFileName");
    EXPECT_EQ(dialog.windowTitle(), "Dump Text Setup");
    EXPECT_EQ(edit.text(), "Dump.txt");
    EXPECT_EQ(edit.maxLength(), 12);
    EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupDumpMode").itemIndex(), 0);
    EXPECT_FALSE(edit.isEnabled());
    chooseMode(dialog, 2);
    EXPECT_FALSE(edit.isEnabled());
    chooseMode(dialog, 1);
    EXPECT_TRUE(edit.isEnabled());
    chooseMode(dialog, 2);
    EXPECT_TRUE(edit.isEnabled());
    chooseMode(dialog, 0);
    EXPECT_FALSE(edit.isEnabled());

    chooseMode(dialog, 1);
    edit.setText("LOG.TXT");
    Click(dialog, "ButtonOK");
    EXPECT_TRUE(request.confirmed);
    EXPECT_EQ(request.mode, 1);
    EXPECT_EQ(request.fileName, "LOG.TXT");
}

TEST(DumpTextSetupTest, cancelLeavesTheRequestUnconfirmedAndANameBeyondLatin1IsRefused)
{
    ScriptedPrompts prompts;
    DumpRequest request{1, "OLD.TXT", true};
    ui::TFormDumpTextSetup dialog(request, prompts);
    EXPECT_FALSE(request.confirmed);
    EXPECT_TRUE(Child<QLineEdit>(dialog, "EditFileName").isEnabled());
    Child<QLineEdit>(dialog, "EditFileName").setText(QStringLiteral("\u20ac.TXT"));
    Click(dialog, "ButtonOK");
    EXPECT_FALSE(request.confirmed);
    EXPECT_EQ(prompts.messages.size(), 1);
    Click(dialog, "ButtonCancel");
    EXPECT_FALSE(request.confirmed);
    EXPECT_EQ(request.fileName, "OLD.TXT");
}

class DumpTextTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
        clearPrinterLogs();
    }

    /// Clicks Dump Text and leaves the dialog with OK in `mode`, checking where it opened.
    void dumpWith(int mode)
    {
        const QRect frame = window->frameGeometry();
        OnModal<ui::TFormDumpTextSetup>([&, mode](ui::TFormDumpTextSetup& dialog) {
            EXPECT_EQ(dialog.pos(), QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));
            chooseMode(dialog, mode);
            Click(dialog, "ButtonOK");
        });
        Click(*window, "ButtonDump");
    }

    int fileRequests() const { return sim.printer.commands().count("DIAGNOSTIC FILE \"Dump.txt\""); }
};

TEST_F(DumpTextTest, dumpToFileFetchesDumpTxtAndSavesItWhereTheUserSays)
{
    const QByteArray dump = QByteArray("SIZE 4,2\r\n\0\xff}", 13).repeated(1000);
    sim.printer.withState([&](sim::PrinterState& state) { state.dump.files["Dump.txt"] = dump; });
    const QString target = writeFile("dump.txt", "old");
    prompts.confirmAnswers = {true};
    prompts.saveFiles = {target};
    dumpWith(2);
    EXPECT_EQ(prompts.questions, QStringList{"Press OK to load file."});
    EXPECT_EQ(prompts.fileFilters, QStringList{"*.* (*)"});
    EXPECT_TRUE(contentsOf(target) == dump);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(deliveredBytes(), "DUMP_TEXT SAVE 1000,\"Dump.txt\",\r\nDIAGNOSTIC FILE \"Dump.txt\"\r\n\r\n");
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(DumpTextTest, cancelInTheConfirmationFetchesNothingAndPrintingAsksNothing)
{
    prompts.confirmAnswers = {false};
    dumpWith(2);
    EXPECT_EQ(prompts.questions.size(), 1);
    dumpWith(0);
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(deliveredBytes(), "DUMP_TEXT SAVE 1000,\"Dump.txt\",DUMP_TEXT PRINT,");
    EXPECT_TRUE(prompts.fileFilters.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(DumpTextTest, aPrinterThatNeverAnswersTheFileRequestCostsThreeTriesAndOneMessage)
{
    sim.misbehave(sim::SimFault::NeverAnswer);
    prompts.confirmAnswers = {true};
    prompts.saveFiles = {files.filePath("dump.txt")};
    openings.clear();
    dumpWith(2);
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_TRUE(WaitUntil([&] { return fileRequests() == 3; }));
    EXPECT_TRUE(prompts.fileFilters.isEmpty());
    EXPECT_FALSE(QFile::exists(files.filePath("dump.txt")));
    ASSERT_EQ(openings.size(), 4u);
    for (const LinkOpening& opening : openings)
        EXPECT_FALSE(opening.mainWindowEnabled);
}
