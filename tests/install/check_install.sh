#!/usr/bin/env bash
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
         share/bellmora/samples/読んでね.txt; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
grep -q "$prefix/bin/bellmora" "$prefix/bin/bellmora-desktop" || fail "the launcher does not start the installed program"

desktop-file-validate "$prefix/share/applications/org.bellmora.Bellmora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.bellmora.Bellmora.metainfo.xml"

# The launcher makes the practice folder with the samples the first time.
home=$prefix/home
BELLMORA_HOME=$home/Bellmora PATH=/bin:/usr/bin sh -c "sed 's|^exec .*|pwd|' '$prefix/bin/bellmora-desktop' | sh" \
    | grep -q "$home/Bellmora" || fail "the launcher does not enter the practice folder"
[ -f "$home/Bellmora/読んでね.txt" ] || fail "the practice folder has no samples"
echo "install: passed"
