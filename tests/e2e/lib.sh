# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the end-to-end scripts: a private X server, the program started in a folder
# of its own, its window and message boxes, and what the window shows.
#
# A script sources it with the program's path as argument:
#     source "$(dirname "$0")/lib.sh" "$1"
# Everything runs with `set -eEuo pipefail`; every wait polls against a deadline, so a
# slow machine takes longer but never fails by timing alone. A command that fails where
# no check expects it ends the script with the command, its status and where it stood.

set -eEuo pipefail

program=$(realpath "$1")
countdown_watch=$(dirname "$program")/countdown_watch
# ImageMagick by its own names: a machine may have something else as plain `convert`.
im_import=$(command -v import-im6.q16 || command -v import)
im_convert=$(command -v convert-im6.q16 || command -v convert)
e2e_root=$(mktemp -d)
pid=
xvfb=
win=
case_name=${0##*/}
trap 'e2e_cleanup' EXIT
trap 'e2e_error' ERR

e2e_cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$e2e_root"
}

program_stderr() {
    if [ -s "$e2e_root/stderr.log" ]; then
        echo "program stderr:" >&2
        cat "$e2e_root/stderr.log" >&2
    fi
}

fail() {
    echo "FAIL [$case_name]: $*" >&2
    program_stderr
    exit 1
}

# The ERR trap: names the failed command and the lines of the calls that led to it.
# Inside a command substitution it stays silent; the command that used it reports.
e2e_error() {
    local status=$? i where=
    [ "$BASHPID" = "$$" ] || return "$status"
    for ((i = 1; i < ${#FUNCNAME[@]}; i++)); do
        where+="${where:+,} ${BASH_SOURCE[i]##*/}:${BASH_LINENO[i - 1]} (${FUNCNAME[i]})"
    done
    echo "FAIL [$case_name]: \`$BASH_COMMAND\` exited with status $status at$where" >&2
    program_stderr
}

# poll SECONDS COMMAND...: runs the command every 50 ms until it succeeds; false when
# the deadline passes first.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# A private X server; -displayfd picks a free display number without racing other tests,
# and -noreset keeps it up while the program is started and ended many times.
start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$e2e_root/display" 2>/dev/null &
    xvfb=$!
    poll 20 test -s "$e2e_root/display" || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$e2e_root/display")
    export XDG_RUNTIME_DIR=$e2e_root/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_CONFIG_HOME=$e2e_root/config  # the program's settings, never the user's
    poll 10 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb does not answer"
}

# new_case NAME: a fresh empty folder for one case, made the working folder.
new_case() {
    case_name=$1
    mkdir "$e2e_root/$1"
    cd "$e2e_root/$1"
}

find_main_window() {
    win=$(xdotool search --onlyvisible --name '^Bellmora$' 2>/dev/null | head -n1 || true)
    [ -n "$win" ]
}
window_or_end() { find_main_window || ! running; }

# Starts the program in the working folder and waits until its window is painted (the
# traffic light stands) and has the keyboard focus, which is then on the problem list.
start_program() {
    "$program" 2>>"$e2e_root/stderr.log" &
    pid=$!
    poll 20 window_or_end || fail "the window did not appear"
    running || fail "the program ended before its window appeared"
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$win")
    eval "$geometry"   # X and Y: the window's place on the screen
    xdotool windowfocus --sync "$win"
    poll 10 lamp_is green || fail "the window was not painted"
}

running() { kill -0 "$pid" 2>/dev/null; }

# Ends the program (the signal is the argument, TERM by default) and reaps it.
stop_program() {
    kill -"${1:-TERM}" "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

# The program's peak memory in kB, from its status in /proc.
peak_memory_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status"; }

# grab X Y W H: that rectangle of the window, as a picture on stdout.
grab() { "$im_import" -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage ppm:-; }

# ink X Y W H: how many pixels of the rectangle are dark (text, lines): 0 when blank.
ink() {
    grab "$@" | "$im_convert" - -colorspace gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:
}

# The history list, inside its border.
history_ink() { ink 196 295 415 130; }
# The problem text label, inside its border.
problem_text_ink() { ink 116 226 486 34; }

# The number of lines the history list shows. Every line is a band of dark pixel rows
# (14 rows a line, the glyphs filling 12), so the lines are the bands of rows that hold
# ink, counted from the row profile of the list. Ink-free rows between two lines make
# the count exact whatever the lines say; the list shows 9 lines without scrolling.
history_lines() {
    grab 196 295 415 130 | "$im_convert" - -colorspace gray -threshold 50% -negate -scale '1x130!' \
        -depth 16 txt:- |
        awk -F'[(,)]' 'NR > 1 { dark = $3 > 0; if (dark && !before) ++bands; before = dark }
                       END { print bands + 0 }'
}

# wait_lines N: until the history list shows N lines; fails naming the count it shows.
has_lines() { [ "$(history_lines)" -eq "$1" ]; }
wait_lines() {
    poll 10 has_lines "$1" || fail "the history list shows $(history_lines) lines, not $1"
}

# The traffic light: red, yellow, green or off, from the colour of each lamp's centre.
lamp() {
    grab 63 113 1 22 | "$im_convert" - -depth 8 txt:- |
        awk -F'[(,)]' '/^0,0:/  { red = $3 > 200 }
                       /^0,10:/ { yellow = $4 > 180 }
                       /^0,21:/ { green = $4 > 150 }
                       END { print red ? "red" : yellow ? "yellow" : green ? "green" : "off" }'
}
lamp_is() { [ "$(lamp)" = "$1" ]; }

# Moves the pointer off the window, so no tool tip covers what a test looks at.
park_pointer() { xdotool mousemove 1010 760; }

click_at() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    park_pointer
}

# choose_row N: clicks the Nth name (from 0) of the problem list, which loads it.
choose_row() { click_at 60 $((303 + 17 * $1)); }

press_start() { click_at 428 40; }

# After a press of Start: waits through the countdown (the light leaves green, then
# comes back to it).
countdown_runs() {
    local status=0
    "$countdown_watch" $((X + 63)) $((Y + 113)) 10 || status=$?
    case $status in
        0) ;;
        1) fail "Start did not begin a countdown" ;;
        2) fail "the countdown did not reach the green light" ;;
        *) fail "the countdown could not be watched" ;;
    esac
}

# type_at_green TEXT [DELAY]: after a press of Start, waits through the countdown and
# types the text, DELAY ms between keys (60 by default).
type_at_green() {
    countdown_runs
    xdotool type --delay "${2:-60}" "$1"
}

run_text() {
    press_start
    type_at_green "$1"
}

find_box() {
    box=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$box" ]
}
no_box() { ! find_box "$1"; }

# wait_box TITLE: until a message box with this title is shown; sets box.
wait_box() { poll 10 find_box "$1" || fail "no message box \"$1\""; }

# Closes the message box with Return and gives the keyboard back to the main window.
box_gone() { no_box "$1"; }
close_box() {
    xdotool windowfocus --sync "$box"
    xdotool key Return
    poll 10 box_gone "$1" || fail "the message box \"$1\" does not close with Return"
    xdotool windowfocus --sync "$win"
}

# True when every line of the file is a whole record: "yy/mm/dd hh:nn:ss" and four
# numbers, ending in CR LF, with no half-written line at its end.
records_are_whole() {
    local number='-?[0-9]*\.?[0-9]+'
    local form="^\"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\",$number,$number,$number,$number"$'\r''$'
    [ ! -s "$1" ] && return 0
    ends_with_line_end "$1" || return 1
    ! LC_ALL=C grep -qvaE "$form" "$1"
}

ends_with_line_end() { [ "$(tail -c 1 "$1" | od -An -tx1 | tr -d ' ')" = 0a ]; }

# starts_with FILE PREFIX_FILE: the file begins with exactly the bytes of the other.
starts_with() { cmp -s -n "$(stat -c %s "$2")" "$1" "$2"; }

# The number of records in the file: its lines.
record_count() { if [ -e "$1" ]; then wc -l < "$1"; else echo 0; fi; }
has_records() { [ "$(record_count "$1")" -eq "$2" ]; }

# records N [CHARACTERS]: N good records, one a second, each far faster than a typist,
# so a new run never sets a best and no congratulation interrupts a test.
records() {
    local i
    for i in $(seq "$1"); do printf '"24/01/15 10:20:%02d",%s,0.01,800,0.001\r\n' "$i" "${2:-8}"; done
}

# Starts the accessibility (AT-SPI) bus of this D-Bus session, which the program must find
# when it starts, and sets atspi to the command that reads and drives the program over it.
# The script must run on a session bus of its own: see accessibility_e2e.sh.
start_accessibility_bus() {
    # Its socket goes into the runtime folder: a private one, for tests running side by side.
    export XDG_RUNTIME_DIR=$e2e_root/runtime
    [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-update-activation-environment XDG_RUNTIME_DIR
    # Asking for its address starts it, as a service of the session bus.
    poll 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 || fail "the accessibility bus did not start"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    atspi="/usr/bin/python3 $(dirname "$(realpath "${BASH_SOURCE[0]}")")/atspi.py"
}
