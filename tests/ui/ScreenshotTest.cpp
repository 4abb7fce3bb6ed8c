#include "ConfigurationPageFixture.h"
#include "PasswordRecord.h"
#include "RadioGroup.h"
#include "TActiveEmu.h"
#include "TFormDumpTextSetup.h"
#include "TFormEthernetSetup.h"
#include "TFormLPTSetup.h"
#include "TFormNetSetup.h"
#include "TFormPassword.h"
#include "TFormPasswordSetup.h"
#include "TFormPreviewFont.h"
#include "TFormProcess.h"
#include "TFormRTCSetup.h"
#include "TFormRs232Setup.h"
#include "WidgetDriving.h"
#include "protocol/DumpOperations.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <algorithm>

using namespace norvane;
using namespace norvane::test;

namespace {

QString described(const QWidget& widget)
{
    const QString name =
        widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
    const QRect box = widget.geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height());
}

/// A page that did not render is one flat colour.
bool showsMoreThanOneColour(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const QRgb first = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        if (std::any_of(line, line + pixels.width(), [first](QRgb pixel) { return pixel != first; }))
            return true;
    }
    return false;
}

/// The visible controls of `root` that lie partly outside their parent, and the labels, buttons and lists that
/// are narrower or lower than their text needs.
QStringList layoutFaults(const QWidget& root)
{
    QStringList faults;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&root))
            continue;
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            faults << described(*widget) + QStringLiteral(" lies outside ") + described(*widget->parentWidget());
        const auto* label = qobject_cast<const QLabel*>(widget);
        const QSize needed = qobject_cast<const QComboBox*>(widget) ? widget->sizeHint() : widget->minimumSizeHint();
        const bool sized = (label && !label->wordWrap()) || qobject_cast<const QAbstractButton*>(widget) ||
                           qobject_cast<const QComboBox*>(widget);
        if (sized && (widget->width() < needed.width() || widget->height() < needed.height()))
            faults << described(*widget) +
                          QStringLiteral(" cuts its text, which needs %1x%2").arg(needed.width()).arg(needed.height());
    }
    return faults;
}

/// Shows `window`, saves its picture and checks that it rendered and that its layout holds together.
void saveAndCheck(QWidget& window, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPixmap picture = window.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(showsMoreThanOneColour(picture.toImage()));
    EXPECT_EQ(layoutFaults(window), QStringList());
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    const QString path = QStringLiteral(NORVANE_SCREENSHOT_DIR "/%1.png").arg(name);
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

} // namespace

using ScreenshotTest = MainWindowFixture;

TEST_F(ScreenshotTest, theMainWindowEachOfItsPagesAndEveryDialogRenderAndHoldTogether)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    Click(main, "ButtonGetStatus");
    ASSERT_TRUE(WaitUntil([&] { return !statusPanel(3).isEmpty(); }, 2000));
    auto& pages = Child<QTabWidget>(main, "PageControl1");
    for (int page = 0; page < pages.count(); ++page) {
        pages.setCurrentIndex(page);
        saveAndCheck(main, QStringLiteral("TFormMain-%1").arg(pages.currentWidget()->objectName()));
    }

    // On a small screen the pages reach below the window, for the scroll bar to bring them up: only the
    // picture is checked.
    ui::TFormMain& small = openWindow(false, QRect(0, 0, 1024, 700));
    const QPixmap smallPicture = small.grab();
    EXPECT_TRUE(showsMoreThanOneColour(smallPicture.toImage()));
    EXPECT_TRUE(smallPicture.save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/TFormMain-small-screen.png")));

    LinkSettings links;
    links.serial.portName = QStringLiteral("COM3");
    ui::TFormRs232Setup rs232(links.serial);
    saveAndCheck(rs232, QStringLiteral("TFormRs232Setup"));
    ui::TFormLPTSetup lpt(links.parallel);
    saveAndCheck(lpt, QStringLiteral("TFormLPTSetup"));

    ui::TFormProcess process(QRect(0, 0, 1024, 768));
    Progress progress;
    progress.setView(&process);
    progress.ShowProgress(ProgressMode::StepPerWrite, 40, 3);
    saveAndCheck(process, QStringLiteral("TFormProcess"));
    progress.HideProgress();

    ui::PasswordRecord record{"secret"};
    ui::TFormPassword password(record, prompts);
    Child<QLineEdit>(password, "EditPassword").setText(QStringLiteral("secret"));
    saveAndCheck(password, QStringLiteral("TFormPassword"));
    ui::TFormPasswordSetup passwordSetup(record, prompts);
    saveAndCheck(passwordSetup, QStringLiteral("TFormPasswordSetup"));

    ui::TActiveEmu emulation(*sim.dispatcher, InterfaceKind::Ethernet);
    saveAndCheck(emulation, QStringLiteral("TActiveEmu"));

    ClockSetting clock{2026, 12, 8, 14, 5, 30};
    ui::TFormRTCSetup rtcSetup(clock, prompts);
    saveAndCheck(rtcSetup, QStringLiteral("TFormRTCSetup"));
}

TEST_F(ScreenshotTest, everyConfigurationTabRendersAndHoldsTogetherInInchAndMmWithAFullConfiguration)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    sim.printer.withState([](sim::PrinterState& state) { state.reports = FullConfigurationReports(); });
    auto& tabs = Child<QTabWidget>(main, "PageControl2");
    for (const char* unit : {"inch", "mm"}) {
        Child<ui::RadioGroup>(main, "RadioGroupUnit").setItemIndex(unit == std::string("inch") ? 0 : 1);
        Click(main, "ButtonRead");
        ASSERT_TRUE(prompts.messages.isEmpty());
        for (const char* tab :
             {"TabSheet5", "TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet11", "tsFtpUpd"}) {
            tabs.setCurrentWidget(&Child(main, tab));
            saveAndCheck(main, QStringLiteral("TFormMain-%1-%2").arg(tab, unit));
            EXPECT_TRUE(showsMoreThanOneColour(tabs.currentWidget()->grab().toImage())) << tab;
        }
    }
}

TEST_F(ScreenshotTest, theFileManagerPageRendersAndHoldsTogetherAfterAGetWithFilesInEveryMemory)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    sim.printer.withState([](sim::PrinterState& state) {
        state.memories.dram = {8192, 8100, {{"TEMP.BMP", "x"}, {"BARCODE.DAT", "y"}}};
        state.memories.flash = {
            32768, 30000, {{"LOGO.BMP", "x"}, {"AUTO.BAS", "y"}, {"ARIAL.TTF", "z"}, {"PRICES.DAT", "w"}}};
        state.memories.card = {131072, 131000, {{"FONT24", "x"}}};
    });
    Child<QTabWidget>(main, "PageControl1").setCurrentWidget(&Child(main, "TabSheet2"));
    prompts.openFiles << writeFile(QStringLiteral("CompanyLogo.bmp"), QByteArray(20534, 'B'));
    Click(main, "ButtonBrowse");
    Click(main, "ButtonGet");
    ASSERT_TRUE(prompts.messages.isEmpty());
    saveAndCheck(main, QStringLiteral("TFormMain-TabSheet2-files"));
}

TEST_F(ScreenshotTest, theFontPageWithACjkFontItsPreviewAndTheMadeFontRenderAndHoldTogether)
{
    ui::TFormMain& main = openWindow();
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"));
    QFont cjk(QFontDatabase::applicationFontFamilies(id).value(0));
    cjk.setPixelSize(24);
    Child<QTabWidget>(main, "PageControl1").setCurrentWidget(&Child(main, "TabSheet3"));
    Choose(Child<QComboBox>(main, "ComboBoxFontEncode"), 1);
    Child<ui::RadioGroup>(main, "RadioGroupAsiaFontEncode").setItemIndex(1);
    prompts.fonts << cjk;
    Click(main, "ButtonSelectFont");
    saveAndCheck(main, QStringLiteral("TFormMain-TabSheet3-cjk"));

    {
        ui::TFormPreviewFont preview(&main);
        preview.drawPreview(cjk);
        saveAndCheck(preview, QStringLiteral("TFormPreviewFont"));
    }

    Choose(Child<QComboBox>(main, "ComboBoxFontEncode"), 2);
    Child<QPlainTextEdit>(main, "MemoFontTable").setPlainText(QStringLiteral("ABCabc\u00e9\u00c5%&@0123456789"));
    prompts.saveFiles << writeFile(QStringLiteral("made.bmf"), {});
    Click(main, "ButtonSaveFont");
    ASSERT_TRUE(prompts.messages.isEmpty());
    auto* made = main.findChild<ui::TFormPreviewFont*>();
    ASSERT_TRUE(made);
    saveAndCheck(*made, QStringLiteral("TFormPreviewFont-made"));
}

TEST_F(ScreenshotTest, theDumpDialogRendersAndHoldsTogetherWithTheCardNameEnabled)
{
    DumpRequest request{1, "LOG.TXT", false};
    ui::TFormDumpTextSetup dump(request, prompts);
    saveAndCheck(dump, QStringLiteral("TFormDumpTextSetup"));
}

TEST_F(ScreenshotTest, theNetworkDialogsRenderAndHoldTogether)
{
    openWindow();
    EthernetLinkSettings link;
    const DiscoveryClient discovery(sim.loopbackTargets(), {std::chrono::milliseconds(200), std::chrono::seconds(1)});
    ui::TFormNetSetup netSetup(link, discovery, prompts);
    saveAndCheck(netSetup, QStringLiteral("TFormNetSetup"));

    EthernetSettings settings;
    settings.dhcp = 0;
    settings.ipAddress = "192.168.1.57";
    settings.subnetMask = "255.255.255.0";
    settings.gateway = "192.168.1.1";
    settings.printerName = "NV-PRINTER";
    settings.macAddress = "00:1B:82:4E:56:01";
    ui::TFormEthernetSetup ethernetSetup(settings, {});
    saveAndCheck(ethernetSetup, QStringLiteral("TFormEthernetSetup"));
}
