#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu's launchers (packaging/korvex-control, korvex-message-editor), laid
# out as the package installs them: bin/ with the launcher and a stand-in
# program that records where it was started and with what, and
# share/korvex/samples/.  Each case runs with a home folder of its own.
#
#   tst_launchers.sh PACKAGING_DIR SAMPLES_DIR
set -uo pipefail
PACKAGING="$1"
SAMPLES="$2"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

PASSED=0
FAILED=0
fails() { ! "$@"; }
check() { # description, then a command that must succeed
    local what="$1"
    shift
    if "$@"; then
        PASSED=$((PASSED + 1))
    else
        FAILED=$((FAILED + 1))
        echo "FAIL: $what" >&2
    fi
}

# The installed layout, with stand-ins for the programs.
PREFIX="$TMP/usr"
mkdir -p "$PREFIX/bin" "$PREFIX/share/korvex/samples/Image"
cp "$PACKAGING/korvex-control" "$PACKAGING/korvex-message-editor" "$PREFIX/bin/"
cp "$SAMPLES"/*.spr "$PREFIX/share/korvex/samples/"
cp "$SAMPLES"/Image/* "$PREFIX/share/korvex/samples/Image/"
RAN="$TMP/ran"
for program in KorvexControl MessageEditor; do
    # shellcheck disable=SC2016 # $PWD and $* are the stand-in's own
    printf '#!/bin/sh\nprintf "%%s\\n" "$PWD" "$*" > "%s"\n' "$RAN" > "$PREFIX/bin/$program"
    chmod +x "$PREFIX/bin/$program"
done

# A symbolic link to the launcher, as from a folder on PATH that links to the
# real place: the launcher still finds its program.
ln -s "$PREFIX/bin/korvex-control" "$TMP/korvex-control"
run_launcher() { # HOME LAUNCHER [ARGS...]
    local home="$1" launcher="$2"
    shift 2
    rm -f "$RAN"
    HOME="$home" "$launcher" "$@" 2>"$TMP/stderr"
}

# --- control program ------------------------------------------------------------
home="$TMP/control"
mkdir -p "$home"
check "first start succeeds" run_launcher "$home" "$TMP/korvex-control" -platform offscreen
check "the program runs in ~/Korvex" [ "$(sed -n 1p "$RAN")" = "$home/Korvex" ]
check "its arguments pass through" [ "$(sed -n 2p "$RAN")" = "-platform offscreen" ]
for f in label1.spr best-before.spr every-symbology.spr; do
    check "the first start brings Spray/$f" cmp -s "$SAMPLES/$f" "$home/Korvex/Spray/$f"
done
check "the first start brings the samples' picture" \
    cmp -s "$SAMPLES/Image/korvex-logo.png" "$home/Korvex/Image/korvex-logo.png"
for d in devices fonts; do
    check "the first start makes $d/" [ -d "$home/Korvex/$d" ]
done

# The operator's changes survive the next start: no sample comes back, none
# overwrites an edited message.
echo edited > "$home/Korvex/Spray/label1.spr"
rm "$home/Korvex/Spray/best-before.spr"
check "second start succeeds" run_launcher "$home" "$TMP/korvex-control"
check "an edited message stays as edited" [ "$(cat "$home/Korvex/Spray/label1.spr")" = edited ]
check "a deleted sample stays deleted" [ ! -e "$home/Korvex/Spray/best-before.spr" ]

# A working folder that cannot be made: a clear error, and the program does not
# start somewhere else.
touch "$TMP/not-a-folder"
check "an unusable home fails" fails run_launcher "$TMP/not-a-folder" "$PREFIX/bin/korvex-control"
check "and says why" grep -q "korvex-control: cannot make the working folder" "$TMP/stderr"
check "and the program does not start" [ ! -e "$RAN" ]

# --- standalone editor: the language from the environment --------------------------
# LANG | LANGUAGE | LC_ALL | LC_MESSAGES | catalogue
while IFS='|' read -r lang language lc_all lc_messages expected; do
    home="$TMP/editor-$((PASSED + FAILED))"
    mkdir -p "$home"
    # through env, so that this shell does not try the locales itself
    env LANG="$lang" LANGUAGE="$language" LC_ALL="$lc_all" LC_MESSAGES="$lc_messages" \
        HOME="$home" "$PREFIX/bin/korvex-message-editor"
    got="$(head -n1 "$home/Korvex/MessageEditor/language.ini" 2>/dev/null)"
    check "LANG=$lang LANGUAGE=$language LC_ALL=$lc_all LC_MESSAGES=$lc_messages gives $expected (got $got)" \
        [ "$got" = "language=:/translate/$expected.qm" ]
done <<'EOF'
ru_RU.UTF-8||||ru
es_ES.UTF-8||||esp
pt_BR.UTF-8||||pt
en_GB.UTF-8||||en
ko_KR.UTF-8||||kr
it_IT.UTF-8||||ita
tr_TR.UTF-8||||turkish
zh_CN.UTF-8||||cn
zh_TW||||cn
ru.UTF-8||||ru
es@euro||||esp
ar_EG.UTF-8||||arabic
de_DE.UTF-8||||en
arn_CL.UTF-8||||en
sr_RS@latin||||en
C||||en
||||en
de_DE.UTF-8|de:it:ru|||ita
C.UTF-8|it|||en
en_US.UTF-8||ru_RU.UTF-8||ru
en_US.UTF-8|||pt_PT.UTF-8|pt
en_US.UTF-8||tr_TR.UTF-8|ko_KR.UTF-8|turkish
EOF

home="$TMP/editor-folder"
mkdir -p "$home/Korvex/MessageEditor"
echo "language=:/translate/arabic.qm" > "$home/Korvex/MessageEditor/language.ini"
check "the editor starts" run_launcher "$home" "$PREFIX/bin/korvex-message-editor" --x
check "the editor runs in ~/Korvex/MessageEditor" \
    [ "$(sed -n 1p "$RAN")" = "$home/Korvex/MessageEditor" ]
check "with its arguments" [ "$(sed -n 2p "$RAN")" = "--x" ]
check "a language.ini there is kept" \
    [ "$(cat "$home/Korvex/MessageEditor/language.ini")" = "language=:/translate/arabic.qm" ]
check "Spray/ is made for new messages" [ -d "$home/Korvex/MessageEditor/Spray" ]

# Asked only for its usage or version, the editor starts with no folder made.
for option in --help -h --version; do
    home="$TMP/editor-ask$option"
    mkdir -p "$home"
    check "$option reaches the editor" run_launcher "$home" "$PREFIX/bin/korvex-message-editor" "$option"
    check "$option passes through" [ "$(sed -n 2p "$RAN")" = "$option" ]
    check "$option makes no working folder" [ ! -e "$home/Korvex" ]
done

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
