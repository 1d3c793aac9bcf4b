#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# A practice run followed by ear: the Orca screen reader runs on a private accessibility
# bus with speech going nowhere, a problem is chosen, started and typed to its record
# from the keyboard alone, and Orca's log must hold, in order, the problem's name, count
# and text, each light, each next character told apart from its look-alikes (ア and あ,
# っ and つ, 、 and 。 as words), the run's figures with the totals, and a second run
# left with Escape; more than the notices' eight widgets, each without the word
# "notification" in front. Where Orca is missing or cannot start, the test says so and is
# counted as skipped.
skip() {
    echo "SKIP: $*"
    exit 77
}
command -v orca >/dev/null 2>&1 && command -v speech-dispatcher >/dev/null 2>&1 ||
    skip "Orca or speech-dispatcher is not installed (scripts/install-deps installs them); the spoken run is not tested"
if [ -z "${BELLMORA_PRIVATE_BUS:-}" ]; then
    BELLMORA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
start_x
start_accessibility_bus
# As for a real user: the program finds the screen reader on the bus and turns to it.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

# Orca and speech-dispatcher keep their settings and sockets in a home of their own, and
# speak through espeak-ng to a sound output that discards everything.
export HOME=$e2e_root/home XDG_CONFIG_HOME=$e2e_root/home/.config XDG_DATA_HOME=$e2e_root/home/.local/share
export XDG_CACHE_HOME=$e2e_root/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo default_driver=null > "$HOME/.libao"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'END'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
END
said=$e2e_root/orca.log
/usr/bin/python3 "$(dirname "$0")/orca_launch.py" "$said" >"$e2e_root/orca.out" 2>&1 &
orca=$!
stop_speech() {
    kill -KILL "$orca" 2>/dev/null || true
    local speechd
    speechd=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
    [ -n "$speechd" ] && kill "$speechd" 2>/dev/null || true
    e2e_cleanup
}
trap stop_speech EXIT
orca_ready() { grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$said" || ! kill -0 "$orca" 2>/dev/null; }
poll 30 orca_ready && kill -0 "$orca" 2>/dev/null ||
    skip "Orca did not start here ($(tail -n 3 "$e2e_root/orca.out" | tr '\n' ' ')); the spoken run is not tested"

# The utterances so far, one a line, without Orca's quotes and closing full stop. Orca 43
# says a notification as "notification NAME.", later ones say "notification" and then the
# name: both come out as "notification NAME".
utterances() {
    sed -n "s/.*SPEECH OUTPUT: '\([^']*\)'.*/\1/p" "$said" |
        awk '$0 == "notification" { held = 1; next }
             { sub(/\.$/, ""); print (held ? "notification " : "") $0; held = 0 }'
}
# said_in_order PATTERN...: Orca said what these match (shell patterns), in this order,
# among others.
said_in_order() {
    local wanted=("$@") i=0 line
    while IFS= read -r line && [ "$i" -lt ${#wanted[@]} ]; do
        # shellcheck disable=SC2053  # a pattern on purpose
        [[ $line == ${wanted[i]} ]] && i=$((i + 1))
    done < <(utterances)
    [ "$i" -eq ${#wanted[@]} ]
}
# notice TEXT: what Orca says of an announcement: the text alone, no role word before it.
notice() { echo "$1"; }

new_case screen_reader
printf 'アあっつ、。 c' > drill.txt
start_program
xdotool key Down  # chooses drill.txt
loaded=$(notice "drill　8もじ　アあっつ、。 c")
poll 10 said_in_order "$loaded" || fail "the load was not said; Orca said: $(utterances | tr '\n' '|')"
xdotool key Return  # on to Start
xdotool key space   # starts
type_at_green 'アあっつ、。 c' 400
poll 10 has_records drill.REC 1 || fail "the run was not recorded"
# The run's figures as its labels show them, from the record's numbers, then the totals.
figures=$(awk -F, '{ printf "%.2fびょう　いちびょうあたり %.3fタイプ　いちタイプあたり %.3fびょう", $3, $4, $5 }' drill.REC)
xdotool key space   # starts again
countdown_runs
xdotool key Escape  # and leaves the run
# The input box as the focus reaches it, then its role: "text" with Qt 6.4, "entry" later.
spoken=("$loaded" "次の文字 カタカナ ア*" "$(notice あか)" "$(notice きいろ)"
        "$(notice "あお　カタカナ ア")" "$(notice あ)" "$(notice "ちいさい つ")" "$(notice つ)"
        "$(notice とうてん)" "$(notice くてん)" "$(notice スペース)" "$(notice シー)"
        "$(notice "$figures　トータル 1かい　8もじ*")" "$(notice "ちゅうし　きろくは しません")")
poll 10 said_in_order "${spoken[@]}" ||
    fail "Orca did not say ${spoken[*]} in order; it said: $(utterances | tr '\n' '|')"
! utterances | grep -q '^notification' ||
    fail "Orca said \"notification\" before an announcement: $(utterances | tr '\n' '|')"
# BELLMORA_KEEP_LOG=FILE keeps Orca's whole log there, to read what it said and why.
[ -n "${BELLMORA_KEEP_LOG:-}" ] && cp "$said" "$BELLMORA_KEEP_LOG"
echo "screen reader e2e: passed"
