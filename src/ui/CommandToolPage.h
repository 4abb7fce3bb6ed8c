#pragma once

#include "files/ScriptEncoding.h"

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace norvane::ui {

class OperationRunner;
class RadioGroup;

/// The longest text the editor takes from a file.
inline constexpr qsizetype kMaxEditorTextLength = 10'485'760;

/// The "Command Tool" page: twelve scratch scripts in one editor, loaded from and saved to files and sent to
/// the printer as they are, or any file sent unchanged.
class CommandToolPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kEditorCount = 12;

    explicit CommandToolPage(OperationRunner& runner, QWidget* parent = nullptr);

private:
    QWidget* buildButtons();
    ScriptEncoding encoding() const;
    /// The bytes of an editor text with CR LF line ends, or nothing after telling which character the chosen
    /// encoding cannot hold.
    std::optional<QByteArray> scriptBytes(const QString& editorText);
    /// Sends with only the two send buttons disabled: the rest of the page stays usable around a long send.
    void sendBytes(const QByteArray& bytes);

    void RadioGroupSelectClick(int index);
    void ButtonLoadFileClick();
    void ButtonSaveFileClick();
    void ButtonSendFileClick();
    void ButtonSendClick();

    OperationRunner& m_runner;
    std::array<QString, kEditorCount> m_texts;
    int m_current = 0;

    RadioGroup* m_radioGroupSelect = nullptr;
    QPlainTextEdit* m_richEditTText = nullptr;
    QComboBox* m_comboBoxEncoding = nullptr;
    QPushButton* m_buttonSendFile = nullptr;
    QPushButton* m_buttonSend = nullptr;
};

} // namespace norvane::ui
