#include "MemoryCommands.h"

#include <algorithm>
#include <array>
#include <limits>

namespace norvane::sim {

namespace {

/// Downloads and KILL name DRAM by no prefix, FLASH by F and CARD by E.
const QRegularExpression kDownload(QStringLiteral("^DOWNLOAD (?:([FE]),)?\"([^\"]*)\",(\\d+),$"));
const QRegularExpression kFormat(QStringLiteral("^KILL (?:([FE]),)?\"\\*\\.\\*\"$"));

enum class Report
{
    Physical,
    Free,
    FileList,
};

struct MemoryReport
{
    const char* query;
    Memory MemoryState::*memory;
    Report report;
};

/// The reports name DRAM by D, FLASH by F and CARD by C.
const std::array<MemoryReport, 9> kReports{{
    {"DIAGNOSTIC REPORT DPHYSPACE", &MemoryState::dram, Report::Physical},
    {"DIAGNOSTIC REPORT DFREESPACE", &MemoryState::dram, Report::Free},
    {"DIAGNOSTIC REPORT DFILELIST", &MemoryState::dram, Report::FileList},
    {"DIAGNOSTIC REPORT FPHYSPACE", &MemoryState::flash, Report::Physical},
    {"DIAGNOSTIC REPORT FFREESPACE", &MemoryState::flash, Report::Free},
    {"DIAGNOSTIC REPORT FFILELIST", &MemoryState::flash, Report::FileList},
    {"DIAGNOSTIC REPORT CPHYSPACE", &MemoryState::card, Report::Physical},
    {"DIAGNOSTIC REPORT CFREESPACE", &MemoryState::card, Report::Free},
    {"DIAGNOSTIC REPORT CFILELIST", &MemoryState::card, Report::FileList},
}};

struct NamedMemory
{
    Memory& memory;
    QByteArray name;
};

NamedMemory byPrefix(MemoryState& memories, const QString& prefix)
{
    if (prefix == u"F")
        return {memories.flash, "FLASH"};
    if (prefix == u"E")
        return {memories.card, "CARD"};
    return {memories.dram, "DRAM"};
}

/// A file takes whole kilobytes.
int kilobytes(qsizetype bytes)
{
    return static_cast<int>((bytes + 1023) / 1024);
}

void answer(const Memory& memory, Report report, QList<Reply>& replies)
{
    switch (report) {
    case Report::Physical:
        replies.append({Frame(QByteArray::number(memory.physicalKb)), true});
        break;
    case Report::Free:
        replies.append({Frame(QByteArray::number(memory.freeKb)), true});
        break;
    case Report::FileList:
        for (const StoredFile& file : memory.files)
            replies.append({Frame(file.name), true});
        replies.append({Frame({}), true});
        break;
    }
}

/// Stores the file, replacing one of the same name, when the memory has room for it; a full printer
/// keeps what it had.
void download(const Command& command, PrinterState& state)
{
    const auto match = kDownload.match(QString::fromLatin1(command.text));
    if (!match.hasMatch() || match.captured(3).toLongLong() != command.payload.size())
        return;
    auto [memory, memoryName] = byPrefix(state.memories, match.captured(1));
    const QByteArray name = match.captured(2).toLatin1();
    if (name.isEmpty()) {
        state.remark("refused: no file name");
        return;
    }
    if (memory.physicalKb == 0) {
        state.remark("refused: no " + memoryName);
        return;
    }
    const auto replaced = std::find_if(memory.files.begin(), memory.files.end(),
                                       [&](const StoredFile& file) { return file.name == name; });
    // Wide enough for any free space a test or --memory-kb sets, and the replaced file's on top.
    const qint64 room =
        qint64{memory.freeKb} + (replaced != memory.files.end() ? kilobytes(replaced->bytes.size()) : 0);
    const int needed = kilobytes(command.payload.size());
    if (needed > room) {
        state.remark("refused: needs " + QByteArray::number(needed) + " KB, " + memoryName + " has room for " +
                     QByteArray::number(room) + " KB");
        return;
    }
    if (replaced != memory.files.end())
        memory.files.erase(replaced);
    memory.files.append({name, command.payload});
    memory.freeKb = static_cast<int>(std::min<qint64>(room - needed, std::numeric_limits<int>::max()));
}

} // namespace

QList<QByteArray> MemoryCommands::keys() const
{
    QList<QByteArray> keys{"DOWNLOAD", "KILL"};
    for (const MemoryReport& report : kReports)
        keys.append(report.query);
    return keys;
}

void MemoryCommands::addPayloadRules(CommandStream& stream) const
{
    // Any length text, so that one which is no number is refused rather than read as a plain line.
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DOWNLOAD (?:[FE],)?\"[^\"]*\",([^,]*),$")), kMaxDownload);
}

void MemoryCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    const QByteArray& line = command.text;
    if (line.startsWith("DOWNLOAD ")) {
        download(command, state);
    } else if (const auto format = kFormat.match(QString::fromLatin1(line)); format.hasMatch()) {
        Memory& memory = byPrefix(state.memories, format.captured(1)).memory;
        memory.files.clear();
        memory.freeKb = memory.physicalKb;
    } else {
        const auto report = std::find_if(kReports.begin(), kReports.end(),
                                         [&](const MemoryReport& candidate) { return line == candidate.query; });
        if (report != kReports.end())
            answer(state.memories.*report->memory, report->report, replies);
    }
}

} // namespace norvane::sim
