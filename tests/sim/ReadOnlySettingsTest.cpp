#include "ReadOnlySettings.h"
#include "PrinterProfile.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

TEST(ReadOnlySettingsTest, aReadOnlySettingKeepsItsValueWhileTheRestOfTheCommandTakesEffect)
{
    VirtualPrinter printer;
    printer.withState([](PrinterState& state) {
        state.reports = FactoryReports(kDefaultEdition);
        QString error;
        ASSERT_TRUE(SetReadOnlySettings(QStringLiteral("PAPERWIDTH, SPEED"), state, error)) << error.toStdString();
    });
    const PrinterState before = printer.snapshot();
    auto session = printer.openSession();
    session->receive("SIZE 50.00 mm,30.00 mm\r\nSPEED 6\r\nDENSITY 12\r\n");

    const PrinterState after = printer.snapshot();
    EXPECT_EQ(after.reports.value("PAPERWIDTH"), before.reports.value("PAPERWIDTH"));
    EXPECT_EQ(after.reports.value("PAPERHEIGHT"), "240.00");
    EXPECT_EQ(after.reports.value("SPEED"), before.reports.value("SPEED"));
    EXPECT_EQ(after.reports.value("DENSITY"), "12");
    // Every command is accepted; the log says which settings stayed.
    EXPECT_EQ(after.commands, (QList<QByteArray>{"SIZE 50.00 mm,30.00 mm (read-only: PAPERWIDTH)",
                                                 "SPEED 6 (read-only: SPEED)", "DENSITY 12"}));

    // A query still answers the kept value.
    EXPECT_EQ(printer.openSession()->receive("DIAGNOSTIC REPORT SPEED\r\n").size(), 1);
}

TEST(ReadOnlySettingsTest, theFactoryDefaultLeavesAReadOnlySettingAsWell)
{
    VirtualPrinter printer;
    printer.withState([](PrinterState& state) {
        state.reports["DENSITY"] = "3";
        QString error;
        ASSERT_TRUE(SetReadOnlySettings(QStringLiteral("DENSITY"), state, error));
    });
    printer.openSession()->receive("DENSITY 9\r\nINITIALPRINTER\r\n");
    EXPECT_EQ(printer.snapshot().reports.value("DENSITY"), "3");
}

TEST(ReadOnlySettingsTest, namesMustBeSettingsThePrinterReports)
{
    PrinterState state;
    state.reports = FactoryReports(kDefaultEdition);
    QString error;
    EXPECT_FALSE(SetReadOnlySettings(QStringLiteral("SPEED,SPEEED"), state, error));
    EXPECT_EQ(error, QStringLiteral("the printer reports no setting named SPEEED"));
    EXPECT_TRUE(state.readOnlyReports.isEmpty());
    // Report keys are the printer's own upper-case names.
    EXPECT_FALSE(SetReadOnlySettings(QStringLiteral("speed"), state, error));
    EXPECT_FALSE(SetReadOnlySettings(QStringLiteral(","), state, error));
    EXPECT_EQ(error, QStringLiteral("name at least one setting"));
    // An older edition does not report the newer settings.
    state.reports = FactoryReports(102);
    EXPECT_FALSE(SetReadOnlySettings(QStringLiteral("WIFISSID"), state, error));
}
