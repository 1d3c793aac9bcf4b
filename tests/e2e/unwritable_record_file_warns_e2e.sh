#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# A record file that cannot take a record (a folder; a link to a full disk): the
# finished run warns, the program carries on and can start the next run, and what lies
# under the record file's name is left as it was.
source "$(dirname "$0")/lib.sh" "$1"
start_x

# What lies under the name: type, link target, and every file below with its content.
describe() {
    stat -c '%F %N %s %Y' "$1"
    if [ -d "$1" ]; then find "$1" -mindepth 1 -printf '%P %y %s %T@\n' | sort; fi
    if [ -f "$1/inside.REC" ]; then md5sum < "$1/inside.REC"; fi
}

# refused_record_case NAME COMMAND...: COMMAND puts something that refuses records at
# drill.REC.
refused_record_case() {
    new_case "$1"
    shift
    printf 'abc\r\n' > drill.txt
    "$@"
    describe drill.REC > "$e2e_root/before"

    start_program
    xdotool key Down                       # choose drill.txt
    poll 10 eval '[ "$(problem_text_ink)" -gt 0 ]' || fail "drill.txt did not load"
    wait_lines 0
    run_text abc
    wait_box "記録エラー"
    close_box "記録エラー"
    running || fail "the program ended after the warning"
    wait_lines 1                           # the run stays listed for this session
    press_start
    countdown_runs
    stop_program
    describe drill.REC | cmp -s - "$e2e_root/before" || fail "drill.REC was changed: $(describe drill.REC)"
    echo "$case_name: warned, carried on, drill.REC untouched"
}

refused_record_case folder eval 'mkdir drill.REC && records 2 3 > drill.REC/inside.REC'
refused_record_case full_disk ln -s /dev/full drill.REC
echo "unwritable_record_file_warns_e2e: passed"
