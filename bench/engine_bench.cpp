// Speed of the day, month and year schedules (one town, reference convention).
#include <benchmark/benchmark.h>

#include "engine/schedule.h"

namespace veloranth {
namespace {

struct Paris {
    EngineState state;
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
        state.date = {15, 1, 2007};
    }
};

void BM_ComputeDaySchedule(benchmark::State& bs) {
    Paris p;
    int day = 0;
    for (auto _ : bs) {
        p.state.date.Day = 1 + (day++ % 28);
        ComputeDaySchedule(p.state, p.in);
        benchmark::DoNotOptimize(p.state.adjusted);
    }
}
BENCHMARK(BM_ComputeDaySchedule);

void BM_ComputeMonthSchedule31(benchmark::State& bs) {
    Paris p;
    PrayerTimes times[31];
    int weekdays[31];
    for (auto _ : bs) {
        ComputeMonthSchedule(p.state, p.in, times, weekdays, 31);
        benchmark::DoNotOptimize(times);
    }
}
BENCHMARK(BM_ComputeMonthSchedule31);

void BM_YearOfSchedules(benchmark::State& bs) {
    Paris p;
    PrayerTimes times[31];
    int weekdays[31];
    const int length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (auto _ : bs) {
        for (int m = 1; m <= 12; ++m) {
            p.state.date.Month = m;
            ComputeMonthSchedule(p.state, p.in, times, weekdays, length[m - 1]);
        }
        benchmark::DoNotOptimize(times);
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
        p.state.date = days[i];
        i = i == 364 ? 0 : i + 1;
        ComputeDaySchedule(p.state, p.in);
        benchmark::DoNotOptimize(p.state.adjusted);
    }
}
BENCHMARK(BM_ParisYear2026);

}  // namespace
}  // namespace veloranth

BENCHMARK_MAIN();
