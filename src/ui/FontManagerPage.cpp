#include "FontManagerPage.h"

#include "FontChoice.h"
#include "FormControls.h"
#include "Latin1Text.h"
#include "OperationRunner.h"
#include "PasswordGate.h"
#include "RadioGroup.h"
#include "TFormPreviewFont.h"
#include "UnsendableTextMessage.h"
#include "UserPrompts.h"
#include "files/DownloadRequest.h"
#include "files/MemoryDevice.h"
#include "files/PrinterFileType.h"
#include "fonts/BitmapFontFile.h"
#include "fonts/CodeSets.h"
#include "fonts/FontMaker.h"
#include "fonts/GlyphRenderer.h"
#include "protocol/CommandFormat.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// Every file, as the table and font dialogs offer.
constexpr char16_t kAllFiles[] = u"*.*|*.*";
constexpr char kPrinterFontName[] = "FONT001";
constexpr char kTemporaryFontName[] = "TEMP.BMF";
constexpr int kSampleWidth = 145;
constexpr int kSampleHeight = 56;
/// A table file is shown in the memo; more than a table can use is not read.
constexpr qint64 kTableFileShown = kCodeTableLimit + 1;

enum FontEncode
{
    StandardEncode = 0,
    AsianFontEncode = 1,
    EncodeByTable = 2,
    EncodeByTableAsian = 3,
};

enum FontMapping
{
    StandardMapping = 0,
    FullAsciiMapping = 1,
};

QPushButton* newButton(const char* name, const char* caption)
{
    return Named<QPushButton>(name, QLatin1StringView(caption));
}

QStringList memoryNames()
{
    QStringList names;
    for (const MemoryDevice memory : kMemoryDevices)
        names << QString::fromLatin1(MemoryDeviceName(memory));
    return names;
}

/// The outcome of reading one number field.
enum class Field
{
    Number,
    Empty,
    NotANumber,
};

Field readNumber(const QLineEdit& edit, int& value)
{
    const QString text = edit.text().trimmed();
    if (text.isEmpty())
        return Field::Empty;
    bool ok = false;
    value = text.toInt(&ok);
    return ok ? Field::Number : Field::NotANumber;
}

} // namespace

FontManagerPage::FontManagerPage(OperationRunner& runner, FontChoice& fontChoice, Progress& progress, QWidget* parent)
    : QWidget(parent), m_runner(runner), m_fontChoice(fontChoice), m_progress(progress),
      m_startFolder(QDir::currentPath())
{
    setObjectName(QStringLiteral("TabSheet3"));
    auto* right = new QVBoxLayout;
    right->addWidget(buildStandardEncode());
    m_radioGroupAsiaFontEncode =
        Named<RadioGroup>("RadioGroupAsiaFontEncode", QStringLiteral("Asian Font Encode"),
                          QStringList{"Traditional Chinese", "Simplified Chinese", "Korean", "Japanese"}, Qt::Vertical);
    m_radioGroupAsiaFontEncode->setItemIndex(0);
    right->addWidget(m_radioGroupAsiaFontEncode);
    right->addWidget(buildEncodeTable(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* buttonSaveFont = newButton("ButtonSaveFont", "Save Font");
    QPushButton* buttonDowloadFont = newButton("ButtonDowloadFont", "Download Font");
    buttons->addWidget(buttonSaveFont);
    buttons->addWidget(buttonDowloadFont);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildFontSelect());
    layout->addLayout(right, 1);
    connect(buttonSaveFont, &QPushButton::clicked, this, &FontManagerPage::ButtonSaveFontClick);
    connect(buttonDowloadFont, &QPushButton::clicked, this, &FontManagerPage::ButtonDowloadFontClick);

    useFont(m_fontChoice.startingFont());
    ComboBoxFontEncodeChange();
}

FontManagerPage::~FontManagerPage() = default;

QGroupBox* FontManagerPage::buildFontSelect()
{
    auto* group = Named<QGroupBox>("GroupBoxFontSelect", QStringLiteral("Font Select"));
    QPushButton* buttonSelectFont = newButton("ButtonSelectFont", "Select Font");
    m_editWinFontName = NewReadOnlyEdit("EditWinFontName");
    m_editWinFontSize = NewReadOnlyEdit("EditWinFontSize");
    m_editFontWidth = NewEdit("EditFontWidth");
    m_editFontHeight = NewEdit("EditFontHeight");
    m_editItalicWidth = NewEdit("EditItalicWidth");
    m_editPrinterFontName = NewEdit("EditPrinterFontName");
    m_comboBoxFontPitch = NewList("ComboBoxFontPitch", {"Fixed Pitch", "Variable Pitch"});
    m_comboBoxFontEncode = NewList(
        "ComboBoxFontEncode", {"Standard Encode", "Asian Font Encode", "Encode by Table", "Encode by Table (Asian)"});
    m_comboBoxMemoryDevice = NewList("ComboBoxMemoryDevice", memoryNames());
    m_comboBoxMemoryDevice->setCurrentIndex(static_cast<int>(MemoryDevice::Flash));
    m_imageSmaple = Named<QLabel>("ImageSmaple");
    m_imageSmaple->setFixedSize(kSampleWidth, kSampleHeight);
    QPushButton* buttonPreviewFont = newButton("ButtonPreviewFont", "Preview Font");

    auto* grid = new QGridLayout(group);
    grid->addWidget(buttonSelectFont, 0, 0, 1, 2, Qt::AlignLeft);
    auto* fields = new QGridLayout;
    FormColumn form(*fields, 0);
    const auto add = [&](QWidget* control, const char* caption, const char* name) {
        form.addRow(CaptionFor(*control, caption, name), control);
    };
    add(m_editWinFontName, "Windows Font Name", "LabelWindowsFontName");
    add(m_editWinFontSize, "Font Size", "LabelFontSize");
    add(m_editFontWidth, "Font Width", "LabelFontWidth");
    add(m_editFontHeight, "Font Height", "LabelFontHeight");
    add(m_editItalicWidth, "Italic Width", "LabelItalicWidth");
    add(m_editPrinterFontName, "Printer Font Name", "LabelPrinterFontName");
    add(m_comboBoxFontPitch, "Font Pitch", "LabelFontPitch");
    add(m_comboBoxFontEncode, "Font Encode", "LabelFontEncode");
    add(m_comboBoxMemoryDevice, "Printer Device", "LabelPrinterDevice");
    // Font names are long ("WenQuanYi Micro Hei Mono"): the name gets the width of the longest list.
    m_editWinFontName->setFixedWidth(m_comboBoxFontEncode->width());
    grid->addLayout(fields, 1, 0, 1, 2);
    grid->addWidget(m_imageSmaple, 2, 0);
    grid->addWidget(buttonPreviewFont, 2, 1, Qt::AlignBottom);
    grid->setRowStretch(3, 1);

    connect(buttonSelectFont, &QPushButton::clicked, this, &FontManagerPage::ButtonSelectFontClick);
    connect(buttonPreviewFont, &QPushButton::clicked, this, &FontManagerPage::ButtonPreviewFontClick);
    connect(m_comboBoxFontEncode, &QComboBox::activated, this, &FontManagerPage::ComboBoxFontEncodeChange);
    return group;
}

QGroupBox* FontManagerPage::buildStandardEncode()
{
    m_groupBoxSatndEncode = Named<QGroupBox>("GroupBoxSatndEncode", QStringLiteral("Standard Encode"));
    m_comboBoxSEncode = NewList("ComboBoxSEncode", {"Standard Mapping", "Full ASCII Mapping", "Customer Mapping"});
    m_editCharStart = NewEdit("EditCharStart", 3);
    m_editCharStart->setText(QStringLiteral("32"));
    m_editCharEnd = NewEdit("EditCharEnd", 3);
    m_editCharEnd->setText(QStringLiteral("127"));
    auto* grid = new QGridLayout(m_groupBoxSatndEncode);
    FormColumn form(*grid, 0);
    form.addRow(CaptionFor(*m_comboBoxSEncode, "Font Mapping", "LabelFontMapping"), m_comboBoxSEncode);
    form.addRow(CaptionFor(*m_editCharStart, "Character Start ASCII", "LabelStartAscii"), m_editCharStart);
    form.addRow(CaptionFor(*m_editCharEnd, "Character End ASCII", "LabelEndAscii"), m_editCharEnd);
    KeepAtTopLeft(*grid);
    connect(m_comboBoxSEncode, &QComboBox::activated, this, &FontManagerPage::ComboBoxSEncodeChange);
    return m_groupBoxSatndEncode;
}

QGroupBox* FontManagerPage::buildEncodeTable()
{
    m_groupBoxEncodeTable = Named<QGroupBox>("GroupBoxEncodeTable", QStringLiteral("Encode by Table"));
    m_memoFontTable = Named<QPlainTextEdit>("MemoFontTable");
    m_memoFontTable->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memoFontTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoFontTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPushButton* buttonLoad = newButton("ButtonFontTblLoad", "Load");
    QPushButton* buttonSave = newButton("ButtonFontTblSave", "Save");
    m_checkBoxFileTable = Named<QCheckBox>("CheckBoxFileTable", QStringLiteral("By File"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buttonLoad);
    buttons->addWidget(buttonSave);
    buttons->addWidget(m_checkBoxFileTable);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(m_groupBoxEncodeTable);
    layout->addWidget(m_memoFontTable, 1);
    layout->addLayout(buttons);
    connect(buttonLoad, &QPushButton::clicked, this, &FontManagerPage::ButtonFontTblLoadClick);
    connect(buttonSave, &QPushButton::clicked, this, &FontManagerPage::ButtonFontTblSaveClick);
    return m_groupBoxEncodeTable;
}

bool FontManagerPage::asianEncodingChosen() const
{
    const int encode = m_comboBoxFontEncode->currentIndex();
    return encode == AsianFontEncode || encode == EncodeByTableAsian;
}

void FontManagerPage::useFont(const QFont& font)
{
    m_font = font;
    const QFontInfo info(font);
    m_editWinFontName->setText(info.family());
    m_editWinFontName->setCursorPosition(0);
    m_editWinFontSize->setText(QString::number(qRound(info.pointSizeF())));
    const auto encoding = static_cast<AsianEncoding>(std::max(0, m_radioGroupAsiaFontEncode->itemIndex()));
    const QSize cell = DefaultCellSize(font, asianEncodingChosen(), encoding);
    m_editFontWidth->setText(QString::number(cell.width()));
    m_editFontHeight->setText(QString::number(cell.height()));
    m_editItalicWidth->setText(QString::number(font.italic() ? cell.width() * 3 / 10 : 0));
    m_editPrinterFontName->setText(QLatin1StringView(kPrinterFontName));

    QPixmap sample(kSampleWidth, kSampleHeight);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, kSampleWidth, kSampleHeight), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ABCD"));
    painter.end();
    m_imageSmaple->setPixmap(sample);
}

void FontManagerPage::ButtonSelectFontClick()
{
    if (const std::optional<QFont> font = m_fontChoice.choose())
        useFont(*font);
}

void FontManagerPage::ComboBoxFontEncodeChange()
{
    const int encode = m_comboBoxFontEncode->currentIndex();
    const bool standard = encode == StandardEncode;
    const bool table = encode == EncodeByTable || encode == EncodeByTableAsian;
    m_groupBoxSatndEncode->setEnabled(standard);
    m_radioGroupAsiaFontEncode->setEnabled(encode == AsianFontEncode);
    m_groupBoxEncodeTable->setEnabled(table);
    const bool fixed = encode == AsianFontEncode || encode == EncodeByTableAsian;
    m_comboBoxFontPitch->setCurrentIndex(static_cast<int>(fixed ? FontPitch::Fixed : FontPitch::Variable));
}

void FontManagerPage::ComboBoxSEncodeChange()
{
    const int mapping = m_comboBoxSEncode->currentIndex();
    if (mapping != StandardMapping && mapping != FullAsciiMapping)
        return;
    m_editCharStart->setText(QStringLiteral("32"));
    m_editCharEnd->setText(mapping == StandardMapping ? QStringLiteral("127") : QStringLiteral("255"));
}

QByteArray FontManagerPage::tableBytes() const
{
    if (m_checkBoxFileTable->isChecked())
        return CodeTableFromFile(m_tableFile);
    const QString text = m_memoFontTable->toPlainText();
    if (text.size() > kCodeTableLimit)
        return {};
    // The memo holds characters; the table holds their codes in the encoding the font is made for.
    const bool asian = m_comboBoxFontEncode->currentIndex() == EncodeByTableAsian;
    const auto encoding = static_cast<AsianEncoding>(std::max(0, m_radioGroupAsiaFontEncode->itemIndex()));
    QStringEncoder encoder(asian ? AsianGridOf(encoding).codec : "windows-1252");
    return FilterCodeTable(QByteArray(encoder.encode(text)));
}

std::optional<BitmapFontParams> FontManagerPage::takeParams(const QString& outputPath)
{
    UserPrompts& prompts = m_runner.prompts();
    // A field that is no number stops with the conversion message; any other broken rule with one message.
    bool notANumber = false;
    const auto number = [&](const QLineEdit& edit, int& value) {
        switch (readNumber(edit, value)) {
        case Field::Number:
            return true;
        case Field::NotANumber:
            prompts.showMessage(MessageKind::Error,
                                QStringLiteral("'%1' is not a valid integer value").arg(edit.text()));
            notANumber = true;
            return false;
        case Field::Empty:
            return false;
        }
        return false;
    };
    const auto code = [&](const QLineEdit& edit, std::int32_t& value) {
        return number(edit, value) && value >= 0 && value <= 255;
    };

    BitmapFontParams params;
    params.outputPath = outputPath;
    params.font = m_font;
    params.pitch = m_comboBoxFontPitch->currentIndex() == 0 ? FontPitch::Fixed : FontPitch::Variable;
    const int encode = m_comboBoxFontEncode->currentIndex();
    params.doubleByte = encode == AsianFontEncode || encode == EncodeByTableAsian;
    params.byTable = encode == EncodeByTable || encode == EncodeByTableAsian;
    // The Asian table reads its pairs in the encoding last chosen in the radio group.
    const int asianIndex = m_radioGroupAsiaFontEncode->itemIndex();
    params.asianEncoding = static_cast<AsianEncoding>(std::max(0, asianIndex));
    bool valid = true;
    if (encode == StandardEncode) {
        valid = code(*m_editCharStart, params.firstCode) && code(*m_editCharEnd, params.lastCode);
    } else if (encode == AsianFontEncode) {
        valid = asianIndex >= 0 && asianIndex <= 3;
        params.pitch = FontPitch::Fixed;
    } else {
        params.codeTable = tableBytes();
        params.tableEntries =
            static_cast<std::uint32_t>(params.doubleByte ? params.codeTable.size() / 2 : params.codeTable.size());
        valid = params.tableEntries != 0;
    }
    valid = valid && number(*m_editFontWidth, params.cellWidth) && number(*m_editFontHeight, params.cellHeight) &&
            number(*m_editItalicWidth, params.italicWidth);
    if (notANumber)
        return std::nullopt;
    // Beyond the raster or the glyph buffer a font cannot be made either.
    if (!valid || !CellFitsLimits(params.cellWidth, params.cellHeight)) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kFontParameterErrorMessage));
        return std::nullopt;
    }
    return params;
}

bool FontManagerPage::make(const BitmapFontParams& params)
{
    QWidget& mainWindow = m_runner.mainWindow();
    mainWindow.setEnabled(false);
    const bool made = MakeFont(params, m_progress);
    if (!made)
        m_runner.prompts().showMessage(MessageKind::Error, QLatin1StringView(kMakeFontErrorMessage));
    mainWindow.setEnabled(true);
    mainWindow.raise();
    mainWindow.activateWindow();
    return made;
}

void FontManagerPage::showMadeFont(const QString& path)
{
    if (!m_madeFontView)
        m_madeFontView = new TFormPreviewFont(this);
    QFile file(path);
    QString error = QStringLiteral("%1 cannot be read").arg(path);
    std::optional<BitmapFontFile> font;
    if (file.open(QIODevice::ReadOnly))
        font = ReadBitmapFont(file.readAll(), error);
    m_madeFontView->showMadeFont(font ? &*font : nullptr, error);
    m_madeFontView->show();
}

void FontManagerPage::ButtonSaveFontClick()
{
    const QString path = m_runner.prompts().chooseSaveFile(QtNameFilters(kAllFiles), QString());
    if (path.isEmpty())
        return;
    const std::optional<BitmapFontParams> params = takeParams(path);
    if (params && make(*params))
        showMadeFont(path);
}

void FontManagerPage::ButtonDowloadFontClick()
{
    const QString path = QDir(m_startFolder).filePath(QLatin1StringView(kTemporaryFontName));
    const std::optional<BitmapFontParams> params = takeParams(path);
    if (!params)
        return;
    UserPrompts& prompts = m_runner.prompts();
    const QString printerName = m_editPrinterFontName->text();
    // The download's name field holds 30 characters; a longer name is refused before anything is made.
    if (PrinterFileNameTooLong(printerName)) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kFileNameTooLongMessage));
        return;
    }
    if (!IsLatin1(printerName)) {
        prompts.showMessage(MessageKind::Error, NotLatin1Message(CaptionText(*m_editPrinterFontName)));
        return;
    }
    if (!QuotableText(printerName.toLatin1())) {
        prompts.showMessage(MessageKind::Error, UnsendableTextMessage("printerName"));
        return;
    }
    if (!PasswordGate(m_runner) || !make(*params))
        return;
    const auto memory = MemoryDeviceFromIndex(m_comboBoxMemoryDevice->currentIndex()).value_or(MemoryDevice::Flash);
    const DownloadRequest request{path, printerName.toLatin1(), memory};
    if (m_runner.RunOperation<OperationCode::DownloadFile>(request) == ResultCode::Success)
        showMadeFont(path);
}

void FontManagerPage::ButtonFontTblLoadClick()
{
    const QString path = m_runner.prompts().chooseOpenFile(QtNameFilters(kAllFiles));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    m_tableFile = path;
    QByteArray bytes = file.read(kTableFileShown);
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
        bytes.truncate(zero);
    const bool asian = m_comboBoxFontEncode->currentIndex() == EncodeByTableAsian;
    const auto encoding = static_cast<AsianEncoding>(std::max(0, m_radioGroupAsiaFontEncode->itemIndex()));
    QStringDecoder decoder(asian ? AsianGridOf(encoding).codec : "windows-1252");
    m_memoFontTable->setPlainText(decoder.decode(bytes));
    m_checkBoxFileTable->setChecked(true);
}

void FontManagerPage::ButtonFontTblSaveClick()
{
    const QString path = m_runner.prompts().chooseSaveFile(QtNameFilters(kAllFiles), QString());
    if (path.isEmpty())
        return;
    const bool asian = m_comboBoxFontEncode->currentIndex() == EncodeByTableAsian;
    const auto encoding = static_cast<AsianEncoding>(std::max(0, m_radioGroupAsiaFontEncode->itemIndex()));
    QStringEncoder encoder(asian ? AsianGridOf(encoding).codec : "windows-1252");
    QString text = m_memoFontTable->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(encoder.encode(text));
        file.commit();
    }
}

void FontManagerPage::ButtonPreviewFontClick()
{
    TFormPreviewFont preview(&m_runner.mainWindow());
    const QRect main = m_runner.mainWindow().frameGeometry();
    preview.move(main.left() + 20, main.top() + 20);
    preview.drawPreview(m_font);
    preview.exec();
}

} // namespace norvane::ui
