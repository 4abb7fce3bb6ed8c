#!/usr/bin/env python3
"""Records the fuzz targets' seeds from the virtual printer.

Runs norvane-sim on loopback and each cli command through a proxy that keeps the printer's answers, one
piece per command written, joined by the byte the fuzz targets split answers at (0x1e); and saves the
printer's configuration as .dcf and JSON for the file readers.

    tests/fuzz/record-seeds.py BUILD_DIR
"""
import os
import select
import socket
import subprocess
import sys
import threading

SEPARATOR = b"\x1e"
HERE = os.path.dirname(os.path.abspath(__file__))

# target -> the cli runs whose answers seed it
RECORDINGS = {
    "fuzz-configuration-read": [["read-config"]],
    "fuzz-file-lists": [["files", "list"]],
    "fuzz-printer-replies": [["status"], ["password", "get"], ["clock", "get"], ["sensor", "read"],
                             ["emulation", "get"]],
    "fuzz-bluetooth-scan": [["bt-scan"]],
    "fuzz-access-point-scan": [["ap-scan"]],
}
# fuzz-printer-replies takes the reader from its first byte, in this order
PRINTER_REPLY_READERS = {"status": 0, "password": 1, "clock": 2, "sensor": 4, "emulation": 6}


def proxy_once(listener, upstream_port, answers):
    client, _ = listener.accept()
    upstream = socket.create_connection(("127.0.0.1", upstream_port))
    current = None
    ends = {client: upstream, upstream: client}
    while True:
        readable, _, _ = select.select(list(ends), [], [], 30)
        if not readable:
            break
        for sock in readable:
            data = sock.recv(65536)
            if not data:
                for s in (client, upstream):
                    s.close()
                if current is not None:
                    answers.append(current)
                return
            ends[sock].sendall(data)
            if sock is client:
                if current is not None:
                    answers.append(current)
                current = b""
            elif current is not None:
                current += data


def record_discovery(build, sim_port):
    """Saves every datagram the printer sends back to a Discover pass and to a Get Group 4/5 exchange."""
    folder = os.path.join(HERE, "corpus", "fuzz-discovery")
    os.makedirs(folder, exist_ok=True)
    replies = []
    proxy = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    proxy.bind(("127.0.0.1", 0))
    printer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    printer.bind(("127.0.0.1", 0))
    stop = threading.Event()

    def relay():
        client = None
        while not stop.is_set():
            readable, _, _ = select.select([proxy, printer], [], [], 0.1)
            for sock in readable:
                data, sender = sock.recvfrom(65536)
                if sock is proxy:
                    client = sender
                    printer.sendto(data, ("127.0.0.1", sim_port))
                elif client is not None:
                    replies.append(data)
                    proxy.sendto(data, client)

    thread = threading.Thread(target=relay)
    thread.start()
    target = "127.0.0.1:%d" % proxy.getsockname()[1]
    cli = os.path.join(build, "src/cli/norvane-cli")
    listing = subprocess.run([cli, "--discovery-target", target, "discover"], capture_output=True, text=True,
                             timeout=60).stdout
    mac = listing.split("\t")[1] if "\t" in listing else "00:1B:82:4E:56:01"
    subprocess.run([cli, "--discovery-target", target, "discover", "get", mac], stdout=subprocess.DEVNULL,
                   timeout=60)
    stop.set()
    thread.join()
    for index, reply in enumerate(replies):
        with open(os.path.join(folder, "reply-%d" % index), "wb") as out:
            out.write(reply)


def main():
    build = sys.argv[1]
    sim = subprocess.Popen([os.path.join(build, "src/sim/norvane-sim"), "--tcp", "0",
                            "--bt-devices", "Scanner=00:11:22:33:44:55;Phone=66:77:88:99:AA:BB",
                            "--access-points", "Office=2;Lab=1;Guest=0", "--udp", "0"],
                           stdout=subprocess.PIPE, text=True)
    try:
        port = int(sim.stdout.readline().split()[-1])
        udp_port = int(sim.stdout.readline().split()[-1])
        for target, runs in RECORDINGS.items():
            folder = os.path.join(HERE, "corpus", target)
            os.makedirs(folder, exist_ok=True)
            for args in runs:
                listener = socket.socket()
                listener.bind(("127.0.0.1", 0))
                listener.listen(1)
                answers = []
                thread = threading.Thread(target=proxy_once, args=(listener, port, answers))
                thread.start()
                env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
                subprocess.run([os.path.join(build, "src/cli/norvane-cli"), "--net",
                                "127.0.0.1:%d" % listener.getsockname()[1]] + args,
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
                thread.join()
                listener.close()
                seed = SEPARATOR.join(answers)
                if target == "fuzz-printer-replies":
                    seed = bytes([PRINTER_REPLY_READERS[args[0]]]) + seed
                with open(os.path.join(folder, "-".join(args)), "wb") as out:
                    out.write(seed)
        # The configuration files the readers are fuzzed from: the printer's configuration as both formats.
        for target in ("fuzz-dcf", "fuzz-config-json"):
            os.makedirs(os.path.join(HERE, "corpus", target), exist_ok=True)
        subprocess.run([os.path.join(build, "src/cli/norvane-cli"), "--net", "127.0.0.1:%d" % port, "read-config",
                        "--json", os.path.join(HERE, "corpus/fuzz-config-json/virtual-printer.json"),
                        "--dcf", os.path.join(HERE, "corpus/fuzz-dcf/virtual-printer.dcf")],
                       stdout=subprocess.DEVNULL, check=True, timeout=120)
        record_discovery(build, udp_port)
    finally:
        sim.terminate()
        sim.wait()


if __name__ == "__main__":
    main()
