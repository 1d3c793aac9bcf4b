#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Record files written by other tools: Windows and Unix line ends mixed, the last CR LF
# missing, a UTF-8 byte-order mark, blank lines at the end. Each must list all its
# records, take a new run on a line of its own, and list that run too after a restart.
# Every variant runs even when one fails, so the output tells which ones load fully.
source "$(dirname "$0")/lib.sh" "$1"
start_x

rec() { printf '"24/01/15 10:20:%02d",3,0.01,300,0.001' "$1"; }

# One row per variant: the name and the record file's bytes, three records each.
mixed_line_ends() { rec 1; printf '\r\n'; rec 2; printf '\n'; rec 3; printf '\r\n'; }
no_final_line_end() { rec 1; printf '\r\n'; rec 2; printf '\r\n'; rec 3; }
byte_order_mark() { printf '\xEF\xBB\xBF'; records 3 3; }
trailing_blank_lines() { records 3 3; printf '\r\n\r\n\n'; }

failed=()

# The lines the list shows once it has settled on expected, or what it shows instead.
lines_shown() {
    if poll 5 has_lines "$1"; then echo "$1"; else history_lines; fi
}

# new_record_on_own_line NAME SIZE: the bytes after the SIZE old ones are one whole
# record line, led by the line end the old last record lacked, if it lacked one.
new_record_on_own_line() {
    local skip=$(($2 + 1))
    if ! ends_with_line_end "$e2e_root/$1.before"; then
        [ "$(tail -c +$skip drill.REC | head -c 2 | od -An -tx1 | tr -d ' ')" = 0d0a ] || return 1
        skip=$((skip + 2))
    fi
    tail -c +$skip drill.REC > "$e2e_root/appended"
    records_are_whole "$e2e_root/appended" && has_records "$e2e_root/appended" 1
}

# variant NAME: writes drill.REC with the bytes of NAME, then loads, runs and reloads.
variant() {
    new_case "$1"
    printf 'abc\r\n' > drill.txt
    "$1" > drill.REC
    cp drill.REC "$e2e_root/$1.before"
    local size listed after_run relisted
    size=$(stat -c %s drill.REC)

    start_program
    xdotool key Down                              # choose drill.txt
    poll 10 eval '[ "$(problem_text_ink)" -gt 0 ]' || fail "drill.txt did not load"
    listed=$(lines_shown 3)
    [ "$listed" -gt 0 ] || fail "no record of $1 is listed"
    run_text abc
    poll 10 eval '[ "$(stat -c %s drill.REC)" -gt "$size" ]' || fail "the run was not recorded"
    after_run=$(lines_shown $((listed + 1)))
    stop_program

    starts_with drill.REC "$e2e_root/$1.before" || fail "the earlier records changed: $(cat -A drill.REC)"
    local own_line=yes
    new_record_on_own_line "$1" "$size" || own_line=no

    start_program
    xdotool key Down
    relisted=$(lines_shown 4)
    stop_program

    echo "$1: listed $listed of 3 records; $after_run after the run; new record on a line" \
        "of its own: $own_line; $relisted of 4 listed after a restart"
    [ "$listed" -eq 3 ] && [ "$after_run" -eq 4 ] && [ $own_line = yes ] && [ "$relisted" -eq 4 ] ||
        failed+=("$1")
}

for name in mixed_line_ends no_final_line_end byte_order_mark trailing_blank_lines; do
    variant "$name"
done
[ ${#failed[@]} -eq 0 ] || fail "these record files do not load fully: ${failed[*]}"
echo "foreign_record_files_load_fully_e2e: passed"
