#!/usr/bin/env bash
# Plays the built game from its start to its end as a child would, on an X
# display of its own (Xvfb) with a copy of the game folder: waits out the
# splash, registers a child, logs in, stops a round in its count-down and
# another after it started, plays one round at the first level of
# each of the six drills (guessing until one answer is right where the
# answers are small, and giving wrong ones), goes back with "もどる", looks at
# one drill's records table, deletes the child and closes the game. After
# every step the files in the copy's user/ folder are checked against what
# the step should have left there.
#
# The game's clock starts on 7 March 2027 and runs ten times as fast
# (libfaketime), so a two-minute round takes 12 s, a one-minute round 6 s and
# the whole run about a minute; every history line carries 2027/3/07.
#
# Usage: tests/e2e/play-game.sh GAME-FOLDER [FOLDER-FOR-THE-FAILURE-PICTURE]
# Exit status 0: passed; 1: failed, and the screen as it was is kept in
# e2e-failed.png; 77: skipped, because a tool is missing or the game is a
# sanitizer build.
set -euo pipefail
game=$(realpath -m "${1:?usage: $0 GAME-FOLDER [FOLDER-FOR-THE-FAILURE-PICTURE]}")
failure_picture=$(realpath -m "${2:-$PWD}")/e2e-failed.png

for tool in Xvfb xdotool faketime import; do
    command -v "$tool" >/dev/null ||
        { echo "skipped: no $tool (install xvfb xdotool faketime imagemagick)"; exit 77; }
done
[[ -x $game/sujinoshima ]] || { echo "no game in $game: build it first" >&2; exit 1; }
# libfaketime's clock and AddressSanitizer's start-up call each other: such
# a game never shows its main menu.
if grep -q __asan_init "$game/sujinoshima"; then
    echo "skipped: the game in $game is built with AddressSanitizer, which libfaketime stops at start-up"
    exit 77
fi

start_time='2027-03-07 10:00:00'
date_text=2027/3/07
name=taro
password=pw

# The six drills, each played once at its first level. Columns: the main
# menu's button, the level menu's first level and its もどる (x,y on the
# 640 × 480 screen); the top-left corners of the right and the wrong count;
# the answers guessed until one is right (from-to; "-": the answers are too
# long to guess, only wrong ones are given); the progress file's extension
# and level count, the history file's extension and heading; and the line
# the round adds to the history. A few answers neither pass a table, nor earn
# a point, nor lift the addition grade above 10級, so every level stays 0.
drill_table="\
addition     104,336 62,94 62,326  240,16 240,80  2-5 tzk  3 tzd レベル,日付,ランク         1,DATE,10級
times-table  300,336 96,30 96,428  240,16 240,80  1-9 kzk 10 kzd 段,日付,合否               1の段,DATE,不合格
division     500,336 88,22 88,416  240,16 240,80  1-9 wzk 11 wzd 段,日付,合否               1の段,DATE,不合格
horizontal   104,416 24,30 24,408  168,16 168,48  -   mzk 16 mzd れべる,日付,ポイント,合否 れべる１,DATE,0pt,
mental-times 300,416 16,22 16,432  240,16 240,80  -   kak 20 kad れべる,日付,ポイント,合否 れべる１,DATE,0pt,
mental-div   500,416 16,38 16,424  240,16 240,80  -   wak 13 wad れべる,日付,ポイント,合否 れべる１,DATE,0pt,"

work=$(mktemp -d /tmp/sujinoshima-e2e.XXXXXX)
xvfb='' player='' faked=''
cleanup() {
    if [[ -n $player ]]; then kill -- -"$player" 2>/dev/null || true; fi
    if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    # What faketime shares with the game, named after faketime's process; it
    # stays behind when the game does not end by itself.
    [[ -n $faked ]] && rm -f "/dev/shm/faketime_shm_$faked" "/dev/shm/sem.faketime_sem_$faked"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
rm -f "$failure_picture"

now() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t / 1000)); }   # milliseconds
fail() {
    import -window root "$failure_picture" 2>/dev/null || true
    echo "FAILED: $1" >&2
    echo "the screen as it was: $failure_picture" >&2
    [[ -s $work/game.log ]] && { echo "the game said:" >&2; tail -20 "$work/game.log" >&2; }
    exit 1
}
step() { echo "$(date +%T) $*"; }

# --- The screen -------------------------------------------------------------

# The whole screen, as RGB bytes, in $work/screen.rgb.
capture() { import -window root -depth 8 "rgb:$work/screen.rgb"; }
# The colour at (x, y) of the last capture, as six hex digits.
colour_at() {
    od -An -tx1 -j $((($2 * 640 + $1) * 3)) -N3 "$work/screen.rgb" | tr -d ' \n'
}
# Whether every x,y=colour given holds on the last capture.
shows() {
    local spot
    for spot; do
        local place=${spot%=*}
        [[ $(colour_at "${place%,*}" "${place#*,}") == "${spot#*=}" ]] || return 1
    done
}
# Whether the w × h area at (x, y) of the last capture holds the colour.
area_holds() {   # area_holds X Y W H COLOUR
    convert -size 640x480 -depth 8 "rgb:$work/screen.rgb" -crop "$3x$4+$1+$2" +repage txt:- |
        grep -i "#$5" >/dev/null
}
# Captures until the command succeeds; fails after 20 s, or as many
# milliseconds as $patience says.
wait_for() {   # wait_for WHAT COMMAND...
    local deadline=$(($(now) + ${patience:-20000}))
    until capture && "${@:2}"; do
        (($(now) < deadline)) || fail "$1 did not come"
    done
}
screen_hash() { import -window root -depth 8 rgb:- | md5sum; }
# Waits until the screen has changed from the hash given, then until it has
# stayed the same for 0.3 s.
wait_new_screen() {   # wait_new_screen HASH-BEFORE WHAT
    local deadline=$(($(now) + 20000)) last='' since=0 t h
    until [[ $(screen_hash) != "$1" ]]; do
        (($(now) < deadline)) || fail "the screen did not change to $2"
    done
    while :; do
        t=$(now) h=$(screen_hash)
        [[ $h == "$last" ]] || { last=$h since=$t; }
        ((t - since >= 300)) && return
        ((t < deadline)) || fail "the screen did not settle: $2"
    done
}
click() { xdotool mousemove --sync "${1%,*}" "${1#*,}" click 1; }
# Clicks, then waits for the next window to be drawn.
click_to() {   # click_to X,Y WHAT
    local before
    before=$(screen_hash)
    click "$1"
    wait_new_screen "$before" "$2"
}

# What the windows look like, by a few of their pixels: the main menu's aqua
# とうろく with nothing over the menu (no splash, no dialog); the registration,
# log-in and deletion dialogs by their pink; the records table by its grid;
# a running drill by its blue right count and red wrong count; the result
# window by its blue もどる where the drill showed its clock, over the right
# count.
main_menu=("190,45=00ffff" "300,370=fbfde3" "180,150=fbfde3" "100,200=fbfde3")
is_main_menu() { shows "${main_menu[@]}"; }
is_registration() { shows 180,150=ffecfe; }
is_login() { shows 200,157=ffecfe; }
is_deletion() { shows 100,200=ffecfe; }
is_records_table() { shows 200,300=ffffff; }
is_drill() {   # is_drill RIGHT-X,Y WRONG-X,Y
    area_holds "${1%,*}" "${1#*,}" 40 30 0000ff && area_holds "${2%,*}" "${2#*,}" 40 30 ff0000
}
is_result() {   # is_result RIGHT-X,Y
    area_holds 8 384 100 45 0000ff && ! area_holds "${1%,*}" "${1#*,}" 40 30 0000ff
}

# --- The files ----------------------------------------------------------------

# What user/ should hold: file extension -> its text in UTF-8, lines joined by
# newlines. Every file is Windows-31J with CR LF line ends.
declare -A expected=()
# The drills whose answers the child's memory (name.ngt) holds, by progress
# extension; the memory comes with the first round and goes with the child.
remembered=()
zero_lines() { local i; for ((i = 0; i < $1; i++)); do printf '\n0'; done; }

check_files() {   # check_files WHEN
    local have want file text
    have=$(find "$work/game/user" -mindepth 1 -printf '%P\n' | sort)
    want=$(for ext in "${!expected[@]}" ${remembered[@]:+ngt}; do echo "$name.$ext"; done | sort)
    [[ $have == "$want" ]] ||
        fail "$1: user/ holds [${have//$'\n'/ }], expected [${want//$'\n'/ }]"
    for ext in "${!expected[@]}"; do
        file=$work/game/user/$name.$ext
        [[ $(tail -c2 "$file" | od -An -tx1 | tr -d ' ') == 0d0a &&
            $(grep -c $'\r$' "$file") == $(wc -l <"$file") ]] ||
            fail "$1: $name.$ext does not end every line with CR LF"
        text=$(iconv -f CP932 -t UTF-8 "$file" | tr -d '\r') ||
            fail "$1: $name.$ext is not Windows-31J"
        [[ $text == "${expected[$ext]}" ]] ||
            fail "$1: $name.$ext holds"$'\n'"$text"$'\n'"expected"$'\n'"${expected[$ext]}"
    done
    ((${#remembered[@]})) || return 0
    file=$work/game/user/$name.ngt
    text=$(iconv -f CP932 -t UTF-8 "$file" | tr -d '\r') || fail "$1: $name.ngt is not Windows-31J"
    [[ $(head -1 <<<"$text") == 'すうじのしま きおく,1' && $(grep -c $'\r$' "$file") == $(wc -l <"$file") ]] ||
        fail "$1: $name.ngt does not begin as a memory or does not end every line with CR LF"
    for ext in "${remembered[@]}"; do
        grep -q "^A,$ext," <<<"$text" || fail "$1: $name.ngt holds no answer of the drill of .$ext"
    done
}

# --- The steps ----------------------------------------------------------------

start_game() {
    mkdir -p "$work/game/user" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    cp "$game/sujinoshima" "$game"/sujinoshima_sound.* "$work/game/"
    cp -r "$game/Graphics" "$game/sound" "$work/game/"

    local fd number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -nolisten tcp -screen 0 640x480x24 >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 20 -u "$fd" number || fail "Xvfb did not start"
    exec {fd}<&-
    export DISPLAY=:$number

    (
        cd "$work/game"
        exec env -u QT_QPA_PLATFORM -u QT_LOGGING_RULES LC_ALL=C.UTF-8 HOME="$work/home" \
            XDG_CACHE_HOME="$work/home/cache" XDG_CONFIG_HOME="$work/home/config" \
            XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/runtime" \
            setsid faketime -f "@$start_time x10" ./sujinoshima
    ) >"$work/game.log" 2>&1 &
    player=$! faked=$!
}

wait_out_splash() {
    step "waiting out the splash"
    # A start-up on a busy machine, or in a checked build, may take a while.
    patience=60000 wait_for "the main menu" is_main_menu
    # The splash leaves its picture in the cache for the next start once it
    # has been drawn.
    compgen -G "$work/home/cache/sujinoshima/*" >/dev/null ||
        fail "the main menu came without the splash having been drawn"
    check_files "at the start"
}

register() {
    step "registering $name"
    click 204,52                           # とうろく
    wait_for "the registration dialog" is_registration
    xdotool type "$name"                   # the name field has the focus
    click 340,260                          # the password field
    xdotool type "$password"
    click 234,302                          # OK
    wait_for "the main menu after registering" is_main_menu

    local drill button level back right wrong guesses progress levels history heading line
    expected=([pwd]=$password)
    while read -r drill button level back right wrong guesses progress levels history heading line; do
        expected[$progress]=1$(zero_lines "$levels")
        expected[$history]=$heading
    done <<<"$drill_table"
    check_files "after registering"
}

log_in() {
    step "logging in"
    click 28,48                            # the name in the list
    wait_for "the log-in dialog" is_login
    xdotool type "$password"               # the password field has the focus
    xdotool key Return                     # OK is the default button
    wait_for "the main menu after logging in" is_main_menu
    check_files "after logging in"
}

# A picture of the count whose top-left corner is at x,y, as a hash.
count_hash() { import -window root -crop "40x30+${1%,*}+${1#*,}" -depth 8 rgb:- | md5sum; }
# Types one answer and Enter into the running drill; prints "right" or
# "wrong" by the count that changed, "over" when the round ended first, or
# "lost" when neither happened within 5 s.
answer() {   # answer TEXT RIGHT-X,Y WRONG-X,Y HISTORY-FILE
    local right wrong lines deadline=$(($(now) + 5000))
    right=$(count_hash "$2") wrong=$(count_hash "$3") lines=$(wc -l <"$4")
    [[ -z $1 ]] || xdotool type "$1"
    xdotool key Return
    while (($(now) < deadline)); do
        [[ $(count_hash "$2") == "$right" ]] || { echo right; return; }
        [[ $(count_hash "$3") == "$wrong" ]] || { echo wrong; return; }
        (($(wc -l <"$4") == lines)) || { echo over; return; }
    done
    echo lost
}

play_round() {   # play_round ROW-OF-THE-DRILL-TABLE
    local drill button level back right wrong guesses progress levels history heading line
    read -r drill button level back right wrong guesses progress levels history heading line <<<"$1"
    local history_file=$work/game/user/$name.$history
    step "playing a round of $drill"
    click_to "$button" "the $drill level menu"
    click "$level"
    local started
    started=$(now)
    wait_for "the $drill drill after the count-down" is_drill "$right" "$wrong"

    # Guesses until one answer is right, then gives a wrong answer ("0" is
    # right at no first level) and an empty one. A round that ends while the
    # answers are still being typed (a busy machine) stops the typing.
    local rights=0 wrongs=0 guess said over=''
    if [[ $guesses != - ]]; then
        for ((guess = ${guesses%-*}; guess <= ${guesses#*-}; guess++)); do
            said=$(answer "$guess" "$right" "$wrong" "$history_file")
            case $said in
            right) rights=1 && break ;;
            wrong) wrongs=$((wrongs + 1)) ;;
            over) over=' (the round ended while answering)' && break ;;
            *) fail "the $drill drill did not judge the answer $guess" ;;
            esac
        done
        [[ $rights == 1 || -n $over ]] || fail "no answer from $guesses was right in the $drill drill"
    fi
    for guess in 0 ''; do
        [[ -z $over ]] || break
        said=$(answer "$guess" "$right" "$wrong" "$history_file")
        case $said in
        wrong) wrongs=$((wrongs + 1)) ;;
        over) over=' (the round ended while answering)' ;;
        *) fail "the $drill drill did not count \"$guess\" as wrong" ;;
        esac
    done
    ((rights + wrongs > 0)) || fail "the $drill round ended before any answer was judged"

    # The round ends by itself and is written down; at ten times the speed
    # a two-minute round takes 12 s, so 40 s means the clock is not sped up.
    local lines=${expected[$history]//[^$'\n']/}
    local deadline=$((started + 40000))
    until (($(wc -l <"$history_file") > ${#lines} + 1)); do
        (($(now) < deadline)) || fail "the $drill round did not end within 40 s"
        sleep 0.1
    done
    local tenths=$((($(now) - started) / 100))
    wait_for "the result of the $drill round" is_result "$right"
    wait_new_screen '' "the result of the $drill round"
    echo "  $rights right, $wrongs wrong$over; the result $((tenths / 10)).$((tenths % 10)) s after the level"

    expected[$progress]=2$(zero_lines "$levels")
    expected[$history]+=$'\n'${line/DATE/$date_text}
    remembered+=("$progress")
    check_files "after the $drill round"

    click_to 16,392 "the $drill level menu after the result"     # もどる
    click "$back"                                                # もどる
    wait_for "the main menu after the $drill level menu" is_main_menu
    check_files "after leaving the $drill level menu"
}

# Every file of user/ with the time it was last written.
file_times() { find "$work/game/user" -mindepth 1 -printf '%P %T@\n' | sort; }

# Escape during the count-down calls the round off, and Escape in a running
# round asks "やめる？", whose Enter stops it: both go back to the level menu
# and leave every file as it was, to the byte and the time.
stop_rounds() {
    step "stopping an addition round in its count-down and in its first seconds"
    local times
    times=$(file_times)
    click_to 104,336 "the addition level menu"
    local menu
    xdotool mousemove --sync 62 94                               # over れべる１
    sleep 0.3
    menu=$(screen_hash)
    # At ten times the speed the count-down lasts 0.3 s: the key goes at once.
    xdotool mousemove --sync 62 94 click 1 key Escape
    sleep 1
    [[ $(screen_hash) == "$menu" ]] || fail "Escape in the count-down did not go back to the level menu"
    click 62,94
    wait_for "the addition drill after the count-down" is_drill 240,16 240,80
    xdotool key Escape
    # Asked for 20 s of the game's time: the clock holds, the round goes on.
    sleep 2
    capture
    is_drill 240,16 240,80 || fail "the drill is gone while it asks whether to stop"
    xdotool key Return
    sleep 1
    [[ $(screen_hash) == "$menu" ]] || fail "はい did not go back to the level menu"
    [[ $(file_times) == "$times" ]] || fail "stopping a round touched user/"
    check_files "after stopping a round"
    click 62,326                                                 # もどる
    wait_for "the main menu after stopping" is_main_menu
}

# Counts the rows under the records table's heading by the grid lines that
# cross its empty fourth column.
table_rows() {
    capture
    convert -size 640x480 -depth 8 "rgb:$work/screen.rgb" -crop 1x420+340+44 +repage txt:- |
        awk '/^#/ { next } { line = ($3 != "#FFFFFF") } line && !before { rows++ }
             { before = line } END { print rows + 0 }'
}

look_at_records() {
    step "looking at the records of the times-table drill"
    click_to 204,100 "the records menu"                    # きろくをみる
    click 38,102                                           # かけざん大作戦のきろく
    wait_for "the records table" is_records_table
    wait_new_screen '' "the records table"
    # One round and the empty last row.
    local rows
    rows=$(table_rows)
    ((rows == 2)) || fail "the records table shows $rows rows under its heading, expected 2"
    click_to 560,440 "the records menu after the table"   # もどる
    click 48,416                                           # もどる
    wait_for "the main menu after the records" is_main_menu
    check_files "after looking at the records"
}

delete_child() {
    step "deleting $name"
    click 204,156                          # さくじょ
    wait_for "the deletion dialog" is_deletion
    click 237,278                          # OK
    wait_for "the main menu after the deletion" is_main_menu
    expected=()
    remembered=()
    check_files "after the deletion"
}

close_game() {
    step "closing the game"
    click 31,376                           # おしまいぼたん
    local deadline=$(($(now) + 15000)) status=0
    while kill -0 "$player" 2>/dev/null; do
        (($(now) < deadline)) || fail "the game did not end with おしまいぼたん"
        sleep 0.1
    done
    wait "$player" || status=$?
    player=''
    ((status == 0)) || fail "the game ended with status $status"
    check_files "after closing the game"
}

begun=$(now)
start_game
wait_out_splash
register
log_in
stop_rounds
mapfile -t rounds <<<"$drill_table"
for row in "${rounds[@]}"; do play_round "$row"; done
look_at_records
delete_child
close_game
seconds=$((($(now) - begun) / 1000))
echo "passed in $seconds s"
