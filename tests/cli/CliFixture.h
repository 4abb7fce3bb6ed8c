#pragma once

#include "PasswordGate.h"
#include "RunCli.h"
#include "SimPrinter.h"

#include <QBuffer>
#include <gtest/gtest.h>

/// Runs the tool in-process against a virtual printer, with the printer password variable cleared so the
/// caller's environment cannot decide a test.
class CliFixture : public ::testing::Test
{
protected:
    CliFixture() { qunsetenv(norvane::cli::kPrinterPasswordVariable); }
    ~CliFixture() override { qunsetenv(norvane::cli::kPrinterPasswordVariable); }

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

    void givePrinterPassword(const QByteArray& password) { qputenv(norvane::cli::kPrinterPasswordVariable, password); }

    norvane::test::SimPrinter sim;
    QString out;
    QString err;
};
