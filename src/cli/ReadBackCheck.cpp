#include "ReadBackCheck.h"

#include "CliSession.h"
#include "PrinterText.h"
#include "verify/PageReadBack.h"

namespace norvane::cli {

int CheckWrittenPage(CliSession& session, const PrinterConfig& sent, std::int32_t page)
{
    PrinterConfig read;
    if (const ResultCode result = session.run<OperationCode::ReadConfiguration>(read, 1); result != ResultCode::Success)
        return static_cast<int>(result);
    const QList<UnkeptSetting> unkept = SettingsNotKept(sent, read, page);
    // The values are the printer's texts: no control byte of theirs reaches the terminal.
    for (const UnkeptSetting& setting : unkept)
        session.out << QString::fromUtf8(JsonWithEscapedControls(UnkeptSettingJson(setting))) << '\n';
    session.out.flush();
    return unkept.isEmpty() ? 0 : kExitNotKept;
}

} // namespace norvane::cli
