#pragma once

#include <chrono>

namespace norvane {

/// Every wait of the byte layer is bounded by one of these, and shown after a while; tests shorten them.
struct LinkTimeouts
{
    std::chrono::milliseconds usbRead{3000};
    std::chrono::milliseconds comRead{3000};
    /// Connect, each wait for received bytes and each wait to send, on a TCP link.
    std::chrono::milliseconds ethernet{30000};
    /// A TCP chunk whose wait to send ends without transfer is tried again this many times before the write
    /// fails, so a printer that stops reading costs at most four waits (two minutes) instead of hanging forever.
    int ethernetStalledWriteRetries = 3;
    /// How long the printer's Bluetooth module is given to search for devices before its answer is read.
    std::chrono::milliseconds bluetoothScan{60000};
    /// How long an external wireless module is given to search for access points before its answer is read.
    std::chrono::milliseconds accessPointScan{12000};
    /// A printer file is asked for only after the printer has had this long to take the line end sent first,
    /// and then this much more.
    std::chrono::milliseconds fileRequestSettle{500};
    std::chrono::milliseconds fileRequestLead{100};
    /// A wait for input that lasts this long tells the progress view, which then shows that the program is
    /// waiting for the printer (and offers to stop waiting); shorter waits show nothing.
    std::chrono::milliseconds showWaitingAfter{1000};
};

} // namespace norvane
