#!/usr/bin/env bash
# Makes the Debian package from the build, unpacks it into a scratch root, runs
# the unpacked snapshot tool, checks that a second package of the same build
# is the same bytes and has lintian look at the package.
# usage: package.sh BUILD_DIR WORK_DIR SOURCE_DIR
set -uo pipefail
build=$1 work=$2 source=$3

fail() { echo "FAIL: $*"; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps file lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/install-deps test installs it)"
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

grep -qw xdg-utils <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks xdg-utils"

# Every date in the package is SOURCE_DATE_EPOCH, the last commit's, so a
# package made again later is the same bytes.
sleep 1
(cd "$build" && cpack -G DEB -B "$work/again") >"$work/cpack-again.log" 2>&1 || { cat "$work/cpack-again.log"; fail "cpack again"; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "a second package of the same build differs"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null)}
if [[ -n "$epoch" ]]; then
  stamp=$(TZ=UTC date -d "@$epoch" '+%F %T')
  for part in --fsys-tarfile --ctrl-tarfile; do
    dates=$(dpkg-deb "$part" "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4, $5}' | sort -u)
    [[ "$dates" == "$stamp" ]] || fail "dates in $part other than the last commit's ($stamp): $dates"
  done
fi

dpkg -x "$deb" "$work/root" || fail "dpkg -x"
csv=$("$work/root/usr/bin/biorhythm-snapshot" --birth 1980-05-17 --today 2010-03-01 --csv) ||
  fail "the unpacked snapshot tool failed"
for row in 2010-02-14,63,22,100,0,79,-89,-48,18 2010-03-01,27,-43,-95,98,-87,15,92,1 \
           2010-03-15,-82,43,69,-29,-26,81,-92,-5; do
  grep -qx "$row" <<<"$csv" || fail "the unpacked snapshot tool lacks the row $row"
done

# Information tags too: the hardening ones and unstripped notes among them.
lintian --fail-on error,warning,info --display-info --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
status=$?
cat "$work/lintian.txt"
((status == 0)) || fail "lintian reports tags"
echo "package unpacks, runs, is made again alike and passes lintian without a tag"
