#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

TEST(DumpCommandsTest, aDumpStartNeedsNoLineEndButOnlyItsWholeFormEndsAtTheComma)
{
    VirtualPrinter printer;
    const auto session = printer.openSession();
    // The comma inside the quotes, and the ones before the name, do not end the command.
    const QList<Output> outputs = session->receive("DUMP_TEXT SAVE 1000,E,\"A,B\",DUMP_TEXT PRINT,SELFTEST\r\n");
    EXPECT_TRUE(outputs.isEmpty());
    const PrinterState state = printer.snapshot();
    EXPECT_EQ(state.dump.starts, (QList<QByteArray>{"DUMP_TEXT SAVE 1000,E,\"A,B\",", "DUMP_TEXT PRINT,"}));
    EXPECT_EQ(state.functions.configurationPages, 1);
}

TEST(DumpCommandsTest, aFileRequestIsAnsweredWithTheFileFramedAndAnUnknownFileNotAtAll)
{
    VirtualPrinter printer;
    printer.withState([](PrinterState& state) { state.dump.files = {{"Dump.txt", "a}b"}}; });
    const auto session = printer.openSession();
    const QList<Output> outputs =
        session->receive("\r\nDIAGNOSTIC FILE \"Dump.txt\"\r\n\r\nDIAGNOSTIC FILE \"dump.txt\"\r\n\r\n");
    ASSERT_EQ(outputs.size(), 1);
    EXPECT_EQ(outputs[0].bytes, "{3|a}b}");
    EXPECT_EQ(printer.commands().last(), "DIAGNOSTIC FILE \"dump.txt\" (no such file)");
}
