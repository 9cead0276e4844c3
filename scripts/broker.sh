#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private MQTT broker for the plant tests and the demo, on 127.0.0.1 only:
#   broker.sh start DIR    writes a configuration, accounts, an access list
#                          and a TLS certificate into DIR, starts Debian's
#                          mosquitto on free ports and writes them to
#                          DIR/port and DIR/tls-port
#   broker.sh restart DIR  stops it and starts it again on the same ports
#   broker.sh stop DIR     stops it
# Accounts (password = name + "-pw"): "korvexd" may publish only in its own
# edge node's namespace (group "Plant", node "Line1"); "mes" may read
# everything and publish the node's NCMD and DCMD; "viewer" may only read.
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
broker=/usr/sbin/mosquitto
source "$(dirname "${BASH_SOURCE[0]}")/ports.sh"

launch() {
    # Runs as the user who starts it: as root, mosquitto would otherwise
    # change to its own user, who cannot read this folder.
    "$broker" -c "$dir/mosquitto.conf" -d
    wait_for_port "$(cat "$dir/port")" broker.sh
    wait_for_port "$(cat "$dir/tls-port")" broker.sh
}

stop() {
    if [ -f "$dir/mosquitto.pid" ]; then
        local pid
        pid=$(cat "$dir/mosquitto.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        rm -f "$dir/mosquitto.pid"
    fi
}

case "$action" in
start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    port=$(free_port)
    tls_port=$(free_port "$port")
    echo "$port" > "$dir/port"
    echo "$tls_port" > "$dir/tls-port"
    : > "$dir/passwords"
    for account in korvexd mes viewer; do
        mosquitto_passwd -b "$dir/passwords" "$account" "$account-pw" 2>/dev/null
        printf '%s-pw\n' "$account" > "$dir/$account.password"
    done
    chmod 600 "$dir/passwords"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.1" \
        -addext "subjectAltName=IP:127.0.0.1" \
        -keyout "$dir/broker.key" -out "$dir/broker.crt" 2>/dev/null
    cat > "$dir/acl" <<ACL
user korvexd
topic readwrite spBv1.0/Plant/+/Line1
topic readwrite spBv1.0/Plant/+/Line1/#
topic read spBv1.0/STATE/+

user mes
topic read spBv1.0/#
topic write spBv1.0/Plant/NCMD/Line1
topic write spBv1.0/Plant/DCMD/Line1/+
topic write spBv1.0/STATE/scada

user viewer
topic read spBv1.0/#
ACL
    cat > "$dir/mosquitto.conf" <<CONF
user $(id -un)
pid_file $dir/mosquitto.pid
per_listener_settings false
allow_anonymous false
password_file $dir/passwords
acl_file $dir/acl
persistence false
log_dest file $dir/mosquitto.log
listener $port 127.0.0.1
listener $tls_port 127.0.0.1
certfile $dir/broker.crt
keyfile $dir/broker.key
CONF
    launch
    ;;
restart)
    stop
    launch
    ;;
stop)
    stop
    ;;
*)
    echo "usage: broker.sh start|restart|stop DIR" >&2
    exit 2
    ;;
esac
