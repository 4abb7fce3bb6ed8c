#include "StatusCommand.h"

#include "CliSession.h"
#include "protocol/PrinterStatus.h"

#include <array>

namespace norvane::cli {

int StatusCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty()) {
        session.err << "norvane-cli: status takes no arguments" << Qt::endl;
        return kExitUsage;
    }
    StatusFlags status;
    const ResultCode result = session.run<OperationCode::ReadStatus>(status);
    if (result != ResultCode::Success)
        return static_cast<int>(result);
    static constexpr std::array<const char*, 10> kFlagNames{
        "cover-open", "paper-jam", "out-of-paper", "ribbon-fault",         "pause",
        "printing",   "bit-6",     "other-error",  "ribbon-encoder-error", "out-of-ribbon",
    };
    session.out << StatusText(status) << '\n';
    for (std::size_t i = 0; i < kFlagNames.size(); ++i)
        session.out << kFlagNames[i] << ' ' << status.flags[i] << '\n';
    session.out.flush();
    return 0;
}

} // namespace norvane::cli
