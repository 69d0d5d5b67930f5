#!/usr/bin/python3
"""Checks the critical days ahead that the program writes against a
computation of this script's own, reading calendar files with Debian's
iCalendar parser (python3-icalendar).

  check_calendar.py --birth B --from D --days N FILE...
      every FILE holds one all-day event per critical day of the N days from
      D, with the right summary, UIDs unique and the same in every file
  check_calendar.py --birth B --from D --days N --tool SNAPSHOT --dir DIR
      the same for two calendar files the snapshot tool writes, and its CSV
"""
import argparse
import datetime
import os
import subprocess
import sys

from icalendar import Calendar

CYCLES = [("Physical", 23), ("Emotional", 28), ("Intellectual", 33), ("Spiritual", 53),
          ("Awareness", 48), ("Aesthetic", 43), ("Intuition", 38)]
WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def zero_crossing(days, period):
    """Some multiple of period / 2 lies in [days, days + 1)."""
    k = -(-2 * days // period)  # the first multiple at or after days
    return k * period < 2 * days + 2


def expected_days(birth, start, count):
    found = {}
    for offset in range(count):
        day = start + datetime.timedelta(days=offset)
        days = abs((day - birth).days)
        names = [name for name, period in CYCLES if zero_crossing(days, period)]
        if names:
            found[day] = names
    return found


def read_calendar(path, expected):
    with open(path, "rb") as f:
        raw = f.read()
    lines = raw.split(b"\r\n")
    check(lines[-1] == b"", f"{path}: does not end with CR LF")
    for line in lines:
        check(b"\n" not in line and b"\r" not in line, f"{path}: a line break other than CR LF")
        check(len(line) <= 75, f"{path}: a line of {len(line)} octets")
    calendar = Calendar.from_ical(raw)
    check(str(calendar.get("VERSION")) == "2.0", f"{path}: VERSION is not 2.0")
    check(bool(calendar.get("PRODID")), f"{path}: no PRODID")
    uids = {}
    for event in calendar.walk("VEVENT"):
        start = event.decoded("DTSTART")
        end = event.decoded("DTEND")
        uid = str(event.get("UID"))
        check(type(start) is datetime.date, f"{path}: {uid} is not an all-day event")
        check(end - start == datetime.timedelta(days=1), f"{path}: {uid} does not end the next day")
        check(start in expected, f"{path}: {start} is no critical day")
        summary = "Critical day: " + ", ".join(expected.get(start, []))
        check(str(event.get("SUMMARY")) == summary, f"{path}: {start} reads '{event.get('SUMMARY')}'")
        check(isinstance(event.decoded("DTSTAMP"), datetime.datetime), f"{path}: {uid} has no DTSTAMP")
        check(uid not in uids.values(), f"{path}: UID {uid} twice")
        check(start not in uids, f"{path}: {start} twice")
        uids[start] = uid
    check(set(uids) == set(expected), f"{path}: {len(uids)} events for {len(expected)} critical days")
    return uids


def run_tool(tool, args):
    return subprocess.run([tool] + args, capture_output=True, text=True)


def check_tool(options, expected):
    common = ["--birth", options.birth, "--today", options.start, "--critical", str(options.days)]
    csv = run_tool(options.tool, common)
    check(csv.returncode == 0, f"--critical exited with {csv.returncode}: {csv.stderr}")
    rows = csv.stdout.splitlines()
    check(rows[:1] == ["date,weekday,cycles"], f"CSV header {rows[:1]}")
    want = []
    for day, names in sorted(expected.items()):
        cycles = ", ".join(names)
        want.append(f"{day.isoformat()},{WEEKDAYS[day.weekday()]},{cycles if len(names) == 1 else chr(34) + cycles + chr(34)}")
    check(rows[1:] == want, "CSV rows differ:\n" + "\n".join(r for r in rows[1:] if r not in want))
    files = []
    for n in (1, 2):
        path = os.path.join(options.dir, f"critical{n}.ics")
        written = run_tool(options.tool, common + ["--ics", path])
        check(written.returncode == 0 and written.stdout == "", f"--ics exited with {written.returncode}: {written.stderr}")
        files.append(path)
    future = run_tool(options.tool, ["--birth", "2011-01-01", "--today", options.start, "--critical", "30"])
    check(future.returncode == 1 and future.stdout == "", "a birth date after the day shown printed days")
    return files


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--birth", required=True)
    parser.add_argument("--from", dest="start", required=True)
    parser.add_argument("--days", type=int, required=True)
    parser.add_argument("--tool")
    parser.add_argument("--dir")
    parser.add_argument("files", nargs="*")
    options = parser.parse_args()
    expected = expected_days(datetime.date.fromisoformat(options.birth),
                             datetime.date.fromisoformat(options.start), options.days)
    files = list(options.files)
    if options.tool:
        files += check_tool(options, expected)
    uid_sets = [read_calendar(path, expected) for path in files]
    for path, uids in zip(files[1:], uid_sets[1:]):
        check(uids == uid_sets[0], f"{path}: UIDs differ from those of {files[0]}")
    for failure in failures[:20]:
        print(failure, file=sys.stderr)
    return 1 if failures or not files else 0


if __name__ == "__main__":
    sys.exit(main())
