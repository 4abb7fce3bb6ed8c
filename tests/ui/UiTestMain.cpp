#include "NorvaneApplication.h"
#include "ScriptedPrompts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

/// An exception that escapes a handler fails the test it happens in, instead of waiting on a message box.
struct FailingPrompts : norvane::test::ScriptedPrompts
{
    void showMessage(norvane::ui::MessageKind, const QString& text) override
    {
        ADD_FAILURE() << "an exception escaped an event handler: " << text.toStdString();
    }
};

} // namespace

int main(int argc, char** argv)
{
    // Headless unless told otherwise; ctest's test discovery runs without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    norvane::ui::NorvaneApplication app(argc, argv);
    FailingPrompts escapedExceptions;
    app.setErrorPrompts(&escapedExceptions);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
