// SPDX-License-Identifier: GPL-3.0-or-later
// One full engine tick: 21 offsets formatted, the home texts, ten Rows looked up.

#include <benchmark/benchmark.h>

#include "engine/clock_tick.h"

using namespace std::chrono;
using namespace std::chrono_literals;

static void EngineTick(benchmark::State& state)
{
    const orbalune::RowNames rows{{u"ロンドン", u"パ　リ", u"モスクワ", u"ニューデリー", u"シンガポール", u"東　京",
                                   u"シドニー", u"ホノルル", u"ロサンゼルス", u"名前のない町"}};
    local_seconds now = local_days{2008y / June / 29} + 8h + 30min + 15s;
    for (auto _ : state) {
        auto texts = orbalune::ComputeTick(now, rows);
        benchmark::DoNotOptimize(texts);
        now += 1s;  // a new second every tick, as in the window
    }
}
BENCHMARK(EngineTick);

BENCHMARK_MAIN();
