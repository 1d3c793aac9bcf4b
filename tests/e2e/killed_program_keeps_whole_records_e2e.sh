#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The program killed in the middle of a run, and again right after the last keystroke of
# a run: the next start lists every earlier run, and the record file holds whole records
# only, the earlier ones byte for byte as they were.
source "$(dirname "$0")/lib.sh" "$1"
start_x

# kill_case NAME TYPED: types TYPED of the 8-character problem after the green light,
# kills the program at once, and checks what the next start finds.
kill_case() {
    new_case "$1"
    printf 'abcdefgh\r\n' > drill.txt
    records 3 > drill.REC
    cp drill.REC "$e2e_root/$1.before"

    start_program
    xdotool key Down                      # choose drill.txt
    wait_lines 3
    run_text "$2"
    stop_program KILL

    records_are_whole drill.REC || fail "a record is cut short: $(cat -A drill.REC)"
    starts_with drill.REC "$e2e_root/$1.before" || fail "the earlier records changed: $(cat -A drill.REC)"
    local count
    count=$(record_count drill.REC)
    start_program
    xdotool key Down
    wait_lines "$count"
    stop_program
    echo "$1: $count records on file and listed"
}

kill_case killed_during_run abc
[ "$(record_count drill.REC)" -eq 3 ] || fail "an unfinished run left a record"
kill_case killed_after_last_key abcdefgh
echo "killed_program_keeps_whole_records_e2e: passed"
