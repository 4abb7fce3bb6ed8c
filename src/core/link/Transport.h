#pragma once

#include "link/InterfaceKind.h"

#include <QByteArrayView>
#include <chrono>
#include <cstdint>
#include <memory>

namespace norvane {

struct LinkSettings;
struct LinkTimeouts;

/// One opened printer connection of one kind, below the chunking, rings and progress of the byte layer.
class Transport
{
public:
    virtual ~Transport() = default;

    /// Writes one chunk; true only when every byte went out.
    virtual bool writeChunk(QByteArrayView chunk) = 0;
    /// Waits at most `timeout` for input and takes up to `capacity` bytes; 0 when nothing came.
    virtual std::size_t fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) = 0;
    /// Drops input the device has queued but not yet delivered.
    virtual void purgeInput() {}
};

/// Opens the transport of a kind with the current settings; null when the link cannot be opened.
class TransportOpener
{
public:
    virtual ~TransportOpener() = default;
    virtual std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings,
                                            const LinkTimeouts& timeouts) = 0;
};

} // namespace norvane
