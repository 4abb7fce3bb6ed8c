#include "CommandToolPage.h"

#include "FormControls.h"
#include "OperationRunner.h"
#include "RadioGroup.h"
#include "UserPrompts.h"
#include "config/BoundedFile.h"
#include "config/SavedFile.h"
#include "files/DownloadRequest.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// Scripts have any name and extension, or none.
constexpr char kAllFilesFilter[] = "*.* (*)";
constexpr char kOpenFileErrorMessage[] = "Open file Error!!!";

/// The editor keeps its line breaks as separator characters; a script ends its lines with CR LF.
QString withCrLf(QString editorText)
{
    editorText.replace(QChar::ParagraphSeparator, QLatin1StringView("\r\n"));
    return editorText.replace(QChar::LineSeparator, QLatin1StringView("\r\n"));
}

QString tooLongMessage()
{
    return QStringLiteral("The editor holds at most %1 characters.").arg(kMaxEditorTextLength);
}

QStringList editorNumbers()
{
    QStringList numbers;
    for (int number = 1; number <= CommandToolPage::kEditorCount; ++number)
        numbers << QString::number(number);
    return numbers;
}

} // namespace

CommandToolPage::CommandToolPage(OperationRunner& runner, QWidget* parent) : QWidget(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("TabSheet4"));
    m_radioGroupSelect = Named<RadioGroup>("RadioGroupSelect", QStringLiteral("Editor"), editorNumbers(), Qt::Vertical);
    m_radioGroupSelect->setItemIndex(0);

    m_richEditTText = Named<QPlainTextEdit>("RichEditTText");
    m_richEditTText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_richEditTText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_richEditTText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
    font.setPixelSize(12);
    m_richEditTText->setFont(font);

    auto* layout = new QHBoxLayout(this);
    // The twelve items keep their natural spacing instead of spreading over the editor's height.
    layout->addWidget(m_radioGroupSelect, 0, Qt::AlignTop);
    layout->addWidget(m_richEditTText, 1);
    layout->addWidget(buildButtons());

    connect(m_radioGroupSelect, &RadioGroup::itemIndexChanged, this, &CommandToolPage::RadioGroupSelectClick);
}

QWidget* CommandToolPage::buildButtons()
{
    auto* column = new QWidget;
    auto* buttonLoadFile = Named<QPushButton>("ButtonLoadFile", QStringLiteral("Load"));
    auto* buttonSaveFile = Named<QPushButton>("ButtonSaveFile", QStringLiteral("Save"));
    m_buttonSendFile = Named<QPushButton>("ButtonSendFile", QStringLiteral("Send File"));
    m_buttonSend = Named<QPushButton>("ButtonSend", QStringLiteral("Send"));
    m_comboBoxEncoding = Named<QComboBox>("ComboBoxEncoding");
    for (const ScriptEncoding encoding : AvailableScriptEncodings())
        m_comboBoxEncoding->addItem(ScriptEncodingName(encoding), static_cast<int>(encoding));

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins({});
    for (QPushButton* button : {buttonLoadFile, buttonSaveFile, m_buttonSendFile, m_buttonSend})
        layout->addWidget(button);
    layout->addSpacing(12);
    layout->addWidget(CaptionFor(*m_comboBoxEncoding, "Encoding", "LabelEncoding"));
    layout->addWidget(m_comboBoxEncoding);
    layout->addStretch();

    connect(buttonLoadFile, &QPushButton::clicked, this, &CommandToolPage::ButtonLoadFileClick);
    connect(buttonSaveFile, &QPushButton::clicked, this, &CommandToolPage::ButtonSaveFileClick);
    connect(m_buttonSendFile, &QPushButton::clicked, this, &CommandToolPage::ButtonSendFileClick);
    connect(m_buttonSend, &QPushButton::clicked, this, &CommandToolPage::ButtonSendClick);
    return column;
}

ScriptEncoding CommandToolPage::encoding() const
{
    return static_cast<ScriptEncoding>(m_comboBoxEncoding->currentData().toInt());
}

std::optional<QByteArray> CommandToolPage::scriptBytes(const QString& editorText)
{
    // Nothing stops a paste from going past the length a file may bring.
    if (editorText.size() > kMaxEditorTextLength) {
        m_runner.prompts().showMessage(MessageKind::Error, tooLongMessage());
        return std::nullopt;
    }
    auto result = EncodeScript(withCrLf(editorText), encoding());
    if (const auto* character = std::get_if<UnwritableCharacter>(&result)) {
        m_runner.prompts().showMessage(MessageKind::Error, UnwritableCharacterMessage(*character, encoding()));
        return std::nullopt;
    }
    return std::get<QByteArray>(std::move(result));
}

void CommandToolPage::sendBytes(const QByteArray& bytes)
{
    m_buttonSendFile->setEnabled(false);
    m_buttonSend->setEnabled(false);
    const auto enable = qScopeGuard([this] {
        m_buttonSendFile->setEnabled(true);
        m_buttonSend->setEnabled(true);
    });
    // Files are read up to 64 MiB and texts up to the editor's length, so the count fits.
    m_runner.RunOperationWindowEnabled<OperationCode::SendRawBytes>(bytes, static_cast<std::int32_t>(bytes.size()));
}

void CommandToolPage::RadioGroupSelectClick(int index)
{
    if (index == m_current)
        return;
    m_texts[static_cast<std::size_t>(m_current)] = m_richEditTText->document()->toRawText();
    m_richEditTText->setPlainText(m_texts[static_cast<std::size_t>(index)]);
    m_current = index;
}

void CommandToolPage::ButtonLoadFileClick()
{
    const QString path = m_runner.prompts().chooseOpenFile(QString::fromLatin1(kAllFilesFilter));
    if (path.isEmpty())
        return;
    QString error;
    const auto contents = ReadWholeFile(path, kDownloadFileLimit, error);
    if (!contents)
        return;
    const qsizetype zero = contents->indexOf('\0');
    const auto text = DecodeScript(QByteArrayView(*contents).first(zero < 0 ? contents->size() : zero), encoding());
    if (!text) {
        m_runner.prompts().showMessage(MessageKind::Error, UndecodableFileMessage(encoding()));
        return;
    }
    // The document counts a final paragraph separator that is no part of the text.
    if (m_richEditTText->document()->characterCount() - 1 + text->size() > kMaxEditorTextLength) {
        m_runner.prompts().showMessage(MessageKind::Error, tooLongMessage());
        return;
    }
    QTextCursor end(m_richEditTText->document());
    end.movePosition(QTextCursor::End);
    end.insertText(*text);
}

void CommandToolPage::ButtonSaveFileClick()
{
    const auto bytes = scriptBytes(m_richEditTText->document()->toRawText());
    if (!bytes)
        return;
    const QString path = m_runner.prompts().chooseSaveFile(QString::fromLatin1(kAllFilesFilter), QString());
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveWholeFile(path, *bytes, error))
        m_runner.prompts().showMessage(MessageKind::Error, QStringLiteral("Cannot save ") + error);
}

void CommandToolPage::ButtonSendFileClick()
{
    const QString path = m_runner.prompts().chooseOpenFile(QString::fromLatin1(kAllFilesFilter));
    if (path.isEmpty())
        return;
    QString error;
    const auto contents = ReadWholeFile(path, kDownloadFileLimit, error);
    if (!contents) {
        m_runner.prompts().showMessage(MessageKind::Error, QLatin1StringView(kOpenFileErrorMessage));
        return;
    }
    sendBytes(*contents);
}

void CommandToolPage::ButtonSendClick()
{
    const QTextCursor cursor = m_richEditTText->textCursor();
    const QString text = cursor.hasSelection() ? cursor.selectedText() : m_richEditTText->document()->toRawText();
    if (const auto bytes = scriptBytes(text))
        sendBytes(*bytes);
    m_richEditTText->setFocus();
}

} // namespace norvane::ui
