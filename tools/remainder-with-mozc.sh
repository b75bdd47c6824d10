#!/usr/bin/env bash
# Plays the division drill's あまり level on a desktop with a Japanese input
# method running and switched on (fcitx5 with Mozc), the way a child's
# keyboard reaches the game: a child registers with a name typed in romaji
# through Mozc, logs in, and plays one round of あまり with the digits, the
# space bar and Enter. The answer field keeps the input method off, so the
# digits stay half-width and the space bar puts in "あまり".
#
# No screen reader here knows the questions, so every answer a question of
# あまり can have (1あまり1 … 9あまり8) is typed over and over until the
# minute is up; each pass meets the question's answer once, and wrong
# answers do not stop a table round from passing. The round must pass: the
# history ends in "11の段,<date>,合格".
#
# Needs the Debian packages fcitx5, fcitx5-mozc, fcitx5-frontend-qt6, dbus,
# xvfb, xdotool and imagemagick, and a user other than root (Mozc refuses
# root); as root, give a user to run as: tools/remainder-with-mozc.sh -u NAME.
#
# Usage: tools/remainder-with-mozc.sh [-u USER] [game-folder] [output-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ${1:-} == -u ]]; then
    user=${2:?-u needs a user}
    shift 2
    game=$(realpath -m "${1:-$root/game}") out=$(realpath -m "${2:-/tmp/sujinoshima-mozc}")
    mkdir -p "$out" && chown "$user" "$out"
    exec runuser -u "$user" -- "$0" "$game" "$out"
fi
game=$(realpath -m "${1:-$root/game}")
out=$(realpath -m "${2:-/tmp/sujinoshima-mozc}")
(($(id -u) != 0)) || { echo "Mozc refuses root: run as another user (-u USER)" >&2; exit 1; }
for tool in Xvfb fcitx5 fcitx5-remote dbus-run-session xdotool import; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done
[[ -x $game/sujinoshima ]] || { echo "no game in $game (build it first)" >&2; exit 1; }

# Inside its own D-Bus session, where fcitx5 lives.
if [[ -z ${SUJINOSHIMA_IN_SESSION:-} ]]; then
    export SUJINOSHIMA_IN_SESSION=1
    exec dbus-run-session -- "$0" "$game" "$out"
fi

work=$(mktemp -d /tmp/sujinoshima-mozc.XXXXXX)
xvfb='' player='' ime=''
cleanup() {
    [[ -n $player ]] && kill -- -"$player" 2>/dev/null || true
    [[ -n $ime ]] && kill "$ime" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$out" "$work/game/user" "$work/home/.config/fcitx5"
source "$root/tools/screen-waits.sh"   # the waits for the screen and fail()
cp "$game/sujinoshima" "$game"/sujinoshima_sound.* "$work/game/"
cp -r "$game/Graphics" "$game/sound" "$work/game/"

# Mozc is the input method, on for the whole desktop, switched on from the start.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/home
cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'EOF'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
EOF
cat >"$XDG_CONFIG_HOME/fcitx5/config" <<'EOF'
[Behavior]
ShareInputState=All
ActiveByDefault=True
EOF

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -nolisten tcp -screen 0 640x480x24 >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$fd" number || fail "Xvfb did not start"
export DISPLAY=:$number
fcitx5 >"$work/fcitx5.log" 2>&1 &
ime=$!
# Asked before it has its name on the bus, fcitx5-remote would start another.
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.2
done
fcitx5-remote >/dev/null 2>&1 || fail "fcitx5 did not start"
sleep 1
export QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx

click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.3; }
click_in() { click $(((640 - $1) / 2 + $3)) $(((480 - $2) / 2 + $4)); }

(cd "$work/game" && exec setsid env LC_ALL=C.UTF-8 ./sujinoshima) >"$work/game.log" 2>&1 &
player=$!
sleep 6   # the splash
wait_settled "main menu"

# The name typed in romaji through Mozc: "tarou" and Enter make "たろう".
click 204 52                      # とうろく
wait_settled "registration"
fcitx5-remote -o
xdotool type --delay 80 tarou
xdotool key Return
sleep 0.5
click_in 287 187 164 114          # password field
xdotool type pw
import -window root "$out/registration-with-mozc.png"
click_in 287 187 58 156           # OK
wait_settled "after registering"
name=$(cd "$work/game/user" && ls ./*.pwd 2>/dev/null | sed 's|^\./||; s|\.pwd$||')
[[ $name == たろう ]] || fail "Mozc did not type the name: user/ has '${name:-nothing}'"
echo "registered with Mozc: $name (fcitx5-remote: $(fcitx5-remote), input method: $(fcitx5-remote -n))"

click 28 48                       # the name in the list
wait_settled "log-in"
xdotool type pw
click_in 245 172 60 151           # OK
wait_settled "logged in"

# Tables 1 to 9 and みっくす cleared: あまり is offered.
progress=$work/game/user/$name.wzk
{ printf '1\r\n'; for _ in $(seq 10); do printf '1\r\n'; done; printf '0\r\n'; } >"$progress"
click 500 336                     # わりざん大作戦
wait_settled "division menu"
click 88 360                      # あまり
sleep 3.6                         # the count-down
wait_settled "あまり drill"
echo "Mozc during the round: fcitx5-remote says $(fcitx5-remote) (2: on), input method $(fcitx5-remote -n)"

# Every answer of あまり, as keys: digit, space, digit, Enter.
keys=()
for q in 1 2 3 4 5 6 7 8 9; do
    for r in 1 2 3 4 5 6 7 8; do keys+=("$q" space "$r" Return); done
done
started=$SECONDS
shot=''
while ((SECONDS - started < 63)); do
    if [[ -z $shot ]] && ((SECONDS - started >= 10)); then
        # A question with an answer typed but not yet judged.
        xdotool key 3 space 2
        sleep 0.2
        import -window root "$out/remainder-typed.png"
        xdotool key Return
        shot=done
    fi
    xdotool key --delay 6 "${keys[@]}"
done
wait_settled "result"
import -window root "$out/remainder-result.png"
history=$work/game/user/$name.wzd
last=$(tail -n 1 "$history" | iconv -f CP932 -t UTF-8 | tr -d '\r')
echo "history: $last"
[[ $last == 11の段,*,合格 ]] || fail "the あまり round did not pass: '$last'"
echo "あまり passed with Mozc on; pictures in $out"
