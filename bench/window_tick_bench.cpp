// SPDX-License-Identifier: GPL-3.0-or-later
// One tick through the real window with a fake clock: the engine plus the
// widget updates of ten Rows (offscreen, so no painting).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "../tests/support/fake_window.h"
#include "window/fonts.h"

using namespace std::chrono;
using namespace std::chrono_literals;

static void WindowTick(benchmark::State& state)
{
    orbalune::testing::FakeWindow w(sys_days{2008y / June / 29} + 8h + 30min + 15s);
    for (auto _ : state) {
        w.clock->time += 1s;
        w.window->tmr00_Timer();
    }
}
BENCHMARK(WindowTick);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orbalune::InstallJapaneseFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
