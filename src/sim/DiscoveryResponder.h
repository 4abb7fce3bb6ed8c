#pragma once

#include "NetworkState.h"

#include <QByteArray>
#include <QList>

namespace norvane::sim {

/// The printer's side of the discovery protocol: the datagrams it sends back for one it received (none for a
/// request that is not for it or that it does not know). Set Group requests change the state when the closing
/// group comes; Factory Default changes it at once and is not answered.
QList<QByteArray> AnswerDiscovery(const QByteArray& request, NetworkState& network);

} // namespace norvane::sim
