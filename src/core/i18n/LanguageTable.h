#pragma once

#include "i18n/UiLanguage.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace norvane {

inline constexpr int kLanguageRowCount = 264;

/// Row `row` of the interface texts in `language`. The rows are numbered from 0; every row has a text in
/// every language.
QString LanguageText(int row, UiLanguage language);

/// The table as its data file holds it, one list of `kUiLanguageCount` texts per row.
using LanguageRows = std::vector<QStringList>;

/// Reads the data file: UTF-8, a header line, then one line per row: its number and one text per language,
/// separated by tabs, with "\r", "\n", "\t" and "\\" standing for themselves. Nothing, with the reason in
/// `error`, for a file that is not exactly that (rows out of order, a missing or empty text, bad UTF-8).
std::optional<LanguageRows> ParseLanguageTable(QByteArrayView data, QString& error);

/// The data file compiled into the program.
QByteArray LanguageTableData();

} // namespace norvane
