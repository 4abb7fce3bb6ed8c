#pragma once

#include "UserPrompts.h"

#include <QStringList>

namespace norvane::test {

/// Records every message instead of showing it.
struct ScriptedPrompts : ui::UserPrompts
{
    void showMessage(const QString& text) override { messages << text; }

    QStringList messages;
};

} // namespace norvane::test
