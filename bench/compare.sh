#!/usr/bin/env bash
# Side-by-side speed of our ComputeDaySchedule and adhan-js 4.4.6 on the same workload:
# the 365 days of 2026 in Paris. Prints both medians in microseconds a day and their ratio.
# Times are the processes' CPU times: on a shared machine wall time also counts other jobs.
# A benchmark, run by hand: ./test.sh does not run it. Usage: bench/compare.sh [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."

reps=${1:-9}
build=build/native
scratch=$build/adhan-bench

for tool in node npm; do
  command -v "$tool" >/dev/null || { echo "compare.sh: $tool is needed (not installed)" >&2; exit 1; }
done

# adhan from the npm registry, once, into a scratch folder of the build tree.
if ! node -e "process.exit(require('./$scratch/node_modules/adhan/package.json').version === '4.4.6' ? 0 : 1)" 2>/dev/null; then
  mkdir -p "$scratch"
  npm install --prefix "$scratch" --no-save --no-audit --no-fund --loglevel=error adhan@4.4.6 >/dev/null
fi

cmake --preset native >/dev/null
cmake --build --preset native -j2 --target engine_bench >/dev/null

cat > "$scratch/year.cjs" <<'JS'
// adhan-js over the 365 days of 2026 in Paris: median CPU microseconds a day.
const adhan = require('adhan');
const reps = Number(process.argv[2]);
const coordinates = new adhan.Coordinates(48.8566, 2.3522);
const params = adhan.CalculationMethod.MuslimWorldLeague();  // Fajr 18°, Isha 17°
params.madhab = adhan.Madhab.Shafi;
const days = [];
for (let m = 0; m < 12; ++m) {
  for (let d = 1; d <= new Date(2026, m + 1, 0).getDate(); ++d) days.push(new Date(2026, m, d));
}
let sink = 0;
const pass = () => {
  for (const day of days) sink += new adhan.PrayerTimes(coordinates, day, params).isha.getTime();
};
for (let i = 0; i < 200; ++i) pass();  // warm-up: let the JIT compile
const perDay = [];
for (let r = 0; r < reps; ++r) {
  let passes = 0;
  const start = process.cpuUsage();
  let elapsed = 0;  // microseconds of CPU time
  do {
    pass();
    ++passes;
    const used = process.cpuUsage(start);
    elapsed = used.user + used.system;
  } while (elapsed < 300000);  // at least 0.3 s a repetition
  perDay.push(elapsed / (passes * days.length));
}
perDay.sort((a, b) => a - b);
console.log(`${perDay[Math.floor(perDay.length / 2)]} ${days.length} ${params.highLatitudeRule} ${sink > 0}`);
JS

ours=$("$build/bin/engine_bench" --benchmark_filter='^BM_ParisYear2026$' \
  --benchmark_repetitions="$reps" --benchmark_min_time=0.3 --benchmark_format=json 2>/dev/null |
  node -e "let t='';process.stdin.on('data',d=>t+=d).on('end',()=>{const r=JSON.parse(t).benchmarks
    .find(b=>b.aggregate_name==='median');console.log(r.cpu_time/1000)})")
read -r theirs count rule _ < <(cd "$scratch" && TZ=Europe/Paris node year.cjs "$reps")

echo "Workload: the $count days of 2026 in Paris (48.8566 N, 2.3522 E, Europe/Paris), Fajr 18°, Isha 17°, Shafi Asr"
echo "adhan 4.4.6: CalculationMethod.MuslimWorldLeague, Madhab.Shafi, default high-latitude rule ($rule)"
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $reps repetitions each, medians of CPU time"
printf 'Veloranth ComputeDaySchedule: %8.3f us a day\n' "$ours"
printf 'adhan-js PrayerTimes:         %8.3f us a day\n' "$theirs"
node -e "console.log('Ratio (adhan / ours):        ' + ($theirs / $ours).toFixed(2) + ' x')"
