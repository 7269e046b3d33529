// One world step, update and collision scan, against the number of
// objects: the cost per object should stay flat as a level fills.
#include <benchmark/benchmark.h>
#include "StepWorld.h"
#include "levels/LevelManager.h"
#include "objects/BaseObjectMan.h"
#include "shell/KeyState.h"
#include "text/Font.h"
#include "text/TextStream.h"

namespace {

constexpr float STEP = 0.01f;

void WorldStep(benchmark::State& state)
{
    stext::Font font{2, 16.0f};
    stext::TextStream text{&font};
    LevelManager levman{&text};
    BaseObjectMan objects;
    objects.deleteAll();
    const size_t count = size_t(state.range(0));
    BuildStepWorld(levman, count);
    KeyState keys{};
    // A second of play first: zombies leave their starting tiles.
    for (int i = 0; i < 100; ++i) objects.updateAll(STEP, &keys);
    for (auto _ : state) objects.updateAll(STEP, &keys);
    objects.removeDead();
    if (objects.count() != count) state.SkipWithError("the world did not stay the same");
    state.counters["objects"] = double(count);
    // Seconds per object and step, shown in nanoseconds by the reporter.
    state.counters["per_object"] =
        benchmark::Counter(double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    objects.deleteAll();
}

BENCHMARK(WorldStep)->Arg(100)->Arg(200)->Arg(500)->Arg(1000)->Arg(2000)->Arg(3000)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
