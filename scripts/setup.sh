#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs the Debian packages the build, the
# programs and the tests need (only those that are missing), then configures
# and builds into build/.  Safe to run again.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    g++ cmake ninja-build pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools
    libzint-dev libqrencode-dev
    xvfb xauth imagemagick zbar-tools libzbar-dev libzbar0 clang-format
    fonts-font-awesome fonts-wqy-zenhei fonts-dejavu-core fonts-liberation
    clang libclang-rt-14-dev
    libprotobuf-dev protobuf-compiler
    libmosquitto-dev libssl-dev mosquitto mosquitto-clients openssl python3-paho-mqtt
    python3-protobuf
    dpkg-dev file lintian desktop-file-utils appstream help2man systemd init-system-helpers
    python3-seccomp
    libqt5sql5-sqlite libqt5sql5-psql postgresql
    python3-markdown
    poppler-utils
)

korvex_install_packages() {
    local missing=()
    local p
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    # Installing mosquitto starts a system broker where systemd runs; the
    # tests start brokers of their own, so none may be left running.
    local policy=/usr/sbin/policy-rc.d
    local own_policy=0
    if [ ! -e "$policy" ]; then
        printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
        $sudo chmod +x "$policy"
        own_policy=1
    fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    [ "$own_policy" = 1 ] && $sudo rm -f "$policy"
    if [ -d /run/systemd/system ] && systemctl is-enabled --quiet mosquitto 2>/dev/null; then
        $sudo systemctl disable --now mosquitto >/dev/null 2>&1 || true
    fi
    # Likewise the cluster Debian makes when it installs PostgreSQL: the tests
    # run a server of their own (scripts/postgres.sh).  Only one installed just
    # now: a server the PC already ran may be a plant's catalogue.
    if [[ " ${missing[*]} " == *" postgresql "* ]]; then
        if [ -d /run/systemd/system ]; then
            $sudo systemctl disable --now postgresql >/dev/null 2>&1 || true
        fi
        pg_lsclusters -h 2>/dev/null | awk '$4 == "online" {print $1, $2}' |
            while read -r version cluster; do
                $sudo pg_ctlcluster "$version" "$cluster" stop || true
            done || true
    fi
}

# korvex_build [build folder] [extra cmake arguments...]
korvex_build() {
    local dir="${1:-$BUILD_DIR}"
    shift || true
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$dir" -j "$(nproc)"
}

# Fails, listing the files, when a tracked C++ source drifts from
# .clang-format; `clang-format -i FILE` mends one.
korvex_check_format() {
    local files
    if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        files=$(git -C "$ROOT" ls-files '*.cpp' '*.h')
    else
        files=$(cd "$ROOT" && find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
    fi
    local drifted=()
    local f
    for f in $files; do
        if ! clang-format --dry-run --Werror "$ROOT/$f" >/dev/null 2>&1; then
            drifted+=("$f")
        fi
    done
    if [ ${#drifted[@]} -ne 0 ]; then
        echo "These sources drift from .clang-format (run clang-format -i on them):" >&2
        printf '  %s\n' "${drifted[@]}" >&2
        return 1
    fi
}
