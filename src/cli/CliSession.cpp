#include "CliSession.h"

namespace norvane::cli {

void CliSession::connect(std::unique_ptr<TransportOpener> opener)
{
    links = std::make_unique<LinkLayer>(settings, progress, std::move(opener));
    dispatcher = std::make_unique<CommandDispatcher>(*links);
}

ResultCode CliSession::reported(ResultCode result)
{
    if (result != ResultCode::Success)
        err << ResultMessage(result) << Qt::endl;
    return result;
}

} // namespace norvane::cli
