#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private PostgreSQL server for the catalogue tests and benchmarks, on
# 127.0.0.1 only, never the system's cluster:
#   postgres.sh start DIR   makes a new cluster in a scratch folder, starts it
#                           on a free port and writes into DIR: port, user,
#                           database, password (the password file) and
#                           datadir (where the cluster lives)
#   postgres.sh pause DIR   stops the server and keeps its data (a server
#                           going away under a running program)
#   postgres.sh resume DIR  starts it again on the same port
#   postgres.sh stop DIR    stops it and removes the scratch folder
# The account "korvex_test" (password in DIR/password, checked with
# SCRAM-SHA-256) owns the database "korvex_test".  The server refuses to run
# as root: started by root, it runs as "nobody", who owns the scratch folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/ports.sh"
action=$1
dir=$(realpath -m "$2")
bin=/usr/lib/postgresql/15/bin

# Runs a command as the server's account.
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
    else
        "$@"
    fi
}

launch() {
    local data
    data=$(cat "$dir/datadir")
    as_owner "$bin/pg_ctl" -D "$data" -l "$data/server.log" -w -t 60 \
        -o "-p $(cat "$dir/port")" start >/dev/null
}

pause() {
    [ -f "$dir/datadir" ] || return 0
    local data
    data=$(cat "$dir/datadir")
    if [ -f "$data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$data" -m fast -w -t 60 stop >/dev/null || true
    fi
}

stop() {
    pause
    if [ -f "$dir/datadir" ]; then
        local top
        top=$(dirname "$(cat "$dir/datadir")")
        # Only a scratch folder this script made.
        case "$top" in
        /tmp/korvex-postgres.*) rm -rf "$top" ;;
        esac
        rm -f "$dir/datadir"
    fi
}

case "$action" in
start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    top=$(mktemp -d /tmp/korvex-postgres.XXXXXX)
    chmod 755 "$top"
    data="$top/data"
    echo "$data" > "$dir/datadir"
    port=$(KORVEX_PORT_RANGE="33000 43000" free_port)
    echo "$port" > "$dir/port"
    echo korvex_test > "$dir/user"
    echo korvex_test > "$dir/database"
    password=$(/usr/bin/python3 -c 'import secrets; print(secrets.token_hex(16))')
    admin_password=$(/usr/bin/python3 -c 'import secrets; print(secrets.token_hex(16))')
    printf '%s\n' "$password" > "$dir/password"
    chmod 600 "$dir/password"
    printf '%s\n' "$admin_password" > "$top/admin-password"
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody:nogroup "$top"
    fi
    as_owner "$bin/initdb" -D "$data" -U korvex_admin --pwfile="$top/admin-password" \
        --auth=scram-sha-256 --encoding=UTF8 --locale=C.UTF-8 >"$top/initdb.log" 2>&1 || {
        cat "$top/initdb.log" >&2
        exit 1
    }
    cat >> "$data/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$top'
fsync = off
synchronous_commit = off
full_page_writes = off
CONF
    # Password logins over TCP on 127.0.0.1 only.
    printf 'local all all scram-sha-256\nhost all all 127.0.0.1/32 scram-sha-256\n' \
        > "$data/pg_hba.conf"
    launch
    PGPASSWORD=$admin_password /usr/bin/psql -q -h 127.0.0.1 -p "$port" -U korvex_admin \
        -d postgres -v ON_ERROR_STOP=1 >/dev/null <<SQL
CREATE ROLE korvex_test LOGIN PASSWORD '$password';
CREATE DATABASE korvex_test OWNER korvex_test;
SQL
    ;;
pause)
    pause
    ;;
resume)
    launch
    ;;
stop)
    stop
    ;;
*)
    echo "usage: postgres.sh start|pause|resume|stop DIR" >&2
    exit 2
    ;;
esac
