#include "protocol/PrinterPassword.h"

#include "link/PrinterLink.h"
#include "protocol/CommandFormat.h"
#include "protocol/CommandText.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {
constexpr std::int32_t kFirstEditionWithPassword = 101;
}

ResultCode ReadPassword(PrinterLink& link, QByteArray& password)
{
    password.clear();
    if (const ResultCode result = Announce(link); result != ResultCode::Success)
        return result;
    QByteArray edition;
    if (const ResultCode result = Exchange(link, "DIAGNOSTIC REPORT EDITION\r\n", edition);
        result != ResultCode::Success)
        return result;
    if (ReplyNumber(edition) < kFirstEditionWithPassword)
        return ResultCode::Success;
    const SecretReception secretReply(link);
    return Exchange(link, "DIAGNOSTIC REPORT PASSWORD\r\n", password);
}

ResultCode SendPassword(PrinterLink& link, const QByteArray& password)
{
    QByteArray reply;
    const CommandText command = "DIAGNOSTIC PASSWORD " + SecretQuoted(password, "password") + "\r\n";
    return Exchange(link, command.bytes(), reply, kSingleValueCapacity, command.secrets());
}

QString NewPasswordProblem(const QByteArray& password)
{
    if (password.size() > kMaxPasswordLength)
        return QStringLiteral("The password may have at most %1 characters.").arg(kMaxPasswordLength);
    if (!QuotableText(password))
        return QStringLiteral("The password may not contain double quotes or control characters.");
    return {};
}

} // namespace norvane
