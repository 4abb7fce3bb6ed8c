#include "FontManagerPage.h"
#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TFormPreviewFont.h"
#include "WidgetDriving.h"
#include "fonts/BitmapFontFile.h"
#include "fonts/GlyphRenderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace norvane;
using namespace norvane::test;

namespace {

constexpr int kFixedPitch = 0;
constexpr int kVariablePitch = 1;
constexpr int kStandardEncode = 0;
constexpr int kAsianFontEncode = 1;
constexpr int kEncodeByTable = 2;
constexpr int kEncodeByTableAsian = 3;

QFont dejaVuSans(int pixels, bool italic = false)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FontManagerPageTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        // TEMP.BMF is made in the folder current at start-up.
        m_startFolder = QDir::currentPath();
        QDir::setCurrent(files.path());
        openWindow();
        useEthernet();
        Child<QTabWidget>(*window, "PageControl1").setCurrentWidget(&Child(*window, "TabSheet3"));
        openings.clear();
    }

    void TearDown() override { QDir::setCurrent(m_startFolder); }

    QLineEdit& edit(const char* name) const { return Child<QLineEdit>(*window, name); }
    QComboBox& list(const char* name) const { return Child<QComboBox>(*window, name); }
    bool enabled(const char* name) const { return Child<QWidget>(*window, name).isEnabled(); }
    void encode(int index) { Choose(list("ComboBoxFontEncode"), index); }

    /// Fixed pitch, a 16 x 24 cell, DejaVu Sans at 20 pixels: 4 640 bytes for the standard codes.
    void chooseKnownFont()
    {
        prompts.fonts << dejaVuSans(20);
        Click(*window, "ButtonSelectFont");
        Choose(list("ComboBoxFontPitch"), kFixedPitch);
        edit("EditFontWidth").setText("16");
        edit("EditFontHeight").setText("24");
    }

    /// Save Font into `name` of the test folder; gives the path.
    QString saveFont(const QString& name)
    {
        const QString path = files.filePath(name);
        prompts.saveFiles << path;
        Click(*window, "ButtonSaveFont");
        return path;
    }

    QString m_startFolder;
};

TEST_F(FontManagerPageTest, theEncodingEnablesItsControlsAndSetsThePitch)
{
    EXPECT_EQ(list("ComboBoxFontEncode").currentText(), "Standard Encode");
    EXPECT_EQ(list("ComboBoxFontPitch").currentText(), "Variable Pitch");
    EXPECT_EQ(list("ComboBoxMemoryDevice").currentText(), "FLASH");
    EXPECT_EQ(list("ComboBoxSEncode").currentText(), "Standard Mapping");
    EXPECT_EQ(edit("EditCharStart").text(), "32");
    EXPECT_EQ(edit("EditCharEnd").text(), "127");
    EXPECT_EQ(edit("EditCharStart").maxLength(), 3);
    EXPECT_EQ(edit("EditPrinterFontName").text(), "FONT001");
    EXPECT_EQ(Child<ui::RadioGroup>(*window, "RadioGroupAsiaFontEncode").itemIndex(), 0);
    // The starting font is shown under the name it really has, which is an installed one.
    EXPECT_TRUE(QFontDatabase::families().contains(edit("EditWinFontName").text()));
    EXPECT_FALSE(Child<QLabel>(*window, "ImageSmaple").pixmap().isNull());

    const struct
    {
        int encode;
        bool standard, asian, table;
        int pitch;
    } cases[] = {{kAsianFontEncode, false, true, false, kFixedPitch},
                 {kStandardEncode, true, false, false, kVariablePitch},
                 {kEncodeByTableAsian, false, false, true, kFixedPitch},
                 {kEncodeByTable, false, false, true, kVariablePitch}};
    for (const auto& each : cases) {
        encode(each.encode);
        EXPECT_EQ(enabled("GroupBoxSatndEncode"), each.standard) << each.encode;
        EXPECT_EQ(enabled("EditCharStart"), each.standard) << each.encode;
        EXPECT_EQ(enabled("RadioGroupAsiaFontEncode"), each.asian) << each.encode;
        EXPECT_EQ(enabled("MemoFontTable"), each.table) << each.encode;
        EXPECT_EQ(enabled("ButtonFontTblLoad"), each.table) << each.encode;
        EXPECT_EQ(enabled("CheckBoxFileTable"), each.table) << each.encode;
        EXPECT_EQ(list("ComboBoxFontPitch").currentIndex(), each.pitch) << each.encode;
        EXPECT_TRUE(enabled("ComboBoxFontPitch"));
    }

    encode(kStandardEncode);
    Choose(list("ComboBoxSEncode"), 1);
    EXPECT_EQ(edit("EditCharEnd").text(), "255");
    edit("EditCharStart").setText("65");
    Choose(list("ComboBoxSEncode"), 2);
    EXPECT_EQ(edit("EditCharStart").text(), "65");
    Choose(list("ComboBoxSEncode"), 0);
    EXPECT_EQ(edit("EditCharStart").text(), "32");
    EXPECT_EQ(edit("EditCharEnd").text(), "127");
}

TEST_F(FontManagerPageTest, aChosenFontIsMeasuredAndResetsThePrinterFontName)
{
    const QFont italic = dejaVuSans(16, true);
    edit("EditPrinterFontName").setText("MINE");
    prompts.fonts << italic;
    Click(*window, "ButtonSelectFont");
    const QSize cell = DefaultCellSize(italic, false, AsianEncoding::TraditionalChinese);
    EXPECT_EQ(edit("EditFontWidth").text(), QString::number(cell.width()));
    EXPECT_EQ(edit("EditFontHeight").text(), QString::number(cell.height()));
    EXPECT_EQ(edit("EditItalicWidth").text(), QString::number(cell.width() * 3 / 10));
    EXPECT_EQ(edit("EditPrinterFontName").text(), "FONT001");
    EXPECT_EQ(edit("EditWinFontName").text(), "DejaVu Sans");

    // A cancelled dialog changes nothing; the dialog opens on the font confirmed last.
    edit("EditFontWidth").setText("7");
    Click(*window, "ButtonSelectFont");
    EXPECT_EQ(edit("EditFontWidth").text(), "7");
    EXPECT_EQ(prompts.initialFonts.last(), italic);
}

TEST_F(FontManagerPageTest, brokenParametersAreRefusedWithTheirMessageAndNothingMade)
{
    chooseKnownFont();
    edit("EditCharStart").setText("300");
    EXPECT_FALSE(QFile::exists(saveFont("a.bmf")));
    edit("EditCharStart").setText("200");
    edit("EditCharEnd").setText("100");
    EXPECT_FALSE(QFile::exists(saveFont("b.bmf")));
    edit("EditCharStart").setText("abc");
    EXPECT_FALSE(QFile::exists(saveFont("c.bmf")));
    edit("EditCharStart").setText("32");
    edit("EditCharEnd").setText("");
    EXPECT_FALSE(QFile::exists(saveFont("d.bmf")));
    edit("EditCharEnd").setText("127");
    edit("EditFontHeight").setText("70000");
    EXPECT_FALSE(QFile::exists(saveFont("e.bmf")));
    edit("EditFontHeight").setText("24");
    encode(kEncodeByTable);
    Child<QPlainTextEdit>(*window, "MemoFontTable").setPlainText("\n\t\n");
    EXPECT_FALSE(QFile::exists(saveFont("f.bmf")));
    EXPECT_EQ(prompts.messages,
              QStringList({"Font Parameter Error", "Make Font Error", "'abc' is not a valid integer value",
                           "Font Parameter Error", "Font Parameter Error", "Font Parameter Error"}));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(FontManagerPageTest, aTableFromTheMemoOrAFileGivesItsCodesAndTheMadeFontIsShown)
{
    chooseKnownFont();
    encode(kEncodeByTable);
    Child<QPlainTextEdit>(*window, "MemoFontTable").setPlainText("ABC\nDEF");
    const QString path = saveFont("table.bmf");
    ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(", ").toStdString();
    QString error;
    const std::optional<BitmapFontFile> font = ReadBitmapFont(fileBytes(path), error);
    ASSERT_TRUE(font);
    QByteArray codes;
    for (const FontGlyph& glyph : font->glyphs)
        codes.append(static_cast<char>(glyph.code.lead));
    EXPECT_EQ(codes, "ABCDEF");
    auto* view = window->findChild<ui::TFormPreviewFont*>();
    ASSERT_TRUE(view);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(Child<QLabel>(*view, "ImageMadeFont").pixmap().isNull());

    // Saved with CR LF, loaded back By File; the file decides even after the memo changes.
    prompts.saveFiles << files.filePath("codes.txt");
    Click(*window, "ButtonFontTblSave");
    EXPECT_EQ(fileBytes(files.filePath("codes.txt")), "ABC\r\nDEF");
    prompts.openFiles << writeFile("pairs.txt", "XY");
    Click(*window, "ButtonFontTblLoad");
    EXPECT_TRUE(Child<QCheckBox>(*window, "CheckBoxFileTable").isChecked());
    EXPECT_EQ(Child<QPlainTextEdit>(*window, "MemoFontTable").toPlainText(), "XY");
    Child<QPlainTextEdit>(*window, "MemoFontTable").setPlainText("Q");
    ASSERT_TRUE(ReadBitmapFont(fileBytes(saveFont("file.bmf")), error).value_or(BitmapFontFile{}).glyphs.size() == 2);

    // An Asian table of three bytes is one code.
    encode(kEncodeByTableAsian);
    Child<QCheckBox>(*window, "CheckBoxFileTable").setChecked(false);
    Child<QPlainTextEdit>(*window, "MemoFontTable").setPlainText("ABC");
    const std::optional<BitmapFontFile> pairs = ReadBitmapFont(fileBytes(saveFont("pairs.bmf")), error);
    ASSERT_TRUE(pairs);
    ASSERT_EQ(pairs->glyphs.size(), 1);
    EXPECT_EQ(pairs->glyphs[0].code.lead, 'A');
    EXPECT_EQ(pairs->glyphs[0].code.trail, 'B');
}

TEST_F(FontManagerPageTest, downloadMakesTempBmfAndSendsItUnderTheTypedName)
{
    chooseKnownFont();
    Click(*window, "ButtonDowloadFont");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.flash.files.size() == 1; }));
    const QByteArray made = fileBytes(files.filePath("TEMP.BMF"));
    ASSERT_EQ(made.size(), 4640);
    const sim::StoredFile stored = sim.printer.snapshot().memories.flash.files[0];
    EXPECT_EQ(stored.name, "FONT001");
    EXPECT_EQ(stored.bytes, made);
    EXPECT_TRUE(printerReceived("DOWNLOAD F,\"FONT001\",4640," + made));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());

    clearPrinterLogs();
    edit("EditPrinterFontName").setText(QString(31, u'N'));
    Click(*window, "ButtonDowloadFont");
    edit("EditPrinterFontName").setText("MY\"FONT");
    Click(*window, "ButtonDowloadFont");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0], "File name too long");
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(FontManagerPageTest, thePreviewShowsSixteenBySixteenCodesAndExitCloses)
{
    bool shown = false;
    OnModal<ui::TFormPreviewFont>([&](ui::TFormPreviewFont& preview) {
        shown = true;
        EXPECT_EQ(preview.windowTitle(), "Preview Font");
        const QPixmap grid = Child<QLabel>(preview, "ImagePreview").pixmap();
        EXPECT_EQ(grid.size(), QSize(320, 480));
        // The grid lines: x = 20, 40, ... 300 and y = 30, 60, ... 450.
        const QImage image = grid.toImage();
        EXPECT_EQ(image.pixelColor(20, 3), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(300, 470), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(3, 450), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
        Click(preview, "ButtonExit");
    });
    Click(*window, "ButtonPreviewFont");
    EXPECT_TRUE(shown);
}
