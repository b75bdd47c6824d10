# The waits of the scripts that play the game on an X display and take its
# pictures: sourced by tools/screenshots.sh and tools/remainder-with-mozc.sh,
# which set $out, the folder where a failed run leaves the screen as it was.

now() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t)); }   # microseconds
sleep_until() {
    local us=$(($1 - $(now)))
    ((us <= 0)) || sleep "$((us / 1000000)).$(printf %06d $((us % 1000000)))"
}
fail() {
    import -window root "$out/failed.png" || true
    echo "$1 (screen as it was: $out/failed.png)" >&2
    exit 1
}
screen_hash() { import -window root rgb:- | md5sum | cut -d' ' -f1; }

# Waits for the screen to differ from the hash given; seen_at is when the
# capture that saw the difference began.
seen_at=0
wait_change() {
    local deadline=$(($(now) + 15000000)) t
    while :; do
        t=$(now)
        [[ $(screen_hash) != "$1" ]] && { seen_at=$t; return; }
        ((t < deadline)) || fail "the screen did not change ($2)"
    done
}
# Waits until the screen has stayed the same for 0.3 s: the window is painted.
wait_settled() {
    local deadline=$(($(now) + 15000000)) last='' since=0 t h
    while :; do
        t=$(now) h=$(screen_hash)
        [[ $h == "$last" ]] || { last=$h since=$t; }
        ((t - since >= 300000)) && return
        ((t < deadline)) || fail "the screen did not settle ($1)"
    done
}

# Moves the pointer to (x, y) of the game's 640 × 480 screen.
point() {
    xdotool mousemove --sync \
        "$(awk -v v="$1" -v f="$scale" -v o="$left" 'BEGIN { printf "%d", o + (v + 0.5) * f }')" \
        "$(awk -v v="$2" -v f="$scale" -v o="$top" 'BEGIN { printf "%d", o + (v + 0.5) * f }')"
}
