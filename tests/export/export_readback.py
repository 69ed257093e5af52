#!/usr/bin/env python3
"""Reads the exports of ordalis-cli back with other programs' readers: the
iCalendar file of the demo house and of random tables, expanded with
python3-icalendar and dateutil's rrule over a year, holds exactly the
firings of the dry run (the firings sheet); both CSV sheets read back with
the csv module; the PDF has one page per week plus the line list, and
pdftotext finds every function name in it. argv[1]: the build directory."""
import collections, csv, datetime, os, random, re, subprocess, sys, tempfile

import icalendar
from dateutil import rrule

BUILD = os.path.abspath(sys.argv[1])
CLI = os.path.join(BUILD, "ordalis-cli")
FIRST, LAST = datetime.date(2027, 1, 1), datetime.date(2027, 12, 31)
START = datetime.datetime.combine(FIRST, datetime.time())
END = datetime.datetime.combine(LAST + datetime.timedelta(days=1), datetime.time())
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def export(clk, nbt, out, fmt, *extra, dated=True):
    dates = ["--from", FIRST.isoformat(), "--to", LAST.isoformat()] if dated else []
    subprocess.run([CLI, "--now", "2027-01-01T00:00", "export", clk, "--nbt", nbt, "--format", fmt,
                    *dates, *extra, "-o", out], check=True)


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    check(all(len(row) == len(rows[0]) for row in rows), f"{path}: rows of unequal width")
    return rows[0], rows[1:]


def calendar_firings(path):
    """(line, moment) of every instance in [START, END): DTSTART, RRULE, RDATE."""
    with open(path, "rb") as f:
        raw = f.read()
    check(all(len(l) <= 75 for l in raw.split(b"\r\n")), f"{path}: a line above 75 octets")
    check(b"\n" not in raw.replace(b"\r\n", b""), f"{path}: a line not ended by CRLF")
    found = set()
    for event in icalendar.Calendar.from_ical(raw).walk("VEVENT"):
        line = int(re.match(r"line-(\d+)\.", str(event["UID"])).group(1))
        start = event.decoded("DTSTART")
        check(start.tzinfo is None, f"line {line}: DTSTART not floating")
        moments = {start}
        if "RRULE" in event:
            rule = rrule.rrulestr(event["RRULE"].to_ical().decode(), dtstart=start)
            moments.update(rule.between(START, END, inc=True))
        rdates = event.get("RDATE", [])
        for rdate in rdates if isinstance(rdates, list) else [rdates]:
            moments.update(d.dt for d in rdate.dts)
        found.update((line, m) for m in moments if START <= m < END)
    return found


def dry_run_firings(path):
    header, rows = read_csv(path)
    firings = [(int(r[2]), datetime.datetime.fromisoformat(f"{r[0]}T{r[1]}")) for r in rows]
    check(len(set(firings)) == len(firings), f"{path}: a firing listed twice")
    return set(firings)


def compare(name, clk, nbt, work):
    ics, sheet = os.path.join(work, name + ".ics"), os.path.join(work, name + ".csv")
    export(clk, nbt, ics, "ics")
    export(clk, nbt, sheet, "csv", "--firings")
    expected, found = dry_run_firings(sheet), calendar_firings(ics)
    check(found == expected, f"{name}: calendar and dry run differ in {sorted(found ^ expected)[:5]}")
    return expected


def random_clock_file(path, seed):
    rng = random.Random(seed)
    lines = b""
    for _ in range(100):
        unit = rng.randrange(8)
        count = rng.choice([0, rng.randrange(30, 256)]) if unit == 1 else rng.choice([0, 1, 2, 3, rng.randrange(256)])
        lines += bytes([rng.randrange(60), rng.randrange(24), rng.randrange(1, 32), rng.randrange(1, 13),
                        rng.randrange(25, 29), rng.randrange(5), unit, count, rng.choice([0, 1, 2, 7]),
                        rng.randrange(8), rng.randrange(256), 0, 0])
    with open(path, "wb") as f:
        f.write(b"KVB\x01\x00" + lines + b"KVB")


def main():
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([os.path.join(BUILD, "ordalis-demo"), work], check=True, stdout=subprocess.DEVNULL)
        nbt, clk = os.path.join(work, "demo.nbt"), os.path.join(work, "demo.clk")
        check(compare("demo", clk, nbt, work), "demo: no firing in the year")
        for seed in range(6):
            random_clock_file(os.path.join(work, f"r{seed}.clk"), seed)
            compare(f"random{seed}", os.path.join(work, f"r{seed}.clk"), nbt, work)

        # The lines sheet: one row per line in use, each row as the calendar names its line.
        lines_sheet, pdf = os.path.join(work, "lines.csv"), os.path.join(work, "demo.pdf")
        export(clk, nbt, lines_sheet, "csv", dated=False)
        header, rows = read_csv(lines_sheet)
        check(len(header) == 9 and header[0] == "Line", f"lines sheet header: {header}")
        export(clk, nbt, os.path.join(work, "all.ics"), "ics", dated=False)
        with open(os.path.join(work, "all.ics"), "rb") as f:
            events = icalendar.Calendar.from_ical(f.read()).walk("VEVENT")
        check(sorted(int(r[0]) for r in rows) == sorted(int(re.match(r"line-(\d+)", str(e["UID"])).group(1))
                                                         for e in events), "lines sheet and calendar differ")

        export(clk, nbt, pdf, "pdf", "--weeks", "3", dated=False)
        info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
        check(re.search(r"Pages:\s+4\b", info), f"PDF of 3 weeks and the list: {info}")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True, text=True).stdout
        missing = {r[7] for r in rows if r[7]} - {n for n in (r[7] for r in rows) if n in text}
        check(not missing, f"PDF lacks the function names {missing}")
        check(text.count("Week ") >= 3, "PDF lacks the week headers")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
