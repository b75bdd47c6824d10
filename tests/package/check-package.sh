#!/usr/bin/env bash
# Unpacks the game's Debian package and checks it as a desktop would find it:
# the launcher, the program beside its pictures and sounds, the icons, a
# valid desktop entry and AppStream file, and a program that starts from the
# installed folder and makes the player's records folder, writing nothing
# beside itself.
set -euo pipefail
deb=$(ls "$1"/sujinoshima_*.deb 2>/dev/null | head -1)
[[ -n $deb ]] || { echo "no package in $1: run tools/package.sh"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
root=$work/root
failures=0
check() {   # check DESCRIPTION COMMAND...
    if "${@:2}" >"$work/out" 2>&1; then echo "ok: $1"; else
        echo "FAILED: $1"; cat "$work/out"; failures=$((failures + 1)); fi
}

check "launcher links to the program" test "$(readlink -f "$root/usr/bin/sujinoshima")" = "$root/usr/lib/sujinoshima/sujinoshima"
check "program, sound module, pictures and sounds" test -x "$root/usr/lib/sujinoshima/sujinoshima" \
    -a -e "$root/usr/lib/sujinoshima/sujinoshima_sound.so" -a -e "$root/usr/lib/sujinoshima/Graphics/f1.bmp" \
    -a -e "$root/usr/lib/sujinoshima/sound/atari.wav"
check "no records folder is installed" test ! -e "$root/usr/lib/sujinoshima/user"
check "the marker of an installed game is beside the program" test -f "$root/usr/lib/sujinoshima/installed-game"
for size in 16 24 32 48 64 128 256; do
    check "icon ${size}x${size}" test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/sujinoshima.png"
done
# Passes when the command succeeds and says nothing.
silently() { local said; said=$("$@" 2>&1) && [[ -z $said ]] || { echo "$said"; return 1; }; }
# (Education and Game are both main categories, which the validator notes
# with a hint; KidsGame needs Game and Math needs Education.)
check "desktop entry is valid, without a warning" \
    silently desktop-file-validate --no-hints "$root/usr/share/applications/sujinoshima.desktop"
check "AppStream metadata is valid" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
check "the class report's launcher links to the program beside the game" \
    test "$(readlink -f "$root/usr/bin/sujinoshima-report")" = "$root/usr/lib/sujinoshima/sujinoshima-report"
check "the class report's manual page is installed and formats without a warning" \
    silently sh -c "zcat '$root/usr/share/man/man1/sujinoshima-report.1.gz' | preconv | groff -man -Tutf8 -ww -z"
check "package depends on the face it draws with" sh -c "dpkg-deb -f '$deb' Depends | grep -q fonts-ipafont-gothic"

# The installed program started by a player: it shows its splash and waits,
# and it has made the player's records folder, not one beside itself.
before=$(find "$root" | sort | md5sum)
set +e
HOME=$work/home XDG_DATA_HOME= XDG_CACHE_HOME= QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/sujinoshima" >"$work/run.log" 2>&1
status=$?
set -e
check "installed program starts and keeps running (timeout ends it)" test "$status" -eq 124
check "the player's records folder is made" test -d "$work/home/.local/share/sujinoshima/user"
check "nothing is written beside the program" test "$(find "$root" | sort | md5sum)" = "$before"

# The installed class report reads the installed game's records by default:
# none before the game has started, and the player's empty folder after.
report() { HOME=$1 XDG_DATA_HOME= "$root/usr/bin/sujinoshima-report" "${@:2}"; }
status_of() { "$@" >/dev/null 2>&1; echo $?; }
check "the class report finds no records before the game has started" \
    test "$(status_of report "$work/nobody")" -eq 3
check "the class report reads the player's records folder" \
    test "$(report "$work/home" | head -1 | cut -d, -f1)" = $'\xEF\xBB\xBF名前'
check "the class report writes nothing beside the program" test "$(find "$root" | sort | md5sum)" = "$before"

exit $((failures > 0))
