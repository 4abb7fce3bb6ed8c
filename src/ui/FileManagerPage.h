#pragma once

#include "files/FileListStore.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace norvane::ui {

class FontChoice;
class OperationRunner;
class RadioGroup;

/// The "File Manager" page (`TabSheet2`): puts a file from the PC into one of the printer's memories, shows
/// what each memory holds and how much room it has, and erases a memory.
class FileManagerPage : public QWidget
{
    Q_OBJECT

public:
    /// `fontChoice` is the main window's font dialog, shared with the font page so both start on the same font.
    FileManagerPage(OperationRunner& runner, FontChoice& fontChoice, QWidget* parent = nullptr);

private:
    QGroupBox* buildFileDownload();
    QGroupBox* buildFileInfo();
    QGroupBox* buildFileFormat();
    /// Fills the list and space fields from the store's block of `RadioGroupDevice`'s memory.
    void showMemory();
    /// Sends the remembered file as it is (firmware, TCF).
    void sendRaw();
    /// Sends the remembered file with DOWNLOAD under the name of `EditFileName`.
    void download(const QString& printerName);

    void ButtonBrowseClick();
    void ButtonDownloadClick();
    void ButtonGetClick();
    void RadioGroupDeviceClick();
    void ButtonFileFormatClick();
    void ButtonFontViewClick();

    OperationRunner& m_runner;
    FontChoice& m_fontChoice;
    /// The last file chosen with Browse.
    QString m_downloadSource;
    /// What the last Get read, kept so that another memory is shown without asking the printer again.
    FileListStore m_store;

    QComboBox* m_comboBoxFileType = nullptr;
    QLineEdit* m_editFileName = nullptr;
    QLineEdit* m_editFileSize = nullptr;
    QComboBox* m_comboBoxDevice = nullptr;
    QPushButton* m_buttonDownload = nullptr;
    RadioGroup* m_radioGroupDevice = nullptr;
    QListWidget* m_listBoxFileList = nullptr;
    QLineEdit* m_editPhysicalSpace = nullptr;
    QLineEdit* m_editFreeSpace = nullptr;
    RadioGroup* m_radioGroupFormatDevice = nullptr;
};

} // namespace norvane::ui
