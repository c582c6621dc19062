// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the land mask "_EARTH_" (resources/earth.dib) to standard output:
// an 800 x 400 one-bit equirectangular map, 1 land, 0 sea.
//
//   cd tools/resources && npm install && node make_earth_mask.mjs > ../../resources/earth.dib
//
// Layout (a device-independent bitmap without file header): the 40-byte
// information header (width 800, height 400, 1 plane, 1 bit, no compression,
// 40000 bytes of pixels, 3937 pixels per metre, 2 colours), the colour table
// black, white, then the rows bottom-up, 100 bytes each, the leftmost pixel
// in the most significant bit. Column x spans longitude -180 + 0.45 x
// degrees, stored row r latitude -90 + 0.45 r; a pixel is land when the
// centre of its cell lies inside a land polygon (even-odd rule).
//
// Source: npm world-atlas 2.0.2 (land-50m.json: Natural Earth 1:50m land
// polygons, public domain; package ISC), turned into polygons with
// topojson-client 3.1.0 (ISC).
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { feature } = require("topojson-client");
const land = require("world-atlas/land-50m.json");

const WIDTH = 800;
const HEIGHT = 400;
const DEGREES_PER_PIXEL = 0.45;
const ROW_BYTES = WIDTH / 8;
const PIXELS_PER_METRE = 3937;

// Every ring of every land polygon as [longitude, latitude] points, with
// the longitudes made continuous (a ring over the 180th meridian runs on
// past 180 instead of jumping to -180). A ring that goes once round the
// globe (Antarctica) is closed over its pole.
function landRings() {
  const rings = [];
  for (const shape of feature(land, land.objects.land).features) {
    const { type, coordinates } = shape.geometry;
    const polygons = type === "Polygon" ? [coordinates] : coordinates;
    for (const polygon of polygons) {
      for (const ring of polygon) rings.push(continuous(ring));
    }
  }
  return rings;
}

function continuous(ring) {
  const points = [];
  let shift = 0;
  for (let i = 0; i < ring.length; i++) {
    const [longitude, latitude] = ring[i];
    if (i > 0) {
      const step = longitude + shift - points[i - 1][0];
      if (step > 180) shift -= 360;
      if (step < -180) shift += 360;
    }
    points.push([longitude + shift, latitude]);
  }
  const [firstX, firstY] = points[0];
  const [lastX] = points[points.length - 1];
  if (Math.abs(lastX - firstX) > 180) {
    const pole = firstY < 0 ? -90 : 90;
    points.push([lastX, pole], [firstX, pole]);
  }
  return points;
}

// The spans of longitude where a parallel lies inside a ring (even-odd).
function insideSpans(ring, latitude) {
  const found = [];
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
    const [x1, y1] = ring[j];
    const [x2, y2] = ring[i];
    if ((y1 > latitude) !== (y2 > latitude)) {
      found.push(x1 + ((latitude - y1) * (x2 - x1)) / (y2 - y1));
    }
  }
  found.sort((a, b) => a - b);
  const spans = [];
  for (let k = 0; k + 1 < found.length; k += 2) spans.push([found[k], found[k + 1]]);
  return spans;
}

// Each ring flips the pixels whose cell centre it holds, so a lake (a ring
// inside a land ring) is sea again.
function maskRows(rings) {
  const pixels = Buffer.alloc(ROW_BYTES * HEIGHT);
  for (let r = 0; r < HEIGHT; r++) {
    const latitude = -90 + DEGREES_PER_PIXEL * (r + 0.5);
    for (const ring of rings) {
      for (const [west, east] of insideSpans(ring, latitude)) {
        for (const shift of [-360, 0, 360]) {
          const first = Math.max(0, Math.ceil((west + shift + 180) / DEGREES_PER_PIXEL - 0.5));
          const last = Math.min(WIDTH - 1, Math.floor((east + shift + 180) / DEGREES_PER_PIXEL - 0.5));
          for (let x = first; x <= last; x++) pixels[r * ROW_BYTES + (x >> 3)] ^= 0x80 >> (x & 7);
        }
      }
    }
  }
  return pixels;
}

function header() {
  const h = Buffer.alloc(40 + 8);
  h.writeUInt32LE(40, 0);
  h.writeInt32LE(WIDTH, 4);
  h.writeInt32LE(HEIGHT, 8);
  h.writeUInt16LE(1, 12);
  h.writeUInt16LE(1, 14);
  h.writeUInt32LE(0, 16);
  h.writeUInt32LE(ROW_BYTES * HEIGHT, 20);
  h.writeInt32LE(PIXELS_PER_METRE, 24);
  h.writeInt32LE(PIXELS_PER_METRE, 28);
  h.writeUInt32LE(2, 32);
  h.writeUInt32LE(0, 36);
  h.writeUInt32LE(0x00ffffff, 44);  // index 1 white (blue, green, red, 0); index 0 black
  return h;
}

process.stdout.write(Buffer.concat([header(), maskRows(landRings())]));
