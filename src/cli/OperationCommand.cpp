#include "OperationCommand.h"

#include "CliSession.h"

namespace norvane::cli {

int OperationCommand::execute(CliSession& session, const QStringList& arguments)
{
    if (!arguments.isEmpty()) {
        session.err << "usage: norvane-cli [LINK] " << usage() << Qt::endl;
        return kExitUsage;
    }
    return static_cast<int>(session.run(m_op));
}

} // namespace norvane::cli
