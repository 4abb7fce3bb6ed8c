#include "DumpText.h"

#include "OperationRunner.h"
#include "TFormDumpTextSetup.h"
#include "UserPrompts.h"
#include "WindowPlacement.h"
#include "config/SavedFile.h"
#include "protocol/DumpOperations.h"

namespace norvane::ui {

namespace {
constexpr char kAllFilesFilter[] = "*.* (*)";
}

void DumpText(OperationRunner& runner)
{
    DumpRequest request;
    {
        TFormDumpTextSetup dialog(request, runner.prompts(), &runner.mainWindow());
        PlaceAtThirdOf(dialog, runner.mainWindow());
        dialog.exec();
    }
    if (!request.confirmed)
        return;
    if (runner.RunOperation<OperationCode::StartDumpMode>(request) != ResultCode::Success ||
        request.mode != static_cast<std::int32_t>(DumpMode::SaveToFile))
        return;
    if (!runner.prompts().confirm(QStringLiteral("Press OK to load file.")))
        return;
    PrinterFileRequest file;
    if (runner.RunOperations([&](CommandDispatcher& dispatcher, InterfaceKind kind) {
            return FetchPrinterFile(dispatcher, kind, file);
        }) != ResultCode::Success)
        return;
    const QString path = runner.prompts().chooseSaveFile(QString::fromLatin1(kAllFilesFilter), QString());
    if (path.isEmpty())
        return;
    // The user chose where the dump goes: a save that failed must not pass for one that worked.
    QString error;
    if (!SaveWholeFile(path, file.contents, error))
        runner.prompts().showMessage(MessageKind::Error, QStringLiteral("Cannot save %1").arg(error));
}

} // namespace norvane::ui
