#!/usr/bin/env bash
# A problem file that goes away, is emptied or stops being a readable file after the
# list was filled: choosing it warns and changes nothing, or (emptied) loads an empty
# problem; the program keeps running and the problem before it stays usable.
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

# Sets up a.txt (the problem that works, two runs) and b.txt, starts the program and
# loads a.txt.
load_first_problem() {
    new_case "$1"
    printf 'abc\r\n' > a.txt
    records 2 3 > a.REC
    printf 'xyz\r\n' > b.txt
    cp a.REC "$e2e_root/a.before"
    start_program
    xdotool key Down                    # choose a.txt
    wait_lines 2
}

# After a refused choice: a.txt chosen again still runs, and the run is recorded.
first_problem_still_runs() {
    running || fail "the program ended"
    choose_row 0
    wait_lines 2
    run_text abc
    poll 10 has_records a.REC 3 || fail "the run after the warning was not recorded"
    records_are_whole a.REC && starts_with a.REC "$e2e_root/a.before" ||
        fail "a.REC is damaged: $(cat -A a.REC)"
    wait_lines 3
}

# refused_case NAME COMMAND...: COMMAND spoils b.txt after the list was filled.
refused_case() {
    load_first_problem "$1"
    shift
    "$@"
    keep_view
    choose_row 1
    wait_box "問題未選択"
    close_box "問題未選択"
    poll 5 view_kept || fail "the refused file changed the current problem's view"
    first_problem_still_runs
    stop_program
    [ ! -e b.REC ] && [ ! -L b.REC ] || fail "a record file was made for the refused file"
    echo "$case_name: warned, a.txt still runs"
}

refused_case removed rm b.txt
refused_case fifo eval 'rm b.txt && mkfifo b.txt'
refused_case dangling_link eval 'rm b.txt && ln -s gone.txt b.txt'
refused_case folder eval 'rm b.txt && mkdir b.txt'

# An emptied file is an empty problem: no warning, an empty text and no history.
load_first_problem emptied
: > b.txt
choose_row 1
poll 5 eval '[ "$(problem_text_ink)" -eq 0 ]' || fail "the emptied problem did not load"
wait_lines 0
no_box "問題未選択" || fail "the emptied file was refused"
running || fail "the program ended"
stop_program
echo "emptied: loaded as an empty problem"
echo "spoilt_problem_file_warns_e2e: passed"
