#include "MessageBoxPrompts.h"
#include "NorvaneApplication.h"
#include "ScriptedPrompts.h"
#include "WidgetDriving.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

using namespace norvane;
using namespace norvane::test;

TEST(MessageIconTest, errorsShowTheCriticalIconAndInformationTheInformationIcon)
{
    ui::MessageBoxPrompts prompts(QStringLiteral("Title"));
    for (const auto& [kind, icon] : {std::pair{ui::MessageKind::Error, QMessageBox::Critical},
                                     std::pair{ui::MessageKind::Information, QMessageBox::Information}}) {
        OnModal<QMessageBox>([icon = icon](QMessageBox& box) {
            EXPECT_EQ(box.icon(), icon);
            EXPECT_EQ(box.text(), "Can't find Bluetooth module!");
            box.button(QMessageBox::Ok)->click();
        });
        prompts.showMessage(kind, QStringLiteral("Can't find Bluetooth module!"));
    }
}

/// The tests' application, with the escaped exceptions shown to `prompts` while a test runs.
class EscapedExceptionTest : public ::testing::Test
{
protected:
    EscapedExceptionTest() : m_before(application().setErrorPrompts(&prompts)) {}
    ~EscapedExceptionTest() override { application().setErrorPrompts(m_before); }

    static ui::NorvaneApplication& application()
    {
        return dynamic_cast<ui::NorvaneApplication&>(*QCoreApplication::instance());
    }

    ScriptedPrompts prompts;

private:
    ui::UserPrompts* m_before;
};

// Through a timer's slot: an exception that passes the frames of Qt Widgets, which are built without exceptions,
// is caught all the same but leaves what those frames held, which the leak checker of the tests would report.
TEST_F(EscapedExceptionTest, anExceptionThatEscapesASlotIsShownAsAnErrorAndTheProgramGoesOn)
{
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 2)
            timer.stop();
        throw std::runtime_error("The reply could not be read.");
    });
    timer.start(0);
    ASSERT_TRUE(WaitUntil([&] { return ticks == 2; }));

    EXPECT_EQ(prompts.messages, QStringList(2, "The reply could not be read."));
    EXPECT_EQ(prompts.kinds, QList<ui::MessageKind>(2, ui::MessageKind::Error));
}

TEST_F(EscapedExceptionTest, withoutPromptsTheErrorIsACriticalMessageBoxAndAnythingThrownIsShown)
{
    application().setErrorPrompts(nullptr);
    bool shown = false;
    OnModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.text(), "An unexpected error occurred.");
        box.button(QMessageBox::Ok)->click();
        shown = true;
    });
    QTimer::singleShot(0, [] { throw 42; });
    EXPECT_TRUE(WaitUntil([&] { return shown; }));
}
