#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The iCalendar file of orvanta-cli export read by an independent parser
(python3-icalendar): its events fall at the times `orvanta-cli times` gives
for the same days, across the spring summer-time change of Europe/Berlin and
in UTC for a place of a fixed offset; religious days are all-day events."""
import datetime
import subprocess
import sys
import tempfile
import zoneinfo
from pathlib import Path

import icalendar

CLI = sys.argv[1]
KEYS = "imsak,gunes,israk,istiva,ogle,ikindi,asrisani,isfirar,aksam,yatsi"
TITLES = ["İmsak", "Güneş", "İşrak", "İstiva", "Öğle", "İkindi", "Asr-ı Sani", "İsfirar", "Akşam", "Yatsı"]
FIRST_DAY, DAYS = datetime.date(2026, 3, 16), 16  # Ramazan Bayramı and 29 March inside


def cli(*args):
    return subprocess.run([CLI, *args], check=True, capture_output=True, text=True).stdout


def times_of(lat, lon, offset, day):
    """{title: 'HH:MM'} of one day from the times command."""
    fields = cli("times", "--lat", lat, "--lon", lon, "--offset", str(offset), "--date", day.isoformat()).split()
    return dict(zip(TITLES, fields[1:]))


def events(path):
    calendar = icalendar.Calendar.from_ical(Path(path).read_bytes())
    return calendar, [c for c in calendar.walk("VEVENT")]


def check_zone(folder):
    ini = folder / "berlin.ini"
    ini.write_text("[Hesap Paramatreleri]\nEnlem=5252\nBoylam=1340\nSaat Farkı=60\nŞehir Adı=Berlin\n")
    out = folder / "berlin.ics"
    cli("export", "ics", "--ini", str(ini), "--from", FIRST_DAY.isoformat(), "--days", str(DAYS),
        "--times", KEYS, "--alarm", "10", "--zone", "Europe/Berlin", "--out", str(out))
    calendar, all_events = events(out)
    assert [z["TZID"] for z in calendar.walk("VTIMEZONE")] == ["Europe/Berlin"], "one VTIMEZONE"
    berlin = zoneinfo.ZoneInfo("Europe/Berlin")
    seen = {}
    for event in all_events:
        start = event["DTSTART"].dt
        if not isinstance(start, datetime.datetime):
            continue
        assert event["DTSTART"].params["TZID"] == "Europe/Berlin"
        alarms = event.walk("VALARM")
        assert len(alarms) == 1 and alarms[0]["TRIGGER"].dt == datetime.timedelta(minutes=-10), event
        local = start.replace(tzinfo=None).replace(tzinfo=berlin)
        seen.setdefault(local.date(), {})[str(event["SUMMARY"])] = local.strftime("%H:%M")
    assert len(seen) == DAYS, sorted(seen)
    offsets = set()
    for day, times in seen.items():
        noon = datetime.datetime.combine(day, datetime.time(12), berlin)
        offset = int(noon.utcoffset().total_seconds() // 60)
        offsets.add(offset)
        assert times == times_of("52.52", "13.40", offset, day), (day, times)
    assert offsets == {60, 120}, "the span crosses the summer-time change"


def check_utc_and_religious_days(folder):
    ini = folder / "istanbul.ini"
    ini.write_text("[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=180\nŞehir Adı=İstanbul\n")
    out = folder / "istanbul.ics"
    cli("export", "ics", "--ini", str(ini), "--from", FIRST_DAY.isoformat(), "--days", str(DAYS), "--out", str(out))
    calendar, all_events = events(out)
    assert not calendar.walk("VTIMEZONE")
    all_day = {}
    for event in all_events:
        start = event["DTSTART"].dt
        if isinstance(start, datetime.datetime):
            assert start.utcoffset() == datetime.timedelta(0)
            local = start + datetime.timedelta(minutes=180)
            expected = times_of("41.01", "28.97", 180, local.date())
            assert expected[str(event["SUMMARY"])] == local.strftime("%H:%M"), event
            assert not event.walk("VALARM")
        else:
            assert event["DTEND"].dt - start == datetime.timedelta(days=1)
            all_day[start] = str(event["SUMMARY"])
    listed = {}
    for line in cli("hijri", "--lat", "41.01", "--lon", "28.97", "--offset", "180",
                    "--date", FIRST_DAY.isoformat(), "--days", str(DAYS)).splitlines():
        if " | " in line:
            listed[datetime.date.fromisoformat(line[:10])] = line.split(" | ", 1)[1]
    assert listed and all_day == listed, (all_day, listed)


with tempfile.TemporaryDirectory() as name:
    check_zone(Path(name))
    check_utc_and_religious_days(Path(name))
print("ics ok")
