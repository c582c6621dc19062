// Writes Orvanta's place database (resources/orvanta.csv) to standard output.
//
//   cd tools/resources && npm install && node make_place_database.mjs > ../../resources/orvanta.csv
//
// Line layout: name;country;zone offset in hours;latitude;longitude, decimal
// comma, UTF-8, no header. Lines 1..81 are the provinces of Türkiye in plate
// order, so that line N is the province with plate number N. The world's
// places follow, ordered by country and then by place (Turkish collation).
//
// Sources:
//   - ../../../shared/data/tr-provinces.txt: province names in plate order.
//   - npm city-timezones 1.3.4 (MIT; its data derives from Natural Earth's
//     populated places, public domain): place names, coordinates and IANA zones.
//   - Node's ICU (Intl.DisplayNames, Intl.DateTimeFormat): Turkish country
//     names and each zone's standard offset. The offsets are those of the
//     time-zone database of the Node that runs the script.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const { cityMapping } = require("city-timezones");

const here = fileURLToPath(new URL(".", import.meta.url));
const provincesFile = `${here}../../../shared/data/tr-provinces.txt`;

// Türkiye keeps UTC+3 all year since 2016.
const TURKEY_OFFSET_HOURS = 3;
const TURKEY_NAME = "Türkiye";

// The capital town of a province where city-timezones spells it otherwise.
const capitalAlias = {
  afyonkarahisar: "afyon",
  hatay: "antioch",
  kocaeli: "izmit",
  sakarya: "adapazari",
  mersin: "icel",
};

// Provinces whose capital city-timezones lacks: approximate centre of the
// capital town to 0.01° (latitude, longitude), as published in common
// gazetteers (OpenStreetMap, Wikipedia).
const capitalCoordinates = {
  aksaray: [38.37, 34.03],
  bayburt: [40.26, 40.23],
  sirnak: [37.52, 42.46],
  bartin: [41.63, 32.34],
  ardahan: [41.11, 42.70],
  igdir: [39.92, 44.05],
  yalova: [40.65, 29.27],
  osmaniye: [37.07, 36.25],
  duzce: [40.84, 31.16],
};

// Places whose country code city-timezones leaves empty.
const countryCodeByName = { Kosovo: "XK" };

const fold = (text) =>
  text.replace(/ı/g, "i").replace(/İ/g, "I").normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();

const decimalComma = (value, digits) => {
  const text = Number(value.toFixed(digits)).toString();
  return text.replace(".", ",");
};

const coordinate = (degrees) => decimalComma(degrees, 4);

// The zone's standard offset: the smaller of the January and July offsets,
// since summer time only ever adds to it.
const offsetCache = new Map();
function standardOffsetHours(zone) {
  if (offsetCache.has(zone)) return offsetCache.get(zone);
  const offsetAt = (month) => {
    const format = new Intl.DateTimeFormat("en", { timeZone: zone, timeZoneName: "longOffset" });
    const name = format.formatToParts(new Date(Date.UTC(2026, month, 1))).find((p) => p.type === "timeZoneName");
    const match = /GMT(?:([+-])(\d\d):(\d\d))?/.exec(name.value);
    if (!match[1]) return 0;
    const hours = Number(match[2]) + Number(match[3]) / 60;
    return match[1] === "-" ? -hours : hours;
  };
  const hours = Math.min(offsetAt(0), offsetAt(6));
  offsetCache.set(zone, hours);
  return hours;
}

const turkishRegion = new Intl.DisplayNames(["tr"], { type: "region" });
function countryName(place) {
  const code = typeof place.iso2 === "string" && place.iso2 ? place.iso2 : countryCodeByName[place.country];
  return code ? turkishRegion.of(code) : place.country;
}

// A place without a zone takes the zone of the nearest place of its country
// that has one; a country with none (Antarctica's stations) is left out.
function withZones(places) {
  const zoned = places.filter((p) => p.timezone);
  return places
    .map((p) => {
      if (p.timezone) return p;
      let best = null;
      let bestDistance = Infinity;
      for (const q of zoned) {
        if (q.country !== p.country) continue;
        const d = (q.lat - p.lat) ** 2 + ((q.lng - p.lng) * Math.cos((p.lat * Math.PI) / 180)) ** 2;
        if (d < bestDistance) [best, bestDistance] = [q, d];
      }
      return best ? { ...p, timezone: best.timezone } : null;
    })
    .filter(Boolean);
}

function provinceLines(turkishPlaces, usedCapitals) {
  const rows = readFileSync(provincesFile, "utf8")
    .split("\n")
    .filter((line) => /^\d\d;/.test(line))
    .map((line) => line.split(";")[1].trim());
  if (rows.length !== 81) throw new Error(`expected 81 provinces, found ${rows.length}`);
  return rows.map((province) => {
    const key = fold(province);
    let lat;
    let lng;
    if (capitalCoordinates[key]) {
      [lat, lng] = capitalCoordinates[key];
    } else {
      const capital = turkishPlaces.find((p) => fold(p.city) === (capitalAlias[key] ?? key));
      if (!capital) throw new Error(`no capital found for ${province}`);
      usedCapitals.add(capital);
      ({ lat, lng } = capital);
    }
    return [province, TURKEY_NAME, TURKEY_OFFSET_HOURS, coordinate(lat), coordinate(lng)].join(";");
  });
}

function worldLines(places, usedCapitals) {
  const collator = new Intl.Collator("tr");
  return withZones(places)
    .filter((p) => !usedCapitals.has(p))
    .map((p) => ({
      name: p.city.trim(),
      country: countryName(p),
      offset: decimalComma(standardOffsetHours(p.timezone), 2),
      lat: coordinate(p.lat),
      lng: coordinate(p.lng),
    }))
    .sort((a, b) => collator.compare(a.country, b.country) || collator.compare(a.name, b.name))
    .map((p) => [p.name, p.country, p.offset, p.lat, p.lng].join(";"));
}

const usedCapitals = new Set();
const turkishPlaces = cityMapping.filter((p) => p.iso2 === "TR");
const lines = [...provinceLines(turkishPlaces, usedCapitals), ...worldLines(cityMapping, usedCapitals)];
for (const line of lines) {
  if (line.length > 200 || line.split(";").some((field) => field === "")) throw new Error(`bad line: ${line}`);
}
process.stdout.write(lines.join("\n") + "\n");
