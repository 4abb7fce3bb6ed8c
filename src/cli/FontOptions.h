#pragma once

#include "fonts/BitmapFontParams.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

namespace norvane::cli {

class CliSession;

/// The options that choose a font and how it is made, for "font make" and "font download".
QList<QCommandLineOption> FontMakingOptions();

/// The font and the options as a maker's params (no output path). 0, or the exit status after saying why
/// not: 64 for options that break the font page's rules ("Font Parameter Error") or do not go together,
/// 65 for a font file that cannot be loaded.
int TakeFontParams(CliSession& session, const QCommandLineParser& arguments, BitmapFontParams& params);

} // namespace norvane::cli
