#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>

namespace norvane::sim {

/// What a dump-mode printer was told, and the files of its own that a file request fetches.
struct DumpState
{
    /// The dump-mode starts received, as sent ("DUMP_TEXT PRINT,").
    QList<QByteArray> starts;
    /// By name; a name not here is not answered at all.
    QMap<QByteArray, QByteArray> files{
        {"Dump.txt", "DUMP_TEXT SAVE 1000,\"Dump.txt\",\r\nSIZE 4.00,2.50\r\nCLS\r\nTEXT 50,50,\"3\",0,1,1,\"NV\"\r\n"
                     "PRINT 1\r\n"}};
};

} // namespace norvane::sim
