#include "LevelLoad.h"
#include <benchmark/benchmark.h>
#include "levels/LevelManager.h"
#include "objects/BaseObjectMan.h"
#include "text/Font.h"
#include "text/TextStream.h"

namespace {

void LoadLevel(benchmark::State& state, const std::string& name)
{
    stext::Font font{2, 16.0f};
    stext::TextStream text{&font};
    LevelManager levman{&text};
    BaseObjectMan objects;
    for (auto _ : state) levman.LoadLevel(name);
    state.counters["objects"] = double(objects.count());
    objects.deleteAll();
}

} // namespace

void RegisterLevelLoad(const std::string& name)
{
    benchmark::RegisterBenchmark(("LevelLoad/" + name).c_str(), LoadLevel, name)->Unit(benchmark::kMicrosecond);
}
