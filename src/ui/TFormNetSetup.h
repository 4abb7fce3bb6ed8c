#pragma once

#include "link/LinkSettings.h"
#include "net/DiscoveryClient.h"

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace norvane::ui {

class UserPrompts;

/// "TCP/IP Setup": edits the network printer's host and port. Opening runs a Discover pass and takes the
/// first printer found as the host when none is set. The device list and its actions are built but hidden.
class TFormNetSetup : public QDialog
{
    Q_OBJECT

public:
    /// Runs the opening Discover pass before returning, so the caller only shows the dialog.
    TFormNetSetup(EthernetLinkSettings& record, const DiscoveryClient& discovery, UserPrompts& prompts,
                  QWidget* parent = nullptr);

    /// The fallback host when no printer answers.
    static constexpr const char* kDefaultHost = "192.168.1.100";

private:
    void ButtonExitClick();
    void ButtonDiscoverClick();
    void ListView1Click();
    void ButtonChangeIPClick();
    void ButtonFactoryDefaultClick();
    void ButtonBrowserClick();
    /// The MAC column of the first selected row, parsed; nothing when no row is selected.
    std::optional<MacBytes> selectedMac() const;

    EthernetLinkSettings& m_record;
    const DiscoveryClient& m_discovery;
    UserPrompts& m_prompts;
    std::uint16_t m_sequenceNumber = 1;
    QLineEdit* m_editIPAddr;
    QLineEdit* m_editPort;
    QTreeWidget* m_listView1;
    QPushButton* m_buttonDiscover;
};

} // namespace norvane::ui
