#include "WriteConfigCommand.h"

#include "ArgumentReader.h"
#include "CliSession.h"
#include "ConfigFiles.h"
#include "protocol/ConfigurationWrite.h"

namespace norvane::cli {

namespace {
constexpr int kLastPage = 6;
}

int WriteConfigCommand::execute(CliSession& session, const QStringList& arguments)
{
    const CommandArguments parsed = ReadArguments(arguments, {"--page", "--ca-cert", "--client-cert", "--private-key"});
    bool pageOk = false;
    const int page = parsed.options.value(QStringLiteral("--page")).toInt(&pageOk);
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1 || !pageOk || page < 0 || page > kLastPage) {
        session.err << "usage: norvane-cli [LINK] " << usage() << Qt::endl;
        return kExitUsage;
    }

    QString error;
    const auto config = LoadConfigFile(parsed.positional.first(), error);
    if (!config) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    ConfigPageWrite write{*config,
                          {parsed.options.value(QStringLiteral("--ca-cert")),
                           parsed.options.value(QStringLiteral("--client-cert")),
                           parsed.options.value(QStringLiteral("--private-key"))}};
    if (const auto field = UnsendableTextField(write, page)) {
        session.err << "norvane-cli: " << *field
                    << " holds a double quote or a control character, which the printer's command cannot carry"
                    << Qt::endl;
        return kExitBadInput;
    }
    return static_cast<int>(session.run<OperationCode::WriteConfigurationPage>(write, page));
}

} // namespace norvane::cli
