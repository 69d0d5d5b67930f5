#!/usr/bin/env bash
# Runs the real program in a home of its own on the offscreen platform, ends it
# as the desktop session does (SIGTERM, which saves as closing does), and checks that the only file it leaves is
# the birthday file, at its fixed place. Then the command line.
# usage: program-run.sh PROGRAM WORK_DIR
set -uo pipefail
program=$1 work=$2
home=$work/home
birthday=.local/share/biorhythm/temp/biorhythm.ini

fail() { echo "FAIL: $*"; exit 1; }

fresh_home() {
  rm -rf "$work"
  mkdir -p "$home" "$work/runtime"
  chmod 700 "$work/runtime"
}

# Starts the program; once its window has been painted (the start-up trace
# says so) it is ended with SIGTERM. Options that answer at once end it sooner.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen BIORHYTHM_TRACE_STARTUP=1 \
    "$program" "$@" >"$work/out" 2>"$work/err" &
  local pid=$! tenths=0
  while kill -0 "$pid" 2>/dev/null; do
    if grep -q 'first frame' "$work/err"; then
      sleep 0.5
      kill -TERM "$pid" 2>/dev/null
      break
    fi
    if ((++tenths > 600)); then
      kill -KILL "$pid" 2>/dev/null
      break
    fi
    sleep 0.1
  done
  wait "$pid"
}

files_in_home() { (cd "$home" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

# First start: nothing stored; today is selected and written back on closing.
fresh_home
run || fail "the program ended with status $? ($(cat "$work/err"))"
[[ "$(files_in_home)" == "$birthday" ]] || fail "files left in the home: $(files_in_home)"
today=$(printf '%s\r\n%s\r\n%s\r\n' "$(date +%Y)" "$(date +%-m)" "$(date +%-d)")
[[ "$(cat "$home/$birthday")" == "$today" ]] || fail "first start stored $(od -c "$home/$birthday")"

# A birthday file from an earlier version is read as it is: the window shows
# its date and stores the same bytes again.
fresh_home
mkdir -p "$home/$(dirname "$birthday")"
printf '1980\r\n5\r\n17\r\n' >"$home/$birthday"
run || fail "the program ended with status $? ($(cat "$work/err"))"
[[ "$(files_in_home)" == "$birthday" ]] || fail "files left in the home: $(files_in_home)"
[[ "$(od -An -c "$home/$birthday")" == "$(printf '1980\r\n5\r\n17\r\n' | od -An -c)" ]] ||
  fail "the stored date changed: $(od -c "$home/$birthday")"

# The command line: help and version answer on stdout, anything else is refused.
fresh_home
run --version || fail "--version ended with status $?"
grep -qx 'biorhythm [0-9.]*' "$work/out" || fail "--version printed '$(cat "$work/out")'"
run --help || fail "--help ended with status $?"
grep -q -- '--version' "$work/out" || fail "--help printed '$(cat "$work/out")'"
for bad in --bogus extra; do
  run "$bad"
  status=$?
  ((status == 2)) || fail "'$bad' ended with status $status"
  [[ ! -s "$work/out" ]] || fail "'$bad' printed on stdout"
  grep -q 'Usage:' "$work/err" || fail "'$bad' gave no usage: $(cat "$work/err")"
done
[[ -z "$(files_in_home)" ]] || fail "the command line alone left files: $(files_in_home)"
echo "a full run leaves only $birthday; an earlier birthday file reads unchanged"
