#include "FileManagerPage.h"

#include "FontChoice.h"
#include "FontFolder.h"
#include "FormControls.h"
#include "Latin1Text.h"
#include "OperationRunner.h"
#include "PasswordGate.h"
#include "RadioGroup.h"
#include "UnsendableTextMessage.h"
#include "UserPrompts.h"
#include "config/BoundedFile.h"
#include "files/DownloadRequest.h"
#include "files/PrinterFileType.h"
#include "protocol/CommandFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

const char kOpenFileErrorMessage[] = "Open File Error";
const char kFormatQuestion[] = "Are you sure?";
/// The printer keeps a file under its name only: one sent without would be lost while the download looked fine.
const char kNoFileNameMessage[] = "\"File Name\" is empty: the printer stores a file under its name. Nothing was sent.";

/// The three memory lists, in `MemoryDevice` order; never translated.
QStringList memoryNames()
{
    QStringList names;
    for (const MemoryDevice memory : kMemoryDevices)
        names << QString::fromLatin1(MemoryDeviceName(memory));
    return names;
}

QPushButton* newButton(const char* name, const char* caption)
{
    return Named<QPushButton>(name, QLatin1StringView(caption));
}

/// A memory choice of three columns with FLASH chosen.
RadioGroup* newMemoryChoice(const char* name)
{
    auto* group = Named<RadioGroup>(name, QStringLiteral("Memory Device"), memoryNames(), Qt::Horizontal);
    group->setItemIndex(static_cast<int>(MemoryDevice::Flash));
    return group;
}

QString spaceText(std::optional<std::int32_t> kilobytes)
{
    return kilobytes ? QString::number(*kilobytes) : QString();
}

} // namespace

FileManagerPage::FileManagerPage(OperationRunner& runner, FontChoice& fontChoice, QWidget* parent)
    : QWidget(parent), m_runner(runner), m_fontChoice(fontChoice)
{
    setObjectName(QStringLiteral("TabSheet2"));
    auto* left = new QVBoxLayout;
    left->addWidget(buildFileDownload());
    left->addWidget(buildFileFormat());
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(buildFileInfo(), 1);
}

QGroupBox* FileManagerPage::buildFileDownload()
{
    auto* group = Named<QGroupBox>("GroupBoxFileDownload", QStringLiteral("File Download"));
    m_comboBoxFileType = Named<QComboBox>("ComboBoxFileType");
    for (const PrinterFileTypeInfo& type : kPrinterFileTypes)
        m_comboBoxFileType->addItem(QLatin1StringView(type.item));
    QPushButton* buttonBrowse = newButton("ButtonBrowse", "Browse");
    m_editFileName = NewEdit("EditFileName");
    m_editFileSize = NewReadOnlyEdit("EditFileSize");
    m_comboBoxDevice = NewList("ComboBoxDevice", memoryNames());
    m_comboBoxDevice->setCurrentIndex(static_cast<int>(MemoryDevice::Flash));
    m_buttonDownload = newButton("ButtonDownload", "Download");
    m_buttonDownload->setEnabled(false);
    QPushButton* buttonFontView = newButton("ButtonFontView", "Font View");

    auto* grid = new QGridLayout(group);
    grid->addWidget(CaptionFor(*m_comboBoxFileType, "File Type", "LabelFileType"), 0, 0);
    grid->addWidget(m_comboBoxFileType, 0, 1);
    grid->addWidget(buttonBrowse, 0, 2);
    grid->addWidget(CaptionFor(*m_editFileName, "File Name", "LabelFileName"), 1, 0);
    // As wide as the list and the button above it, for names longer than the 8.3 ones Browse forms.
    grid->addWidget(m_editFileName, 1, 1, 1, 2);
    grid->addWidget(CaptionFor(*m_editFileSize, "File Size", "LabelFileSize"), 2, 0);
    grid->addWidget(m_editFileSize, 2, 1);
    grid->addWidget(NewLabel("LabelBytes", QStringLiteral("Bytes")), 2, 2);
    grid->addWidget(CaptionFor(*m_comboBoxDevice, "Memory Device", "LabelMemoryDevice"), 3, 0);
    grid->addWidget(m_comboBoxDevice, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_buttonDownload);
    buttons->addWidget(buttonFontView);
    grid->addLayout(buttons, 4, 0, 1, 3);

    connect(buttonBrowse, &QPushButton::clicked, this, &FileManagerPage::ButtonBrowseClick);
    connect(m_buttonDownload, &QPushButton::clicked, this, &FileManagerPage::ButtonDownloadClick);
    connect(buttonFontView, &QPushButton::clicked, this, &FileManagerPage::ButtonFontViewClick);
    return group;
}

QGroupBox* FileManagerPage::buildFileInfo()
{
    auto* group = Named<QGroupBox>("GroupBoxFileInfo", QStringLiteral("File Information"));
    m_radioGroupDevice = newMemoryChoice("RadioGroupDevice");
    m_listBoxFileList = Named<QListWidget>("ListBoxFileList");
    m_editPhysicalSpace = NewReadOnlyEdit("EditPhysicalSpace");
    m_editFreeSpace = NewReadOnlyEdit("EditFreeSpace");
    QPushButton* buttonGet = newButton("ButtonGet", "Get");

    auto* space = new QGridLayout;
    space->addWidget(CaptionFor(*m_editPhysicalSpace, "Physical Space", "LabelPhysicalSpace"), 0, 0);
    space->addWidget(m_editPhysicalSpace, 0, 1);
    space->addWidget(NewLabel("LabelPhysicalKB", QStringLiteral("KB")), 0, 2);
    space->addWidget(CaptionFor(*m_editFreeSpace, "Free Space", "LabelFreeSpace"), 1, 0);
    space->addWidget(m_editFreeSpace, 1, 1);
    space->addWidget(NewLabel("LabelFreeKB", QStringLiteral("KB")), 1, 2);
    space->addWidget(buttonGet, 1, 4);
    space->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_radioGroupDevice);
    layout->addWidget(m_listBoxFileList, 1);
    layout->addLayout(space);

    connect(m_radioGroupDevice, &RadioGroup::itemIndexChanged, this, &FileManagerPage::RadioGroupDeviceClick);
    connect(buttonGet, &QPushButton::clicked, this, &FileManagerPage::ButtonGetClick);
    return group;
}

QGroupBox* FileManagerPage::buildFileFormat()
{
    auto* group = Named<QGroupBox>("GroupBoxFileFormat", QStringLiteral("File Format"));
    m_radioGroupFormatDevice = newMemoryChoice("RadioGroupFormatDevice");
    QPushButton* buttonFileFormat = newButton("ButtonFileFormat", "Format");
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(m_radioGroupFormatDevice, 1);
    layout->addWidget(buttonFileFormat, 0, Qt::AlignBottom);
    connect(buttonFileFormat, &QPushButton::clicked, this, &FileManagerPage::ButtonFileFormatClick);
    return group;
}

void FileManagerPage::showMemory()
{
    const auto memory = MemoryDeviceFromIndex(m_radioGroupDevice->itemIndex());
    if (!memory)
        return;
    const DeviceFileInfo& block = m_store[*memory];
    m_editPhysicalSpace->setText(spaceText(block.knownPhysicalSpace()));
    m_editFreeSpace->setText(spaceText(block.knownFreeSpace()));
    m_listBoxFileList->clear();
    for (const QByteArray& entry : block.entries())
        m_listBoxFileList->addItem(QString::fromLatin1(entry));
}

void FileManagerPage::ButtonBrowseClick()
{
    m_buttonDownload->setEnabled(false);
    const auto type = PrinterFileTypeFromIndex(m_comboBoxFileType->currentIndex()).value_or(PrinterFileType::DataFile);
    // Fonts are looked for where the system keeps them; every other type starts in the working directory.
    const QString folder = type == PrinterFileType::TrueTypeFont ? SystemFontFolder() : QString();
    UserPrompts& prompts = m_runner.prompts();
    const QString path =
        prompts.chooseOpenFile(QtNameFilters(QString::fromLatin1(FileTypeInfo(type).openFilter)), folder);
    if (path.isEmpty())
        return;
    // Only a regular file: opening a FIFO would wait for a writer, and a device may act on being opened.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kOpenFileErrorMessage));
        return;
    }
    m_editFileSize->setText(QString::number(file.size()));
    m_downloadSource = QFileInfo(path).absoluteFilePath();
    m_editFileName->setText(BrowsePrinterName(path, type));
    m_buttonDownload->setEnabled(true);
}

void FileManagerPage::ButtonDownloadClick()
{
    UserPrompts& prompts = m_runner.prompts();
    const QString printerName = m_editFileName->text();
    if (PrinterFileNameTooLong(printerName)) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kFileNameTooLongMessage));
        return;
    }
    // The type chosen now decides, not the one the name was formed for.
    const auto type = PrinterFileTypeFromIndex(m_comboBoxFileType->currentIndex()).value_or(PrinterFileType::DataFile);
    const bool raw = FileTypeInfo(type).sentRaw;
    // Refused before the password is asked for, as nothing could be sent anyway.
    if (!raw && printerName.isEmpty()) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kNoFileNameMessage));
        return;
    }
    if (!raw && !IsLatin1(printerName)) {
        prompts.showMessage(MessageKind::Error, NotLatin1Message(CaptionText(*m_editFileName)));
        return;
    }
    if (!raw && !QuotableText(printerName.toLatin1())) {
        prompts.showMessage(MessageKind::Error, UnsendableTextMessage("printerName"));
        return;
    }
    if (!PasswordGate(m_runner))
        return;
    if (raw)
        sendRaw();
    else
        download(printerName);
}

void FileManagerPage::sendRaw()
{
    QString error;
    const auto bytes = ReadWholeFile(m_downloadSource, kDownloadFileLimit, error);
    UserPrompts& prompts = m_runner.prompts();
    if (!bytes) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kOpenFileErrorMessage));
        return;
    }
    if (m_runner.RunOperation<OperationCode::SendRawBytes>(*bytes, static_cast<std::int32_t>(bytes->size())) ==
        ResultCode::Success)
        prompts.showMessage(MessageKind::Information, QLatin1StringView(kRawFileSentMessage));
}

void FileManagerPage::download(const QString& printerName)
{
    const auto memory = MemoryDeviceFromIndex(m_comboBoxDevice->currentIndex()).value_or(MemoryDevice::Flash);
    const DownloadRequest request{m_downloadSource, printerName.toLatin1(), memory};
    m_runner.RunOperation<OperationCode::DownloadFile>(request);
}

void FileManagerPage::ButtonGetClick()
{
    m_store.clear();
    if (m_runner.RunOperation<OperationCode::ReadFileLists>(m_store) == ResultCode::Success)
        showMemory();
}

void FileManagerPage::RadioGroupDeviceClick()
{
    showMemory();
}

void FileManagerPage::ButtonFileFormatClick()
{
    if (!m_runner.prompts().confirm(QLatin1StringView(kFormatQuestion)))
        return;
    if (!PasswordGate(m_runner))
        return;
    const std::int32_t memory = m_radioGroupFormatDevice->itemIndex();
    m_runner.RunOperation<OperationCode::DeleteFiles>(memory);
}

void FileManagerPage::ButtonFontViewClick()
{
    m_fontChoice.choose();
}

} // namespace norvane::ui
