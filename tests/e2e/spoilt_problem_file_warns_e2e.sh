#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Problem files that go away, stop being readable files or are emptied after the list
# was filled, all in one session: choosing one warns and changes nothing, or (emptied)
# loads an empty problem; the program keeps running and the problem before it stays
# usable after each.
source "$(dirname "$0")/lib.sh" "$1"
start_x

# What the window shows of the current problem: its text and summary, its character
# count above the problem list, and its history.
problem_view() { grab 9 93 612 176; grab 10 276 170 16; grab 186 276 436 166; }

# A picture of the problem view as it is now.
keep_view() {
    problem_view > "$e2e_root/view.ppm"
    [ -s "$e2e_root/view.ppm" ] || fail "the window could not be grabbed"
}
view_kept() {
    problem_view > "$e2e_root/view-now.ppm"
    cmp -s "$e2e_root/view.ppm" "$e2e_root/view-now.ppm"
}

# a.txt is the problem that works, with two runs on file; b.txt to f.txt are spoilt once
# the program has listed them.
new_case spoilt
printf 'abc\r\n' > a.txt
records 2 3 > a.REC
cp a.REC "$e2e_root/a.before"
for name in b c d e f; do printf 'xyz\r\n' > $name.txt; done
runs=2

start_program
xdotool key Down                        # choose a.txt
wait_lines $runs

rm b.txt
rm c.txt && mkfifo c.txt
rm d.txt && ln -s gone.txt d.txt
rm e.txt && mkdir e.txt
: > f.txt

# After a refused choice: a.txt chosen again still runs, and the run is recorded.
first_problem_still_runs() {
    running || fail "the program ended"
    choose_row 0
    wait_lines $runs
    run_text abc
    runs=$((runs + 1))
    poll 10 has_records a.REC $runs || fail "the run after the warning was not recorded"
    records_are_whole a.REC && starts_with a.REC "$e2e_root/a.before" ||
        fail "a.REC is damaged: $(cat -A a.REC)"
    wait_lines $runs
}

# refused ROW NAME: choosing the ROWth name of the list warns and keeps the view.
refused() {
    case_name=$2
    keep_view
    choose_row "$1"
    wait_box "問題未選択"
    close_box "問題未選択"
    poll 5 view_kept || fail "the refused file changed the current problem's view"
    first_problem_still_runs
    echo "$case_name: warned, a.txt still runs"
}

refused 1 removed
refused 2 fifo
refused 3 dangling_link
refused 4 folder
for name in b c d e; do
    [ ! -e $name.REC ] && [ ! -L $name.REC ] || fail "a record file was made for the refused $name.txt"
done

# An emptied file is an empty problem: no warning, an empty text and no history.
case_name=emptied
choose_row 5
poll 5 eval '[ "$(problem_text_ink)" -eq 0 ]' || fail "the emptied problem did not load"
wait_lines 0
no_box "問題未選択" || fail "the emptied file was refused"
running || fail "the program ended"
stop_program
echo "emptied: loaded as an empty problem"
echo "spoilt_problem_file_warns_e2e: passed"
