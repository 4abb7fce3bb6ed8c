#pragma once

#include "fonts/BitmapFontParams.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace norvane {
class Progress;
}

namespace norvane::ui {

class FontChoice;
class OperationRunner;
class RadioGroup;
class TFormPreviewFont;

/// The "Bitmap Font Manager" page (`TabSheet3`): turns a font of the PC into a printer bitmap font, saved on
/// the PC or downloaded into a printer memory, with a preview of the font and a view of the font as made.
class FontManagerPage : public QWidget
{
    Q_OBJECT

public:
    /// `fontChoice` is the main window's font dialog, shared with the file page; `progress` shows the making.
    /// The folder current now is where a font for the printer is made (TEMP.BMF).
    FontManagerPage(OperationRunner& runner, FontChoice& fontChoice, Progress& progress, QWidget* parent = nullptr);
    ~FontManagerPage() override;

private:
    QGroupBox* buildFontSelect();
    QGroupBox* buildStandardEncode();
    QGroupBox* buildEncodeTable();
    /// Shows the font's name and size, measures its cell and draws the sample.
    void useFont(const QFont& font);
    /// The params as the controls give them, or nothing after the message of the first rule broken.
    std::optional<BitmapFontParams> takeParams(const QString& outputPath);
    /// The table's bytes: from the table file when By File is ticked, else the memo's text.
    QByteArray tableBytes() const;
    bool asianEncodingChosen() const;
    /// Makes the font with the main window disabled; false after "Make Font Error".
    bool make(const BitmapFontParams& params);
    void showMadeFont(const QString& path);

    void ButtonSelectFontClick();
    void ComboBoxFontEncodeChange();
    void ComboBoxSEncodeChange();
    void ButtonSaveFontClick();
    void ButtonDowloadFontClick();
    void ButtonFontTblLoadClick();
    void ButtonFontTblSaveClick();
    void ButtonPreviewFontClick();

    OperationRunner& m_runner;
    FontChoice& m_fontChoice;
    Progress& m_progress;
    const QString m_startFolder;
    QFont m_font;
    /// The table file last loaded, read again each time a font is made By File.
    QString m_tableFile;
    TFormPreviewFont* m_madeFontView = nullptr;

    QLineEdit* m_editWinFontName = nullptr;
    QLineEdit* m_editWinFontSize = nullptr;
    QLineEdit* m_editFontWidth = nullptr;
    QLineEdit* m_editFontHeight = nullptr;
    QLineEdit* m_editItalicWidth = nullptr;
    QLineEdit* m_editPrinterFontName = nullptr;
    QComboBox* m_comboBoxFontPitch = nullptr;
    QComboBox* m_comboBoxFontEncode = nullptr;
    QComboBox* m_comboBoxMemoryDevice = nullptr;
    QLabel* m_imageSmaple = nullptr;
    QGroupBox* m_groupBoxSatndEncode = nullptr;
    QComboBox* m_comboBoxSEncode = nullptr;
    QLineEdit* m_editCharStart = nullptr;
    QLineEdit* m_editCharEnd = nullptr;
    RadioGroup* m_radioGroupAsiaFontEncode = nullptr;
    QGroupBox* m_groupBoxEncodeTable = nullptr;
    QPlainTextEdit* m_memoFontTable = nullptr;
    QCheckBox* m_checkBoxFileTable = nullptr;
};

} // namespace norvane::ui
