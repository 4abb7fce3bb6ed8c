#pragma once

#include "FontChoice.h"
#include "MainWindowEnvironment.h"
#include "OperationRunner.h"
#include "TFormProcess.h"
#include "config/PrinterConfig.h"
#include "i18n/UiLanguage.h"
#include "link/LinkLayer.h"
#include "link/LinkSettings.h"
#include "link/Progress.h"
#include "net/DiscoveryClient.h"
#include "net/EthernetSettings.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterClock.h"
#include "protocol/PrinterStatus.h"

#include <QMainWindow>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTimer;

namespace norvane::ui {

class ConfigurationPage;
class RadioGroup;
class UserPrompts;

/// Two blanks before the version.
inline constexpr const char* kMainWindowCaption = "Norvane Configuration Utility  2.03A";

/// The program's one main window. It owns the link settings, the printer configuration and the last status
/// for its whole life, and runs every printer operation with itself disabled.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the window and tries the printer silently over USB before returning.
    explicit TFormMain(UserPrompts& prompts, MainWindowEnvironment environment = {});
    ~TFormMain() override;

    /// The link layer reads these at every operation, so a change takes effect at the next one.
    LinkSettings& linkSettings() { return m_linkSettings; }
    const PrinterConfig& printerConfig() const { return m_config; }

private:
    QWidget* buildContent();
    void buildTopRow(QWidget& content);
    QWidget* buildPrinterConfigurationPage();
    QGroupBox* buildPrinterStatus(QWidget& page);
    QGroupBox* buildPrinterFunction(QWidget& page);
    void buildStatusBar();
    void fitToLanguages();
    void applyLanguage(UiLanguage language);
    void fitToScreen(QWidget& content);
    void showLinkDisplay();
    void firstContact();
    InterfaceKind currentKind() const;

    void ComboBoxLanguageChange();
    void ComboBoxInterFaceChange();
    void ButtonInterFaceClick();
    void ButtonGetStatusClick();
    void ButtonInitialClick();
    void ButtonDumpClick();
    void ButtonSelfTestClick();
    void ButtonRTCSetTimeClick();
    void ButtonRestPrinterClick();
    void ButtonTestPaternClick();
    void ButtonIgnoreAutoClick();
    void ButtonEthernetClick();
    void ButtonPasswordClick();
    void ButtonSensorCalibrateClick();
    void ButtonLineModeOutClick();
    void ButtonActEmulationClick();
    void Timer1Timer();
    void ScrollBar1Change(int position);

    UserPrompts& m_prompts;
    QRect m_screen;
    LinkSettings m_linkSettings;
    TFormProcess m_formProcess;
    Progress m_progress;
    LinkLayer m_links;
    CommandDispatcher m_dispatcher;
    OperationRunner m_runner;
    PrinterConfig m_config;
    StatusFlags m_statusFlags;
    ClockSetting m_clockSetting;
    EthernetSettings m_ethernetSettings;
    DiscoveryClient m_discovery;
    /// `FontDialog1`, whose last confirmed font is where it opens next.
    FontChoice m_fontChoice{m_prompts};

    QGroupBox* m_groupBoxLanguage = nullptr;
    QComboBox* m_comboBoxLanguage = nullptr;
    RadioGroup* m_radioGroupUnit = nullptr;
    QGroupBox* m_groupBoxInterFace = nullptr;
    QComboBox* m_comboBoxInterFace = nullptr;
    QPushButton* m_buttonInterFace = nullptr;
    QTabWidget* m_pageControl1 = nullptr;
    ConfigurationPage* m_configurationPage = nullptr;
    QPushButton* m_buttonGetStatus = nullptr;
    QLineEdit* m_editPrinterStatus = nullptr;
    QScrollBar* m_scrollBar1 = nullptr;
    QLabel* m_parallelPanel = nullptr;
    QLabel* m_serialPanel = nullptr;
    QLabel* m_clockPanel = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace norvane::ui
