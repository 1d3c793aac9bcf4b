#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The reading guide of the real program with the real MeCab, read over AT-SPI: the start
# of 吾輩は猫である shows わがはいは with its keys wagahaiha, and once 吾輩は is typed the
# guide moves on to the next phrase. Skipped where MeCab's dictionary is missing.
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
if ! echo 猫 | mecab >/dev/null 2>&1; then
    echo "reading guide e2e: skipped, MeCab or its dictionary (mecab-ipadic-utf8) is missing"
    exit 77
fi
source "$(dirname "$0")/lib.sh" "$1"
export QT_PLUGIN_PATH=$2  # where the readings' module lies
start_x
start_accessibility_bus

new_case reading_guide
printf '吾輩は猫である。\r\n' > 猫.txt
start_program
xdotool key Down  # loads 猫.txt; its readings follow from the analysing thread
$atspi show 'わがはいは wagahaiha' || fail "the guide does not show the first phrase's reading"
xdotool key Return space
type_at_green 吾輩は
$atspi show 'ねこである nekodearu' || fail "the guide did not move on to the next phrase"
echo "reading guide e2e: passed"
