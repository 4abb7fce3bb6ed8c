#include "FontOptions.h"

#include "CliSession.h"
#include "fonts/CodeSets.h"
#include "fonts/GlyphRenderer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <array>

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kFamily("family");
constexpr QLatin1StringView kStyle("style");
constexpr QLatin1StringView kFontFile("font-file");
constexpr QLatin1StringView kPixels("pixels");
constexpr QLatin1StringView kEncoding("encoding");
constexpr QLatin1StringView kFirst("first");
constexpr QLatin1StringView kLast("last");
constexpr QLatin1StringView kMapping("mapping");
constexpr QLatin1StringView kAsian("asian");
constexpr QLatin1StringView kTable("table");
constexpr QLatin1StringView kPitch("pitch");
constexpr QLatin1StringView kWidth("width");
constexpr QLatin1StringView kHeight("height");
constexpr QLatin1StringView kItalicWidth("italic-width");

constexpr int kDefaultPixels = 13;
constexpr int kStandardFirst = 32;
constexpr int kStandardLast = 127;
constexpr int kFullLast = 255;

enum class Encoding
{
    Standard,
    Asian,
    Table,
    AsianTable,
};

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

int parameterError(CliSession& session)
{
    session.err << kFontParameterErrorMessage << Qt::endl;
    return kExitUsage;
}

/// The option's whole number, or nothing after the conversion message.
std::optional<int> number(CliSession& session, const QCommandLineParser& arguments, QLatin1StringView option)
{
    bool ok = false;
    const int value = arguments.value(option).toInt(&ok);
    if (!ok)
        session.err << QStringLiteral("'%1' is not a valid integer value").arg(arguments.value(option)) << Qt::endl;
    return ok ? std::optional<int>(value) : std::nullopt;
}

/// The font of --family (with --style) or --font-file, at --pixels; 0 or an exit status.
int takeFont(CliSession& session, const QCommandLineParser& arguments, QFont& font)
{
    const bool family = arguments.isSet(kFamily);
    if (family == arguments.isSet(kFontFile))
        return usageError(session, QStringLiteral("give the font with either --family or --font-file"));
    int pixels = kDefaultPixels;
    if (arguments.isSet(kPixels)) {
        const auto given = number(session, arguments, kPixels);
        if (!given)
            return kExitUsage;
        if (*given < 1 || *given > kRasterSize)
            return usageError(session, QStringLiteral("--pixels takes 1 to %1").arg(kRasterSize));
        pixels = *given;
    }
    QString name = arguments.value(kFamily);
    if (!family) {
        const int id = QFontDatabase::addApplicationFont(arguments.value(kFontFile));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            session.err << "norvane-cli: " << arguments.value(kFontFile) << ": not a font file that can be loaded"
                        << Qt::endl;
            return kExitBadInput;
        }
        name = families.first();
    } else if (!QFontDatabase::families().contains(name, Qt::CaseInsensitive)) {
        // A font nobody has would quietly become another one.
        return usageError(session, QStringLiteral("no installed font family is called %1").arg(name));
    }
    font = QFont(name);
    font.setPixelSize(pixels);
    const QString style = arguments.isSet(kStyle) ? arguments.value(kStyle) : QStringLiteral("regular");
    static const QStringList styles{"regular", "bold", "italic", "bold-italic"};
    if (!styles.contains(style))
        return usageError(session, QStringLiteral("--style takes %1").arg(styles.join('|')));
    font.setBold(style.startsWith(QStringLiteral("bold")));
    font.setItalic(style.endsWith(QStringLiteral("italic")));
    return 0;
}

std::optional<Encoding> encodingOf(const QString& name)
{
    static const std::array<std::pair<const char*, Encoding>, 4> names{{{"standard", Encoding::Standard},
                                                                        {"asian", Encoding::Asian},
                                                                        {"table", Encoding::Table},
                                                                        {"asian-table", Encoding::AsianTable}}};
    for (const auto& [text, encoding] : names) {
        if (name == QLatin1StringView(text))
            return encoding;
    }
    return std::nullopt;
}

std::optional<AsianEncoding> asianOf(const QString& name)
{
    static const QStringList names{"big5", "gb", "ksc", "sjis"};
    const qsizetype index = names.indexOf(name);
    return index < 0 ? std::nullopt : std::optional(static_cast<AsianEncoding>(index));
}

/// --first/--last or --mapping into the params; 0 or an exit status.
int takeRange(CliSession& session, const QCommandLineParser& arguments, BitmapFontParams& params)
{
    params.firstCode = kStandardFirst;
    params.lastCode = kStandardLast;
    if (arguments.isSet(kMapping)) {
        if (arguments.isSet(kFirst) || arguments.isSet(kLast))
            return usageError(session, QStringLiteral("--mapping and --first/--last do not go together"));
        const QString mapping = arguments.value(kMapping);
        if (mapping != QStringLiteral("standard") && mapping != QStringLiteral("full"))
            return usageError(session, QStringLiteral("--mapping takes standard|full"));
        params.lastCode = mapping == QStringLiteral("full") ? kFullLast : kStandardLast;
        return 0;
    }
    for (const auto& [option, code] : {std::pair{kFirst, &params.firstCode}, std::pair{kLast, &params.lastCode}}) {
        if (!arguments.isSet(option))
            continue;
        const auto value = number(session, arguments, option);
        if (!value)
            return kExitUsage;
        if (*value < 0 || *value > kFullLast)
            return parameterError(session);
        *code = *value;
    }
    return 0;
}

} // namespace

QList<QCommandLineOption> FontMakingOptions()
{
    return {
        {kFamily, QStringLiteral("an installed font family"), QStringLiteral("NAME")},
        {kStyle, QStringLiteral("with --family (default regular)"), QStringLiteral("regular|bold|italic|bold-italic")},
        {kFontFile, QStringLiteral("a font file, loaded for this run"), QStringLiteral("PATH")},
        {kPixels, QStringLiteral("the font's size in pixels (default 13)"), QStringLiteral("N")},
        {kEncoding, QStringLiteral("which codes (default standard)"),
         QStringLiteral("standard|asian|table|asian-table")},
        {kFirst, QStringLiteral("standard: the first code (default 32)"), QStringLiteral("N")},
        {kLast, QStringLiteral("standard: the last code (default 127)"), QStringLiteral("N")},
        {kMapping, QStringLiteral("standard: 32 to 127, or full: 32 to 255"), QStringLiteral("standard|full")},
        {kAsian, QStringLiteral("asian, asian-table: the encoding (default big5)"), QStringLiteral("big5|gb|ksc|sjis")},
        {kTable, QStringLiteral("table, asian-table: the code table file"), QStringLiteral("FILE")},
        {kPitch, QStringLiteral("default: the encoding's"), QStringLiteral("fixed|variable")},
        {kWidth, QStringLiteral("the cell width (default: as measured)"), QStringLiteral("N")},
        {kHeight, QStringLiteral("the cell height (default: as measured)"), QStringLiteral("N")},
        {kItalicWidth, QStringLiteral("default 3/10 of the width for an italic style"), QStringLiteral("N")},
    };
}

int TakeFontParams(CliSession& session, const QCommandLineParser& arguments, BitmapFontParams& params)
{
    if (const int status = takeFont(session, arguments, params.font); status != 0)
        return status;
    const auto encoding = encodingOf(arguments.isSet(kEncoding) ? arguments.value(kEncoding) : "standard");
    if (!encoding)
        return usageError(session, QStringLiteral("--encoding takes standard|asian|table|asian-table"));
    const auto asian = asianOf(arguments.isSet(kAsian) ? arguments.value(kAsian) : "big5");
    if (!asian)
        return usageError(session, QStringLiteral("--asian takes big5|gb|ksc|sjis"));
    const bool doubleByte = *encoding == Encoding::Asian || *encoding == Encoding::AsianTable;
    const bool byTable = *encoding == Encoding::Table || *encoding == Encoding::AsianTable;
    const bool rangeGiven = arguments.isSet(kFirst) || arguments.isSet(kLast) || arguments.isSet(kMapping);
    if (*encoding != Encoding::Standard && rangeGiven)
        return usageError(session, QStringLiteral("--first, --last and --mapping are for the standard encoding"));
    if (byTable != arguments.isSet(kTable))
        return usageError(session, QStringLiteral("--table goes with, and only with, the table encodings"));

    params.doubleByte = doubleByte;
    params.byTable = byTable;
    params.asianEncoding = *asian;
    params.pitch = doubleByte ? FontPitch::Fixed : FontPitch::Variable;
    if (arguments.isSet(kPitch)) {
        const QString pitch = arguments.value(kPitch);
        if (pitch != QStringLiteral("fixed") && pitch != QStringLiteral("variable"))
            return usageError(session, QStringLiteral("--pitch takes fixed|variable"));
        params.pitch = pitch == QStringLiteral("fixed") ? FontPitch::Fixed : FontPitch::Variable;
    }
    // The Asian grid has no index, so its glyphs are all one width.
    if (*encoding == Encoding::Asian)
        params.pitch = FontPitch::Fixed;
    if (*encoding == Encoding::Standard) {
        if (const int status = takeRange(session, arguments, params); status != 0)
            return status;
    }
    if (byTable) {
        params.codeTable = CodeTableFromFile(arguments.value(kTable));
        params.tableEntries =
            static_cast<std::uint32_t>(doubleByte ? params.codeTable.size() / 2 : params.codeTable.size());
        if (params.tableEntries == 0)
            return parameterError(session);
    }

    const QSize measured = DefaultCellSize(params.font, doubleByte, params.asianEncoding);
    params.cellWidth = measured.width();
    params.cellHeight = measured.height();
    params.italicWidth = params.font.italic() ? params.cellWidth * 3 / 10 : 0;
    for (const auto& [option, field] : {std::pair{kWidth, &params.cellWidth}, std::pair{kHeight, &params.cellHeight},
                                        std::pair{kItalicWidth, &params.italicWidth}}) {
        if (!arguments.isSet(option))
            continue;
        const auto value = number(session, arguments, option);
        if (!value)
            return kExitUsage;
        *field = *value;
    }
    if (params.cellWidth < 0 || params.cellHeight < 0 || !CellFitsLimits(params.cellWidth, params.cellHeight))
        return parameterError(session);
    return 0;
}

} // namespace norvane::cli
