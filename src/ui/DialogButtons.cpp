#include "DialogButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace norvane::ui {

DialogButtons MakeDialogButtons(const QString& acceptCaption, const char* acceptName)
{
    auto* box = new QDialogButtonBox;
    QPushButton* accept = box->addButton(acceptCaption, QDialogButtonBox::AcceptRole);
    accept->setObjectName(QLatin1StringView(acceptName));
    accept->setDefault(true);
    QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    return {box, accept, cancel};
}

} // namespace norvane::ui
