#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in a Wine prefix of the
# game's own (~/.cache/sujinoshima/wine, SUJINOSHIMA_WINEPREFIX to put it
# elsewhere), with the Windows Qt and the MinGW-w64 runtime on the path.
# The prefix is made on the first run; in it the face the game asks for,
# "ＭＳ Ｐゴシック" (and "ＭＳ ゴシック"), is IPAPGothic (IPAGothic), the
# stand-ins for Windows' Japanese faces. Wine's own messages are off.
# Usage: tools/windows/wine.sh program.exe [argument...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
wine=/usr/lib/wine/wine64
[[ -x "$wine" ]] || { echo "Wine is missing: tools/install-deps.sh --windows" >&2; exit 1; }
qt="$("$here/qt.sh" --print-prefix)"
export WINEPREFIX="${SUJINOSHIMA_WINEPREFIX:-$HOME/.cache/sujinoshima/wine}"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts in the new prefix, and no sound card
# looked for (the tests play sounds into nothing).
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
export WINEPATH="Z:${qt//\//\\}\\bin;Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\12-posix;Z:\\usr\\x86_64-w64-mingw32\\lib"

# One run makes the prefix; the others wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [[ ! -f "$WINEPREFIX/.sujinoshima-ready" ]]; then
        "$wine" wineboot --init >/dev/null 2>&1
        reg="$(mktemp --suffix=.reg)"
        # regedit reads UTF-16 with a byte-order mark.
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
            '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' \
            '"MS PGothic"="IPAPGothic"' '"MS Gothic"="IPAGothic"' |
            iconv -f UTF-8 -t UTF-16 >"$reg"
        "$wine" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
        rm -f "$reg"
        "$(dirname "$wine")/wineserver" -w
        touch "$WINEPREFIX/.sujinoshima-ready"
    fi
) 9>"$WINEPREFIX.lock"
exec "$wine" "$@"
