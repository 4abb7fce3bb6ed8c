#include "LanguageTable.h"

#include <QFile>
#include <QStringDecoder>

namespace norvane {

namespace {

QString Unescaped(QStringView field)
{
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        switch (field[++i].unicode()) {
        case 'r':
            text += u'\r';
            break;
        case 'n':
            text += u'\n';
            break;
        case 't':
            text += u'\t';
            break;
        default:
            text += field[i];
        }
    }
    return text;
}

const LanguageRows& CompiledTable()
{
    static const LanguageRows rows = [] {
        QString error;
        std::optional<LanguageRows> parsed = ParseLanguageTable(LanguageTableData(), error);
        // The file is part of the build and checked by the tests; a broken one must not start half-translated.
        if (!parsed || parsed->size() != kLanguageRowCount)
            qFatal("interface language table: %s", qPrintable(error));
        return std::move(*parsed);
    }();
    return rows;
}

} // namespace

std::optional<LanguageRows> ParseLanguageTable(QByteArrayView data, QString& error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data);
    if (decoder.hasError()) {
        error = QStringLiteral("not valid UTF-8");
        return std::nullopt;
    }
    const QList<QStringView> lines = QStringView(text).split(u'\n', Qt::SkipEmptyParts);
    LanguageRows rows;
    for (qsizetype lineIndex = 1; lineIndex < lines.size(); ++lineIndex) {
        const QList<QStringView> fields = lines[lineIndex].split(u'\t');
        const int row = static_cast<int>(rows.size());
        if (fields.size() != kUiLanguageCount + 1 || fields[0] != QString::number(row)) {
            error =
                QStringLiteral("line %1 is not row %2 with %3 texts").arg(lineIndex + 1).arg(row).arg(kUiLanguageCount);
            return std::nullopt;
        }
        QStringList texts;
        for (qsizetype column = 1; column < fields.size(); ++column) {
            if (fields[column].isEmpty()) {
                error = QStringLiteral("row %1 has an empty text").arg(row);
                return std::nullopt;
            }
            texts << Unescaped(fields[column]);
        }
        rows.push_back(texts);
    }
    return rows;
}

QByteArray LanguageTableData()
{
    QFile file(QStringLiteral(":/i18n/LanguageTable.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString LanguageText(int row, UiLanguage language)
{
    const LanguageRows& rows = CompiledTable();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return {};
    return rows[static_cast<std::size_t>(row)][static_cast<int>(language)];
}

} // namespace norvane
