#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares `orvanta-cli times --preset diyanet` with published timetables.

Usage: diyanet_accuracy.py TABLE.csv [--cli build/tools/cli/orvanta-cli] [--worst N]

TABLE.csv has the columns city, lat, lon, tz (an IANA zone), date
(YYYY-MM-DD) and imsak, gunes, ogle, ikindi, aksam, yatsi as HH:MM local
time (tests/data/diyanet-europe-2026.csv is one). Each date's clock offset
comes from the zone's rules. Prints, per city and per month, the share of
the six values within ±1 minute and the share of days whose İmsak and
Yatsı are within ±2 minutes, then the worst days.
"""
import argparse
import collections
import csv
import datetime
import subprocess
import sys
import zoneinfo

COLUMNS = ["imsak", "gunes", "ogle", "ikindi", "aksam", "yatsi"]
# Positions of the six published times among the CLI's ten.
CLI_INDEX = {"imsak": 0, "gunes": 1, "ogle": 4, "ikindi": 5, "aksam": 8, "yatsi": 9}


def minutes(text):
    return int(text[:2]) * 60 + int(text[3:5]) if text else None


def offset_minutes(zone, date):
    noon = datetime.datetime(date.year, date.month, date.day, 12, tzinfo=zoneinfo.ZoneInfo(zone))
    return int(noon.utcoffset().total_seconds() // 60)


def computed_times(cli, lat, lon, offset, first, days):
    """The CLI's ten times for `days` days from `first`, by date."""
    out = subprocess.run([cli, "times", "--lat", lat, "--lon", lon, "--offset", str(offset), "--date",
                          first.isoformat(), "--days", str(days), "--preset", "diyanet"],
                         check=True, capture_output=True, text=True).stdout
    result = {}
    for line in out.splitlines():
        fields = line.split()
        result[fields[0]] = [minutes(t) for t in fields[1:]]
    return result


def runs_of_equal_offset(rows):
    """Consecutive rows of one city with one clock offset, as lists."""
    run = []
    for row in rows:
        if run and (row["offset"] != run[-1]["offset"] or
                    row["day"] - run[-1]["day"] != datetime.timedelta(days=1)):
            yield run
            run = []
        run.append(row)
    if run:
        yield run


def differences(rows, cli):
    """(row, {column: published - computed}) for every row."""
    for run in runs_of_equal_offset(rows):
        first = run[0]
        computed = computed_times(cli, first["lat"], first["lon"], first["offset"], first["day"], len(run))
        for row in run:
            mine = computed[row["date"]]
            yield row, {c: minutes(row[c]) - mine[CLI_INDEX[c]] for c in COLUMNS if row[c]}


class Tally:
    def __init__(self):
        self.values = self.within_one = 0
        self.days = self.imsak_two = self.yatsi_two = 0

    def add(self, diff):
        self.values += len(diff)
        self.within_one += sum(abs(d) <= 1 for d in diff.values())
        self.days += 1
        self.imsak_two += abs(diff.get("imsak", 0)) <= 2
        self.yatsi_two += abs(diff.get("yatsi", 0)) <= 2

    def line(self, label):
        return (f"{label:<14} {100 * self.within_one / self.values:6.1f} %  "
                f"{100 * self.imsak_two / self.days:6.1f} %  {100 * self.yatsi_two / self.days:6.1f} %  "
                f"({self.days} days)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("table")
    parser.add_argument("--cli", default="build/tools/cli/orvanta-cli")
    parser.add_argument("--worst", type=int, default=15)
    args = parser.parse_args()

    by_city = collections.defaultdict(list)
    with open(args.table, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            row["day"] = datetime.date.fromisoformat(row["date"])
            row["offset"] = offset_minutes(row["tz"], row["day"])
            by_city[row["city"]].append(row)

    total = Tally()
    worst = []
    print(f"{'':<14} {'6 values ±1':>8}  {'İmsak ±2':>8}  {'Yatsı ±2':>8}")
    for city, rows in by_city.items():
        city_tally = Tally()
        months = collections.defaultdict(Tally)
        for row, diff in differences(rows, args.cli):
            for tally in (total, city_tally, months[row["day"].month]):
                tally.add(diff)
            worst.append((max(abs(d) for d in diff.values()), city, row["date"], diff))
        print(city_tally.line(city))
        for month, tally in sorted(months.items()):
            print(tally.line(f"  {month:02}"))
    print(total.line("all"))
    print("\nworst days (published - computed, minutes):")
    for _, city, date, diff in sorted(worst, key=lambda w: -w[0])[:args.worst]:
        print(f"  {city:<8} {date}  " + " ".join(f"{c} {d:+d}" for c, d in diff.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
