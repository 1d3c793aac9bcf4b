#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# One practice run of the real program under Xvfb, from the keyboard only: choose the
# problem with the arrow keys, press Start, wait for the green light, type the text as
# fast as a quick typist's key rollover (5 ms apart), then check the record file, and that
# choosing the problem again lists the run.
source "$(dirname "$0")/lib.sh" "$1"
start_x
new_case practice
sentence='Pack my box with five dozen liquor jugs. The quick brown fox jumps over the lazy dog!'
printf '%s\r\n' "$sentence" > drill.txt   # one item, typed as it stands

start_program
[ "$(history_ink)" -eq 0 ] || fail "the history list is not empty at start"
xdotool key Down                 # the focus starts on the problem list: choose drill.txt
poll 10 eval '[ "$(problem_text_ink)" -gt 0 ]' || fail "drill.txt did not load"
xdotool key Return space         # Enter moves on from the list to Start, Space presses it
type_at_green "$sentence" 5

poll 10 has_records drill.REC 1 || fail "the record file should hold one run: $(cat -A drill.REC 2>&1)"
grep -qaE '^"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}",85,[0-9.]+,[0-9.]+,[0-9.]+'$'\r''$' drill.REC \
    || fail "the record is not in the expected form: $(cat -A drill.REC)"
wait_lines 1
stop_program

start_program
[ "$(history_ink)" -eq 0 ] || fail "the history list is not empty before the problem is chosen"
xdotool key Down
wait_lines 1
stop_program
echo "practice e2e: passed"
