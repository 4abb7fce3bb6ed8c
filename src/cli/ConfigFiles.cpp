#include "ConfigFiles.h"

#include "PrinterText.h"
#include "config/BoundedFile.h"
#include "config/ConfigJson.h"
#include "config/JsonEncoding.h"
#include "config/SavedFile.h"

namespace norvane::cli {

std::optional<PrinterConfig> LoadConfigFile(const QString& path, QString& error)
{
    const auto contents = ReadWholeFile(path, kJsonConfigFileLimit, error);
    if (!contents)
        return std::nullopt;
    QString problem;
    std::optional<PrinterConfig> config;
    if (LooksLikeJsonText(*contents)) {
        config = ConfigFromJsonText(*contents, problem);
    } else if (contents->size() > kDcfFileSize) {
        problem =
            QStringLiteral("a .dcf file holds %1 bytes; this one holds %2").arg(kDcfFileSize).arg(contents->size());
    } else if (DcfContents dcf; ReadDcf(*contents, dcf, problem)) {
        config = dcf.config;
    }
    if (!config)
        error = QStringLiteral("%1: %2").arg(path, problem);
    return config;
}

bool WriteJsonOutput(const PrinterConfig& config, const QString& path, QTextStream& out, QString& error)
{
    const QByteArray json = JsonWithEscapedControls(ConfigToJsonText(config));
    if (path == QStringLiteral("-")) {
        out << QString::fromUtf8(json);
        out.flush();
        return true;
    }
    return SaveOwnerOnlyFile(path, json, error);
}

std::optional<LengthUnit> UnitFromName(const QString& name)
{
    if (name == QStringLiteral("inch"))
        return LengthUnit::Inch;
    if (name == QStringLiteral("mm"))
        return LengthUnit::Mm;
    return std::nullopt;
}

LengthUnit ApplyUnit(PrinterConfig& config, std::optional<LengthUnit> chosen)
{
    if (chosen)
        config.unitIsInch = *chosen == LengthUnit::Inch ? 1 : 0;
    return config.unitIsInch ? LengthUnit::Inch : LengthUnit::Mm;
}

} // namespace norvane::cli
