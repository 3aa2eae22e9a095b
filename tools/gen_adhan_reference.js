#!/usr/bin/env node
// Writes cli/tests/data/peers/*.txt: the times that adhan-js 4.4.6 (npm "adhan", pinned
// here) gives on every day of 2026 for the communities' conventions of data/data.cfg, so that
// cli/tests/year_tables_test.py compares veloranth-cli's with a second implementation, offline.
// adhan is installed into build/adhan-reference (never committed). Each file names the
// command-line arguments that choose our town and convention, then gives one line a day of
// local clock times, rounded to the minute as adhan rounds them. Imsak and midnight follow
// their definitions from adhan's own unrounded times: Imsak the Fajr less 10 minutes,
// midnight halfway between sunset and the next day's sunrise (standard) or Fajr (Jafari).
// Usage: node tools/gen_adhan_reference.js
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

const VERSION = '4.4.6';
const root = path.join(__dirname, '..');
const scratch = path.join(root, 'build', 'adhan-reference');
const out = path.join(root, 'cli', 'tests', 'data', 'peers');

function installAdhan() {
  const manifest = path.join(scratch, 'node_modules', 'adhan', 'package.json');
  if (!fs.existsSync(manifest) || JSON.parse(fs.readFileSync(manifest)).version !== VERSION) {
    fs.mkdirSync(scratch, { recursive: true });
    execFileSync('npm', ['install', '--prefix', scratch, '--no-save', '--no-audit', '--no-fund',
                         '--loglevel=error', `adhan@${VERSION}`], { stdio: 'inherit' });
  }
  return require(path.join(scratch, 'node_modules', 'adhan'));
}

const adhan = installAdhan();

// The convention of data.cfg each case stands for, as adhan's parameters.
function qom() {  // 20: 16/14, Maghrib at 4 degrees, the middle of the night
  const p = new adhan.CalculationParameters('Other', 16, 14, 0, 4);
  p.highLatitudeRule = adhan.HighLatitudeRule.MiddleOfTheNight;
  return p;
}
function committeeHanafi() {  // 22
  const p = adhan.CalculationMethod.MoonsightingCommittee();
  p.madhab = adhan.Madhab.Hanafi;
  return p;
}

// Places from the shipped table (tools/data/gazetteer_extract.tsv).
const tehran = { lat: 35.69439, lon: 51.42151, zone: 'Asia/Tehran' };
const najaf = { lat: 32.02594, lon: 44.34625, zone: 'Asia/Baghdad' };
const beirut = { lat: 33.89332, lon: 35.50157, zone: 'Asia/Beirut' };
const london = { lat: 51.50853, lon: -0.12574, zone: 'Europe/London' };
const edinburgh = { lat: 55.95206, lon: -3.19648, zone: 'Europe/London' };

// Each case: our town and convention (veloranth-cli's arguments with the shipped data.cfg),
// adhan's parameters for them, and the midnight the convention keeps.
const cases = [
  { file: 'tehran-qom.txt', args: '--town=teheran --convention=20', place: tehran, params: qom,
    jafari: true, what: 'Leva Institute angles: Fajr 16, Isha 14, Maghrib 4, MiddleOfTheNight' },
  { file: 'najaf-qom.txt', args: '--town=nadjaf', place: najaf, params: qom, jafari: true,
    what: 'Leva Institute angles: Fajr 16, Isha 14, Maghrib 4, MiddleOfTheNight' },
  { file: 'beirut-qom.txt', args: '--town=beyrouth --convention=20', place: beirut, params: qom,
    jafari: true, what: 'Leva Institute angles: Fajr 16, Isha 14, Maghrib 4, MiddleOfTheNight' },
  { file: 'tehran-tehran.txt', args: '--town=teheran', place: tehran,
    params: () => adhan.CalculationMethod.Tehran(), jafari: true, what: 'CalculationMethod.Tehran' },
  { file: 'london-committee.txt', args: '--town=londres --zone=Europe/London', place: london,
    params: committeeHanafi, jafari: false,
    what: 'CalculationMethod.MoonsightingCommittee, Madhab.Hanafi' },
  { file: 'edinburgh-committee.txt', args: '--town=edimbourg --zone=Europe/London',
    place: edinburgh, params: committeeHanafi, jafari: false,
    what: 'CalculationMethod.MoonsightingCommittee, Madhab.Hanafi' },
];

function timesOf(c, year, month, day, rounding) {
  const params = c.params();
  params.rounding = rounding;
  const coordinates = new adhan.Coordinates(c.place.lat, c.place.lon);
  // adhan reads the day from the Date's local fields: TZ=UTC below makes them the date's.
  return new adhan.PrayerTimes(coordinates, new Date(year, month - 1, day), params);
}

function write(c) {
  const clock = new Intl.DateTimeFormat('en-GB', { timeZone: c.place.zone, hour: '2-digit',
                                                    minute: '2-digit', hourCycle: 'h23' });
  const nearest = (ms) => clock.format(new Date(Math.round(ms / 60000) * 60000));
  const lines = [
    `# adhan ${VERSION} (npm), ${c.what}, at ${c.place.lat} ${c.place.lon}, ${c.place.zone};`,
    '# written by tools/gen_adhan_reference.js. Local times, rounded to the minute.',
    `args ${c.args}`,
    '# date fajr chourouk zuhr asr maghrib isha imsak sunset midnight',
  ];
  for (let d = new Date(Date.UTC(2026, 0, 1)); d.getUTCFullYear() === 2026;
       d = new Date(d.getTime() + 86400000)) {
    const [y, m, day] = [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()];
    const shown = timesOf(c, y, m, day, adhan.Rounding.Nearest);
    const exact = timesOf(c, y, m, day, adhan.Rounding.None);
    const next = timesOf(c, y, m, day + 1, adhan.Rounding.None);
    const end = c.jafari ? next.fajr : next.sunrise;
    const midnight = (exact.sunset.getTime() + end.getTime()) / 2;
    const imsak = exact.fajr.getTime() - 10 * 60000;
    lines.push([d.toISOString().slice(0, 10),
                ...[shown.fajr, shown.sunrise, shown.dhuhr, shown.asr, shown.maghrib,
                    shown.isha].map((t) => clock.format(t)),
                nearest(imsak), nearest(exact.sunset.getTime()), nearest(midnight)].join(' '));
  }
  fs.writeFileSync(path.join(out, c.file), lines.join('\n') + '\n');
  console.log(`wrote ${path.relative(root, path.join(out, c.file))}`);
}

if (process.env.TZ !== 'UTC') {
  // Dates are built from local fields: rerun with the process's zone set to UTC.
  execFileSync(process.execPath, [__filename], { stdio: 'inherit', env: { ...process.env, TZ: 'UTC' } });
} else {
  fs.mkdirSync(out, { recursive: true });
  cases.forEach(write);
}
