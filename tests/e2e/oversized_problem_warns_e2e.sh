#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Problem files far beyond the longest problem (10 MB of lines; one 1 MB line with no
# line end and no comma): choosing one warns within 3 s, the program's peak memory stays
# under 300 MB, and no record file is made or touched.
source "$(dirname "$0")/lib.sh" "$1"
start_x

# too_long_case NAME: the problem file NAME.txt is in place; an older record file of
# another problem lies beside it.
too_long_case() {
    records 2 3 > other.REC
    ls -l --time-style=+%s.%N > "$e2e_root/listing"
    start_program
    local start=$EPOCHREALTIME elapsed peak
    xdotool key Down                     # choose the big file
    wait_box "問題未選択"
    elapsed=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
    peak=$(peak_memory_kb)
    close_box "問題未選択"
    running || fail "the program ended"
    stop_program
    echo "$case_name: warned after ${elapsed} s, peak memory $((peak / 1024)) MB"
    awk -v s="$elapsed" 'BEGIN { exit !(s < 3) }' || fail "the warning took ${elapsed} s"
    [ "$peak" -lt $((300 * 1024)) ] || fail "peak memory ${peak} kB"
    ls -l --time-style=+%s.%N | cmp -s - "$e2e_root/listing" || fail "the folder changed: $(ls -l)"
    records 2 3 | cmp -s - other.REC || fail "other.REC changed"
}

new_case ten_megabytes
{ yes 'The quick brown fox jumps over the lazy dog, again and again.' || true; } | head -c 10485760 > big.txt
too_long_case

new_case one_long_line
head -c 1048576 /dev/zero | tr '\0' 'a' > line.txt
too_long_case
echo "oversized_problem_warns_e2e: passed"
