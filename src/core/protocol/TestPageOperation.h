#pragma once

#include "files/TestPage.h"
#include "protocol/CommandDispatcher.h"

namespace norvane {

/// Operation 16: the test label's script in one write; nothing is read, so it runs on LPT too. The script
/// is built before the link opens: a resolution or size it cannot lay out sends nothing and gives 5.
ResultCode PrintTestPage(const OperationContext& context, const TestPageRequest& request);

/// Puts operation 16 into the dispatcher's table.
void RegisterTestPageOperation(CommandDispatcher& dispatcher);

} // namespace norvane
