#include "TraceOption.h"

#include "CliSession.h"
#include "link/TrafficTrace.h"

namespace norvane::cli {

bool StartTrace(CliSession& session, const QString& path)
{
    QString error;
    QTextStream& err = session.err;
    auto trace = TrafficTrace::ToFile(
        path, [&err](const QString& report) { err << "norvane-cli: " << report << Qt::endl; }, error);
    if (!trace) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return false;
    }
    session.links->setTrace(std::move(trace));
    return true;
}

} // namespace norvane::cli
