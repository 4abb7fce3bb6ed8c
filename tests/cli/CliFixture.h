#pragma once

#include "RunCli.h"
#include "SimPrinter.h"

#include <gtest/gtest.h>

/// Runs the tool in-process against a virtual printer.
class CliFixture : public ::testing::Test
{
protected:
    /// Runs the tool with the link options of the virtual printer's TCP port in front of `arguments`.
    int run(QStringList arguments, bool overNetwork = true)
    {
        out.clear();
        err.clear();
        if (overNetwork)
            arguments = QStringList{"--net", networkTarget(), "--read-timeout", "300"} + arguments;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return norvane::cli::RunCli(arguments, outStream, errStream);
    }

    QString networkTarget() const { return QStringLiteral("127.0.0.1:%1").arg(sim.tcpPort); }

    norvane::test::SimPrinter sim;
    QString out;
    QString err;
};
