#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that it holds what a desktop
# installation needs, and that the desktop entry and metainfo validate.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/bellmora bin/bellmora-desktop share/bellmora/QorvHelp.chm \
         share/applications/org.bellmora.Bellmora.desktop \
         share/metainfo/org.bellmora.Bellmora.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.bellmora.Bellmora.svg \
         share/icons/hicolor/16x16/apps/org.bellmora.Bellmora.png \
         share/icons/hicolor/256x256/apps/org.bellmora.Bellmora.png \
         share/bellmora/samples/読んでね.txt \
         share/man/man6/bellmora.6.gz share/man/ja/man6/bellmora.6.gz \
         share/doc/bellmora/copyright; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done

# The record chart's plugin, which the program loads from its library folder: a Qt plugin
# of the chart's interface (its metadata names it), or QPluginLoader refuses it.
plugin=$(compgen -G "$prefix/lib*/bellmora/bellmora-chart.so" ||
         compgen -G "$prefix/lib/*/bellmora/bellmora-chart.so") || fail "missing bellmora-chart.so"
grep -qa 'org\.bellmora\.Bellmora\.RecordChartFactory/' "$plugin" ||
    fail "bellmora-chart.so is not the record chart's plugin"
# The readings' module (MeCab), loaded with the first text.
compgen -G "$prefix/lib*/bellmora/bellmora-readings.so" >/dev/null ||
    compgen -G "$prefix/lib/*/bellmora/bellmora-readings.so" >/dev/null || fail "missing bellmora-readings.so"

desktop-file-validate "$prefix/share/applications/org.bellmora.Bellmora.desktop"
# Bellmora has no web site, and a made-up address would send users nowhere. appstreamcli
# 1.0 (Debian 13) fails the metainfo for that one warning, 0.16 (Debian 12) passes it; any
# other warning or error fails.
if ! report=$(appstreamcli validate --no-net "$prefix/share/metainfo/org.bellmora.Bellmora.metainfo.xml"); then
    echo "$report"
    [ "$(grep -E '^[EW]: ' <<<"$report")" = "W: org.bellmora.Bellmora:~: url-homepage-missing" ] ||
        fail "the metainfo does not validate"
fi

# The launcher makes the practice folder with the samples the first time, enters it and
# starts the installed program (here a stand-in that prints where it runs).
home=$prefix/home
mv "$prefix/bin/bellmora" "$prefix/bin/bellmora.real"
printf '#!/bin/sh\npwd\n' > "$prefix/bin/bellmora" && chmod +x "$prefix/bin/bellmora"
[ "$(BELLMORA_HOME=$home/Bellmora "$prefix/bin/bellmora-desktop")" = "$home/Bellmora" ] \
    || fail "the launcher does not start the program in the practice folder"
[ -f "$home/Bellmora/読んでね.txt" ] || fail "the practice folder has no samples"
[ -f "$home/Bellmora/30 まとめの練習.txt" ] && diff <(ls "$prefix/share/bellmora/samples") <(ls "$home/Bellmora") \
    || fail "the practice folder lacks some of the course"
# A folder made by an older version gains the texts it lacks at the next start; what is in
# it, edited or the user's own, stays as it is.
rm "$home/Bellmora/22 記号と数字.txt"
echo edited > "$home/Bellmora/20 数と日づけと時こく.txt"
echo mine > "$home/Bellmora/31 自分の問題.txt"
BELLMORA_HOME=$home/Bellmora "$prefix/bin/bellmora-desktop" >/dev/null
cmp -s "$prefix/share/bellmora/samples/22 記号と数字.txt" "$home/Bellmora/22 記号と数字.txt" \
    || fail "a course text missing from an existing practice folder was not added"
[ "$(cat "$home/Bellmora/20 数と日づけと時こく.txt" "$home/Bellmora/31 自分の問題.txt")" = "edited
mine" ] || fail "the launcher changed a file of the practice folder"
echo "install: passed"
