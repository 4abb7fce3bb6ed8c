#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace norvane::cli {

/// One printer of a batch: the link options that reach it and where its password is.
struct BatchTarget
{
    /// The printer as the output names it: the value of its interface option ("10.0.0.5:9100",
    /// "/dev/ttyS0"), "usb" for --usb.
    QString name;
    /// `name` as a part of a file name: letters, digits, '.', '_' and '-' only, never starting with a dot
    /// or a dash.
    QString fileName;
    /// The line's link options, without --password-env.
    QStringList linkArguments;
    /// The environment variable holding this printer's password, from --password-env.
    std::optional<QString> passwordVariable;
};

/// The targets of a targets file: one line of link options per printer, '#' comments and blank lines
/// skipped. A line without an interface option, with anything but link options, with --password (a
/// password never goes onto a command line) or with a control character is refused, and so are two lines
/// for one printer and two targets with the same file name, whose output files would overwrite each other;
/// the error names the line.
std::optional<QList<BatchTarget>> ParseBatchTargets(const QByteArray& text, QString& error);

/// `name` reduced to the characters a file name can safely take.
QString TargetFileName(const QString& name);

} // namespace norvane::cli
