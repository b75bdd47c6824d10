#!/usr/bin/env bash
# Plays one short session of the game under Xvfb and saves a picture of every
# window a child sees on the way: splash, main menu, registration, log-in,
# addition menu, count-down, a 2-minute addition round, its result and the
# review of its mistake, the
# records, the deletion dialog and the level menus of the other five drills;
# then, with some weeks of rounds planted in the child's files, the records
# table of December and the chart of every drill, and with answers planted
# in its memory the map of weak facts of every drill and a practice round of
# the times tables' weak facts; then a question of the
# division drill's あまり level with its answer typed, and the question
# Escape asks during a round; last the balloon of both table menus over
# every entry and over "もどる", a division-table question with a two-digit
# dividend and a question of mental division's level 3; and the records
# printed without a printer, with the first two pages of the PDF saved.
#
# The wall clock is frozen, so the drill asks the same questions and the
# records carry the same date on every run: two runs give the same pictures,
# pixel for pixel, and `compare -metric AE old.png new.png null:` prints 0 for
# a window that did not change. A run takes about three minutes.
#
# Usage: tools/screenshots.sh [game-folder] [output-folder] [WIDTHxHEIGHT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath -m "${1:-$root/game}")
out=$(realpath -m "${2:-/tmp/sujinoshima-shots}")
size=${3:-640x480}
frozen='2026-12-08 10:00:00'

for tool in Xvfb:xvfb import:imagemagick xdotool:xdotool faketime:faketime pdftoppm:poppler-utils; do
    command -v "${tool%%:*}" >/dev/null || {
        echo "needs ${tool%%:*}: apt-get install -y ${tool#*:}" >&2
        exit 1
    }
done
[[ $size =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "size must look like 640x480" >&2; exit 1; }
width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
[[ -x $game/sujinoshima ]] || { echo "no game in $game (build it first)" >&2; exit 1; }

work=$(mktemp -d /tmp/sujinoshima-shots.XXXXXX)
xvfb='' player=''
cleanup() {
    [[ -n $player ]] && kill -- -"$player" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work" ${documents:+"$documents"}
}
trap cleanup EXIT

# A game folder of our own with nobody registered: the given folder's user/
# is never touched.
mkdir -p "$work/game/user" "$work/cache" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
# The player's documents folder, where プリント saves the records without a
# printer: always the same, as the box that says where is in the pictures.
documents=/tmp/sujinoshima-shots-documents
rm -rf "$documents"
mkdir -p "$documents"
echo "XDG_DOCUMENTS_DIR=\"$documents\"" >"$work/config/user-dirs.dirs"
cp "$game/sujinoshima" "$game"/sujinoshima_sound.* "$work/game/"
cp -r "$game/Graphics" "$game/sound" "$work/game/"
mkdir -p "$out"
rm -f "$out/failed.png"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -nolisten tcp -screen 0 "${size}x24" >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$fd" number || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number

# The game's 640 × 480 screen is scaled up to fit the desktop (never down) and
# centred; a desktop 640 wide or 480 tall is used at its own size.
gw=640 gh=480
((width == 640 || height == 480)) && gw=$width gh=$height
read -r scale left top < <(awk -v W="$width" -v H="$height" -v w="$gw" -v h="$gh" 'BEGIN {
    f = (W / w < H / h) ? W / w : H / h; if (f < 1) f = 1
    printf "%.6f %.6f %.6f\n", f, (W - w * f) / 2, (H - h * f) / 2 }')

# The clock, the waits for the screen and fail().
source "$root/tools/screen-waits.sh"

# Clicks at (x, y) of the game's 640 × 480 screen.
click() { point "$1" "$2"; xdotool click 1; }
# Clicks at (x, y) inside a w × h dialog centred on the game's screen.
click_in() { click $(((gw - $1) / 2 + $3)) $(((gh - $2) / 2 + $4)); }
# Clicks (click or click_in with its numbers), then waits for the next window
# to be painted.
go() {
    local before
    before=$(screen_hash)
    "$@"
    wait_change "$before" "$*"
    wait_settled "$*"
}
# The pointer waits in the bottom right-hand corner, on no button or link,
# so hover texts are the same on every run.
park() { xdotool mousemove --sync $((width - 1)) $((height - 1)); }
shot() { import -window root "$out/$1.png"; }
# Takes the picture at the given moment. Late, it could show other digits:
# a machine too busy to keep time fails the run rather than differ quietly.
shot_at() {
    sleep_until "$1"
    (($(now) - $1 < 150000)) || fail "too late for $2: the machine is busy, run again"
    shot "$2"
}
# A window with a blinking text cursor is taken 0.2 s after the last key,
# while the cursor is still shown.
shot_typed() { park; sleep 0.2; shot "$1"; }
# Picks the level at (x, y) of a level menu and waits out the count-down,
# whose picture is taken half-way through its first second when a name is
# given; started is when the drill window came. Pictures of a round are
# taken in the middle of a second, so the clock shows the same digits on
# every run.
start_round() {   # start_round X Y [COUNT-DOWN-PICTURE]
    local before counted
    before=$(screen_hash)
    click "$1" "$2"
    park
    wait_change "$before" "no count-down"
    counted=$seen_at
    [[ -z ${3:-} ]] || shot_at $((counted + 500000)) "$3"
    sleep_until $((counted + 2500000))
    wait_change "$(screen_hash)" "no drill after the count-down"
    started=$seen_at
}
# Presses keys a second into the round; the text cursor shows for 0.5 s
# after a key.
type_at_first_second() {   # type_at_first_second KEY...
    sleep_until $((started + 1150000))
    xdotool key "$@"
    (($(now) - started < 1300000)) || fail "the answer went in late: the machine is busy, run again"
}

park
blank=$(screen_hash)
(
    cd "$work/game"
    exec env LC_ALL=C.UTF-8 XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" \
        XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 setsid faketime -f "$frozen" ./sujinoshima
) >"$work/game.log" 2>&1 &
player=$!

# The splash, then the main menu four seconds later.
wait_change "$blank" "no splash"
wait_settled "splash"
shot splash
splash=$(screen_hash)
wait_change "$splash" "no main menu after the splash"
wait_settled "main menu"
shot main-menu

# Registering taro; the name field has the focus when the dialog opens.
go click 204 52                   # とうろく
xdotool type taro
click_in 287 187 164 114          # password field
xdotool type pw
shot_typed registration
go click_in 287 187 58 156        # OK

# Logging in by choosing the name; the password field has the focus.
go click 28 48                    # taro in the list
xdotool type pw
shot_typed login
go click_in 245 172 60 151        # OK

go click 104 336                  # たしざん
park
wait_settled "addition menu"
shot addition-menu

# Level 1: the count-down shows 3, 2 and 1 a second each, then the round
# starts and its clock ticks every second. Pictures are taken in the middle
# of a second, so the digits shown are the same on every run.
start_round 62 94 count-down      # れべる１
type_at_first_second 0 Return     # one wrong answer
shot_at $((started + 1400000)) addition-drill

# The round ends after two minutes and the result is announced at once.
sleep_until $((started + 120500000))
wait_settled "result"
shot result
go click 500 456                  # まちがいを みる
park
wait_settled "mistakes"
shot mistakes
go click 60 440                   # もどる to the result

go click 16 392                   # もどる to the addition menu
go click 62 326                   # もどる to the main menu

go click 204 100                  # きろくをみる
park
wait_settled "records menu"
shot records-menu
go click 38 46                    # たしざんのきろく
park
wait_settled "records table"
shot records-table
go click 560 440                  # もどる to the records menu
go click 48 416                   # もどる to the main menu

go click 204 156                  # さくじょ
park
wait_settled "deletion dialog"
shot deletion
go click_in 482 108 252 92        # キャンセル

# The level menus of the other five drills, each left by its もどる.
menu_shot() {   # menu_shot NAME BUTTON_X BUTTON_Y BACK_X BACK_Y
    go click "$2" "$3"
    park
    wait_settled "$1"
    shot "$1"
    go click "$4" "$5"
}
menu_shot times-table-menu 300 336 96 428
menu_shot division-table-menu 500 336 88 416
menu_shot horizontal-addition-menu 104 416 24 408
menu_shot mental-times-menu 300 416 16 432
menu_shot mental-division-menu 500 416 16 424

# Some weeks of rounds in every drill, written into taro's files while the
# game runs (the records read them anew on every opening): several levels,
# passes and failures. A token is level:grade for addition, the table and
# o (passed) or x for the tables, the level and g (a point) or n (no point)
# for the mental drills. Progress files are made to agree with the rounds.
plant() {   # plant HISTORY-EXT PROGRESS-EXT KIND LEVELS HEADER FIRST-DAY LAST-DAY TOKENS
    local user=$work/game/user/taro
    awk -v kind="$3" -v levels="$4" -v header="$5" -v first="$6" -v last="$7" -v tokens="$8" \
        -v hist="$work/history.txt" -v prog="$work/progress.txt" 'BEGIN {
        ORS = "\r\n"
        split("０ １ ２ ３ ４ ５ ６ ７ ８ ９", wide, " ")
        split("31 30 31", length_of, " ")   # October, November, December
        n = split(tokens, token, " ")
        print header > hist
        for (i = 1; i <= n; i++) {
            day = first + int((i - 1) * (last - first) / (n > 1 ? n - 1 : 1))
            month = 10
            for (m = 1; day >= length_of[m]; m++) { day -= length_of[m]; month++ }
            date = sprintf("2026/%d/%02d", month, day + 1)
            split(token[i], part, ":")
            level = part[1] + 0
            if (kind == "addition") {
                print level "," date "," part[2] "級" > hist
                if (level == 1 && part[2] == 1) value[1] = 1
            } else if (kind != "mental") {
                name = level "の段"
                if (kind == "times" && level == 10) name = "みっくす"
                print name "," date "," (part[2] == "o" ? "合格" : "不合格") > hist
                if (part[2] == "o") value[level] = 1
            } else {
                if (part[2] == "g" && value[level] < 5) value[level]++
                word = "れべる"
                if (level >= 10) word = word wide[int(level / 10) + 1]
                word = word wide[level % 10 + 1]
                print word "," date "," value[level] "pt," \
                    (part[2] == "g" && value[level] == 5 ? "合格" : "") > hist
            }
        }
        print n + 1 > prog
        for (level = 1; level <= levels; level++) print value[level] + 0 > prog
    }'
    iconv -f UTF-8 -t CP932 "$work/history.txt" >"$user$1"
    cp "$work/progress.txt" "$user$2"
}
# Days are counted from the 1st of October: 61 is the 1st of December.
plant .tzd .tzk addition 3 "レベル,日付,ランク" 61 67 \
    "1:10 1:10 1:9 1:9 1:8 1:9 1:7 1:6 1:6 1:5 1:4 1:4 1:3 1:2 1:3 1:2 1:1 \
     2:9 2:9 2:8 2:7 2:8 2:6 2:5 2:5 2:4 2:4 2:3 3:10 3:9 3:10 3:8 3:8 3:7 3:7 3:6"
plant .kzd .kzk times 10 "段,日付,合否" 2 67 \
    "1:x 1:o 2:o 3:x 3:o 4:x 4:x 4:o 5:o 6:x 6:x 6:o 7:x 7:x 7:x 7:x 7:x 7:o 8:x 8:o \
     9:x 9:x 9:o 10:x 10:x 10:x 10:x 10:x 10:x 10:x 10:x"
plant .wzd .wzk division 11 "段,日付,合否" 5 66 \
    "1:o 2:x 2:o 3:x 3:x 3:o 4:x 4:o 5:x 5:x 5:x 5:o 6:x 6:x 6:o 7:x 7:x 7:x 7:x 7:o \
     8:x 8:x 8:x 8:x 8:x 8:x 8:x 11:x 11:x"
plant .mzd .mzk mental 16 "れべる,日付,ポイント,合否" 9 67 \
    "1:g 1:g 1:g 1:n 1:g 1:g 2:g 2:n 2:g 2:g 2:g 2:g 5:n 5:g 5:g 3:g 3:g 3:n 3:n 3:g \
     9:n 9:n 6:g 6:g 6:g 6:n 6:g"
plant .kad .kak mental 20 "れべる,日付,ポイント,合否" 0 67 \
    "1:g 1:g 1:g 1:g 1:g 2:n 2:g 2:g 2:g 2:g 2:g 3:g 3:n 3:n 3:g 3:g 4:g 4:g 4:g 4:g 4:g \
     5:n 5:n 5:g 11:n 11:n 6:g 6:g 6:g 6:g 6:n 6:g 7:g 7:n"
plant .wad .wak mental 13 "れべる,日付,ポイント,合否" 20 67 \
    "1:g 1:g 1:n 1:g 1:g 1:g 2:g 2:g 2:n 2:n 2:g 3:n 3:n 3:n 3:g 2:g 2:g 4:g 4:g 4:n"

go click 204 100                  # きろくをみる
chart_shot() {  # chart_shot ENTRY NAME
    go click 38 $((46 + 56 * ($1 - 1)))
    park
    wait_settled "records table $1"
    (($1 == 1)) && shot records-december
    go click 410 442              # グラフ
    park
    wait_settled "chart $1"
    shot "chart-$2"
    go click 560 440              # もどる to the records menu
}
chart_shot 1 addition
chart_shot 2 times-table
chart_shot 3 division-table
chart_shot 4 horizontal-addition
chart_shot 5 mental-times
chart_shot 6 mental-division

# What taro's memory holds of the answers (planted as the records are):
# in the grids facts never asked, answered well, slowly (a mean time twice
# the usual 2 s) and often wrongly; in the mental drills some levels played.
# Then the にがて map of every drill, opened from its records.
awk 'BEGIN {
    ORS = "\r\n"
    print "すうじのしま きおく,1"
    for (a = 1; a <= 9; a++) for (b = 1; b <= 9; b++) {
        if ((a * b) % 7 != 3) fact("tzk", a "+" b, a * 3 + b * 5)
        if ((a + 2 * b) % 8 != 5) fact("kzk", a "x" b, a * 5 + b * 3)
        if ((a * 5 + b) % 6 != 1) fact("wzk", (a * b + (a + b) % a) "/" a, a * 2 + b * 11)
    }
    for (level = 1; level <= 20; level++) {
        if (level <= 7 || level == 10) mental("mzk", level)
        if (level <= 13 && level != 9) mental("kak", level)
        if (level <= 5) mental("wak", level)
    }
}
function fact(drill, key, seed) {
    asked = 3 + seed % 4
    wrong = seed % 9 == 0 ? 2 : seed % 13 == 0 ? 1 : 0
    print "F," drill "," key "," asked "," wrong "," asked * (seed % 7 == 0 ? 4000 : 2000)
}
function mental(drill, level) {
    asked = 10 + (level * 7) % 23
    print "F," drill ",L" level "," asked "," (level * 5) % 7 "," asked * (3000 + level * 1700)
}' | iconv -f UTF-8 -t CP932 >"$work/game/user/taro.ngt"
weak_shot() {  # weak_shot ENTRY NAME
    go click 38 $((46 + 56 * ($1 - 1)))
    go click 430 164              # にがて
    park
    wait_settled "map $1"
    shot "weak-$2"
    go click 560 440              # もどる to the records table
    go click 560 440              # もどる to the records menu
}
weak_shot 1 addition
weak_shot 2 times-table
weak_shot 3 division-table
weak_shot 4 horizontal-addition
weak_shot 5 mental-times
weak_shot 6 mental-division
go click 48 416                   # もどる to the main menu

# あまり, offered once tables 1 to 9 and みっくす are cleared: an answer typed
# as a keyboard types it, the space bar putting in "あまり"; then Escape asks
# whether to stop, and stopping goes back to the level menu.
{ head -n 1 "$work/game/user/taro.wzk"; for _ in $(seq 10); do printf '1\r\n'; done; printf '0\r\n'; } \
    >"$work/progress.txt"
cp "$work/progress.txt" "$work/game/user/taro.wzk"
go click 500 336                  # わりざん大作戦
park
wait_settled "division menu with あまり"
start_round 88 360                # あまり
type_at_first_second 3 space 2
shot_at $((started + 1400000)) division-remainder
xdotool key Escape                # やめる？, the clock held
shot_at $((started + 1650000)) stop-question
xdotool key Escape                # いいえ: the round goes on
xdotool key Escape Return         # はい: back to the level menu, nothing recorded
park
wait_settled "division menu after stopping"
go click 88 416                   # もどる to the main menu

# The table menus' balloon over each entry, offered by clearing the tables
# before it, and over "もどる" coming from "１の段".
progress() {   # progress FILE LEVELS CLEARED: the first CLEARED levels cleared
    local i
    { head -n 1 "$1"; for ((i = 1; i <= $2; i++)); do printf '%d\r\n' $((i <= $3)); done; } \
        >"$work/progress.txt"
    cp "$work/progress.txt" "$1"
}
hover_shots() {   # hover_shots NAME FILE LEVELS BUTTON_X BUTTON_Y LEFT BACK_TOP TOPS...
    local name=$1 file=$2 levels=$3 button_x=$4 button_y=$5 entry_x=$(($6 + 12)) back_y=$(($7 + 12))
    shift 7
    local tops=("$@") level
    for ((level = 1; level <= levels; level++)); do
        progress "$file" "$levels" $((level - 1))
        go click "$button_x" "$button_y"
        point "$entry_x" $((tops[level - 1] + 12))
        wait_settled "$name over entry $level"
        shot "$name-over-$level"
        if ((level == 1)); then
            point "$entry_x" "$back_y"
            wait_settled "$name over もどる"
            shot "$name-over-back"
        fi
        go click "$entry_x" "$back_y"   # もどる to the main menu
    done
}
hover_shots times-table-menu "$work/game/user/taro.kzk" 10 300 336 88 420 \
    24 64 104 144 184 224 264 300 340 378
hover_shots division-table-menu "$work/game/user/taro.wzk" 11 500 336 80 408 \
    16 48 80 112 144 176 208 240 272 312 352

# A division of table 9 with its dividend of two digits: 9 ÷ 9 is the only
# one-digit dividend, and 1 answers it or leaves another on screen. Then a
# division of mental division's level 3; each round is stopped by Escape.
progress "$work/game/user/taro.wzk" 11 8
go click 500 336                  # わりざん大作戦
park
wait_settled "division menu with ９の段"
start_round 92 284                # ９の段
type_at_first_second 1 Return
shot_at $((started + 1400000)) division-two-digits
xdotool key Escape Return
park
wait_settled "division menu after stopping"
go click 88 416                   # もどる to the main menu
go click 500 416                  # わりあんざん
park
wait_settled "mental division menu"
start_round 36 172                # ÷２＝２
type_at_first_second 9
shot_at $((started + 1400000)) mental-division-level-3
xdotool key Escape Return
park
wait_settled "mental division menu after stopping"
go click 16 424                   # もどる to the main menu

# Last, so that no window before it is drawn after one: a practice round
# of the times tables' weak facts, started from their map; Escape and はい
# stop it and the map is back.
go click 204 100                  # きろくをみる
park
wait_settled "records menu before practice"
go click 38 102                   # かけざん大作戦のきろく
go click 430 164                  # にがて
park
wait_settled "times-table map before practice"
start_round 120 446               # にがてを れんしゅう
shot_at $((started + 1400000)) practice-round
xdotool key Escape Return         # はい: back to the map, nothing recorded
park
wait_settled "times-table map after practice"
go click 560 440                  # もどる to the records table
go click 560 440                  # もどる to the records menu

# プリント: with no printer here the records go into a PDF in the documents
# folder, and a box says where; the first two pages are kept as pictures.
go click 38 46                    # たしざんのきろく
go click 552 164                  # プリント
park
wait_settled "printout saved"
shot printout-saved
go xdotool key Return
go click 560 440                  # もどる to the records menu
go click 48 416                   # もどる to the main menu
printout=("$documents"/*.pdf)
[[ -f ${printout[0]} ]] || fail "プリント saved no PDF"
for page in 1 2; do
    pdftoppm -f $page -l $page -r 80 -singlefile -png "${printout[0]}" "$out/printout-page-$page"
done

# おしまいぼたん ends the game.
click 31 376
for _ in $(seq 50); do
    kill -0 "$player" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$player" 2>/dev/null && fail "the game did not end with おしまいぼたん"
player=''
echo "pictures in $out:"
for name in splash main-menu registration login addition-menu count-down addition-drill \
    result mistakes records-menu records-table deletion times-table-menu division-table-menu \
    horizontal-addition-menu mental-times-menu mental-division-menu records-december \
    chart-addition chart-times-table chart-division-table chart-horizontal-addition \
    chart-mental-times chart-mental-division weak-addition weak-times-table \
    weak-division-table weak-horizontal-addition weak-mental-times weak-mental-division \
    practice-round division-remainder stop-question printout-saved printout-page-{1,2} \
    times-table-menu-over-{1..10} times-table-menu-over-back \
    division-table-menu-over-{1..11} division-table-menu-over-back \
    division-two-digits mental-division-level-3; do
    echo "  $out/$name.png"
done
