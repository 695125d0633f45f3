// Reading and writing a large registry root: 40,000 string values in one key, about
// 1 MB of REGEDIT4 text, as a machine that many installations passed over holds.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/portable/registry_hive.h"

namespace {

std::string LargeHiveText(int values) {
  RegistryHive hive;
  for (int i = 0; i < values; ++i)
    hive.SetString("Software\\Bench\\Values", "Value number " + std::to_string(i),
                   "C:\\Program Files\\Some Product\\file" + std::to_string(i) + ".dat");
  return hive.Serialise("HKEY_LOCAL_MACHINE");
}

void BM_ParseLargeHive(benchmark::State& bench) {
  const std::string text = LargeHiveText(static_cast<int>(bench.range(0)));
  for (auto _ : bench) {
    RegistryParseResult parsed = RegistryHive::Parse(text, "HKEY_LOCAL_MACHINE");
    if (!parsed.ok) bench.SkipWithError(parsed.error.c_str());
    benchmark::DoNotOptimize(parsed);
  }
  bench.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseLargeHive)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_SerialiseLargeHive(benchmark::State& bench) {
  const RegistryHive hive =
      RegistryHive::Parse(LargeHiveText(static_cast<int>(bench.range(0))), "HKEY_LOCAL_MACHINE").hive;
  for (auto _ : bench) benchmark::DoNotOptimize(hive.Serialise("HKEY_LOCAL_MACHINE"));
}
BENCHMARK(BM_SerialiseLargeHive)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
