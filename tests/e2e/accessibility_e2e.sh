#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a screen reader reads it: over AT-SPI, on a private session bus, the
# labels carry their captions after a problem is loaded, a keystroke announces the new
# next character, remaining count and rest of the text, and hidden text loses its name.
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
start_x
start_accessibility_bus

new_case accessibility
printf 'abc def\r\n' > drill.txt
start_program
xdotool key Down  # loads drill.txt
$atspi show a 'abc def' 7 ' 0回' ' 0文字' ' 0時間 0分 0秒' ' 0タイプ／秒' ' 0秒／タイプ' ' トータル回数' \
    || fail "the labels do not read as the window shows them after a load"

$atspi hear b 6 'bc def' > "$e2e_root/heard" &
listener=$!
poll 10 grep -qs listening "$e2e_root/heard" || fail "the listener did not start"
xdotool key Return space  # on from the list to Start, and press it
type_at_green a
wait "$listener" || fail "the keystroke was not announced: $(cat "$e2e_root/heard")"
$atspi show b 6 'bc def' || fail "the labels do not read as the window shows them after a keystroke"

# Hidden text is hidden from the screen reader too.
$atspi hear '' > "$e2e_root/heard" &
listener=$!
poll 10 grep -qs listening "$e2e_root/heard" || fail "the listener did not start"
click_at 300 243  # the problem text
wait "$listener" || fail "hiding the problem text was not announced: $(cat "$e2e_root/heard"); ink $(problem_text_ink)"
echo "accessibility e2e: passed"
