#include "DiscoveryResponder.h"

#include "net/BigEndian.h"
#include "net/DiscoveryDatagram.h"

#include <tuple>

namespace norvane::sim {

namespace {

using namespace norvane::DiscoveryOffset;
using norvane::DiscoveryCommand;
using norvane::SettingsGroup;

/// A Discover answer holds the name's 64-byte field after its fixed fields.
constexpr qsizetype kDiscoverAnswerSize = kReplyName + 64;
constexpr qsizetype kRuntSize = 12;
constexpr char kReplyClass = 1;

QByteArray answerHeader(const QByteArray& request, const NetworkState& network, qsizetype size)
{
    QByteArray answer(size, '\0');
    answer.replace(0, norvane::kDiscoveryHeaderSize, request.first(norvane::kDiscoveryHeaderSize));
    answer[kRequestClass] = kReplyClass;
    for (std::size_t i = 0; i < network.mac.size(); ++i)
        answer[kTargetMac + static_cast<qsizetype>(i)] = static_cast<char>(network.mac[i]);
    return answer;
}

void putText(QByteArray& datagram, qsizetype offset, const QByteArray& text, qsizetype field)
{
    const QByteArray cut = text.left(field - 1);
    datagram.replace(offset, cut.size(), cut);
}

void putAddress(QByteArray& datagram, qsizetype offset, const QByteArray& text)
{
    const norvane::Ipv4Bytes address = norvane::ParseIpv4(text);
    for (std::size_t i = 0; i < address.size(); ++i)
        datagram[offset + static_cast<qsizetype>(i)] = static_cast<char>(address[i]);
}

QByteArray addressAt(const QByteArray& datagram, qsizetype offset)
{
    norvane::Ipv4Bytes address{};
    for (std::size_t i = 0; i < address.size(); ++i)
        address[i] = static_cast<std::uint8_t>(datagram[offset + static_cast<qsizetype>(i)]);
    return norvane::FormatIpv4(address);
}

QList<QByteArray> discover(const QByteArray& request, const NetworkState& network)
{
    QByteArray answer = answerHeader(request, network, kDiscoverAnswerSize);
    answer[kStatus] = static_cast<char>(network.discoveryStatus);
    answer[kErrorFlags] = static_cast<char>(network.errorFlags);
    putAddress(answer, kAddress, network.addressInUse());
    putText(answer, kModel, network.model, norvane::kModelNameSize);
    putText(answer, kReplyName, network.name, 64);
    QList<QByteArray> answers;
    for (int i = 0; i < network.discoverAnswers; ++i) {
        if (network.runtBeforeAnswer)
            answers.append(answer.first(kRuntSize));
        answers.append(answer);
    }
    return answers;
}

QByteArray getGroup(const QByteArray& request, const NetworkState& network)
{
    QByteArray answer = answerHeader(request, network, norvane::kSetGroupSize);
    const auto group = static_cast<SettingsGroup>(request[kGroup]);
    if (group == SettingsGroup::Addresses) {
        putAddress(answer, kIpAddress, network.addressInUse());
        putAddress(answer, kSubnetMask, network.mask);
        putAddress(answer, kGateway, network.gateway);
    } else if (group == SettingsGroup::Dhcp) {
        answer[kDhcpMode] = static_cast<char>(network.dhcp ? norvane::kDhcpOnMode : 1);
        answer[kDhcpFlag] = static_cast<char>(network.dhcp ? 4 : 1);
    }
    return answer;
}

void setGroup(const QByteArray& request, NetworkState& network)
{
    NetworkState::Staged& staged = network.staged;
    switch (static_cast<SettingsGroup>(request[kSetGroup])) {
    case SettingsGroup::Name:
        staged.name = norvane::DatagramText(request, kSetName, 64);
        break;
    case SettingsGroup::Addresses:
        staged.addresses = {addressAt(request, kIpAddress), addressAt(request, kSubnetMask),
                            addressAt(request, kGateway)};
        break;
    case SettingsGroup::Dhcp:
        staged.dhcp = static_cast<std::uint8_t>(request[kDhcpMode]) == norvane::kDhcpOnMode;
        break;
    case SettingsGroup::Commit:
        if (staged.name)
            network.name = *staged.name;
        if (staged.addresses)
            std::tie(network.address, network.mask, network.gateway) =
                std::tie((*staged.addresses)[0], (*staged.addresses)[1], (*staged.addresses)[2]);
        if (staged.dhcp)
            network.dhcp = *staged.dhcp;
        staged = {};
        break;
    }
}

bool addressedToUs(const QByteArray& request, const NetworkState& network)
{
    for (std::size_t i = 0; i < network.mac.size(); ++i) {
        if (static_cast<std::uint8_t>(request[kTargetMac + static_cast<qsizetype>(i)]) != network.mac[i])
            return false;
    }
    return true;
}

} // namespace

QList<QByteArray> AnswerDiscovery(const QByteArray& request, NetworkState& network)
{
    network.datagrams.append(request);
    if (request.size() < norvane::kDiscoveryHeaderSize)
        return {};
    const auto command = static_cast<DiscoveryCommand>(norvane::GetBigEndian16(request, kCommand));
    if (command == DiscoveryCommand::Discover)
        return discover(request, network);
    if (!addressedToUs(request, network))
        return {};
    switch (command) {
    case DiscoveryCommand::FactoryDefault:
        network.restoreFactorySettings();
        return {};
    case DiscoveryCommand::GetGroup:
        if (request.size() < norvane::kGetGroupSize)
            return {};
        return {getGroup(request, network)};
    case DiscoveryCommand::SetGroup:
        if (request.size() < norvane::kSetGroupSize)
            return {};
        setGroup(request, network);
        return {answerHeader(request, network, norvane::kDiscoveryHeaderSize)};
    default:
        return {};
    }
}

} // namespace norvane::sim
