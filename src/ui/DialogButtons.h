#pragma once

#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>

namespace norvane::ui {

/// The button row of the small dialogs: the default button and "Cancel" (`ButtonCancel`).
struct DialogButtons
{
    QDialogButtonBox* box;
    QPushButton* accept;
    QPushButton* cancel;
};

DialogButtons MakeDialogButtons(const QString& acceptCaption, const char* acceptName);

} // namespace norvane::ui
