#include "EmulationCommand.h"

#include "CliSession.h"
#include "protocol/ActiveEmulation.h"

namespace norvane::cli {

int EmulationCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    if (words == QStringList{QStringLiteral("get")}) {
        std::int32_t emulation = EmulationZpl2;
        const ResultCode result = session.run<OperationCode::ReadEmulation>(emulation);
        if (result != ResultCode::Success)
            return static_cast<int>(result);
        // The window selects no item for a negative answer; say what the printer answered.
        if (emulation < 0)
            session.out << "unknown " << emulation << Qt::endl;
        else
            session.out << (emulation == EmulationZpl2 ? "ZPL2" : "CPCL") << Qt::endl;
        return 0;
    }
    if (words.size() == 2 && words[0] == QStringLiteral("set")) {
        const QString choice = words[1].toLower();
        if (choice == QStringLiteral("zpl2") || choice == QStringLiteral("cpcl")) {
            std::int32_t emulation = choice == QStringLiteral("zpl2") ? EmulationZpl2 : EmulationCpcl;
            return static_cast<int>(session.run<OperationCode::SetEmulation>(emulation));
        }
    }
    return kExitUsage;
}

} // namespace norvane::cli
