#pragma once

#include "ConfigFiles.h"

#include <QString>

namespace norvane::cli {

class CliSession;

/// Starts the --trace trace of every link the session opens. False, with the reason on stderr, when `path`
/// cannot be written: nothing has been sent then. A trace that fails later is reported once and the command
/// goes on.
bool StartTrace(CliSession& session, const QString& path);

} // namespace norvane::cli
