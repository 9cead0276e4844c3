#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A plant of two lines for the tests, on 127.0.0.1 only: a site broker and
# two line brokers bridged to it, each configured from docs/mqtt/*.example
# with only the addresses, ports, paths, passwords and the line's IDs put
# in, as an installer would; and a korvex.conf for each line's korvexd
# (line 2 with primary_host=supervisor) and for the supervisor's window.
#   plantbrokers.sh start DIR        writes DIR/site, DIR/line1, DIR/line2
#                                    (each with its port, tls-port and
#                                    korvex.conf) and starts the brokers
#   plantbrokers.sh stop-line DIR N  stops line N's broker
#   plantbrokers.sh kill-line DIR N  kills it (no clean stop, no word from
#                                    its bridge but the will it registered)
#   plantbrokers.sh start-line DIR N starts it again on the same ports
#   plantbrokers.sh stop DIR         stops all three
# Accounts: password = name + "-pw".
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
examples=$root/docs/mqtt
broker=/usr/sbin/mosquitto
source "$(dirname "${BASH_SOURCE[0]}")/ports.sh"

launch() { # folder
    "$broker" -c "$1/mosquitto.conf" -d
    wait_for_port "$(cat "$1/port")" plantbrokers.sh
    wait_for_port "$(cat "$1/tls-port")" plantbrokers.sh
}

halt() { # folder [signal]
    if [ -f "$1/mosquitto.pid" ]; then
        local pid
        pid=$(cat "$1/mosquitto.pid")
        kill "-${2:-TERM}" "$pid" 2>/dev/null || true
        for _ in $(seq 1 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        rm -f "$1/mosquitto.pid"
    fi
}

accounts() { # folder password-file name...
    local folder=$1 file=$2
    shift 2
    : > "$folder/$file"
    for account in "$@"; do
        mosquitto_passwd -b "$folder/$file" "$account" "$account-pw" 2>/dev/null
        printf '%s-pw\n' "$account" > "$folder/$account.password"
    done
    chmod 600 "$folder/$file"
}

certificate() { # folder name
    mkdir -p "$1/certs"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.1" \
        -addext "subjectAltName=IP:127.0.0.1" \
        -keyout "$1/certs/$2.key" -out "$1/certs/$2.crt" 2>/dev/null
}

# The example's listeners on free ports of 127.0.0.1 and its paths in the
# folder, then what only a test needs: a pid file, a log, no persistence,
# and the user who runs it.
broker_conf() { # example folder
    local port tls_port
    port=$(free_port)
    tls_port=$(free_port "$port")
    echo "$port" > "$2/port"
    echo "$tls_port" > "$2/tls-port"
    sed -e "s|^listener 1883$|listener $port 127.0.0.1|" \
        -e "s|^listener 8883$|listener $tls_port 127.0.0.1|" \
        -e "s|/etc/mosquitto/|$2/|g" "$examples/$1" > "$2/mosquitto.conf"
    cat >> "$2/mosquitto.conf" <<CONF

# for the test
user $(id -un)
pid_file $2/mosquitto.pid
persistence false
log_dest file $2/mosquitto.log
log_type all
CONF
}

ids() { # line number: line 1's IDs of the examples become line N's
    sed -e "s|Line1|Line$1|g" -e "s|line1|line$1|g" -e "s|PC1|PC$1|g"
}

case "$action" in
start)
    for part in site line1 line2; do halt "$dir/$part"; done
    rm -rf "$dir"
    mkdir -p "$dir/site"
    site=$dir/site
    certificate "$site" site
    accounts "$site" site.passwd line1-bridge line2-bridge supervisor scada
    cp "$examples/site.acl.example" "$site/site.acl"
    broker_conf site-mosquitto.conf.example "$site"
    for n in 1 2; do
        line=$dir/line$n
        mkdir -p "$line/conf.d"
        certificate "$line" broker
        accounts "$line" korvex.passwd korvexd mes scada
        ids "$n" < "$examples/korvex.acl.example" > "$line/korvex.acl"
        broker_conf mosquitto.conf.example "$line"
        echo "include_dir $line/conf.d" >> "$line/mosquitto.conf"
        ids "$n" < "$examples/bridge.conf.example" |
            sed -e "s|site-broker.example:8883|127.0.0.1:$(cat "$site/tls-port")|" \
                -e "s|/etc/mosquitto/certs/site-ca.crt|$site/certs/site.crt|" \
                -e "s|change-me|line$n-bridge-pw|" > "$line/conf.d/bridge.conf"
        primary='s|^;primary_host=|;primary_host=|'
        [ "$n" = 2 ] && primary='s|^;primary_host=|primary_host=|'
        ids "$n" < "$examples/korvex.conf.example" |
            sed -e "s|^port=64032$|port=$(free_port "$(cat "$line/port")")|" \
                -e "s|^url=mqtt://127.0.0.1:1883$|url=mqtt://127.0.0.1:$(cat "$line/port")|" \
                -e "s|/etc/korvex/mqtt-password|$line/korvexd.password|" \
                -e "$primary" > "$line/korvex.conf"
    done
    # The supervisor's window: the [plant] section, on the site's TLS listener.
    sed -n '/^;\[plant\]/,$p' "$examples/korvex.conf.example" |
        sed -e 's|^;\(\[plant\]\)|\1|' -e 's#^;\(url\|host_id\|user\|password_file\|ca_file\|primary\)=#\1=#' \
            -e "s|site-broker.example:8883|127.0.0.1:$(cat "$site/tls-port")|" \
            -e "s|/etc/korvex/site-password|$site/supervisor.password|" \
            -e "s|/etc/korvex/site-ca.crt|$site/certs/site.crt|" > "$site/korvex.conf"
    launch "$site"
    launch "$dir/line1"
    launch "$dir/line2"
    ;;
stop-line)
    halt "$dir/line$3"
    ;;
kill-line)
    halt "$dir/line$3" KILL
    ;;
start-line)
    halt "$dir/line$3" # never two brokers on one folder
    launch "$dir/line$3"
    ;;
stop)
    for part in line1 line2 site; do halt "$dir/$part"; done
    ;;
*)
    echo "usage: plantbrokers.sh start|stop DIR, or stop-line|kill-line|start-line DIR N" >&2
    exit 2
    ;;
esac
