#include "ConfigFiles.h"

#include "PrinterText.h"
#include "config/ConfigJson.h"
#include "config/OwnerOnlyFile.h"

#include <QBuffer>
#include <QFile>

namespace norvane::cli {

std::optional<PrinterConfig> LoadConfigFile(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray contents = file.readAll();
    if (contents.trimmed().startsWith('{')) {
        QString problem;
        auto config = ConfigFromJsonText(contents, problem);
        if (!config)
            error = QStringLiteral("%1: %2").arg(path, problem);
        return config;
    }
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    DcfContents dcf;
    QString problem;
    if (!ReadDcf(buffer, dcf, problem)) {
        error = QStringLiteral("%1: %2").arg(path, problem);
        return std::nullopt;
    }
    return dcf.config;
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
