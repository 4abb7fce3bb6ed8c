// The discovery replies: any datagram on the discovery port reaches these readers.

#include "net/DiscoveryDatagram.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView datagram(data, static_cast<qsizetype>(size));
    ParseDiscoveryReply(datagram);
    AddressesFromReply(datagram);
    DhcpFromReply(datagram);
    return 0;
}
