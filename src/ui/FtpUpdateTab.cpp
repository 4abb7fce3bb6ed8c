#include "FtpUpdateTab.h"

#include "FieldEntry.h"
#include "FormControls.h"
#include "ItemText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr int kSampleLines = 6;

/// A description file as the printer fetches it from the FTP server.
constexpr const char* kDescriptionSample = "# Printer_Version: 1.0.1\n"
                                           "# Module_Version: 1.00.12\n"
                                           "Printer_Firmware: T10101.NEW\n"
                                           "Module_Firmware: K10012.NEW\n"
                                           "Config: Norvane.cfg\n"
                                           "Data: defpnt.prn";

QLineEdit* lineEdit(const char* name, int maxLength)
{
    auto* edit = Named<QLineEdit>(name);
    edit->setMaxLength(maxLength);
    return edit;
}

void addRow(QGridLayout& grid, int row, QWidget& field, const char* caption)
{
    grid.addWidget(CaptionFor(field, caption), row, 0);
    grid.addWidget(&field, row, 1);
}

} // namespace

FtpUpdateTab::FtpUpdateTab(QWidget* parent) : ConfigTab(parent)
{
    setObjectName(QStringLiteral("tsFtpUpd"));
    m_edtFtpSrvIp = lineEdit("edtFtpSrvIp", TextCapacity(&PrinterConfig::ftpServer));
    m_edtFtpUser = lineEdit("edtFtpUser", TextCapacity(&PrinterConfig::ftpUser));
    m_edtFtpPswd = lineEdit("edtFtpPswd", TextCapacity(&PrinterConfig::ftpPassword));
    m_edtFtpPath = lineEdit("edtFtpPath", TextCapacity(&PrinterConfig::ftpPath));
    m_cbxFtpcEnabled = Named<QComboBox>("cbxFtpcEnabled");
    m_cbxFtpcEnabled->addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
    m_edtDescriptFile = lineEdit("edtDescriptFile", TextCapacity(&PrinterConfig::ftpDescriptionFile));

    auto* grid = new QGridLayout;
    addRow(*grid, 0, *m_edtFtpSrvIp, "FTP Server:");
    addRow(*grid, 1, *m_edtFtpUser, "FTP Username:");
    addRow(*grid, 2, *m_edtFtpPswd, "FTP Password:");
    addRow(*grid, 3, *m_edtFtpPath, "FTP Path:");
    addRow(*grid, 4, *m_cbxFtpcEnabled, "FTP Client:");
    addRow(*grid, 5, *m_edtDescriptFile, "Description Filename:");
    grid->setColumnStretch(1, 1);
    grid->setAlignment(m_cbxFtpcEnabled, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buildDescriptionFormat());
    layout->addStretch();

    for (QLineEdit* secret : {m_edtFtpUser, m_edtFtpPswd})
        MakeSecretField(*secret);
    for (QLineEdit* watched : {m_edtFtpUser, m_edtFtpPswd, m_edtFtpPath})
        watched->installEventFilter(this);
}

QWidget* FtpUpdateTab::buildDescriptionFormat()
{
    auto* memo1 = Named<QPlainTextEdit>("Memo1", QLatin1StringView(kDescriptionSample));
    memo1->setReadOnly(true);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Room for the sample and a line more, rather than a large empty box; the sample never scrolls.
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1->setFixedHeight(memo1->fontMetrics().lineSpacing() * (kSampleLines + 1) + 2 * memo1->frameWidth() +
                          2 * static_cast<int>(memo1->document()->documentMargin()));
    auto* group = new QGroupBox(QStringLiteral("Format of Description File"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(memo1);
    return group;
}

void FtpUpdateTab::showConfig(const PrinterConfig& c, const PageUnits&)
{
    ShowListItem(*m_cbxFtpcEnabled, c.ftpEnable.isSet() ? c.ftpEnable.value : -1);
    m_edtFtpSrvIp->setText(ShownText(c.ftpServer));
    m_edtFtpPath->setText(ShownText(c.ftpPath));
    m_edtDescriptFile->setText(ShownText(c.ftpDescriptionFile));
    m_edtFtpUser->setText(ShownText(c.ftpUser));
    m_edtFtpPswd->setText(ShownText(c.ftpPassword));
}

bool FtpUpdateTab::takeConfig(PrinterConfig& c, const PageUnits&, QString& error)
{
    // Every text is written, an empty one too, so the printer forgets what the page leaves empty. A list
    // without a choice (a printer that did not report it) has no number to send.
    c.ftpEnable.valid = 0;
    if (const int enable = m_cbxFtpcEnabled->currentIndex(); enable >= 0)
        c.ftpEnable.set(enable);
    const auto take = [&error](const QLineEdit& edit, auto& item) {
        const std::optional<QByteArray> bytes = FieldBytes(edit, error);
        if (bytes)
            item.setText(*bytes);
        return bytes.has_value();
    };
    return take(*m_edtFtpSrvIp, c.ftpServer) && take(*m_edtFtpPath, c.ftpPath) &&
           take(*m_edtDescriptFile, c.ftpDescriptionFile) && take(*m_edtFtpUser, c.ftpUser) &&
           take(*m_edtFtpPswd, c.ftpPassword);
}

void FtpUpdateTab::maskSecrets()
{
    MaskSecret(*m_edtFtpUser);
    MaskSecret(*m_edtFtpPswd);
}

bool FtpUpdateTab::eventFilter(QObject* watched, QEvent* event)
{
    if (MovesFocusBetweenFields(*event)) {
        const bool entered = event->type() == QEvent::FocusIn;
        if (entered && watched == m_edtFtpUser)
            edtFtpUserEnter();
        else if (entered && watched == m_edtFtpPswd)
            edtFtpPswdEnter();
        else if (!entered && watched == m_edtFtpPath)
            edtFtpPathExit();
    }
    return ConfigTab::eventFilter(watched, event);
}

void FtpUpdateTab::edtFtpUserEnter()
{
    BeginSecretEntry(*m_edtFtpUser);
}

void FtpUpdateTab::edtFtpPswdEnter()
{
    BeginSecretEntry(*m_edtFtpPswd);
}

void FtpUpdateTab::edtFtpPathExit()
{
    // A path typed the Windows way reaches the printer's FTP client with forward slashes.
    m_edtFtpPath->setText(m_edtFtpPath->text().replace(u'\\', u'/'));
}

} // namespace norvane::ui
