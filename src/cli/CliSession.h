#pragma once

#include "link/InterfaceKind.h"
#include "link/LinkLayer.h"
#include "link/LinkSettings.h"
#include "link/Progress.h"
#include "net/DiscoveryClient.h"
#include "protocol/CommandDispatcher.h"

#include <QIODevice>
#include <QTextStream>
#include <memory>
#include <optional>

namespace norvane::cli {

/// Exit statuses beyond the result codes.
inline constexpr int kExitUsage = 64;
inline constexpr int kExitBadInput = 65;
/// The printer has a password and the one given is missing or wrong (EX_NOPERM).
inline constexpr int kExitIncorrectPassword = 77;

/// What a command runs with: the chosen link, the dispatcher over it, and the output streams.
class CliSession
{
public:
    CliSession(QTextStream& out, QTextStream& err) : out(out), err(err) {}

    /// Builds the link layer once the link options are known.
    void connect(std::unique_ptr<TransportOpener> opener);

    /// Runs an operation over the chosen link; on failure writes the code's message to stderr.
    template <OperationCode Op> ResultCode run(RecordOf<Op>& record, std::int32_t extra = 0)
    {
        return reported(dispatcher->dispatch<Op>(kind, record, extra));
    }
    /// An operation without a record, chosen at run time.
    ResultCode run(OperationCode op) { return reported(dispatcher->dispatch(op, kind)); }

    QTextStream& out;
    QTextStream& err;
    /// Standard input, for the commands that read "-"; none reads as empty.
    QIODevice* in = nullptr;
    /// The printer's current password from the --password link option, for the password gate.
    std::optional<QString> password;
    LinkSettings settings;
    DiscoveryTargets discoveryTargets;
    InterfaceKind kind = InterfaceKind::Usb;
    Progress progress;
    std::unique_ptr<LinkLayer> links;
    std::unique_ptr<CommandDispatcher> dispatcher;

private:
    ResultCode reported(ResultCode result);
};

} // namespace norvane::cli
