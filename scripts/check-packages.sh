#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages (scripts/package.sh) and checks them as a plant
# PC gets them: lintian finds no error (its warnings are printed), each
# package unpacked into a scratch root holds its programs, menu entry, icons,
# metainfo and manual pages, the menu entries and metainfo validate, both
# programs started from the menu's launchers with a scratch home stay up,
# and the unpacked render-message draws a sample message.  The service:
# korvexd started as its unit starts it, with the shipped settings, in a
# sandbox like the unit's, listens and stays up; the unit's sandbox rates
# "OK" (at most 3.0) in systemd-analyze security; enabling it and purging
# the package leaves no link; every font compiled into a program is named
# in the copyright file; the binaries carry Debian's hardening.  test.sh
# runs it after the fuzz stage; KORVEX_PACKAGE=0 skips it there.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
started=$SECONDS

"$ROOT/scripts/package.sh"
PACKAGES_DIR="$BUILD_DIR/packages"

SCRATCH="$(mktemp -d)"
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    if [ -f "$SCRATCH/broker/mosquitto.pid" ]; then
        "$ROOT/scripts/broker.sh" stop "$SCRATCH/broker" >/dev/null 2>&1 || true
    fi
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

FAILURES=0
fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

# --- versions ------------------------------------------------------------------
# The package takes the project's version; the changelog and the metainfo
# must name the same one, or the package says one thing and the menu another.
control_deb="$(ls "$PACKAGES_DIR"/korvex-control_*.deb)"
editor_deb="$(ls "$PACKAGES_DIR"/korvex-message-editor_*.deb)"
version="$(dpkg-deb -f "$control_deb" Version)"
changelog_version="$(dpkg-parsechangelog -l "$ROOT/packaging/changelog" -S Version)"
[ "$changelog_version" = "$version" ] ||
    fail "packaging/changelog is at $changelog_version, the project at $version"
for metainfo in "$ROOT"/packaging/*.metainfo.xml; do
    release="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
    [ "$release" = "$version" ] ||
        fail "$(basename "$metainfo") names release $release, the project is at $version"
done

# --- lintian -------------------------------------------------------------------
# Errors fail; warnings are shown for whoever looks.  The hardening tags are
# only informational in lintian, but the binaries must carry it
# (cmake/KorvexHardening.cmake).
lintian_status=0
lintian --fail-on error --display-level '>=info' "$control_deb" "$editor_deb" \
    >"$SCRATCH/lintian.log" 2>&1 || lintian_status=$?
echo "lintian (errors and warnings):"
grep '^[EW]: ' "$SCRATCH/lintian.log" | sed 's/^/  /' || echo "  none"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"
if grep -q ' hardening-' "$SCRATCH/lintian.log"; then
    fail "binaries without Debian's hardening flags: $(grep -o 'hardening-[a-z-]* \[[^]]*\]' "$SCRATCH/lintian.log" | sort -u | tr '\n' ' ')"
fi
for deb in "$control_deb" "$editor_deb"; do
    [ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "$(basename "$deb") has no Homepage"
done

# --- contents --------------------------------------------------------------------
# check_contents ROOT PACKAGE ID ICON PROGRAM... -- MANPAGE...
check_contents() {
    local root="$1" package="$2" id="$3" icon="$4"
    shift 4
    local expected=(
        "usr/share/applications/$id.desktop"
        "usr/share/metainfo/$id.metainfo.xml"
        "usr/share/icons/hicolor/scalable/apps/$icon.svg"
        "usr/share/doc/$package/copyright"
        "usr/share/doc/$package/changelog.gz"
    )
    local size
    for size in 16 32 48 64 128 256; do
        expected+=("usr/share/icons/hicolor/${size}x$size/apps/$icon.png")
    done
    while [ "$1" != "--" ]; do
        expected+=("usr/bin/$1")
        shift
    done
    shift
    local page
    for page in "$@"; do
        expected+=("usr/share/man/man1/$page.1.gz")
    done
    local f
    for f in "${expected[@]}"; do
        [ -e "$root/$f" ] || fail "$package lacks /$f"
    done
    for f in "$root"/usr/bin/*; do
        [ -x "$f" ] || fail "$package: /usr/bin/$(basename "$f") is not executable"
    done
    desktop-file-validate "$root/usr/share/applications/$id.desktop" ||
        fail "$package: desktop-file-validate"
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$SCRATCH/as.log" 2>&1 ||
        { cat "$SCRATCH/as.log" >&2; fail "$package: appstreamcli validate"; }
}

ROOTFS="$SCRATCH/root"
mkdir -p "$ROOTFS"
dpkg-deb -x "$control_deb" "$ROOTFS"
dpkg-deb -x "$editor_deb" "$ROOTFS"
check_contents "$ROOTFS" korvex-control org.korvex.KorvexControl korvex-control \
    KorvexControl korvex-control coder-sim reader-sim render-message korvexd korvex-journal \
    korvex-catalogue -- \
    KorvexControl korvex-control coder-sim reader-sim render-message korvexd korvex-journal \
    korvex-catalogue
[ -f "$ROOTFS/lib/systemd/system/korvexd.service" ] || fail "korvex-control holds no korvexd.service"
# The operator's manual, where F1 opens it, with each package.
for package in korvex-control korvex-message-editor; do
    [ -f "$ROOTFS/usr/share/doc/$package/manual/en/index.html" ] ||
        fail "$package holds no operator's manual"
done
check_contents "$ROOTFS" korvex-message-editor org.korvex.MessageEditor korvex-message-editor \
    MessageEditor korvex-message-editor -- MessageEditor korvex-message-editor
for f in "$ROOTFS"/usr/share/korvex/samples/*.spr; do
    [ -f "$f" ] || fail "korvex-control holds no sample messages"
done

# The metainfo names every program of its package.
for pair in "$control_deb:org.korvex.KorvexControl" "$editor_deb:org.korvex.MessageEditor"; do
    for program in $(dpkg-deb -c "${pair%%:*}" | awk '{print $6}' | sed -n 's|^\./usr/bin/||p'); do
        grep -q "<binary>$program</binary>" "$ROOTFS/usr/share/metainfo/${pair#*:}.metainfo.xml" ||
            fail "${pair#*:}.metainfo.xml does not provide $program"
    done
done

# --- fonts -----------------------------------------------------------------------
# A font compiled into a program (a Qt resource, whose name rcc keeps as
# UTF-16BE text) comes with its own licence: the package's copyright file
# must name it in a Files: stanza.
fonts_found=0
for deb in "$control_deb" "$editor_deb"; do
    package="$(dpkg-deb -f "$deb" Package)"
    copyright="$ROOTFS/usr/share/doc/$package/copyright"
    named="$(sed -n 's/^Files://p' "$copyright")"
    for program in $(dpkg-deb -c "$deb" | awk '{print $6}' | sed -n 's|^\./usr/bin/||p'); do
        file -b "$ROOTFS/usr/bin/$program" | grep -q '^ELF' || continue
        for font in $(strings -e b -n 5 "$ROOTFS/usr/bin/$program" |
                      grep -E -i '^[A-Za-z0-9._-]+\.(ttf|otf|ttc|pfa|pfb|woff2?)$' | sort -u); do
            fonts_found=$((fonts_found + 1))
            echo "font $font in $program"
            grep -q -w -F "$font" <<<"$named" ||
                fail "$program holds the font $font, which $package's copyright does not name"
        done
    done
done
# MessageEditor holds one: finding none means the search went blind.
[ "$fonts_found" -gt 0 ] || fail "no font found in the programs: the font check cannot see"

# --- the programs, started as the menu does -----------------------------------------
# A scratch home, so that nothing of the user's is read or changed; the
# unpacked programs find the system's Qt and need no library path.
export HOME="$SCRATCH/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$SCRATCH/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

LANG=it_IT.UTF-8 LANGUAGE='' LC_ALL='' LC_MESSAGES='' \
    "$ROOTFS/usr/bin/korvex-message-editor" -platform offscreen >"$SCRATCH/editor.log" 2>&1 &
PIDS+=($!)
editor_pid=$!
"$ROOTFS/usr/bin/korvex-control" -platform offscreen >"$SCRATCH/control.log" 2>&1 &
PIDS+=($!)
control_pid=$!
sleep 3
for program in control:$control_pid editor:$editor_pid; do
    if ! kill -0 "${program#*:}" 2>/dev/null; then
        fail "the ${program%%:*} program ended within 3 seconds:"
        sed 's/^/  /' "$SCRATCH/${program%%:*}.log" >&2
    fi
done
kill "$control_pid" "$editor_pid" 2>/dev/null || true
wait "$control_pid" "$editor_pid" 2>/dev/null || true
PIDS=()

WORK="$HOME/Korvex"
for f in Spray/label1.spr Spray/every-symbology.spr Image/korvex-logo.png; do
    [ -f "$WORK/$f" ] || fail "the launcher did not put $f into ~/Korvex"
done
for d in devices fonts; do
    [ -d "$WORK/$d" ] || fail "the launcher did not make ~/Korvex/$d"
done
[ "$(head -n1 "$WORK/MessageEditor/language.ini" 2>/dev/null)" = "language=:/translate/ita.qm" ] ||
    fail "the editor's launcher did not choose Italian for LANG=it_IT.UTF-8"

# render-message from the working folder, where the sample finds its picture.
if ! (cd "$WORK" && "$ROOTFS/usr/bin/render-message" Spray/every-symbology.spr "$SCRATCH/sample.png"); then
    fail "the unpacked render-message could not draw a sample"
elif ! file -b "$SCRATCH/sample.png" | grep -q '^PNG image data'; then
    fail "render-message wrote no PNG"
fi

# --- the service -----------------------------------------------------------------
# korvexd as its unit starts it, with the settings the package ships, in a
# state folder of its own.  Only the port is moved to a free one, so that
# nothing listening on the coders' port is in the way.
UNIT="$ROOTFS/lib/systemd/system/korvexd.service"
CONF="$ROOTFS/etc/korvex/korvex.conf"
dpkg-deb -I "$control_deb" conffiles 2>/dev/null | grep -qx /etc/korvex/korvex.conf ||
    fail "korvex-control does not list /etc/korvex/korvex.conf as a conffile"
grep -q '^\[mqtt\]' "$CONF" && fail "the shipped korvex.conf turns the broker on"
[ "$(sed -n 's/^port=//p' "$CONF")" = 64032 ] || fail "the shipped korvex.conf does not take the coders' port"
# Every key the settings reader knows has an example in the shipped file.
for key in $(grep -o 'ini\.\(value\|contains\)(QStringLiteral("[^"]*")' "$ROOT/plant/plantsettings.cpp" |
             sed 's/.*("\(.*\)")/\1/; s|.*/||' | sort -u); do
    grep -q "^;\?$key=" "$CONF" || fail "the shipped korvex.conf has no example of $key"
done
exec_start="$(sed -n 's/^ExecStart=//p' "$UNIT")"
[ "$exec_start" = "/usr/bin/korvexd --config /etc/korvex/korvex.conf" ] ||
    fail "the unit starts \"$exec_start\", which this check does not know"

SERVICE_UID=61899 # in systemd's range for DynamicUser
STATE="$SCRATCH/state"
mkdir -p "$STATE"
chmod 755 "$SCRATCH"
chown "$SERVICE_UID:$SERVICE_UID" "$STATE"
port="$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
sed "s/^port=.*/port=$port/" "$CONF" >"$SCRATCH/korvex.conf"
chmod 644 "$SCRATCH/korvex.conf"
[ "$(diff "$CONF" "$SCRATCH/korvex.conf" | grep -c '^[<>]')" = 2 ] ||
    fail "the settings under test differ from the shipped ones in more than the port"

# What of the unit's sandbox can be had without systemd: a user of its own
# without capabilities or a way to gain them (DynamicUser,
# CapabilityBoundingSet=, NoNewPrivileges), UMask, the unit's own system
# call filter, address families and MemoryDenyWriteExecute put in place by
# scripts/unit-sandbox.py (seccomp, prctl), and where mount namespaces are
# allowed a read-only system with only the state folder writable and no
# home folders (ProtectSystem=strict, ProtectHome).
sandbox=(setpriv "--reuid=$SERVICE_UID" "--regid=$SERVICE_UID" --clear-groups
         --inh-caps=-all --bounding-set=-all --no-new-privs)
"${sandbox[@]}" true || fail "setpriv cannot drop to a user of the service's own"
sandbox_text="own user, no capabilities, no new privileges, UMask 0027"
# A copy the service's user can read wherever the checkout is.
install -m 644 "$ROOT/scripts/unit-sandbox.py" "$SCRATCH/unit-sandbox.py"
kernel_status=0
"${sandbox[@]}" /usr/bin/python3 "$SCRATCH/unit-sandbox.py" "$UNIT" true 2>"$SCRATCH/unit-sandbox.log" ||
    kernel_status=$?
if [ "$kernel_status" = 0 ]; then
    sandbox+=(/usr/bin/python3 "$SCRATCH/unit-sandbox.py" "$UNIT")
    sandbox_text+=", the unit's system call filter, address families and MemoryDenyWriteExecute"
elif [ "$kernel_status" = 3 ]; then
    sandbox_text+=" (not the system call filter: $(cat "$SCRATCH/unit-sandbox.log"))"
else
    fail "the unit's system call filter cannot be put in place: $(cat "$SCRATCH/unit-sandbox.log")"
fi
read_only=()
if unshare -m --propagation private true 2>/dev/null; then
    read_only=(unshare -m --propagation private sh -c '
        state="$1"
        shift
        mount --bind "$state" "$state" || exit 1
        for m in $(findmnt -rn -o TARGET); do
            [ "$m" = "$state" ] && continue
            case "$m" in
                / | /usr* | /etc* | /var* | /tmp* | /opt* | /srv* | /boot*)
                    mount -o remount,bind,ro "$m" 2>/dev/null || true ;;
            esac
        done
        if [ -w / ]; then
            echo "the system stayed writable" >&2
            exit 1
        fi
        for h in /home /root; do
            case "$state" in "$h"/*) continue ;; esac
            if [ -d "$h" ]; then
                mount -t tmpfs -o ro,mode=0755 tmpfs "$h" || exit 1
            fi
        done
        # The folder the service works in, on the writable mount.
        cd "$state" || exit 1
        exec "$@"' sh "$STATE")
    sandbox_text+=", read-only system, no home"
else
    sandbox_text+=" (no mount namespace here: the system stays writable)"
fi
echo "service sandbox: $sandbox_text"

# run_service SETTINGS LOG: korvexd in the sandbox; its PID in korvexd_pid,
# and 0 once it listens for coders.
run_service() {
    (cd "$STATE" && umask 0027 &&
        exec "${read_only[@]}" "${sandbox[@]}" "$ROOTFS/usr/bin/korvexd" --config "$1") >"$2" 2>&1 &
    korvexd_pid=$!
    PIDS+=("$korvexd_pid")
    local _
    for _ in $(seq 50); do
        grep -qs "Listening for coders on port $port" "$2" && return 0
        kill -0 "$korvexd_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# stop_service LOG WHAT: SIGTERM, and a clean exit, to a service that is
# still up.
stop_service() {
    if ! kill -0 "$korvexd_pid" 2>/dev/null; then
        fail "korvexd $2 did not stay up:"
        sed 's/^/  /' "$1" >&2
        return
    fi
    kill -TERM "$korvexd_pid"
    local status=0
    wait "$korvexd_pid" || status=$?
    [ "$status" = 0 ] || fail "korvexd $2, stopped by SIGTERM, exited with $status"
}

# The packaged coder simulator, as a coder of the line, for two seconds.
run_coder() {
    "$ROOTFS/usr/bin/coder-sim" --host 127.0.0.1 --port "$port" --count 1 --duration 2 \
        --folder "$SCRATCH/sim" >"$SCRATCH/coder-sim.log" 2>&1 ||
        fail "the packaged coder-sim ended with an error: $(cat "$SCRATCH/coder-sim.log")"
}

if ! run_service "$SCRATCH/korvex.conf" "$SCRATCH/korvexd.log"; then
    fail "korvexd with the shipped settings did not start:"
    sed 's/^/  /' "$SCRATCH/korvexd.log" >&2
else
    run_coder
    grep -q "Coder 127.0.0.1 connected" "$SCRATCH/korvexd.log" ||
        fail "a coder could not connect to korvexd run with the shipped settings"
    sleep 1
    stop_service "$SCRATCH/korvexd.log" "with the shipped settings"
    for d in Spray devices journal; do
        [ -d "$STATE/$d" ] || fail "korvexd made no $d/ in its state folder"
    done
fi

# The same sandbox with the broker's section filled in, against a broker of
# our own on 127.0.0.1: the node is born, and so is the coder that connects.
BROKER="$SCRATCH/broker"
if ! "$ROOT/scripts/broker.sh" start "$BROKER" >"$SCRATCH/broker.log" 2>&1; then
    fail "the test broker did not start: $(cat "$SCRATCH/broker.log")"
else
    echo korvexd-pw >"$SCRATCH/mqtt-password"
    chmod 644 "$SCRATCH/mqtt-password"
    # Only the [mqtt] example, up to the blank line that ends it: the
    # examples of other sections have keys of the same names.
    sed -e '/^;\[mqtt\]/,/^$/{' -e 's/^;\[mqtt\]/[mqtt]/' \
        -e "s|^;url=.*|url=mqtt://127.0.0.1:$(cat "$BROKER/port")|" \
        -e 's/^;\(group\|node\|user\)=/\1=/' \
        -e "s|^;password_file=.*|password_file=$SCRATCH/mqtt-password|" -e '}' \
        "$SCRATCH/korvex.conf" >"$SCRATCH/korvex-mqtt.conf"
    chmod 644 "$SCRATCH/korvex-mqtt.conf"
    mosquitto_sub -h 127.0.0.1 -p "$(cat "$BROKER/port")" -u viewer -P viewer-pw -W 15 -C 2 \
        -t spBv1.0/Plant/NBIRTH/Line1 -t 'spBv1.0/Plant/DBIRTH/Line1/#' -F %t \
        >"$SCRATCH/births.log" 2>&1 &
    sub_pid=$!
    PIDS+=("$sub_pid")
    sleep 0.5
    if ! run_service "$SCRATCH/korvex-mqtt.conf" "$SCRATCH/korvexd-mqtt.log"; then
        fail "korvexd with a broker did not start:"
        sed 's/^/  /' "$SCRATCH/korvexd-mqtt.log" >&2
    else
        run_coder
        wait "$sub_pid" || true
        for topic in spBv1.0/Plant/NBIRTH/Line1 spBv1.0/Plant/DBIRTH/Line1/127.0.0.1; do
            grep -qx "$topic" "$SCRATCH/births.log" ||
                fail "korvexd in the sandbox published no $topic (got: $(tr '\n' ' ' <"$SCRATCH/births.log"))"
        done
        stop_service "$SCRATCH/korvexd-mqtt.log" "with a broker"
    fi
    "$ROOT/scripts/broker.sh" stop "$BROKER" >/dev/null 2>&1 || true
fi
loose="$(find "$STATE" -mindepth 1 -perm /o+rwx -print -quit)"
[ -z "$loose" ] || fail "korvexd under UMask=0027 left ${loose#"$STATE"/} open to other users"
PIDS=()

# The unit's directives are all known to this systemd, and its sandbox
# rates "OK": at most 3.0 of 10.
# The program is not installed here, which is all verify may find.
systemd-analyze --man=no verify "$UNIT" >"$SCRATCH/verify.log" 2>&1 || true
if grep -v -e 'Command /usr/bin/korvexd is not executable' "$SCRATCH/verify.log" | grep -q .; then
    fail "systemd-analyze verify:"
    sed 's/^/  /' "$SCRATCH/verify.log" >&2
fi
systemd-analyze security --offline=true "$UNIT" >"$SCRATCH/security.log" 2>&1 || true
rating="$(sed -n 's/.*Overall exposure level for korvexd.service: \([0-9.]*\) \([A-Z]*\).*/\1 \2/p' "$SCRATCH/security.log")"
echo "systemd-analyze security korvexd.service: ${rating:-no rating}"
if [ -z "$rating" ] || ! awk -v r="${rating% *}" 'BEGIN { exit !(r <= 3.0) }'; then
    fail "korvexd.service is rated \"${rating:-nothing}\", more than 3.0:"
    grep '✗' "$SCRATCH/security.log" | sed 's/^/  /' >&2
fi

# --- enable, upgrade, remove, purge ---------------------------------------------------
# dpkg on a scratch root, the maintainer scripts run outside a chroot
# (DPKG_ROOT tells deb-systemd-helper where the root is), systemctl
# enabling offline as an administrator would: the install enables nothing,
# an upgrade keeps a changed korvex.conf, and the purge leaves no link.
TARGET="$SCRATCH/target"
mkdir -p "$TARGET/var/lib/dpkg/info" "$TARGET/var/lib/dpkg/updates" "$TARGET/etc/systemd/system"
touch "$TARGET/var/lib/dpkg/status" "$TARGET/var/lib/dpkg/available"
wants="$TARGET/etc/systemd/system/multi-user.target.wants/korvexd.service"
target_dpkg() {
    dpkg --root="$TARGET" --force-script-chrootless --force-depends --force-bad-path \
        --force-confold --no-triggers "$@" >>"$SCRATCH/dpkg.log" 2>&1
}
if ! target_dpkg -i "$control_deb"; then
    fail "dpkg could not install korvex-control into a scratch root:"
    sed 's/^/  /' "$SCRATCH/dpkg.log" >&2
else
    [ -e "$wants" ] && fail "installing korvex-control enabled korvexd"
    systemctl --root="$TARGET" enable korvexd.service >>"$SCRATCH/dpkg.log" 2>&1 ||
        fail "systemctl --root could not enable korvexd"
    [ -L "$wants" ] || fail "systemctl enable made no link $wants"
    echo "port=64033" >>"$TARGET/etc/korvex/korvex.conf"
    target_dpkg -i "$control_deb" || fail "dpkg could not reinstall korvex-control"
    grep -qx "port=64033" "$TARGET/etc/korvex/korvex.conf" ||
        fail "an upgrade lost the administrator's change to korvex.conf"
    [ -L "$wants" ] || fail "an upgrade took the enablement away"
    target_dpkg --remove korvex-control || fail "dpkg could not remove korvex-control"
    [ -e "$TARGET/usr/bin/korvexd" ] && fail "dpkg --remove left korvexd"
    target_dpkg --purge korvex-control || fail "dpkg could not purge korvex-control"
    if [ -e "$wants" ] || [ -L "$wants" ]; then
        fail "purging korvex-control left $wants"
    fi
    left="$(find "$TARGET/etc" -name 'korvexd*' -print -quit)"
    [ -z "$left" ] && [ ! -e "$TARGET/etc/korvex/korvex.conf" ] ||
        fail "purging korvex-control left ${left:-/etc/korvex/korvex.conf}"
fi

echo "packages:"
for deb in "$control_deb" "$editor_deb"; do
    echo "  $(basename "$deb")  $(stat -c %s "$deb") bytes"
done
echo "package checks took $((SECONDS - started)) s"
if [ "$FAILURES" -ne 0 ]; then
    echo "$FAILURES package checks failed" >&2
    exit 1
fi
echo "the packages pass their checks"
