#pragma once

#include "QStringPrinting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace norvane::test {

/// The child of `root` with the object name `name`; throws (failing the test) when there is none.
template <typename Widget = QWidget> Widget& Child(const QObject& root, const char* name)
{
    auto* child = root.findChild<Widget*>(QLatin1StringView(name));
    if (!child)
        throw std::runtime_error(std::string("no child named ") + name);
    return *child;
}

inline void Click(const QObject& root, const char* name)
{
    QTest::mouseClick(&Child<QAbstractButton>(root, name), Qt::LeftButton);
}

/// Runs `action` on the first modal dialog of type Dialog to appear, from inside the dialog's own event
/// loop. Schedule it before the click that opens the dialog.
template <typename Dialog, typename Action> void OnModal(Action action)
{
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog)
            action(*dialog);
        else
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " appeared";
    });
    poll->start(5);
}

/// Processes events until `condition` holds; false when it does not within `timeoutMs`.
template <typename Condition> bool WaitUntil(Condition condition, int timeoutMs = 3000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

/// Chooses an item of a list as the user does: the list changes and reports the choice.
inline void Choose(QComboBox& list, int index)
{
    list.setCurrentIndex(index);
    emit list.activated(index);
}

/// Moves the focus into a field as the Tab key does.
inline void Enter(QWidget& field)
{
    field.setFocus(Qt::TabFocusReason);
}

} // namespace norvane::test
