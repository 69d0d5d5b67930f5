#!/usr/bin/env bash
# Installs the build into a fresh prefix; checks that the tree holds exactly
# the expected files, that the desktop entry and the AppStream file validate,
# and that the installed program runs.
# usage: install-tree.sh BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
build=$1 work=$2 id=$3
prefix=$work/prefix
rm -rf "$work"
mkdir -p "$work"

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

expected="bin/biorhythm
bin/biorhythm-snapshot
share/applications/$id.desktop
share/doc/biorhythm/changelog.gz
share/doc/biorhythm/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/biorhythm-snapshot.1.gz
share/man/man1/biorhythm.1.gz
share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$id.png"
done
actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if ! diff -u <(LC_ALL=C sort <<<"$expected") <(echo "$actual"); then
  echo "FAIL: the installed tree differs from the expected one (- expected, + installed)"
  exit 1
fi

for size in 16 24 32 48 64 128 256; do
  file=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  # PNG width and height: big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$file" | awk '{print $3*256+$4, $7*256+$8}')
  if [[ "$w x $h" != "$size x $size" ]]; then
    echo "FAIL: $file is $w x $h"
    exit 1
  fi
done

# desktop-file-validate before 0.27 (Debian 12 has 0.26) predates the
# SingleMainWindow key of the desktop entry format 1.5 and calls it an error;
# such a validator checks the entry without that one line.
entry=$prefix/share/applications/$id.desktop
printf '[Desktop Entry]\nType=Application\nName=probe\nExec=probe\nSingleMainWindow=true\n' >"$work/probe.desktop"
if ! desktop-file-validate "$work/probe.desktop" >/dev/null 2>&1; then
  grep -qx 'SingleMainWindow=true' "$entry" || { echo "FAIL: the desktop entry lacks SingleMainWindow=true"; exit 1; }
  grep -vx 'SingleMainWindow=true' "$entry" >"$work/$id.desktop"
  entry=$work/$id.desktop
fi
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || { echo "FAIL: the scalable icon is no SVG"; exit 1; }
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"

version=$("$prefix/bin/biorhythm" --version)
[[ "$version" == "biorhythm "* ]] || { echo "FAIL: --version says '$version'"; exit 1; }
for page in biorhythm biorhythm-snapshot; do
  gzip -t "$prefix/share/man/man1/$page.1.gz"
done
echo "installed tree, desktop entry and AppStream file are as expected"
