// The packaged udev rule must open exactly the USB printers the link layer looks for to the local user.

#include "link/UsbDiscovery.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace norvane {
namespace {

QStringList RuleLines()
{
    QFile file(QStringLiteral(NORVANE_UDEV_RULE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << NORVANE_UDEV_RULE;
    QStringList rules;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u'#'))
            rules.append(trimmed);
    }
    return rules;
}

TEST(UdevRule, TagsEveryPrinterVendorForTheLocalUserAndNothingElse)
{
    const QStringList rules = RuleLines();
    const QRegularExpression vendorMatch(QStringLiteral(R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})")re"));
    QStringList vendors;
    for (const QString& rule : rules) {
        SCOPED_TRACE(rule.toStdString());
        // The printer node only: tagging the whole USB device would hand out more than the printer.
        EXPECT_TRUE(rule.contains(QStringLiteral(R"(SUBSYSTEM=="usbmisc")")));
        EXPECT_TRUE(rule.contains(QStringLiteral(R"(KERNEL=="lp[0-9]*")")));
        EXPECT_TRUE(rule.contains(QStringLiteral(R"(TAG+="uaccess")")));
        EXPECT_FALSE(rule.contains(QStringLiteral("MODE=")));
        const QRegularExpressionMatch match = vendorMatch.match(rule);
        ASSERT_TRUE(match.hasMatch());
        vendors.append(match.captured(1));
    }
    QStringList expected;
    for (const char* vendor : kUsbPrinterVendors)
        expected.append(QString::fromLatin1(vendor));
    EXPECT_EQ(vendors, expected);
}

} // namespace
} // namespace norvane
