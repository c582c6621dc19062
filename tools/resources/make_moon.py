#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the moon picture "_MOON_" (resources/moon.dib) to standard output.

Usage: tools/resources/make_moon.py ../shared/data/moon-texture.png > resources/moon.dib

The near side of the moon as seen from the northern hemisphere (north up,
Mare Crisium on the right; the texture's longitude 0 faces the earth),
a 328 x 328 disc in sixteen greys on black: a device-independent bitmap
without file header, the 40-byte information header (4 bits a pixel, no
compression, 0 pixels per metre, 16 colours), the colour table (index i is
the grey 17 i), then the rows bottom-up, 164 bytes each, the left pixel in
the high half of a byte.

Each pixel of the disc is the orthographic view of the sphere: the point
(u, v) of the unit disc is latitude asin v and longitude atan2(u, sqrt(1 -
u^2 - v^2)), read from the equirectangular texture (longitude 0 at the centre
column, north up) as the mean of a 3 x 3 neighbourhood, then the greys are
stretched so the brightest highland is white.

Source: ../shared/data/moon-texture.png (USGS Astrogeology / Clementine,
public domain; see SOURCES.md).
"""
import math
import struct
import sys
import zlib

SIZE = 328
GREYS = 16


def read_png_grey(path):
    """An 8-bit, non-interlaced RGB or grey PNG as rows of grey values."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and interlace == 0 and colour in (0, 2), "only 8-bit grey or RGB, not interlaced"
    channels = 3 if colour == 2 else 1
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, row = line[0], bytearray(line[1:])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append([sum(row[x * channels:(x + 1) * channels]) / channels for x in range(width)])
        previous = row
    return rows


def near_side(texture):
    """Grey 0..1 of each output pixel, top row first; None outside the disc."""
    height, width = len(texture), len(texture[0])
    radius = SIZE / 2
    picture = []
    for y in range(SIZE):
        line = []
        for x in range(SIZE):
            u = (x + 0.5 - radius) / radius
            v = (radius - y - 0.5) / radius
            if u * u + v * v > 1:
                line.append(None)
                continue
            latitude = math.asin(v)
            longitude = math.atan2(u, math.sqrt(max(0.0, 1 - u * u - v * v)))
            column = (longitude / (2 * math.pi) + 0.5) * width
            row = (0.5 - latitude / math.pi) * height
            total = 0.0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    total += texture[min(height - 1, max(0, int(row) + dy))][int(column + dx) % width]
            line.append(total / 9)
        picture.append(line)
    brightest = max(g for line in picture for g in line if g is not None)
    return [[None if g is None else g / brightest for g in line] for line in picture]


def dib(picture):
    row_bytes = SIZE // 2
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, row_bytes * SIZE, 0, 0, GREYS, 0)
    palette = b"".join(bytes((17 * i, 17 * i, 17 * i, 0)) for i in range(GREYS))
    pixels = bytearray()
    for line in reversed(picture):  # bottom-up
        indices = [0 if g is None else max(1, min(GREYS - 1, round(g * (GREYS - 1)))) for g in line]
        pixels += bytes((indices[x] << 4) | indices[x + 1] for x in range(0, SIZE, 2))
    return header + palette + bytes(pixels)


if __name__ == "__main__":
    sys.stdout.buffer.write(dib(near_side(read_png_grey(sys.argv[1]))))
