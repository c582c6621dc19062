// One refill of the open "Vakitler" panel (the work each scheduler pass
// adds while it is open): the engine's values, the texts, the widgets.
#include <benchmark/benchmark.h>


#include "settings/qt/vakit_panel.h"

namespace {

void BM_VakitPanelRefill(benchmark::State& state) {
    orvanta::engine::Engine engine;
    engine.setPlace(4101, 2897, 180);
    engine.setDate(29, 4, 2014);
    orvanta::settings::Settings settings;
    int minute = 0;
    orvanta::settings::VakitPanel panel([&] {
        // A new minute each time, so the moon and sun are computed afresh.
        engine.setTimeOfDay(9, static_cast<std::int16_t>(minute++ % 60));
        return orvanta::settings::panelTexts(engine, settings, orvanta::engine::VakitTimes{}, {2014, 4, 29, 9, 3});
    });
    panel.show();
    for (auto _ : state) panel.refill();
}
BENCHMARK(BM_VakitPanelRefill)->Unit(benchmark::kMicrosecond);

}  // namespace
