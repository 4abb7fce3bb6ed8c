#include "CommandToolPage.h"
#include "MainWindowFixture.h"
#include "RefusingPort.h"
#include "WidgetDriving.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>

using namespace norvane;
using namespace norvane::test;

class CommandToolTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
        Child<QTabWidget>(*window, "PageControl1").setCurrentWidget(&Child(*window, "TabSheet4"));
        clearPrinterLogs();
        openings.clear();
    }

    QPlainTextEdit& editor() const { return Child<QPlainTextEdit>(*window, "RichEditTText"); }

    void selectEditor(int number)
    {
        const QList<QRadioButton*> items = Child(*window, "RadioGroupSelect").findChildren<QRadioButton*>();
        QTest::mouseClick(items.at(number - 1), Qt::LeftButton);
    }

    void type(const QString& text)
    {
        editor().setFocus();
        QTest::keyClicks(&editor(), text);
    }

    void chooseEncoding(const QString& name)
    {
        auto& list = Child<QComboBox>(*window, "ComboBoxEncoding");
        const int index = list.findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Choose(list, index);
    }

    void load(const QString& path)
    {
        prompts.openFiles << path;
        Click(*window, "ButtonLoadFile");
    }

    /// Saves the current editor and returns what was written.
    QByteArray save()
    {
        const QString path = files.filePath(QStringLiteral("saved.txt"));
        prompts.saveFiles << path;
        Click(*window, "ButtonSaveFile");
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QByteArray sendAndDeliver()
    {
        clearPrinterLogs();
        Click(*window, "ButtonSend");
        return deliveredBytes();
    }
};

TEST_F(CommandToolTest, eachOfTheTwelveEditorsKeepsItsTextAndTheSelectedOneIsLeftAlone)
{
    for (int number = 1; number <= 12; ++number) {
        selectEditor(number);
        EXPECT_TRUE(editor().toPlainText().isEmpty()) << number;
        type(QStringLiteral("TEXT %1").arg(number));
    }
    // Typed since the last switch, and kept through a click on the editor already selected.
    QTest::keyClick(&editor(), Qt::Key_Return);
    type(QStringLiteral("PRINT 1"));
    selectEditor(12);
    EXPECT_EQ(editor().toPlainText(), "TEXT 12\nPRINT 1");
    for (int number = 1; number <= 12; ++number) {
        selectEditor(number);
        EXPECT_EQ(editor().toPlainText(),
                  number == 12 ? QStringLiteral("TEXT 12\nPRINT 1") : QStringLiteral("TEXT %1").arg(number));
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(CommandToolTest, loadAppendsTheFileUpToItsFirstZeroByteAndIgnoresWhatCannotBeRead)
{
    type(QStringLiteral("SIZE 4,2"));
    load(writeFile(QStringLiteral("script.txt"), QByteArray("CLS\r\nPRINT 1\0DIRECTION 1", 24)));
    EXPECT_EQ(editor().toPlainText(), "SIZE 4,2CLS\nPRINT 1");

    load(files.filePath(QStringLiteral("missing.txt")));
    load(files.path());
    Click(*window, "ButtonLoadFile");
    EXPECT_EQ(editor().toPlainText(), "SIZE 4,2CLS\nPRINT 1");
    EXPECT_TRUE(prompts.messages.isEmpty());

    // Appended, it would be one character past what the editor holds.
    editor().setPlainText(QStringLiteral("A"));
    load(writeFile(QStringLiteral("long.txt"), QByteArray(ui::kMaxEditorTextLength, 'B')));
    EXPECT_EQ(prompts.messages, QStringList{"The editor holds at most 10485760 characters."});
    EXPECT_EQ(editor().toPlainText(), "A");
    EXPECT_TRUE(openings.empty());
}

TEST_F(CommandToolTest, sendSendsTheSelectionOrElseTheWholeTextAndNothingMore)
{
    type(QStringLiteral("SIZE 4,2"));
    QTest::keyClick(&editor(), Qt::Key_Return);
    type(QStringLiteral("CLS"));
    QTest::keyClick(&editor(), Qt::Key_Return);
    type(QStringLiteral("PRINT 1"));

    QTextCursor selection = editor().textCursor();
    selection.setPosition(9);
    selection.setPosition(17, QTextCursor::KeepAnchor);
    editor().setTextCursor(selection);
    ASSERT_EQ(selection.selectedText(), QStringLiteral("CLS\u2029PRIN"));
    Child(*window, "ButtonSend").setFocus();
    EXPECT_EQ(sendAndDeliver(), "CLS\r\nPRIN");
    EXPECT_EQ(window->focusWidget(), &editor());

    selection.clearSelection();
    editor().setTextCursor(selection);
    EXPECT_EQ(sendAndDeliver(), "SIZE 4,2\r\nCLS\r\nPRINT 1");

    selectEditor(2);
    EXPECT_EQ(sendAndDeliver(), "");
    EXPECT_EQ(openings.size(), 3u);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(CommandToolTest, saveJoinsTheLinesWithCrLfWithoutALineEndAfterTheLast)
{
    type(QStringLiteral("A"));
    QTest::keyClick(&editor(), Qt::Key_Return);
    type(QStringLiteral("B"));
    writeFile(QStringLiteral("saved.txt"), "an older and longer file");
    EXPECT_EQ(save(), "A\r\nB");
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A file that cannot be written is not passed over in silence.
    const QString unwritable = files.filePath(QStringLiteral("missing/saved.txt"));
    prompts.saveFiles << unwritable;
    Click(*window, "ButtonSaveFile");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.front().startsWith(QStringLiteral("Cannot save %1: ").arg(unwritable)));
    EXPECT_TRUE(openings.empty());
}

TEST_F(CommandToolTest, sendFileSendsTheFileUnchangedOrTellsThatItCannotBeOpened)
{
    const QByteArray bytes("\x1b!R\0\xff\nSIZE 4,2\rCLS\r\n", 18);
    prompts.openFiles << writeFile(QStringLiteral("raw.prn"), bytes) << files.filePath(QStringLiteral("missing.prn"));
    Click(*window, "ButtonSendFile");
    EXPECT_EQ(deliveredBytes(), bytes);
    EXPECT_TRUE(prompts.messages.isEmpty());
    Click(*window, "ButtonSendFile");
    EXPECT_EQ(prompts.messages, QStringList{"Open file Error!!!"});
    EXPECT_EQ(openings.size(), 1u);
}

TEST_F(CommandToolTest, theChosenEncodingReadsAndWritesTheScriptAndWhatItCannotHoldGoesNowhere)
{
    editor().setPlainText(QStringLiteral("TEXT 10,10,\"3\",0,1,1,\"5 \u20ac\""));
    Click(*window, "ButtonSend");
    const QString refusal = QStringLiteral("The character \u201c\u20ac\u201d (U+20AC) cannot be written in Latin-1.");
    EXPECT_EQ(prompts.messages, QStringList{refusal});
    EXPECT_TRUE(openings.empty());
    prompts.clearMessages();
    const QString path = files.filePath(QStringLiteral("saved.txt"));
    prompts.saveFiles << path;
    Click(*window, "ButtonSaveFile");
    EXPECT_EQ(prompts.messages, QStringList{refusal});
    EXPECT_FALSE(QFile::exists(path));
    chooseEncoding(QStringLiteral("UTF-8"));
    EXPECT_EQ(sendAndDeliver(), "TEXT 10,10,\"3\",0,1,1,\"5 \xe2\x82\xac\"");

    // Bytes that are no UTF-8 would go out as other bytes: the file is refused.
    editor().clear();
    prompts.clearMessages();
    const QByteArray big5 = "TEXT 10,10,\"TST24.BF2\",0,1,1,\"\xa4\xa4\xa4\xe5\"\r\n";
    load(writeFile(QStringLiteral("big5.txt"), big5));
    EXPECT_EQ(prompts.messages, QStringList{"The file is not UTF-8 text. Choose the encoding it was written in."});
    EXPECT_TRUE(editor().toPlainText().isEmpty());
    chooseEncoding(QStringLiteral("Big5"));
    load(files.filePath(QStringLiteral("big5.txt")));
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("TEXT 10,10,\"TST24.BF2\",0,1,1,\"\u4e2d\u6587\"\n"));
    EXPECT_EQ(sendAndDeliver(), big5);
}

TEST_F(CommandToolTest, aLatin1FileGoesOutByteForByteAfterLoadingThroughSendAndSave)
{
    EXPECT_EQ(Child<QComboBox>(*window, "ComboBoxEncoding").currentText(), "Latin-1");
    QByteArray bytes = "SIZE 4,2\r\n";
    for (int value = 1; value < 256; ++value) {
        if (value != '\r' && value != '\n')
            bytes += static_cast<char>(value);
    }
    bytes += "\r\nPRINT 1";
    load(writeFile(QStringLiteral("latin1.txt"), bytes));
    EXPECT_EQ(sendAndDeliver(), bytes);
    EXPECT_EQ(save(), bytes);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(CommandToolTest, onlyTheTwoSendButtonsAreDisabledWhileASendRunsAndBothAreEnabledAfterAFailure)
{
    QWidget* process = nullptr;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->objectName() == QLatin1StringView("FormProcess"))
            process = topLevel;
    }
    ASSERT_NE(process, nullptr);
    // Send, Send File, Load and the window, at each step of the bar.
    QList<QList<bool>> seen;
    QObject::connect(&Child<QProgressBar>(*process, "ProgressBar1"), &QProgressBar::valueChanged, process, [&] {
        seen << QList<bool>{Child(*window, "ButtonSend").isEnabled(), Child(*window, "ButtonSendFile").isEnabled(),
                            Child(*window, "ButtonLoadFile").isEnabled(), window->isEnabled()};
    });
    editor().setPlainText(QStringLiteral("PRINT 1"));
    EXPECT_EQ(sendAndDeliver(), "PRINT 1");
    ASSERT_FALSE(seen.isEmpty());
    for (const QList<bool>& moment : seen)
        EXPECT_EQ(moment, (QList<bool>{false, false, true, true}));

    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    Click(*window, "ButtonSend");
    EXPECT_EQ(prompts.messages, QStringList{"Port Open Error"});
    EXPECT_TRUE(Child(*window, "ButtonSend").isEnabled());
    EXPECT_TRUE(Child(*window, "ButtonSendFile").isEnabled());
}

TEST_F(CommandToolTest, thePageWithAScriptInTheEditorRendersForItsScreenshot)
{
    editor().setPlainText(QStringLiteral("SIZE 4,2.5\nGAP 0.12,0\nDIRECTION 1\nCLS\n"
                                         "TEXT 100,100,\"3\",0,1,1,\"Norvane\"\n"
                                         "BARCODE 100,160,\"128\",80,1,0,2,2,\"0123456789\"\nPRINT 1,1"));
    selectEditor(3);
    selectEditor(1);
    const QPixmap picture = window->grab();
    ASSERT_FALSE(picture.isNull());
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    EXPECT_TRUE(picture.save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/TFormMain-TabSheet4-script.png")));
}
