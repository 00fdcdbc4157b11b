// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// What the drill's handlers cost on their own, without any window: the work
// a click does before the toolkit draws anything. The whole program is wired
// as the tests wire it (tests/core/rig.h), with its timers on a virtual clock.
//
// Prints the console report on stderr and one table row per handler on
// stdout: min, median and max over the repetitions, in microseconds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "table.h"
#include "tests/core/rig.h"

namespace {

using korvane::testing::Rig;

// A run as the pupil starts it with the default settings, except that no
// problem limit is in reach: it ends only when every fact has left play.
void startRun(Rig& rig)
{
    rig->MaxNum.setText("32000");
    rig->Start_Click();
}

// The run is over (every fact has left play): Reset and Start again, off
// the clock.
void restartIfEnded(benchmark::State& state, Rig& rig)
{
    if (rig->but(0).Enabled()) {
        return;
    }
    state.PauseTiming();
    rig->clear_Click();
    startRun(rig);
    state.ResumeTiming();
}

// An answer click on the right button: chime, booking, next problem.
void butClickRight(benchmark::State& state)
{
    Rig rig;
    startRun(rig);
    for (auto _ : state) {
        rig->but_Click(rig.data.rightslot - 1);
        restartIfEnded(state, rig);
    }
}

// An answer click on a wrong button: review stack, popup, booking, next
// problem.
void butClickWrong(benchmark::State& state)
{
    Rig rig;
    startRun(rig);
    for (auto _ : state) {
        rig->but_Click(rig.data.rightslot % 3);
        restartIfEnded(state, rig);
    }
}

// The largest table: addition, all ten numbers, plus ten: 200 facts.
void preptable200(benchmark::State& state)
{
    Rig rig;
    rig->ck(10).setValue(1);  // raises ck_Click: the settings are read, optype 1
    rig->preptable();
    if (rig.data.poolcount != 200) {
        state.SkipWithError("the table does not hold 200 facts");
        return;
    }
    for (auto _ : state) {
        rig->preptable();
        benchmark::DoNotOptimize(rig.data.poolcount);
    }
}

// A results page with every cell filled: 200 facts, each with two-digit
// counts, page 1 drawn again as "Show 1-10" does.
void resultsPage(benchmark::State& state)
{
    Rig rig;
    rig->ck(10).setValue(1);
    rig->preptable();
    for (int i = 1; i <= 200; ++i) {
        rig.data.facts(i).timesright = static_cast<std::int16_t>(10 + i % 50);
        rig.data.facts(i).timeswrong = static_cast<std::int16_t>(i % 40);
    }
    rig.data.totalright = 9000;
    rig.data.totalprobs = 14000;
    rig.pf.Load();
    for (auto _ : state) {
        rig.pf.show10_Click();
        benchmark::DoNotOptimize(rig.pf.dt.items().data());
    }
}

// Reading every setting, as Start and each settings click do.
void getpref(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state) {
        rig->Getpref();
        benchmark::DoNotOptimize(rig.data.optype);
    }
}

double minimum(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double maximum(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

struct Entry {
    const char* name;
    void (*function)(benchmark::State&);
    const char* row;
};

constexpr Entry kEntries[] = {
    {"but_Click/right", butClickRight, "Handler: `but_Click`, right answer, to the next problem (µs)"},
    {"but_Click/wrong", butClickWrong, "Handler: `but_Click`, wrong answer, to the next problem (µs)"},
    {"preptable/200", preptable200, "Handler: `preptable`, 200 facts (+, all numbers, +10) (µs)"},
    {"show10_Click/full", resultsPage, "Handler: results page drawn, `show10_Click`, full table (µs)"},
    {"Getpref", getpref, "Handler: one `Getpref` (µs)"},
};

// Keeps the console report and collects the aggregates for the table.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate) {
                aggregates_[run.run_name.function_name][run.aggregate_name] = run.GetAdjustedRealTime();
                repetitions_[run.run_name.function_name] = run.repetitions;
            }
        }
    }

    void printTable() const
    {
        for (const Entry& entry : kEntries) {
            const auto found = aggregates_.find(entry.name);
            if (found == aggregates_.end()) {
                continue;
            }
            const auto& a = found->second;
            korvane::bench::Summary s{static_cast<std::size_t>(repetitions_.at(entry.name)), a.at("min"),
                                      a.at("median"), a.at("max")};
            korvane::bench::printRow(entry.row, s, 2, "< 20 µs", korvane::bench::verdict(s.median < 20.0));
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> aggregates_;
    std::map<std::string, std::int64_t> repetitions_;
};

}  // namespace

int main(int argc, char* argv[])
{
    for (const Entry& entry : kEntries) {
        benchmark::RegisterBenchmark(entry.name, entry.function)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("min", minimum)
            ->ComputeStatistics("max", maximum);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    TableReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
