#!/bin/sh
# Runs the test program inside a new network namespace that has only the loopback interface, with the
# routes that let broadcast and multicast datagrams reach it. Where namespaces are not allowed it exits
# with 77, which ctest reports as skipped.
unshare -rn true 2>/dev/null || { echo "skipped: this machine does not allow a network namespace"; exit 77; }
exec unshare -rn sh -c '
    ip link set lo up &&
    ip route add broadcast 255.255.255.255 dev lo src 127.0.0.1 table local &&
    ip route add 224.0.0.0/4 dev lo src 127.0.0.1 || { echo "skipped: no routes in the namespace"; exit 77; }
    exec "$0"' "$1"
