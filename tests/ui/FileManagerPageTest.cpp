#include "FontFolder.h"
#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TFormPassword.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <sys/stat.h>

using namespace norvane;
using namespace norvane::test;

namespace {

/// The file types by their index in the type list.
constexpr int kBmp = 0;
constexpr int kTrueType = 2;
constexpr int kDataFile = 5;
constexpr int kFirmware = 6;

constexpr int kDram = 0;
constexpr int kCard = 2;

} // namespace

class FileManagerPageTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
        Child<QTabWidget>(*window, "PageControl1").setCurrentWidget(&Child(*window, "TabSheet2"));
        // Only the links this page opens: not the start-up's look for a printer.
        openings.clear();
    }

    void chooseType(int index) { Choose(Child<QComboBox>(*window, "ComboBoxFileType"), index); }

    /// Browse, answered with `path` (an empty text cancels).
    void browse(int type, const QString& path)
    {
        chooseType(type);
        prompts.openFiles << path;
        Click(*window, "ButtonBrowse");
    }

    QLineEdit& edit(const char* name) const { return Child<QLineEdit>(*window, name); }
    bool downloadEnabled() const { return Child<QWidget>(*window, "ButtonDownload").isEnabled(); }
    ui::RadioGroup& radioGroup(const char* name) const { return Child<ui::RadioGroup>(*window, name); }
    void showDevice(int memory) { radioGroup("RadioGroupDevice").setItemIndex(memory); }

    /// The list, physical and free space as the page shows them.
    QStringList shownMemory() const
    {
        QStringList shown;
        const auto& list = Child<QListWidget>(*window, "ListBoxFileList");
        for (int row = 0; row < list.count(); ++row)
            shown << list.item(row)->text();
        return shown << edit("EditPhysicalSpace").text() << edit("EditFreeSpace").text();
    }

    void fillMemories()
    {
        sim.printer.withState([](sim::PrinterState& state) {
            state.memories.dram = {8192, 8100, {{"TEMP.BMP", "x"}, {"BARCODE.DAT", "y"}}};
            state.memories.flash = {32768, 30000, {{"LOGO.BMP", "x"}, {"AUTO.BAS", "y"}, {"ARIAL.TTF", "z"}}};
            state.memories.card = {131072, 131000, {{"PRICES.DAT", "x"}}};
        });
    }

    sim::MemoryState memories()
    {
        return sim.printer.withState([](const sim::PrinterState& state) { return state.memories; });
    }
};

TEST_F(FileManagerPageTest, browseFormsTheNameFromTheStemAndTheTypeWithTheTypesFilterAndFolder)
{
    EXPECT_FALSE(downloadEnabled());
    browse(kBmp, writeFile("LongFileName.bmp", "12345"));
    EXPECT_EQ(edit("EditFileName").text(), "LongFile.BMP");
    EXPECT_EQ(edit("EditFileSize").text(), "5");
    EXPECT_TRUE(downloadEnabled());
    browse(kDataFile, writeFile("abc.txt", "x"));
    EXPECT_EQ(edit("EditFileName").text(), "abc");
    // Fonts are looked for in the system's font folder, every other type in the working directory.
    browse(kTrueType, writeFile("DejaVuSansMono.ttf", "font"));
    EXPECT_EQ(edit("EditFileName").text(), "DejaVuSa.TTF");
    EXPECT_EQ(prompts.fileFilters,
              QStringList({"BMP (*.BMP *.bmp);;All files (*)", "All files (*)", "TTF (*.TTF *.ttf)"}));
    EXPECT_EQ(prompts.openDirectories, QStringList({"", "", ui::SystemFontFolder()}));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // The type chosen afterwards does not form the name again.
    chooseType(kFirmware);
    EXPECT_EQ(edit("EditFileName").text(), "DejaVuSa.TTF");
    EXPECT_TRUE(openings.empty());
}

TEST_F(FileManagerPageTest, browseThatIsCancelledOrCannotOpenTheFileLeavesDownloadDisabled)
{
    browse(kBmp, writeFile("logo.bmp", "BM"));
    ASSERT_TRUE(downloadEnabled());
    browse(kBmp, QString());
    EXPECT_FALSE(downloadEnabled());
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A pipe is refused without waiting for someone to write into it.
    const QString fifo = files.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& unreadable : {files.filePath(QStringLiteral("missing.bmp")), files.path(), fifo}) {
        browse(kBmp, writeFile("logo.bmp", "BM"));
        ASSERT_TRUE(downloadEnabled());
        browse(kBmp, unreadable);
        EXPECT_FALSE(downloadEnabled()) << unreadable.toStdString();
    }
    EXPECT_EQ(prompts.messages, QStringList(3, "Open File Error"));
    EXPECT_EQ(prompts.kinds, QList<ui::MessageKind>(3, ui::MessageKind::Error));
}

TEST_F(FileManagerPageTest, downloadPutsTheFileIntoTheMemoryChosenAtThatMomentFlashUntilAnotherIs)
{
    const QByteArray contents("BM\x00\r\n\"}\xff", 8);
    browse(kBmp, writeFile("logo.bmp", contents));
    Click(*window, "ButtonDownload");
    for (const int memory : {kDram, kCard}) {
        Choose(Child<QComboBox>(*window, "ComboBoxDevice"), memory);
        Click(*window, "ButtonDownload");
    }
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) {
        const sim::MemoryState& held = state.memories;
        return held.dram.files.size() == 1 && held.flash.files.size() == 1 && held.card.files.size() == 1;
    }));
    const sim::MemoryState held = memories();
    for (const sim::Memory* memory : {&held.dram, &held.flash, &held.card}) {
        EXPECT_EQ(memory->files[0].name, "logo.BMP");
        EXPECT_EQ(memory->files[0].bytes, contents);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(FileManagerPageTest, aNameThePrinterCannotTakeIsRefusedBeforeThePasswordIsAskedWithNothingSent)
{
    browse(kDataFile, writeFile("data.txt", "abc"));
    const QString thirty(30, u'N');
    const struct
    {
        int type;
        QString name;
        QString message;
    } refusals[] = {
        {kDataFile, thirty + u'N', QStringLiteral("File name too long")},
        // Firmware goes without a name, yet the name is checked all the same.
        {kFirmware, thirty + u'N', QStringLiteral("File name too long")},
        {kDataFile, QStringLiteral("A\"B"),
         QStringLiteral("\"File Name\" holds a double quote or a control character")},
        {kDataFile, QStringLiteral("caf\u00e9\u20ac"),
         QStringLiteral("\"File Name\" may hold Latin-1 characters only.")},
        {kDataFile, QString(),
         QStringLiteral("\"File Name\" is empty: the printer stores a file under its name. Nothing was sent.")},
    };
    for (const auto& refusal : refusals) {
        chooseType(refusal.type);
        edit("EditFileName").setText(refusal.name);
        prompts.clearMessages();
        Click(*window, "ButtonDownload");
        ASSERT_EQ(prompts.messages.size(), 1) << refusal.name.toStdString();
        EXPECT_TRUE(prompts.messages[0].startsWith(refusal.message)) << prompts.messages[0].toStdString();
    }
    EXPECT_TRUE(openings.empty());

    chooseType(kDataFile);
    edit("EditFileName").setText(thirty);
    Click(*window, "ButtonDownload");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.flash.files.size() == 1; }));
    EXPECT_EQ(memories().flash.files[0].name, thirty.toLatin1());
}

TEST_F(FileManagerPageTest, downloadAndFormatSendNothingWhenTheGateRefuses)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "secret"; });
    browse(kBmp, writeFile("logo.bmp", "BM"));
    clearPrinterLogs();
    OnModal<ui::TFormPassword>([](ui::TFormPassword& dialog) { Click(dialog, "ButtonCancel"); });
    Click(*window, "ButtonDownload");
    prompts.confirmAnswers << true;
    OnModal<ui::TFormPassword>([](ui::TFormPassword& dialog) { Click(dialog, "ButtonCancel"); });
    Click(*window, "ButtonFileFormat");
    const QByteArray delivered = deliveredBytes();
    EXPECT_FALSE(delivered.contains("DOWNLOAD"));
    EXPECT_FALSE(delivered.contains("KILL"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileManagerPageTest, firmwareGoesRawWithoutNameOrMemoryAndAsksToWaitForTheLed)
{
    // A BMP chosen as BMP still goes raw when Firmware is the type at the moment of Download.
    const QByteArray image("BM\x00\xff\r\n", 6);
    const QString logo = writeFile("logo.bmp", image);
    browse(kBmp, logo);
    chooseType(kFirmware);
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    const QByteArray delivered = deliveredBytes();
    EXPECT_TRUE(delivered.endsWith(image));
    EXPECT_FALSE(delivered.contains("DOWNLOAD"));
    EXPECT_EQ(prompts.messages, QStringList{"Please wait for the LED to change to Green."});
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Information});

    // Gone since Browse: the page's own message, and nothing of it sent.
    ASSERT_TRUE(QFile::remove(logo));
    prompts.clearMessages();
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    EXPECT_EQ(prompts.messages, QStringList{"Open File Error"});
    EXPECT_FALSE(deliveredBytes().contains(image));
}

TEST_F(FileManagerPageTest, getShowsTheChosenMemoryAndAFailedGetKeepsWhatIsShownButNothingOlderInTheStore)
{
    fillMemories();
    Click(*window, "ButtonGet");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(shownMemory(), QStringList({"LOGO.BMP", "AUTO.BAS", "ARIAL.TTF", "32768", "30000"}));
    openings.clear();
    showDevice(kDram);
    EXPECT_EQ(shownMemory(), QStringList({"TEMP.BMP", "BARCODE.DAT", "8192", "8100"}));
    // The card's free space is never asked.
    showDevice(kCard);
    EXPECT_EQ(shownMemory(), QStringList({"PRICES.DAT", "131072", ""}));
    EXPECT_TRUE(openings.empty());

    // Another Get shows the memory chosen at that moment, now without files.
    sim.printer.withState([](sim::PrinterState& state) { state.memories.card.files.clear(); });
    Click(*window, "ButtonGet");
    EXPECT_EQ(shownMemory(), QStringList({"131072", ""}));

    // The parallel port cannot read: the Get fails after its first command.
    window->linkSettings().parallel.portName = sim.ptyPath;
    chooseInterface(InterfaceKind::Lpt);
    Click(*window, "ButtonGet");
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(shownMemory(), QStringList({"131072", ""}));
    EXPECT_TRUE(window->isEnabled());
    showDevice(kDram);
    EXPECT_EQ(shownMemory(), QStringList({"", ""}));
}

TEST_F(FileManagerPageTest, formatAsksFirstAndErasesTheChosenMemoryOnly)
{
    fillMemories();
    Click(*window, "ButtonFileFormat");
    EXPECT_EQ(prompts.questions, QStringList{"Are you sure?"});
    EXPECT_TRUE(openings.empty());

    radioGroup("RadioGroupFormatDevice").setItemIndex(kCard);
    prompts.confirmAnswers << true;
    Click(*window, "ButtonFileFormat");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.card.files.isEmpty(); }));
    const sim::MemoryState held = memories();
    EXPECT_EQ(held.dram.files.size(), 2);
    EXPECT_EQ(held.flash.files.size(), 3);
    EXPECT_EQ(prompts.questions, QStringList(2, "Are you sure?"));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(FileManagerPageTest, fontViewOpensOnTheFontLastConfirmedThere)
{
    const QFont chosen(QStringLiteral("DejaVu Sans Mono"), 14);
    prompts.fonts << chosen;
    for (int click = 0; click < 3; ++click)
        Click(*window, "ButtonFontView");
    ASSERT_EQ(prompts.initialFonts.size(), 3);
    // At first a sans font of 13 pixels, by the name of one that is installed.
    EXPECT_EQ(prompts.initialFonts[0].pixelSize(), 13);
    EXPECT_TRUE(QFontDatabase::families().contains(prompts.initialFonts[0].family()));
    // The second opening was cancelled and changed nothing.
    EXPECT_EQ(prompts.initialFonts[1], chosen);
    EXPECT_EQ(prompts.initialFonts[2], chosen);
    EXPECT_TRUE(openings.empty());
}
