#!/usr/bin/env bash
# One practice run of the real program under Xvfb, from the keyboard only: choose the
# problem with the arrow keys, press Start, wait for the green light, type the text,
# then check the record file, and that choosing the problem again lists the run.
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${pid:-0}" "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
printf 'abc def\r\n' > drill.txt   # one item; the typist types "abc def"

# A private X server; -displayfd picks a free display number without racing other tests,
# and -noreset keeps it up between the two runs of the program.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*" >&2; cat "$work/stderr.log" >&2 2>/dev/null; exit 1; }

start_program() {
    "$program" 2>"$work/stderr.log" &
    pid=$!
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --name '^Bellmora$' 2>/dev/null | head -n1 || true)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || fail "the window did not appear"
    xdotool windowfocus --sync "$win"
    sleep 0.5
}

# Counts the pixels of the history list that are not background: zero for an empty list.
history_ink() {
    local geometry x y
    eval "$(xdotool getwindowgeometry --shell "$win")"
    x=$((X + 186 + 10)); y=$((Y + 276 + 19))
    import -window root png:- | convert - -crop "415x130+${x}+${y}" +repage -colorspace gray \
        -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:
}

start_program
[ "$(history_ink)" -eq 0 ] || fail "the history list is not empty at start"
xdotool key Down                 # the focus starts on the problem list: choose drill.txt
sleep 0.5
xdotool key space                # the load moved the focus to Start
sleep 4                          # three ticks of the countdown
xdotool type --delay 60 'abc def'   # one key per typing step, even on a busy machine
sleep 1

[ -f drill.REC ] || fail "no record file was written"
[ "$(wc -l < drill.REC)" -eq 1 ] || fail "the record file should hold one run: $(cat -A drill.REC)"
grep -qaE '^"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}",7,[0-9.]+,[0-9.]+,[0-9.]+'$'\r''$' drill.REC \
    || fail "the record is not in the expected form: $(cat -A drill.REC)"
[ "$(history_ink)" -gt 0 ] || fail "the run is not listed"

xdotool key alt+F4 2>/dev/null || true
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

start_program
[ "$(history_ink)" -eq 0 ] || fail "the history list is not empty before the problem is chosen"
xdotool key Down
sleep 0.5
[ "$(history_ink)" -gt 0 ] || fail "choosing the problem again does not list the run"
[ ! -s "$work/stderr.log" ] || { echo "stderr:"; cat "$work/stderr.log"; }
echo "practice e2e: passed"
