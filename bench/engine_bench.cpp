// Speed of the day, month and year schedules (one town, reference convention).
#include <benchmark/benchmark.h>

#include "engine/schedule.h"

namespace veloranth {
namespace {

struct Paris {
    ObservationDate date{15, 1, 2007};
    EngineMemo memo;
    ConventionRules convention;
    DayInputs in;
    Paris() {
        convention.FajrTwilightAngle = 18;
        convention.IshaTwilightAngle = 17;
        convention.SunriseSetAngle = 0.833;
        convention.AsrShafi = true;
        in.LatitudeRad = 48.8566 * 0.017453292519943295;
        in.LongitudeRad = 2.3522 * 0.017453292519943295;
        in.CurrentTimeZone = 1;
        in.CurrentDst = 1;
        in.convention = &convention;
    }
};

void BM_ComputeDaySchedule(benchmark::State& bs) {
    Paris p;
    int day = 0;
    for (auto _ : bs) {
        p.date.Day = 1 + (day++ % 28);
        benchmark::DoNotOptimize(ComputeDaySchedule(p.in, p.date, &p.memo));
    }
}
BENCHMARK(BM_ComputeDaySchedule);

void BM_ComputeMonthSchedule31(benchmark::State& bs) {
    Paris p;
    PrayerDay days[31];
    for (auto _ : bs) {
        ComputeMonthSchedule(p.in, 1, 2007, days, 31, &p.memo);
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_ComputeMonthSchedule31);

void BM_YearOfSchedules(benchmark::State& bs) {
    Paris p;
    PrayerDay days[31];
    const int length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (auto _ : bs) {
        for (int m = 1; m <= 12; ++m) {
            ComputeMonthSchedule(p.in, m, 2007, days, length[m - 1], &p.memo);
        }
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_YearOfSchedules);

// The side-by-side workload of bench/compare.sh: the 365 days of 2026 in Paris, one day
// per iteration in calendar order, so the reported time is per day.
void BM_ParisYear2026(benchmark::State& bs) {
    Paris p;
    const int length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    ObservationDate days[365];
    int n = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= length[m - 1]; ++d) {
            days[n++] = {d, m, 2026};
        }
    }
    int i = 0;
    for (auto _ : bs) {
        const ObservationDate date = days[i];
        i = i == 364 ? 0 : i + 1;
        benchmark::DoNotOptimize(ComputeDaySchedule(p.in, date, &p.memo));
    }
}
BENCHMARK(BM_ParisYear2026);

}  // namespace
}  // namespace veloranth

BENCHMARK_MAIN();
