#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Mistakes, from the keyboard to the drill: a run typed with one wrong key keeps its
# record as before and its miss beside it; the record chart's table shows the miss and
# the accuracy, 苦手な字 ranks the character (read as a screen reader reads the tables),
# and its button writes the drill from the folder's texts, which loads and is typed to
# a record of its own.
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
start_x
start_accessibility_bus

new_case misses
printf '%s\r\n' 'cool cats' 'cute cubs' 'nice deck' > prob.txt  # c six times
printf '%s\r\n' 'cc' 'zzz' > other.txt
printf '%s\r\n' 'c' > 読んでね.txt                                  # never a source

# The chart's module lies at the top of the build tree, where the program under test is not.
export QT_PLUGIN_PATH=$(realpath "$(dirname "$program")/../..")
start_program
xdotool key Down Down            # other.txt, then prob.txt
poll 10 eval '[ "$(problem_text_ink)" -gt 0 ]' || fail "prob.txt did not load"
xdotool key Return space
type_at_green 'cool xcatscute cubsnice deck'   # x where the c of cats is expected
poll 10 has_records prob.REC 1 || fail "the record file should hold one run: $(cat -A prob.REC 2>&1)"
records_are_whole prob.REC || fail "the record is not in its five items: $(cat -A prob.REC)"
date=$(cut -d, -f1 prob.REC)
[ "$(cat prob.MIS)" = "$date,1,\"0063\",\"0078\""$'\r' ] || fail "the miss file: $(cat -A prob.MIS)"

click_at 250 300                 # the run's line in the history; Enter there opens the chart
xdotool key Return

$atspi window '記録グラフ - prob' >/dev/null || fail "the record chart did not open"
$atspi cells 27 1 96.4% || fail "the table does not show the run's miss and accuracy"
$atspi cells c 6 14.3% x || fail "苦手な字 does not rank c"

$atspi press 苦手な字で練習 || fail "no drill button"
poll 10 test -s 苦手な字の練習.txt || fail "the drill was not written"
[ "$(cat 苦手な字の練習.txt)" = $'cc\r\ncool cats\r\ncute cubs\r\nnice deck\r' ] \
    || fail "the drill: $(cat -A 苦手な字の練習.txt)"
chart=$(xdotool search --onlyvisible --name '^記録グラフ' | head -n1)
xdotool windowmove "$chart" 1000 740   # out of the way of the main window's pictures
xdotool windowfocus --sync "$win"
poll 10 eval '[ "$(problem_text_ink)" -gt 0 ]' || fail "the drill is not shown"
run_text 'cccool catscute cubsnice deck'
poll 10 has_records 苦手な字の練習.REC 1 || fail "the drill's run was not recorded"
[ "$(cut -d, -f2 苦手な字の練習.REC)" = 29 ] || fail "the drill's record: $(cat -A 苦手な字の練習.REC)"
echo "misses and drill e2e: passed"
