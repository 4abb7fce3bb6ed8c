#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The printer's memories DRAM, FLASH and CARD: files downloaded into them (DOWNLOAD, with the file's
/// bytes after the header), their space and file-list reports, and KILL "*.*" to empty one.
class MemoryCommands : public CommandFamily
{
public:
    /// The largest file one DOWNLOAD may announce: above any memory this printer has, and still a bound
    /// on what a wrong length can swallow.
    static constexpr qsizetype kMaxDownload = 64 * 1024 * 1024;

    QList<QByteArray> keys() const override;
    void addPayloadRules(CommandStream& stream) const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
