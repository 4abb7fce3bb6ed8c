#pragma once

#include <QByteArrayView>
#include <QString>

namespace norvane::ui {

/// What the user is told when a text of the page cannot go into the printer's quoted commands: the
/// caption of the field that holds it, so it can be corrected. `field` is the record field's name.
QString UnsendableTextMessage(QByteArrayView field);

} // namespace norvane::ui
