# SPDX-License-Identifier: GPL-3.0-or-later
# Ports of the servers the tests start on 127.0.0.1, sourced by the scripts
# that start them.

# A free port below the range the system hands out to outgoing sockets, which
# tests running beside the servers use by the thousand, and none of TAKEN:
#   free_port [TAKEN...]       (KORVEX_PORT_RANGE="FIRST LAST", default 22000 32000)
free_port() {
    /usr/bin/python3 - ${KORVEX_PORT_RANGE:-22000 32000} "$@" <<'PY'
import os, random, socket, sys
first, last = int(sys.argv[1]), int(sys.argv[2])
taken = set(int(p) for p in sys.argv[3:])
for port in random.Random(os.getpid()).sample(range(first, last), last - first):
    if port in taken:
        continue
    with socket.socket() as s:
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            continue
        print(port)
        break
PY
}

# Waits up to 5 s for a server to listen on PORT; WHO names it when it does not.
#   wait_for_port PORT WHO
wait_for_port() {
    for _ in $(seq 1 100); do
        if /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $1), 0.2)" 2>/dev/null; then
            return 0
        fi
        sleep 0.05
    done
    echo "$2: nothing listens on port $1" >&2
    return 1
}
