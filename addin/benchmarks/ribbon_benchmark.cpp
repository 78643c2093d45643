// Times the document assembly against the floor of copying the finished document.
// Run by hand: build/native/bin/ribbon-benchmark (never part of the test suite).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>

#include "addin/host_application.h"
#include "addin/ribbon_assembler.h"
#include "common/memory_settings_store.h"
#include "common/settings_snapshot.h"

namespace {

void AssembleDocument(benchmark::State& state, quillmere::MemorySettingsStore settings,
                      std::optional<std::uint32_t> uiLanguage = std::nullopt) {
  quillmere::FixedHost host("Microsoft Office PowerPoint", std::nullopt, uiLanguage);
  quillmere::RibbonAssembler assembler;
  std::size_t bytes = 0;
  for (auto _ : state) {
    // The add-in reads the settings afresh for every document.
    const std::string_view document = assembler.GetRibbonXML(&host, quillmere::SettingsSnapshot(settings)).markup;
    benchmark::DoNotOptimize(document.data());
    bytes = document.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["bytes"] = static_cast<double>(bytes);
}

// The floor: one copy of the finished document, as the add-in makes when it hands the text over.
void CopyDocument(benchmark::State& state, quillmere::MemorySettingsStore settings) {
  quillmere::FixedHost host;
  quillmere::RibbonAssembler assembler;
  const std::string finished(assembler.GetRibbonXML(&host, quillmere::SettingsSnapshot(settings)).markup);
  for (auto _ : state) {
    std::string copy(finished);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * finished.size()));
}

BENCHMARK_CAPTURE(AssembleDocument, defaults, quillmere::MemorySettingsStore{});
BENCHMARK_CAPTURE(AssembleDocument, all_off, quillmere::MemorySettingsStore{{"All", "0"}});
BENCHMARK_CAPTURE(AssembleDocument, defaults_german, quillmere::MemorySettingsStore{}, 0x0407u);
BENCHMARK_CAPTURE(AssembleDocument, defaults_japanese, quillmere::MemorySettingsStore{}, 0x0411u);
BENCHMARK_CAPTURE(CopyDocument, defaults, quillmere::MemorySettingsStore{});
BENCHMARK_CAPTURE(CopyDocument, all_off, quillmere::MemorySettingsStore{{"All", "0"}});

}  // namespace

BENCHMARK_MAIN();
