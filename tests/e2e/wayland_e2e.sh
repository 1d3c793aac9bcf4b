#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under Wayland, in a headless weston: it starts at its designed size; Start
# with no problem chosen opens its message box, which OK closes; Help opens the help
# window; End closes it and ends the program. Wayland lets no outside
# tool read or move another program's windows, so the test reads and presses them over
# AT-SPI, as a screen reader would.
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (scripts/install-deps installs it); Wayland start-up not tested"
    exit 77
fi
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
start_accessibility_bus  # and the runtime folder, where weston puts its socket
weston --backend=headless-backend.so --socket=bellmora --idle-time=0 >"$e2e_root/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; e2e_cleanup' EXIT
poll 10 test -S "$XDG_RUNTIME_DIR/bellmora" || fail "weston did not start: $(cat "$e2e_root/weston.log")"

new_case wayland
unset DISPLAY
WAYLAND_DISPLAY=bellmora QT_QPA_PLATFORM=wayland "$program" 2>>"$e2e_root/stderr.log" &
pid=$!
answer=$($atspi window Bellmora 631x452) || fail "no window of 631 x 452: $answer"

$atspi press スタート
answer=$($atspi window 問題未選択) && [ "$answer" = alert ] || fail "Start with no problem gave no message box: $answer"
$atspi press OK
$atspi gone 問題未選択 || fail "the message box did not close with OK"

$atspi press ヘルプ
answer=$($atspi window 'Bellmora ヘルプ') && [ "$answer" = frame ] || fail "Help did not open the help window: $answer"
$atspi press 終了
poll 10 eval '! running' || fail "End did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=
echo "wayland e2e: passed"
