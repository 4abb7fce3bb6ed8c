#include "OperationCommand.h"

#include "CliSession.h"

namespace norvane::cli {

int OperationCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty()) {
        session.err << "norvane-cli: " << m_name << " takes no arguments" << Qt::endl;
        return kExitUsage;
    }
    return static_cast<int>(session.run(m_op));
}

} // namespace norvane::cli
