#pragma once

#include "MainWindowFixture.h"
#include "QStringPrinting.h"
#include "config/DcfFile.h"
#include "config/LengthUnits.h"
#include "protocol/ConfigurationWrite.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>

namespace norvane::test {

/// Every setting of a virtual printer of edition 108 given a value other than its factory one, so that each
/// control of the configuration page shows something.
QMap<QByteArray, QByteArray> FullConfigurationReports();

/// The main window pointed at the virtual printer over ETHERNET, driven through the configuration page.
class ConfigurationPageFixture : public MainWindowFixture
{
protected:
    void SetUp() override;

    void setReports(const QMap<QByteArray, QByteArray>& reports);
    void setReport(const QByteArray& key, const QByteArray& answer);
    /// Clicks Read and expects it to succeed.
    void readPrinter();
    void showTab(ConfigPage page);
    void chooseUnit(LengthUnit unit);
    /// Clears the printer's logs, clicks Set and returns the setting commands it received.
    QList<QByteArray> setCommands();

    QLineEdit& edit(const char* name) const;
    QComboBox& list(const char* name) const;
    /// The texts of `LabelUnit1` … `LabelUnit9`.
    QStringList unitLabels() const;
    /// What every edit and list of the page shows, by name: the text, and for a list also its index.
    QMap<QString, QString> pageState() const;
};

} // namespace norvane::test
