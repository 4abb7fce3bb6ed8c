#pragma once

#include "link/InterfaceKind.h"

#include <QByteArrayView>
#include <chrono>
#include <cstdint>
#include <memory>

namespace norvane {

struct LinkSettings;
struct LinkTimeouts;
class WaitPacing;

/// What one wait for input brought.
struct FetchResult
{
    std::size_t count = 0;
    /// The connection ended or failed: no input will come, however long the link waits.
    bool ended = false;
};

/// One opened printer connection of one kind, below the chunking, rings and progress of the byte layer.
class Transport
{
public:
    virtual ~Transport() = default;

    /// Writes one chunk; true only when every byte went out. A write that has to wait paces its wait with
    /// `pacing` and gives up when the user stops it.
    virtual bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) = 0;
    /// Waits at most `timeout` for input and takes up to `capacity` bytes; a count of 0 when nothing came.
    virtual FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) = 0;
    /// Drops input the device has queued but not yet delivered.
    virtual void purgeInput() {}
    /// The clock the waits on this connection run on; a scripted connection lets its time pass only while it
    /// is waited on, so tests of long waits need not sleep.
    virtual std::chrono::steady_clock::time_point now() const { return std::chrono::steady_clock::now(); }
};

/// Opens the transport of a kind with the current settings; null when the link cannot be opened. An open that
/// waits (a network connection) paces its wait with `pacing` and gives up when the user stops it.
class TransportOpener
{
public:
    virtual ~TransportOpener() = default;
    virtual std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings,
                                            const LinkTimeouts& timeouts, WaitPacing& pacing) = 0;
};

} // namespace norvane
