#include "TFormMain.h"

#include "ClockFormat.h"
#include "ClockSetup.h"
#include "CommandToolPage.h"
#include "ConfigurationPage.h"
#include "CurrentLanguage.h"
#include "DumpText.h"
#include "EthernetSetup.h"
#include "FileManagerPage.h"
#include "FontManagerPage.h"
#include "FormControls.h"
#include "MainWindowLanguage.h"
#include "PasswordGate.h"
#include "RadioGroup.h"
#include "TActiveEmu.h"
#include "TFormLPTSetup.h"
#include "TFormNetSetup.h"
#include "TFormPasswordSetup.h"
#include "TFormRs232Setup.h"
#include "TFormSensorCalibrate.h"
#include "TestPagePrint.h"
#include "TrafficTraceButton.h"
#include "UserPrompts.h"
#include "WindowPlacement.h"
#include "config/LengthUnits.h"
#include "link/SystemTransportOpener.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMargins>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

// The top row and the pages sit at fixed places, because the scroll bar moves them by setting their tops;
// the pages are as small as their contents allow, so the fixed window is no larger than it needs to be.
constexpr int kTopRowHeight = 48;
/// Inside the row's groups, below their titles: little enough room at the bottom for a list or a button to keep
/// its full height.
constexpr QMargins kTopGroupMargins{6, 0, 6, 2};
constexpr int kContentMargin = 4;
constexpr int kTopRowGap = 8;
constexpr int kFunctionColumnWidth = 196;
constexpr int kScrollBarWidth = 20;
constexpr int kScrollRange = 100;
/// Screens lower than this get a window 100 pixels lower, with the scroll bar to reach the rest.
constexpr int kSmallScreenHeight = 768;
constexpr int kClockIntervalMs = 1000;

QLabel* addPanel(QStatusBar& bar, const char* name, int width, int stretch = 0)
{
    auto* panel = Named<QLabel>(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(width);
    bar.addWidget(panel, stretch);
    return panel;
}

} // namespace

TFormMain::TFormMain(UserPrompts& prompts, MainWindowEnvironment environment)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_prompts(prompts),
      m_screen(environment.screen.isNull() ? QGuiApplication::primaryScreen()->geometry() : environment.screen),
      m_formProcess(m_screen, this), m_links(m_linkSettings, m_progress,
                                             environment.transportOpener ? std::move(environment.transportOpener)
                                                                         : std::make_unique<SystemTransportOpener>()),
      m_dispatcher(m_links), m_runner(*this, m_dispatcher, prompts, [this] { return currentKind(); }),
      m_discovery(environment.discoveryTargets, environment.discoveryTimeouts)
{
    m_links.timeouts() = environment.timeouts;
    m_progress.setView(&m_formProcess);

    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QLatin1StringView(kMainWindowCaption));
    QWidget* content = buildContent();
    setCentralWidget(content);
    buildStatusBar();

    fitToLanguages();
    fitToScreen(*content);
    m_pageControl1->setCurrentIndex(0);
    ClearConfig(m_config);
    m_configurationPage->ShowConfig(m_config);
    showLinkDisplay();
    SetCurrentLanguage(environment.language.value_or(DefaultLanguage(QLocale::system())));
    m_comboBoxLanguage->setCurrentIndex(static_cast<int>(CurrentLanguage()));
    applyLanguage(CurrentLanguage());
    firstContact();
}

TFormMain::~TFormMain() = default;

QWidget* TFormMain::buildContent()
{
    auto* content = new QWidget;
    buildTopRow(*content);

    m_pageControl1 = Named<QTabWidget>("PageControl1", content);
    // Every page caption stays in sight, so the pages' room below includes the captions' widths.
    m_pageControl1->setUsesScrollButtons(false);
    m_pageControl1->setElideMode(Qt::ElideNone);
    m_pageControl1->addTab(buildPrinterConfigurationPage(), QStringLiteral("Printer Configuration"));
    m_pageControl1->addTab(new FileManagerPage(m_runner, m_fontChoice), QStringLiteral("File Manager"));
    m_pageControl1->addTab(new FontManagerPage(m_runner, m_fontChoice, m_progress),
                           QStringLiteral("Bitmap Font Manager"));
    m_pageControl1->addTab(new CommandToolPage(m_runner), QStringLiteral("Command Tool"));

    m_scrollBar1 = Named<QScrollBar>("ScrollBar1", Qt::Vertical, content);
    m_scrollBar1->setRange(0, kScrollRange);
    connect(m_scrollBar1, &QScrollBar::valueChanged, this, &TFormMain::ScrollBar1Change);
    return content;
}

void TFormMain::buildTopRow(QWidget& content)
{
    m_groupBoxLanguage = Named<QGroupBox>("GroupBoxLanguage", QStringLiteral("Language"), &content);
    m_comboBoxLanguage = Named<QComboBox>("ComboBoxLanguage");
    m_comboBoxLanguage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int index = 0; index < kUiLanguageCount; ++index)
        m_comboBoxLanguage->addItem(QString());
    auto* languageLayout = new QHBoxLayout(m_groupBoxLanguage);
    languageLayout->setContentsMargins(kTopGroupMargins);
    languageLayout->addWidget(m_comboBoxLanguage);
    connect(m_comboBoxLanguage, &QComboBox::currentIndexChanged, this, &TFormMain::ComboBoxLanguageChange);

    m_radioGroupUnit =
        Named<RadioGroup>("RadioGroupUnit", QStringLiteral("Unit"),
                          QStringList{QStringLiteral("inch"), QStringLiteral("mm")}, Qt::Horizontal, &content);
    m_radioGroupUnit->layout()->setContentsMargins(8, 0, 6, 4);
    m_radioGroupUnit->setItemIndex(0);

    m_groupBoxInterFace = Named<QGroupBox>("GroupBoxInterFace", QStringLiteral("Interface"), &content);
    m_comboBoxInterFace = Named<QComboBox>("ComboBoxInterFace");
    m_comboBoxInterFace->addItems(
        {QStringLiteral("USB"), QStringLiteral("COM"), QStringLiteral("LPT"), QStringLiteral("ETHERNET")});
    m_buttonInterFace = Named<QPushButton>("ButtonInterFace", QStringLiteral("Setup"));
    m_buttonInterFace->setEnabled(false);
    auto* interfaceLayout = new QHBoxLayout(m_groupBoxInterFace);
    interfaceLayout->setContentsMargins(kTopGroupMargins);
    interfaceLayout->addWidget(m_comboBoxInterFace, 1);
    interfaceLayout->addWidget(m_buttonInterFace);
    connect(m_comboBoxInterFace, &QComboBox::currentIndexChanged, this, &TFormMain::ComboBoxInterFaceChange);
    connect(m_buttonInterFace, &QPushButton::clicked, this, &TFormMain::ButtonInterFaceClick);
}

QWidget* TFormMain::buildPrinterConfigurationPage()
{
    auto* page = Named<QWidget>("TabSheet1");
    auto* functions = new QVBoxLayout;
    for (QGroupBox* group : {buildPrinterStatus(*page), buildPrinterFunction(*page)}) {
        group->setMinimumWidth(kFunctionColumnWidth);
        functions->addWidget(group);
    }
    functions->addStretch();
    m_configurationPage =
        new ConfigurationPage(m_runner, m_config, m_statusFlags, *m_radioGroupUnit, *m_editPrinterStatus);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(functions);
    layout->addWidget(m_configurationPage, 1);
    return page;
}

QGroupBox* TFormMain::buildPrinterStatus(QWidget& page)
{
    auto* group = Named<QGroupBox>("GroupBoxPrinterStatus", QStringLiteral("Printer Status"), &page);
    m_buttonGetStatus = Named<QPushButton>("ButtonGetStatus", QStringLiteral("Get Status"));
    m_editPrinterStatus = Named<QLineEdit>("EditPrinterStatus");
    m_editPrinterStatus->setReadOnly(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_buttonGetStatus);
    layout->addWidget(m_editPrinterStatus);
    connect(m_buttonGetStatus, &QPushButton::clicked, this, &TFormMain::ButtonGetStatusClick);
    return group;
}

QGroupBox* TFormMain::buildPrinterFunction(QWidget& page)
{
    struct FunctionButton
    {
        const char* name;
        const char* caption;
        void (TFormMain::*click)();
    };
    const FunctionButton buttons[] = {
        {"ButtonInitial", "Factory Default", &TFormMain::ButtonInitialClick},
        {"ButtonDump", "Dump Text", &TFormMain::ButtonDumpClick},
        {"ButtonSelfTest", "Configuration Page", &TFormMain::ButtonSelfTestClick},
        {"ButtonRTCSetTime", "RTC Setup", &TFormMain::ButtonRTCSetTimeClick},
        {"ButtonSensorCalibrate", "Calibrate Sensor ", &TFormMain::ButtonSensorCalibrateClick},
        {"ButtonRestPrinter", "Reset Printer", &TFormMain::ButtonRestPrinterClick},
        {"ButtonTestPatern", "Print Test Page", &TFormMain::ButtonTestPaternClick},
        {"ButtonIgnoreAuto", "Ignore AUTO.BAS", &TFormMain::ButtonIgnoreAutoClick},
        {"ButtonEthernet", "Ethernet Setup", &TFormMain::ButtonEthernetClick},
        {"ButtonPassword", "Password Setup", &TFormMain::ButtonPasswordClick},
        {"ButtonLineModeOut", "Exit Line Mode", &TFormMain::ButtonLineModeOutClick},
        {"ButtonActEmulation", "Active Emulation", &TFormMain::ButtonActEmulationClick},
    };
    auto* group = Named<QGroupBox>("GroupBoxPrinterFunction", QStringLiteral("Printer Function"), &page);
    auto* layout = new QVBoxLayout(group);
    for (const FunctionButton& button : buttons) {
        auto* widget = Named<QPushButton>(button.name, QLatin1StringView(button.caption));
        layout->addWidget(widget);
        connect(widget, &QPushButton::clicked, this, button.click);
    }
    group->findChild<QPushButton*>(QStringLiteral("ButtonEthernet"))->hide();
    return group;
}

void TFormMain::buildStatusBar()
{
    auto* statusBar1 = Named<QStatusBar>("StatusBar1");
    statusBar1->setSizeGripEnabled(false);
    m_parallelPanel = addPanel(*statusBar1, "Panel0", 80);
    m_serialPanel = addPanel(*statusBar1, "Panel1", 220);
    addPanel(*statusBar1, "Panel2", 0, 1);
    m_clockPanel = addPanel(*statusBar1, "Panel3", 170);
    statusBar1->addPermanentWidget(new TrafficTraceButton(m_links, m_prompts));
    setStatusBar(statusBar1);

    m_timer1 = Named<QTimer>("Timer1", this);
    m_timer1->setInterval(kClockIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);
    m_timer1->start();
}

void TFormMain::fitToScreen(QWidget& content)
{
    const QRect pages = m_pageControl1->geometry();
    const int contentWidth = std::max(m_groupBoxInterFace->geometry().right(), pages.right()) + 1 + kContentMargin;
    QSize size(contentWidth + kScrollBarWidth, pages.bottom() + 1 + kContentMargin);
    if (m_screen.height() < kSmallScreenHeight) {
        size.rheight() -= kScrollRange;
    } else {
        m_scrollBar1->setEnabled(false);
        m_scrollBar1->hide();
        size.rwidth() -= kScrollBarWidth;
    }
    m_scrollBar1->setGeometry(contentWidth, 0, kScrollBarWidth, size.height());
    content.setFixedSize(size);
    setFixedSize(sizeHint());
    CentreOnScreen(*this, m_screen);
}

void TFormMain::fitToLanguages()
{
    // The window keeps one size whatever the language, so every language's texts must have room in it.
    QSize pages = m_pageControl1->minimumSizeHint();
    int topWidths[3] = {};
    QWidget* const topRow[3] = {m_groupBoxLanguage, m_radioGroupUnit, m_groupBoxInterFace};
    // The lists keep the width of their widest language, which is known once every language was applied.
    for (int index = 0; index < kUiLanguageCount; ++index)
        applyLanguage(UiLanguageAt(index));
    for (int index = 0; index < kUiLanguageCount; ++index) {
        applyLanguage(UiLanguageAt(index));
        // Controls not shown yet leave the sizes their layouts keep for them as they were.
        for (QWidget* widget : findChildren<QWidget*>())
            widget->updateGeometry();
        for (QLayout* layout : findChildren<QLayout*>())
            layout->invalidate();
        pages = pages.expandedTo(m_pageControl1->minimumSizeHint());
        for (int group = 0; group < 3; ++group)
            topWidths[group] = std::max(topWidths[group], topRow[group]->sizeHint().width());
    }
    int left = kContentMargin;
    for (int group = 0; group < 3; ++group) {
        topRow[group]->setGeometry(left, 0, topWidths[group], kTopRowHeight);
        left += topWidths[group] + kTopRowGap;
    }
    m_pageControl1->setGeometry(QRect(QPoint(kContentMargin, kTopRowHeight), pages));
}

void TFormMain::applyLanguage(UiLanguage language)
{
    ApplyLanguageRows(*this, MainWindowLanguageRows(), language);
    for (QComboBox* list : findChildren<QComboBox*>())
        FitListToItems(*list);
    m_editPrinterStatus->clear();
    m_configurationPage->RadioGroupUnitClick();
}

void TFormMain::showLinkDisplay()
{
    m_parallelPanel->setText(ParallelLinkDisplayText(m_linkSettings.parallel));
    m_serialPanel->setText(SerialLinkDisplayText(m_linkSettings.serial));
}

void TFormMain::firstContact()
{
    // Straight to the dispatcher: nothing is shown for a printer that is absent or silent.
    const InterfaceKind kind = currentKind();
    if (m_dispatcher.dispatch<OperationCode::LinkTest>(kind) != ResultCode::Success)
        return;
    PrinterConfig config;
    ClearConfig(config);
    if (m_dispatcher.dispatch<OperationCode::ExitLineMode>(kind) != ResultCode::Success)
        return;
    if (m_dispatcher.dispatch<OperationCode::ReadConfiguration>(kind, config, 0) != ResultCode::Success)
        return;
    m_config = config;
    m_configurationPage->ShowConfig(m_config);
}

InterfaceKind TFormMain::currentKind() const
{
    return static_cast<InterfaceKind>(m_comboBoxInterFace->currentIndex());
}

void TFormMain::ComboBoxLanguageChange()
{
    SetCurrentLanguage(UiLanguageAt(m_comboBoxLanguage->currentIndex()));
    applyLanguage(CurrentLanguage());
}

void TFormMain::ComboBoxInterFaceChange()
{
    const InterfaceKind kind = currentKind();
    m_buttonInterFace->setEnabled(kind != InterfaceKind::Usb);
    // Nothing can be read over a parallel port.
    m_buttonGetStatus->setEnabled(kind != InterfaceKind::Lpt);
    m_configurationPage->setReadEnabled(kind != InterfaceKind::Lpt);
}

void TFormMain::ButtonInterFaceClick()
{
    switch (currentKind()) {
    case InterfaceKind::Com: {
        TFormRs232Setup dialog(m_linkSettings.serial, this);
        dialog.exec();
        break;
    }
    case InterfaceKind::Lpt: {
        TFormLPTSetup dialog(m_linkSettings.parallel, this);
        dialog.exec();
        break;
    }
    case InterfaceKind::Ethernet: {
        TFormNetSetup dialog(m_linkSettings.ethernet, m_discovery, m_prompts, this);
        dialog.exec();
        break;
    }
    case InterfaceKind::Usb:
        break;
    }
    showLinkDisplay();
}

void TFormMain::ButtonGetStatusClick()
{
    if (m_runner.RunOperation<OperationCode::ReadStatus>(m_statusFlags) == ResultCode::Success)
        m_editPrinterStatus->setText(TranslatedStatus(StatusText(m_statusFlags)));
}

void TFormMain::ButtonInitialClick()
{
    if (PasswordGate(m_runner))
        m_runner.RunOperation<OperationCode::FactoryDefault>();
}

void TFormMain::ButtonDumpClick()
{
    DumpText(m_runner);
}

void TFormMain::ButtonSelfTestClick()
{
    m_runner.RunOperation<OperationCode::PrintConfigurationPage>();
}

void TFormMain::ButtonRTCSetTimeClick()
{
    RunClockSetup(m_runner, m_dispatcher, currentKind(), m_clockSetting);
}

void TFormMain::ButtonRestPrinterClick()
{
    m_runner.RunOperation<OperationCode::ResetPrinter>();
    // Whatever the reset did, the wireless module may have lost its settings.
    m_configurationPage->lockWirelessAfterReset();
}

void TFormMain::ButtonTestPaternClick()
{
    PrintTestPage(m_runner, m_config, *m_configurationPage);
}

void TFormMain::ButtonIgnoreAutoClick()
{
    m_runner.RunOperation<OperationCode::IgnoreStartupProgram>();
}

void TFormMain::ButtonEthernetClick()
{
    RunEthernetSetup(m_runner, m_ethernetSettings);
}

void TFormMain::ButtonPasswordClick()
{
    QByteArray current;
    if (m_runner.RunOperation<OperationCode::ReadPassword>(current) != ResultCode::Success)
        return;
    PasswordRecord record{current};
    TFormPasswordSetup dialog(record, m_prompts, this);
    PlaceAtThirdOf(dialog, *this);
    dialog.exec();
    // Cancelled, or the same password typed again: nothing to send.
    if (record.password == current)
        return;
    m_runner.RunOperation<OperationCode::SendPassword>(record.password);
}

void TFormMain::ButtonSensorCalibrateClick()
{
    SensorCalibration record;
    if (m_config.dpiValid != 0)
        record.dotsPerUnit =
            static_cast<std::int32_t>(DotsPerUnit(m_config, static_cast<LengthUnit>(m_radioGroupUnit->itemIndex())));
    // The dialog opens on what could be read, the rest at its defaults.
    m_runner.RunOperation<OperationCode::ReadSensorSettings>(record);
    TFormSensorCalibrate dialog(record, m_dispatcher, currentKind(), m_prompts, this);
    PlaceAtThirdOf(dialog, *this);
    dialog.exec();
    if (record.apply && PasswordGate(m_runner))
        m_runner.RunOperation<OperationCode::SensorCalibration>(record);
}

void TFormMain::ButtonLineModeOutClick()
{
    m_runner.RunOperation<OperationCode::ExitLineMode>();
}

void TFormMain::ButtonActEmulationClick()
{
    TActiveEmu dialog(m_dispatcher, currentKind(), this);
    dialog.exec();
}

void TFormMain::Timer1Timer()
{
    const QLocale locale = QLocale::system();
    m_clockPanel->setText(locale.toString(QDateTime::currentDateTime(), ClockFormat(locale)));
}

void TFormMain::ScrollBar1Change(int position)
{
    m_groupBoxLanguage->move(m_groupBoxLanguage->x(), -position);
    m_radioGroupUnit->move(m_radioGroupUnit->x(), -position);
    m_groupBoxInterFace->move(m_groupBoxInterFace->x(), -position);
    m_pageControl1->move(m_pageControl1->x(), kTopRowHeight - position);
}

} // namespace norvane::ui
