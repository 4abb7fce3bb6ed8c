#include "TestPagePrint.h"

#include "ConfigurationPage.h"
#include "OperationRunner.h"
#include "UserPrompts.h"
#include "files/TestPage.h"

namespace norvane::ui {

void PrintTestPage(OperationRunner& runner, const PrinterConfig& lastRead, ConfigurationPage& page)
{
    UserPrompts& prompts = runner.prompts();
    // Before the page is taken, so that an unread printer is the one message whatever the page holds.
    if (lastRead.dpiValid == 0) {
        prompts.showMessage(MessageKind::Error, QLatin1StringView(kReadConfigFirstMessage));
        return;
    }
    PrinterConfig taken = lastRead;
    QString message;
    if (!page.TakeConfig(taken, message)) {
        prompts.showMessage(MessageKind::Error, message);
        return;
    }
    const auto request = MakeTestPageRequest(taken, message);
    if (!request) {
        prompts.showMessage(MessageKind::Error, message);
        return;
    }
    runner.RunOperation<OperationCode::PrintTestPage>(*request);
}

} // namespace norvane::ui
