#!/usr/bin/env bash
# Makes the Debian package from the build, unpacks it into a scratch root, runs
# the unpacked snapshot tool and has lintian look at the package.
# usage: package.sh BUILD_DIR WORK_DIR
set -uo pipefail
build=$1 work=$2

fail() { echo "FAIL: $*"; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/install-deps installs it)"
    exit 77
  fi
done

rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/biorhythm_*_amd64.deb)
((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "no single package in $work/out"
deb=${debs[0]}
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation libqt6widgets6 libjpeg62-turbo; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg -x "$deb" "$work/root" || fail "dpkg -x"
csv=$("$work/root/usr/bin/biorhythm-snapshot" --birth 1980-05-17 --today 2010-03-01 --csv) ||
  fail "the unpacked snapshot tool failed"
for row in 2010-02-14,63,22,100,0,79,-89,-48,18 2010-03-01,27,-43,-95,98,-87,15,92,1 \
           2010-03-15,-82,43,69,-29,-26,81,-92,-5; do
  grep -qx "$row" <<<"$csv" || fail "the unpacked snapshot tool lacks the row $row"
done

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
status=$?
cat "$work/lintian.txt"
((status == 0)) || fail "lintian reports errors"
echo "package unpacks, runs and passes lintian without errors"
