#include "WriteConfigCommand.h"

#include "CliSession.h"
#include "ConfigFiles.h"
#include "PasswordGate.h"
#include "ReadBackCheck.h"
#include "protocol/CertificateFiles.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/WirelessRules.h"

#include <array>

namespace norvane::cli {

namespace {

constexpr int kLastPage = 6;
constexpr QLatin1StringView kPageOption("page");
constexpr QLatin1StringView kVerifyOption("verify");
constexpr std::array<QLatin1StringView, 3> kCertificateOptions{
    QLatin1StringView("ca-cert"), QLatin1StringView("client-cert"), QLatin1StringView("private-key")};

} // namespace

QString WriteConfigCommand::details() const
{
    return QStringLiteral(
               "The certificate files go with page 4 (Wireless); each one given must be a readable file.\n\n"
               "With --verify the configuration is read again after writing, and each setting of the page that\n"
               "the printer did not keep is printed as a line {\"field\": ..., \"sent\": ..., \"read\": ...}\n"
               "(values as in the JSON file, keys and passwords as their length only); the exit status is then\n"
               "75 when a setting was not kept.\n\n") +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> WriteConfigCommand::options() const
{
    return {
        {kPageOption, QStringLiteral("the page to write, 0 to %1").arg(kLastPage), QStringLiteral("N")},
        {kCertificateOptions[0], QStringLiteral("the CA certificate file sent with page 4"), QStringLiteral("PATH")},
        {kCertificateOptions[1], QStringLiteral("the client certificate file sent with page 4"),
         QStringLiteral("PATH")},
        {kCertificateOptions[2], QStringLiteral("the private key file sent with page 4"), QStringLiteral("PATH")},
        PrinterPasswordFileOption(),
        {kVerifyOption, QStringLiteral("read the configuration back and report the settings that did not stick")},
    };
}

int WriteConfigCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    bool pageOk = false;
    const int page = arguments.value(kPageOption).toInt(&pageOk);
    const QStringList files = arguments.positionalArguments();
    if (files.size() != 1 || !pageOk || page < 0 || page > kLastPage) {
        session.err << "norvane-cli: write-config takes --page 0 to " << kLastPage << " and one FILE" << Qt::endl;
        return kExitUsage;
    }

    QString error;
    const auto config = LoadConfigFile(files.first(), error);
    if (!config) {
        session.err << "norvane-cli: " << error << Qt::endl;
        return kExitBadInput;
    }
    ConfigPageWrite write{*config,
                          {arguments.value(kCertificateOptions[0]), arguments.value(kCertificateOptions[1]),
                           arguments.value(kCertificateOptions[2])}};
    // Checked whatever the page, so a mistyped path is never passed over in silence.
    LoadedCertificates certificates;
    if (!LoadCertificates(write.certificates, certificates, error)) {
        session.err << "norvane-cli: cannot read the certificate " << error << Qt::endl;
        return kExitBadInput;
    }
    // The window refuses such a key before anything is sent; a file must not get past that check.
    if (const auto problem = page == static_cast<int>(ConfigPage::Wireless) && write.config.wifiPresent
                                 ? WifiKeyProblem(write.config)
                                 : std::nullopt) {
        session.err << "norvane-cli: wifiKey: " << *problem << Qt::endl;
        return kExitBadInput;
    }
    if (const auto field = UnsendableTextField(write, page)) {
        session.err << "norvane-cli: the printer's command cannot carry the value of " << *field
                    << " (a double quote or a control character in a text)" << Qt::endl;
        return kExitBadInput;
    }
    if (const int status = PassPasswordGate(session, arguments); status != 0)
        return status;
    const auto written = static_cast<int>(session.run<OperationCode::WriteConfigurationPage>(write, page));
    if (written != 0 || !arguments.isSet(kVerifyOption))
        return written;
    return CheckWrittenPage(session, write.config, page);
}

} // namespace norvane::cli
