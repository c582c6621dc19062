#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The PDF imsakiye read back with poppler: December 2026 in İstanbul carries
the text timetable's times day for day, the fonts are embedded, a year is
twelve pages, and the Ramadan of 1447 runs from Diyanet's first day
(19 February 2026) to the Bayram with the Kadir night marked."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

CLI = sys.argv[1]
TIME = re.compile(r"\d\d:\d\d")


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def pdf_rows(pdf, month):
    """{day: [ten times]} of the rows of a month in the PDF's text."""
    rows = {}
    for line in run("pdftotext", "-layout", str(pdf), "-").splitlines():
        found = re.match(r"\s*(\d\d)\.(\d\d) ", line)
        if found and int(found.group(2)) == month:
            rows[int(found.group(1))] = TIME.findall(line)
    return rows


def text_rows(report):
    """{day: [ten times]} of the month's timetable in the text report."""
    rows = {}
    for line in report.split("\f")[0].splitlines():
        found = re.match(r"\s*(\d?\d)\. ", line)
        if found:
            rows[int(found.group(1))] = TIME.findall(line)
    return rows


with tempfile.TemporaryDirectory() as name:
    folder = Path(name)
    ini = folder / "orvanta.ini"
    ini.write_text("[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=180\n"
                   "Şehir Adı=İstanbul\nÜlke Adı=Türkiye\n")
    month = ["report", "monthly", "--ini", str(ini), "--year", "2026", "--month", "12"]
    december = folder / "december.pdf"
    run(CLI, *month, "--format", "pdf", "--out", str(december))
    expected = text_rows(run(CLI, *month))
    assert len(expected) == 31 and all(len(times) == 10 for times in expected.values()), expected
    assert pdf_rows(december, 12) == expected, (pdf_rows(december, 12), expected)

    fonts = run("pdffonts", str(december)).splitlines()[2:]
    assert fonts and all(line.split()[-5] == "yes" for line in fonts), fonts

    year = folder / "year.pdf"
    run(CLI, "report", "yearly", "--ini", str(ini), "--year", "2026", "--format", "pdf", "--out", str(year))
    assert "Pages:           12" in run("pdfinfo", str(year)), "one page a month"

    ramadan = folder / "ramadan.pdf"
    run(CLI, "report", "ramadan", "--ini", str(ini), "--year", "2026", "--preset", "diyanet",
        "--format", "pdf", "--out", str(ramadan))
    text = run("pdftotext", "-layout", str(ramadan), "-")
    days = re.findall(r"^\s*(\d\d\.\d\d) \S+\s+(\d+ \S+)", text, re.M)
    assert days[0] == ("19.02", "1 Ramazan"), days[:2]
    assert days[-1][1] == "1 Şevval" and "Ramazan Bayramı 1. gün" in text, days[-1]
    assert "Kadir Gecesi (R.27)" in text and "Diyanet değerleri" in text
print("imsakiye pdf ok")
