#!/usr/bin/env bash
# The window as a screen reader reads it: over AT-SPI, on a private session bus, the
# labels carry their captions after a problem is loaded, and a keystroke announces the
# new next character, remaining count and rest of the text.
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
labels="/usr/bin/python3 $(dirname "$(realpath "$0")")/atspi_labels.py"

start_x
# The accessibility bus must be there before the program looks for it.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
bus=$!
trap 'kill "$bus" 2>/dev/null; e2e_cleanup' EXIT
a11y_bus() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
poll 10 a11y_bus || fail "the accessibility bus did not start"

new_case accessibility
printf 'abc def\r\n' > drill.txt
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
xdotool key Down  # loads drill.txt
$labels show a 'abc def' 7 ' 0回' ' 0文字' ' 0時間 0分 0秒' ' 0タイプ／秒' ' 0秒／タイプ' ' トータル回数' \
    || fail "the labels do not read as the window shows them after a load"

$labels hear b 6 'bc def' > "$e2e_root/heard" &
listener=$!
poll 10 grep -q listening "$e2e_root/heard" || fail "the listener did not start"
xdotool key space  # Start, which has the focus after the load
type_at_green a
wait "$listener" || fail "the keystroke was not announced: $(cat "$e2e_root/heard")"
$labels show b 6 'bc def' || fail "the labels do not read as the window shows them after a keystroke"
echo "accessibility e2e: passed"
