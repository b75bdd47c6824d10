#!/usr/bin/env bash
# Plays one addition round in the Windows game under Wine and in the Linux
# game at the same time, each on an X display of its own (Xvfb, 640 × 480):
# waits out the splash, registers a child, logs in, plays the first level of
# addition with one wrong answer, and waits for the round's result; then the
# two games' user folders must hold the same files, byte for byte, but for
# the memory of facts, whose questions and times differ from game to game.
# Pictures of the splash, the main menu, the running drill and the result
# of each game are kept in the folder given (splash-windows.png,
# main-menu-linux.png, ...).
# A round of addition takes its two minutes: the run takes about three.
# Usage: tools/windows/play-round.sh [FOLDER-FOR-THE-PICTURES]
# Needs tools/windows/build.sh and tools/build.sh to have built both games.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
pictures="$(realpath -m "${1:-$root/build-windows/play-round}")"
mkdir -p "$pictures"
zip="$root/build-windows/sujinoshima-windows.zip"
[[ -f $zip && -x $root/game/sujinoshima ]] ||
    { echo "build both games first: tools/build.sh and tools/windows/build.sh" >&2; exit 1; }

work=$(mktemp -d /tmp/sujinoshima-play-round.XXXXXX)
pids=()
cleanup() {
    local pid
    cat "$work"/*.pids 2>/dev/null | tr ' ' '\n' >"$work/all.pids" || true
    while read -r pid; do pids+=("$pid"); done <"$work/all.pids"
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

now() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t / 1000)); }
# The colour at x,y of the display, as six hex digits.
colour() {   # colour DISPLAY X Y
    DISPLAY=$1 import -window root -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tx1 | tr -d ' \n'
}
# Whether the w × h area at x,y of the display holds the colour.
holds() {   # holds DISPLAY X Y W H COLOUR
    DISPLAY=$1 import -window root -depth 8 png:- |
        convert png:- -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | grep -i "#$6" >/dev/null
}
wait_until() {   # wait_until WHAT SECONDS COMMAND...
    local deadline=$(($(now) + $2 * 1000))
    until "${@:3}"; do
        (($(now) < deadline)) || { echo "FAILED: $1 did not come" >&2; return 1; }
        sleep 0.2
    done
}
is_main_menu() { [[ $(colour "$1" 190 45) == 00ffff && $(colour "$1" 300 370) == fbfde3 && $(colour "$1" 100 200) == fbfde3 ]]; }
is_splash_or_menu() { [[ $(colour "$1" 320 240) != 000000 ]] || is_main_menu "$1"; }
is_registration() { [[ $(colour "$1" 180 150) == ffecfe ]]; }
is_login() { [[ $(colour "$1" 200 157) == ffecfe ]]; }
is_drill() { holds "$1" 240 16 40 30 0000ff && holds "$1" 240 80 40 30 ff0000; }
is_result() { holds "$1" 8 384 100 45 0000ff && ! holds "$1" 240 16 40 30 0000ff; }
click() { DISPLAY=$1 xdotool mousemove --sync "$2" "$3" click 1; }
type_text() { DISPLAY=$1 xdotool type --delay 50 "$2"; }

# Within play: waits for a screen of this game; on a failure keeps the
# screen as it was in failed-SYSTEM.png.
expect() {   # expect WHAT SECONDS CHECK
    wait_until "the $system $1" "$2" "$3" "$display" ||
        { DISPLAY=$display import -window root "$pictures/failed-$system.png"; return 1; }
}

# play SYSTEM DISPLAY-NUMBER GAME-FOLDER COMMAND...: one game's round.
play() {
    local system=$1 display=:$2 folder=$3
    shift 3
    Xvfb "$display" -nolisten tcp -screen 0 640x480x24 >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    (cd "$folder" && exec env -u QT_QPA_PLATFORM DISPLAY="$display" setsid "$@") \
        >"$work/$system.log" 2>&1 &
    local game=$!
    echo "$game $xvfb" >"$work/$system.pids"
    # The splash, kept when it is caught before the main menu replaces it.
    expect "splash" 90 is_splash_or_menu
    is_main_menu "$display" || DISPLAY=$display import -window root "$pictures/splash-$system.png"
    expect "main menu" 90 is_main_menu
    DISPLAY=$display import -window root "$pictures/main-menu-$system.png"
    click "$display" 204 52                          # とうろく
    expect "registration" 20 is_registration
    type_text "$display" taro
    click "$display" 340 260                         # the password field
    type_text "$display" pw
    click "$display" 234 302                         # OK
    expect "main menu after registering" 20 is_main_menu
    click "$display" 28 48                           # the name in the list
    expect "log-in" 20 is_login
    type_text "$display" pw
    DISPLAY=$display xdotool key Return
    expect "main menu after logging in" 20 is_main_menu
    click "$display" 104 336                         # たしざん
    sleep 2
    click "$display" 62 94                           # the first level
    expect "drill" 30 is_drill
    type_text "$display" 0
    DISPLAY=$display xdotool key Return
    sleep 1
    DISPLAY=$display import -window root "$pictures/drill-$system.png"
    # Two minutes of the round, and the result.
    expect "result" 150 is_result
    sleep 2
    DISPLAY=$display import -window root "$pictures/result-$system.png"
}

mkdir -p "$work/windows" "$work/linux/game/user" "$work/home"
(cd "$work/windows" && unzip -q "$zip")
cp "$root/game/sujinoshima" "$root"/game/sujinoshima_sound.* "$work/linux/game/"
cp -r "$root/game/Graphics" "$root/game/sound" "$work/linux/game/"

echo "$(date +%T) playing a round of addition in both games"
play windows 91 "$work/windows/sujinoshima" "$root/tools/windows/wine.sh" ./sujinoshima.exe &
windows=$!
play linux 92 "$work/linux/game" env HOME="$work/home" XDG_CACHE_HOME="$work/home/cache" \
    QT_QPA_PLATFORM=xcb ./sujinoshima &
linux=$!
pids+=("$windows" "$linux")
status=0
wait "$windows" || status=1
wait "$linux" || status=1
((status == 0)) || { tail -n 5 "$work"/*.log >&2; exit 1; }

# The same files, to the byte.
windows_user="$work/windows/sujinoshima/user" linux_user="$work/linux/game/user"
listing() { (cd "$1" && find . -type f | sort); }
if [[ $(listing "$windows_user") != $(listing "$linux_user") ]]; then
    echo "FAILED: the user folders hold different files:" >&2
    diff <(listing "$windows_user") <(listing "$linux_user") >&2 || true
    exit 1
fi
# The memory of facts holds the questions, drawn at random, and how long
# each answer took, so it is the same in its form only: Windows-31J lines
# ending in CR LF under the same first line, with the round's answers.
memory_form() {   # memory_form FILE
    iconv -f CP932 -t UTF-8 "$1" >/dev/null &&
        [[ $(head -n 1 "$1" | iconv -f CP932 -t UTF-8) == $'すうじのしま きおく,1\r' ]] &&
        ! grep -qv $'\r$' "$1" && grep -q '^A,tzk,' "$1"
}
for memory in "$windows_user"/*.ngt "$linux_user"/*.ngt; do
    memory_form "$memory" || { echo "FAILED: $memory is not a memory of the round" >&2; exit 1; }
done
diff -r -x '*.ngt' "$windows_user" "$linux_user" >/dev/null || {
    echo "FAILED: the games wrote different bytes:" >&2
    diff -r -x '*.ngt' "$windows_user" "$linux_user" >&2
    exit 1
}
echo "$(date +%T) passed: both games wrote the same $(listing "$linux_user" | wc -l) files" \
    "(the memories alike in form); pictures in $pictures"
