// SPDX-License-Identifier: GPL-3.0-or-later
// One tick through the real window with a clock that moves a second a tick: the
// engine plus the widget updates of ten Rows (offscreen, so no painting).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>

#include "window/fonts.h"
#include "window/frm1.h"

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

struct SteppedClock final : orbalune::ClockSource {
    mutable orbalune::WallClock::time_point time = sys_days{2008y / June / 29} + 8h + 30min + 15s;
    [[nodiscard]] orbalune::WallClock::time_point now() const override { return time += 1s; }
};

// The window's own tick is called directly: this timer never fires.
struct IdleTimer final : orbalune::TickTimer {
    void armAt(orbalune::WallClock::time_point /*when*/) override {}
    void stop() override {}
};

struct NoColours final : orbalune::ColourPicker {
    std::optional<QColor> pick(const QColor& /*preset*/, QWidget* /*parent*/) override { return std::nullopt; }
};

struct NoStacking final : orbalune::WindowStacking {
    void setTopmost(QWidget& /*window*/, bool /*topmost*/) override {}
};

void WindowTick(benchmark::State& state)
{
    orbalune::Frm1 window({std::make_unique<SteppedClock>(), std::make_unique<IdleTimer>(),
                           std::make_unique<NoColours>(), std::make_unique<NoStacking>()});
    for (auto _ : state) {
        window.tmr00_Timer();
    }
}
BENCHMARK(WindowTick);

}  // namespace

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
