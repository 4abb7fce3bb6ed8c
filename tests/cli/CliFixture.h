#pragma once

#include "PasswordGate.h"
#include "RefusingPort.h"
#include "RunCli.h"
#include "SimPrinter.h"
#include "protocol/ReplyFraming.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// Runs the tool in-process against a virtual printer, with the printer password variables cleared so the
/// caller's environment cannot decide a test.
class CliFixture : public ::testing::Test
{
protected:
    CliFixture() { clearPrinterPassword(); }
    ~CliFixture() override { clearPrinterPassword(); }

    static void clearPrinterPassword()
    {
        qunsetenv(norvane::cli::kPasswordVariable);
        qunsetenv(norvane::cli::kOlderPasswordVariable);
    }

    /// Runs the tool with the link options of the virtual printer's TCP port in front of `arguments`, and
    /// `input` as its standard input.
    int run(QStringList arguments, bool overNetwork = true, const QByteArray& input = {})
    {
        out.clear();
        err.clear();
        if (overNetwork)
            arguments = QStringList{"--net", networkTarget(), "--read-timeout", "300"} + arguments;
        QBuffer in;
        in.setData(input);
        in.open(QIODevice::ReadOnly);
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return norvane::cli::RunCli(arguments, outStream, errStream, &in);
    }

    QString networkTarget() const { return QStringLiteral("127.0.0.1:%1").arg(sim.tcpPort); }
    /// A network printer that refuses the connection.
    QString refusingTarget() const { return QStringLiteral("127.0.0.1:%1").arg(refusing.port()); }

    void givePrinterPassword(const QByteArray& password) { qputenv(norvane::cli::kPasswordVariable, password); }

    QString file(const QString& name) const { return dir.filePath(name); }

    /// What the password gate sends over the network link before a change.
    static QByteArray passwordRead()
    {
        return norvane::InterfaceAnnouncement(norvane::InterfaceKind::Ethernet) + "DIAGNOSTIC REPORT EDITION\r\n" +
               "DIAGNOSTIC REPORT PASSWORD\r\n";
    }

    /// Writes `contents` to the file `name` of the test's folder and gives its path.
    QString writeFile(const QString& name, const QByteArray& contents)
    {
        QFile written(file(name));
        EXPECT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(contents);
        return written.fileName();
    }

    norvane::test::SimPrinter sim;
    norvane::test::RefusingPort refusing;
    QTemporaryDir dir;
    QString out;
    QString err;
};
