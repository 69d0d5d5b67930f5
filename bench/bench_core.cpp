#include "BirthdayFile.h"
#include "Calendar.h"
#include "Cycles.h"

#include <benchmark/benchmark.h>

static void BM_Score(benchmark::State& state) {
    double days = 10880;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Score(33, days));
        days += 1;
    }
}
BENCHMARK(BM_Score);

static void BM_FourWeekTable(benchmark::State& state) {
    const TDaySerial birth = DateToSerial(1980, 5, 17);
    const TDaySerial today = DateToSerial(2010, 3, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(FourWeekTable(birth, today));
}
BENCHMARK(BM_FourWeekTable);

static void BM_SerialToDate(benchmark::State& state) {
    double serial = -693593;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SerialToDate(serial));
        serial = serial < 2958465 ? serial + 1 : -693593;
    }
}
BENCHMARK(BM_SerialToDate);
