// Calculate Life Cycle Impact and then Calculate Life Cycle Cost, as the main
// window runs them, over the largest building the group tables allow (20 floor
// and 20 services groups of 101 components of 20 elements: 80,800 elements),
// once with a few shared files and once with 2,000 element files of their own,
// and over the sample office. The files are written once into a temporary
// folder; every run reads them from there. The counter "allocations" is the
// number of allocations of one impact and one cost run.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <stdexcept>

#include "app/AssessmentRuns.h"
#include "app/Workspace.h"
#include "database/ElementLibraries.h"
#include "datagen/LargestBuilding.h"

using namespace kelca;

namespace {
std::atomic<long long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// Out of line, so that the compiler does not pair an inlined new with this free.
[[gnu::noinline]] void Release(void* p) noexcept { std::free(p); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }

namespace {

const std::string kSource = std::string(KELCA_SOURCE_DIR) + "/";

class NoProgress : public ProgressSink {
 public:
  void AddLine(const std::string&) override {}
};

// A workspace with the database of data/db and a project opened from a folder.
struct AssessmentBench {
  std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  std::filesystem::path folder;  // written by the benchmark; removed at the end

  explicit AssessmentBench(const std::string& projectFolder, const std::string& projectFile) {
    SetDefaultParameters(ws->Params);
    Require(OpenDatabase(kSource + "data/db/MATLCIA.IDB", ws->Db, ws->Materials));
    ResetAllSel(ws->Selection);
    Require(ReadProjectFile(projectFolder + projectFile, ws->Project));
    ws->Project.ProjDir = ws->CurrentFolder = projectFolder;
    ws->Project.ProjFileName = projectFile;
    ws->EnergyUse.Value = {100000, 50000, 1000, 20000, 3000, 0};
  }
  ~AssessmentBench() {
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder, ec);
  }

  static void Require(const Status& s) {
    if (!s) throw std::runtime_error(s.message);
  }
};

std::unique_ptr<AssessmentBench> LargestBuilding(datagen::ElementFiles files) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kelca_assess_bench_" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  DbLocations db;
  db.LcaDbFolder = kSource + "data/db/";
  SetLibraryLocations(db);
  AssessmentBench::Require(datagen::WriteLargestBuilding(folder.string() + "/", db, files));
  auto bench = std::make_unique<AssessmentBench>(folder.string() + "/", datagen::kLargestProjectFile);
  bench->folder = folder;
  return bench;
}

void RunImpactAndCost(benchmark::State& state, AssessmentBench& bench) {
  NoProgress progress;
  const long long allocationsBefore = gAllocations;
  for (auto _ : state) {
    const bool impact = RunImpactCalculation(*bench.ws, progress).Completed;
    if (!impact || !RunCostCalculation(*bench.ws, progress).Completed) {
      state.SkipWithError("the calculation did not complete");
      return;
    }
    benchmark::DoNotOptimize(bench.ws->Results.Bldg.Impact[0][2]);
  }
  state.counters["GWP_t"] = bench.ws->Results.Bldg.Impact[0][2] / 1000;
  state.counters["allocations"] =
      static_cast<double>(gAllocations - allocationsBefore) / static_cast<double>(state.iterations());
}

void BM_AssessLargestBuilding(benchmark::State& state) {
  auto bench = LargestBuilding(datagen::ElementFiles::Shared);
  RunImpactAndCost(state, *bench);
  state.counters["elements"] = 2 * kMaxFlrGroups * kMaxGroupComponents * kMaxComponentElements;
}

void BM_AssessDistinctElementFiles(benchmark::State& state) {
  auto bench = LargestBuilding(datagen::ElementFiles::Distinct);
  RunImpactAndCost(state, *bench);
  state.counters["element_files"] = 2000;
}

void BM_AssessOffice(benchmark::State& state) {
  AssessmentBench bench(kSource + "samples/office/", "OFFICE.PRJ");
  RunImpactAndCost(state, bench);
}

}  // namespace

BENCHMARK(BM_AssessLargestBuilding)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AssessDistinctElementFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AssessOffice)->Unit(benchmark::kMillisecond)->UseRealTime();
