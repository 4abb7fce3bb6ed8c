#include "FontFolder.h"
#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TFormPassword.h"
#include "TFormProcess.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTabWidget>
#include <sys/stat.h>

using namespace norvane;
using namespace norvane::test;

namespace {

/// The file types by their index in the type list.
constexpr int kBmp = 0;
constexpr int kTrueType = 2;
constexpr int kBitmapFont = 3;
constexpr int kDataFile = 5;
constexpr int kFirmware = 6;
constexpr int kTcf = 7;

constexpr int kDram = 0;
constexpr int kFlash = 1;
constexpr int kCard = 2;

/// Bytes no command parser takes for text: the printer must store them as they are.
QByteArray binaryBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) % 256);
    return bytes;
}

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

    QString makeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
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

    QStringList listedFiles() const
    {
        QStringList items;
        const auto& list = Child<QListWidget>(*window, "ListBoxFileList");
        for (int row = 0; row < list.count(); ++row)
            items << list.item(row)->text();
        return items;
    }

    /// The list, physical and free space as the page shows them.
    QStringList shownMemory() const
    {
        return listedFiles() << edit("EditPhysicalSpace").text() << edit("EditFreeSpace").text();
    }

    void setPassword(const QByteArray& password)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.reports["PASSWORD"] = password; });
    }

    sim::MemoryState memories()
    {
        return sim.printer.withState([](const sim::PrinterState& state) { return state.memories; });
    }

    QTemporaryDir files;
};

TEST_F(FileManagerPageTest, everyMemoryListOffersTheThreeMemoriesWithFlashChosenAndDownloadStartsDisabled)
{
    const QStringList memoryNames{"DRAM", "FLASH", "CARD"};
    auto& device = Child<QComboBox>(*window, "ComboBoxDevice");
    QStringList deviceItems;
    for (int i = 0; i < device.count(); ++i)
        deviceItems << device.itemText(i);
    EXPECT_EQ(deviceItems, memoryNames);
    EXPECT_EQ(device.currentIndex(), kFlash);
    for (const char* name : {"RadioGroupDevice", "RadioGroupFormatDevice"}) {
        EXPECT_EQ(radioGroup(name).itemIndex(), kFlash) << name;
        EXPECT_EQ(radioGroup(name).title(), "Memory Device");
        EXPECT_EQ(
            QStringList({radioGroup(name).itemText(0), radioGroup(name).itemText(1), radioGroup(name).itemText(2)}),
            memoryNames);
    }

    auto& types = Child<QComboBox>(*window, "ComboBoxFileType");
    QStringList typeItems;
    for (int i = 0; i < types.count(); ++i)
        typeItems << types.itemText(i);
    EXPECT_EQ(typeItems, QStringList({"BMP", "PCX", "True Type Font", "Bitmap Font", "Printer BASIC File", "Data File",
                                      "Firmware File", "TCF File"}));
    EXPECT_FALSE(downloadEnabled());
    EXPECT_TRUE(listedFiles().isEmpty());
    for (const char* name : {"ButtonBrowse", "ButtonGet", "ButtonFileFormat", "ButtonFontView"})
        EXPECT_TRUE(Child<QWidget>(*window, name).isEnabled()) << name;
}

TEST_F(FileManagerPageTest, browseFormsTheNameFromTheStemAndTheTypeWithTheTypesFilterAndFolder)
{
    browse(kBmp, makeFile("LongFileName.bmp", "12345"));
    EXPECT_EQ(edit("EditFileName").text(), "LongFile.BMP");
    EXPECT_EQ(edit("EditFileSize").text(), "5");
    EXPECT_TRUE(downloadEnabled());

    browse(kDataFile, makeFile("abc.txt", QByteArray(1300, 'x')));
    EXPECT_EQ(edit("EditFileName").text(), "abc");
    EXPECT_EQ(edit("EditFileSize").text(), "1300");

    // Fonts are looked for in the system's font folder, the next file in the working directory again.
    browse(kTrueType, makeFile("DejaVuSansMono.ttf", "font"));
    EXPECT_EQ(edit("EditFileName").text(), "DejaVuSa.TTF");
    browse(kBitmapFont, makeFile("small.bmf", "glyphs"));
    EXPECT_EQ(edit("EditFileName").text(), "small");

    EXPECT_EQ(prompts.fileFilters,
              QStringList({"BMP (*.BMP *.bmp);;All files (*)", "All files (*)", "TTF (*.TTF *.ttf)", "All files (*)"}));
    EXPECT_EQ(prompts.openDirectories, QStringList({"", "", ui::SystemFontFolder(), ""}));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // The type chosen afterwards does not form the name again.
    chooseType(kFirmware);
    EXPECT_EQ(edit("EditFileName").text(), "small");
    EXPECT_TRUE(openings.empty());
}

TEST_F(FileManagerPageTest, browseThatIsCancelledOrCannotOpenTheFileLeavesDownloadDisabled)
{
    browse(kBmp, makeFile("logo.bmp", "BM"));
    ASSERT_TRUE(downloadEnabled());
    browse(kBmp, QString());
    EXPECT_FALSE(downloadEnabled());
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A pipe is refused without waiting for someone to write into it.
    const QString fifo = files.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& unreadable : {files.filePath(QStringLiteral("missing.bmp")), files.path(), fifo}) {
        browse(kBmp, makeFile("logo.bmp", "BM"));
        ASSERT_TRUE(downloadEnabled());
        browse(kBmp, unreadable);
        EXPECT_FALSE(downloadEnabled()) << unreadable.toStdString();
    }
    EXPECT_EQ(prompts.messages, QStringList(3, "Open File Error"));
    EXPECT_EQ(prompts.kinds, QList<ui::MessageKind>(3, ui::MessageKind::Error));
}

TEST_F(FileManagerPageTest, downloadSendsTheHeaderAndTheBytesIntoTheChosenMemory)
{
    const QByteArray contents = binaryBytes(3000);
    browse(kBmp, makeFile("logo.bmp", contents));
    const struct
    {
        int memory;
        QByteArray header;
    } cases[] = {
        {kDram, "DOWNLOAD \"logo.BMP\",3000,"},
        {kCard, "DOWNLOAD E,\"logo.BMP\",3000,"},
        {kFlash, "DOWNLOAD F,\"logo.BMP\",3000,"},
    };
    for (const auto& download : cases) {
        clearPrinterLogs();
        Choose(Child<QComboBox>(*window, "ComboBoxDevice"), download.memory);
        Click(*window, "ButtonDownload");
        // After the password queries, which find no password.
        EXPECT_TRUE(deliveredBytes().endsWith(download.header + contents)) << download.header.toStdString();
    }
    const sim::MemoryState held = memories();
    for (const sim::Memory* memory : {&held.dram, &held.flash, &held.card}) {
        ASSERT_EQ(memory->files.size(), 1);
        EXPECT_EQ(memory->files[0].name, "logo.BMP");
        EXPECT_EQ(memory->files[0].bytes, contents);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(FileManagerPageTest, aLargeDownloadShowsItsProgressInTheWindowUpToTheWholeFile)
{
    const QByteArray contents = binaryBytes(1024 * 1024);
    browse(kDataFile, makeFile("big.dat", contents));
    ui::TFormProcess* process = nullptr;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<ui::TFormProcess*>(topLevel))
            process = found;
    }
    ASSERT_NE(process, nullptr);
    QList<int> shownValues;
    QObject::connect(&Child<QProgressBar>(*process, "ProgressBar1"), &QProgressBar::valueChanged, process,
                     [&](int value) {
                         if (process->isVisible())
                             shownValues << value;
                     });
    Click(*window, "ButtonDownload");

    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return !state.memories.flash.files.isEmpty(); }));
    EXPECT_EQ(memories().flash.files[0].bytes, contents);
    // The bar counts the file's bytes: half way, and all of them at the end.
    EXPECT_TRUE(shownValues.contains(50));
    EXPECT_EQ(shownValues.value(shownValues.size() - 1), 100);
    EXPECT_FALSE(process->isVisible());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileManagerPageTest, anEmptyFileGoesAsAHeaderOfSizeZeroUnderTheEditedName)
{
    browse(kDataFile, makeFile("empty.dat", {}));
    edit("EditFileName").setText(QStringLiteral("EMPTY.DAT"));
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    EXPECT_TRUE(deliveredBytes().endsWith("DOWNLOAD F,\"EMPTY.DAT\",0,"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileManagerPageTest, aNameOfThirtyCharactersGoesAndOneOfThirtyOneIsRefusedWithNothingSent)
{
    browse(kDataFile, makeFile("data.txt", "abc"));
    const QString thirty(30, u'N');
    edit("EditFileName").setText(thirty + u'N');
    openings.clear();
    Click(*window, "ButtonDownload");
    EXPECT_EQ(prompts.messages, QStringList{"File name too long"});
    EXPECT_TRUE(openings.empty());

    // Firmware goes without a name, yet the name is checked all the same.
    chooseType(kFirmware);
    Click(*window, "ButtonDownload");
    EXPECT_EQ(prompts.messages, QStringList(2, "File name too long"));
    EXPECT_TRUE(openings.empty());

    chooseType(kDataFile);
    prompts.clearMessages();
    edit("EditFileName").setText(thirty);
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    EXPECT_TRUE(deliveredBytes().endsWith("DOWNLOAD F,\"" + thirty.toLatin1() + "\",3,abc"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileManagerPageTest, aNameThePrinterCannotTakeIsRefusedBeforeThePasswordIsAsked)
{
    browse(kDataFile, makeFile("data.txt", "abc"));
    const QStringList unsendable{QStringLiteral("A\"B"), QStringLiteral("A\rB"), QStringLiteral("caf\u00e9\u20ac"),
                                 QString()};
    openings.clear();
    for (const QString& name : unsendable) {
        edit("EditFileName").setText(name);
        Click(*window, "ButtonDownload");
    }
    EXPECT_TRUE(openings.empty());
    ASSERT_EQ(prompts.messages.size(), 4);
    EXPECT_TRUE(prompts.messages[0].startsWith("\"File Name\" holds a double quote or a control character"));
    EXPECT_EQ(prompts.messages[1], prompts.messages[0]);
    EXPECT_EQ(prompts.messages[2], "\"File Name\" may hold Latin-1 characters only.");
    EXPECT_EQ(prompts.messages[3],
              "\"File Name\" is empty: the printer stores a file under its name. Nothing was sent.");
}

TEST_F(FileManagerPageTest, downloadAndFormatSendNothingWhenTheGateRefuses)
{
    setPassword("secret");
    browse(kBmp, makeFile("logo.bmp", "BM"));
    clearPrinterLogs();
    OnModal<ui::TFormPassword>([](ui::TFormPassword& dialog) { Click(dialog, "ButtonCancel"); });
    Click(*window, "ButtonDownload");
    prompts.confirmAnswers << true;
    OnModal<ui::TFormPassword>([](ui::TFormPassword& dialog) {
        Child<QLineEdit>(dialog, "EditPassword").setText("SECRET");
        Click(dialog, "ButtonOK");
        Click(dialog, "ButtonCancel");
    });
    Click(*window, "ButtonFileFormat");

    const QByteArray delivered = deliveredBytes();
    EXPECT_FALSE(delivered.contains("DOWNLOAD"));
    EXPECT_FALSE(delivered.contains("KILL"));
    EXPECT_EQ(prompts.messages, QStringList{"Incorrect"});
    EXPECT_TRUE(memories().flash.files.isEmpty());
}

TEST_F(FileManagerPageTest, theRightPasswordLetsTheDownloadThrough)
{
    setPassword("secret");
    browse(kBmp, makeFile("logo.bmp", "BM"));
    OnModal<ui::TFormPassword>([](ui::TFormPassword& dialog) {
        Child<QLineEdit>(dialog, "EditPassword").setText("secret");
        Click(dialog, "ButtonOK");
    });
    Click(*window, "ButtonDownload");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return !state.memories.flash.files.isEmpty(); }));
    EXPECT_EQ(memories().flash.files[0].name, "logo.BMP");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(FileManagerPageTest, firmwareAndTcfGoRawWithoutNameOrMemoryAndAskToWaitForTheLed)
{
    const QByteArray image = "\x7f"
                             "FW" +
                             binaryBytes(5000);
    const QString firmware = makeFile("update.new", image);
    for (const int type : {kFirmware, kTcf}) {
        browse(type, firmware);
        clearPrinterLogs();
        prompts.clearMessages();
        Click(*window, "ButtonDownload");
        const QByteArray delivered = deliveredBytes();
        EXPECT_TRUE(delivered.endsWith(image)) << type;
        EXPECT_FALSE(delivered.contains("DOWNLOAD"));
        EXPECT_EQ(prompts.messages, QStringList{"Please wait for the LED to change to Green."});
        EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Information});
    }
    // A BMP chosen as BMP still goes raw when Firmware is the type at the moment of Download.
    browse(kBmp, makeFile("logo.bmp", "BMlogo"));
    chooseType(kFirmware);
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    const QByteArray delivered = deliveredBytes();
    EXPECT_TRUE(delivered.endsWith("BMlogo"));
    EXPECT_FALSE(delivered.contains("DOWNLOAD"));
    EXPECT_TRUE(memories().flash.files.isEmpty());
}

TEST_F(FileManagerPageTest, aFirmwareFileGoneSinceBrowseIsOpenFileErrorWithNothingSent)
{
    const QString firmware = makeFile("update.new", "image");
    browse(kFirmware, firmware);
    ASSERT_TRUE(QFile::remove(firmware));
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    EXPECT_EQ(prompts.messages, QStringList{"Open File Error"});
    EXPECT_FALSE(deliveredBytes().contains("image"));

    // The same for a file sent with DOWNLOAD, where the operation finds it missing.
    const QString logo = makeFile("logo.bmp", "BM");
    browse(kBmp, logo);
    ASSERT_TRUE(QFile::remove(logo));
    prompts.clearMessages();
    clearPrinterLogs();
    Click(*window, "ButtonDownload");
    EXPECT_EQ(prompts.messages, QStringList{"File Open Error"});
    EXPECT_FALSE(deliveredBytes().contains("DOWNLOAD"));
}

class FileListTest : public FileManagerPageTest
{
protected:
    void fillMemories()
    {
        sim.printer.withState([](sim::PrinterState& state) {
            state.memories.dram = {8192, 8100, {{"TEMP.BMP", "x"}, {"BARCODE.DAT", "y"}}};
            state.memories.flash = {32768, 30000, {{"LOGO.BMP", "x"}, {"AUTO.BAS", "y"}, {"ARIAL.TTF", "z"}}};
            state.memories.card = {131072, 131000, {{"PRICES.DAT", "x"}}};
        });
    }

    void showDevice(int memory) { radioGroup("RadioGroupDevice").setItemIndex(memory); }
};

TEST_F(FileListTest, getShowsTheChosenMemoryAndTheOthersComeFromWhatWasReadWithoutThePrinter)
{
    fillMemories();
    clearPrinterLogs();
    Click(*window, "ButtonGet");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(shownMemory(), QStringList({"LOGO.BMP", "AUTO.BAS", "ARIAL.TTF", "32768", "30000"}));
    EXPECT_EQ(deliveredBytes(), "\r\nDIAGNOSTIC INTERFACE NET\r\n"
                                "DIAGNOSTIC REPORT DPHYSPACE\r\nDIAGNOSTIC REPORT DFREESPACE\r\n"
                                "DIAGNOSTIC REPORT DFILELIST\r\n"
                                "DIAGNOSTIC REPORT FPHYSPACE\r\nDIAGNOSTIC REPORT FFREESPACE\r\n"
                                "DIAGNOSTIC REPORT FFILELIST\r\n"
                                "DIAGNOSTIC REPORT CPHYSPACE\r\nDIAGNOSTIC REPORT CFILELIST\r\n");

    openings.clear();
    showDevice(kDram);
    EXPECT_EQ(shownMemory(), QStringList({"TEMP.BMP", "BARCODE.DAT", "8192", "8100"}));
    // The card's free space is never asked.
    showDevice(kCard);
    EXPECT_EQ(shownMemory(), QStringList({"PRICES.DAT", "131072", ""}));
    EXPECT_TRUE(openings.empty());

    // Another Get shows the memory chosen at that moment.
    sim.printer.withState([](sim::PrinterState& state) { state.memories.card.files.clear(); });
    Click(*window, "ButtonGet");
    EXPECT_EQ(shownMemory(), QStringList({"131072", ""}));
}

TEST_F(FileListTest, aMemoryWithoutFilesShowsAnEmptyListWithItsSpace)
{
    Click(*window, "ButtonGet");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(shownMemory(), QStringList({"32768", "32768"}));
}

TEST_F(FileListTest, aFailedGetKeepsWhatIsShownWhileTheStoreHoldsOnlyWhatWasReadSinceItsStart)
{
    fillMemories();
    Click(*window, "ButtonGet");
    const QStringList shown = shownMemory();

    sim.misbehave(sim::SimFault::NeverAnswer);
    Click(*window, "ButtonGet");
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(shownMemory(), shown);
    EXPECT_TRUE(window->isEnabled());

    showDevice(kDram);
    EXPECT_EQ(shownMemory(), QStringList({"", ""}));
}

TEST_F(FileListTest, aDownloadedFileIsListedAfterwardsWithLessFreeSpace)
{
    browse(kBmp, makeFile("logo.bmp", binaryBytes(2048)));
    Click(*window, "ButtonDownload");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return !state.memories.flash.files.isEmpty(); }));
    Click(*window, "ButtonGet");
    EXPECT_EQ(shownMemory(), QStringList({"logo.BMP", "32768", "32766"}));
}

TEST_F(FileListTest, formatAsksFirstAndErasesTheChosenMemoryOnly)
{
    fillMemories();
    openings.clear();
    Click(*window, "ButtonFileFormat");
    EXPECT_EQ(prompts.questions, QStringList{"Are you sure?"});
    EXPECT_TRUE(openings.empty());

    radioGroup("RadioGroupFormatDevice").setItemIndex(kCard);
    prompts.confirmAnswers << true;
    clearPrinterLogs();
    Click(*window, "ButtonFileFormat");
    EXPECT_TRUE(deliveredBytes().endsWith("KILL E,\"*.*\"\r\n"));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());

    radioGroup("RadioGroupFormatDevice").setItemIndex(kDram);
    prompts.confirmAnswers << true;
    clearPrinterLogs();
    Click(*window, "ButtonFileFormat");
    EXPECT_TRUE(deliveredBytes().endsWith("DIAGNOSTIC REPORT PASSWORD\r\nKILL \"*.*\"\r\n"));

    const sim::MemoryState held = memories();
    EXPECT_TRUE(held.card.files.isEmpty());
    EXPECT_TRUE(held.dram.files.isEmpty());
    EXPECT_EQ(held.flash.files.size(), 3);
    EXPECT_EQ(prompts.questions, QStringList(3, "Are you sure?"));
}

TEST_F(FileManagerPageTest, fontViewOpensOnTheFontLastConfirmedThere)
{
    const QFont chosen(QStringLiteral("DejaVu Sans Mono"), 14);
    prompts.fonts << chosen;
    for (int click = 0; click < 3; ++click)
        Click(*window, "ButtonFontView");
    ASSERT_EQ(prompts.initialFonts.size(), 3);
    EXPECT_EQ(prompts.initialFonts[0], QFont());
    // The second opening was cancelled and changed nothing.
    EXPECT_EQ(prompts.initialFonts[1], chosen);
    EXPECT_EQ(prompts.initialFonts[2], chosen);
    EXPECT_TRUE(openings.empty());
}

TEST_F(FileListTest, getOverTheParallelPortWritesTheAnnouncementAndEndsWithDataReceivingError)
{
    fillMemories();
    Click(*window, "ButtonGet");
    const QStringList shown = shownMemory();
    window->linkSettings().parallel.portName = sim.ptyPath;
    chooseInterface(InterfaceKind::Lpt);
    clearPrinterLogs();
    Click(*window, "ButtonGet");
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(deliveredBytes(), "\r\nDIAGNOSTIC INTERFACE LPT\r\n");
    EXPECT_EQ(shownMemory(), shown);
}
