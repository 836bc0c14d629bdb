// Decode throughput of the bitmap reader (MB/s of RGB output) against Qt's QImage and
// stb_image on the same files, and against the floor: mapping the file with one
// sequential pass over it, plus copying an output-sized block into a new allocation.
// After the runs, a table gives each peer's time as a ratio of ours.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bench_files.h"
#include "bitmap/dib_error_reporter.h"
#include "peers.h"

namespace {

struct Peer {
  const char* name;
  DecodeFunction decode;
};

const std::vector<Peer>& Decoders() {
  static const std::vector<Peer> peers = {
      {"vell", DecodeWithVell},
#ifdef VELL_BENCH_QT
      {"qt", DecodeWithQt},
#endif
      {"stb", DecodeWithStb},
  };
  return peers;
}

void RunDecoder(benchmark::State& state, DecodeFunction decode, const BenchFile& file) {
  for (auto _ : state) {
    if (decode(file.path) != file.outputBytes) {
      state.SkipWithError("cannot decode this file");
      return;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.outputBytes));
}

void RunFloor(benchmark::State& state, const BenchFile& file) {
  for (auto _ : state) {
    MapAndPass(file.path);
    CopyIntoNewBlock(file.outputBytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.outputBytes));
}

void RegisterAll(const std::vector<BenchFile>& files) {
  for (const BenchFile& file : files) {
    for (const Peer& peer : Decoders())
      benchmark::RegisterBenchmark((file.label + "/" + peer.name).c_str(), RunDecoder,
                                   peer.decode, file)
          ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);
    benchmark::RegisterBenchmark((file.label + "/floor").c_str(), RunFloor, file)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);
    benchmark::RegisterBenchmark(
        (file.label + "/floor-pass").c_str(),
        [](benchmark::State& s, std::string path) { for (auto _ : s) MapAndPass(path); },
        file.path)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);
    benchmark::RegisterBenchmark(
        (file.label + "/floor-memcpy").c_str(),
        [](benchmark::State& s, std::size_t n) { for (auto _ : s) CopyIntoNewBlock(n); },
        file.outputBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.5);
  }
}

// Keeps the console output and remembers each run's time per iteration, in ms.
class CRatioReporter : public benchmark::ConsoleReporter {
 public:
  // Plain text: the output usually ends up in a log.
  CRatioReporter() : ConsoleReporter(OO_Tabular) {}

  std::map<std::string, double> milliseconds;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred) milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

std::string Cell(double value, const char* format) {
  if (value <= 0) return "n/a";
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void PrintRatios(const std::vector<BenchFile>& files, const CRatioReporter& reporter) {
  auto ms = [&](const std::string& name) {
    const auto found = reporter.milliseconds.find(name);
    return found == reporter.milliseconds.end() ? -1.0 : found->second;
  };
  std::printf("\n%-26s %8s %9s %8s %8s %9s %8s %9s %10s\n", "file", "vell ms", "vell MB/s",
              "qt ms", "stb ms", "floor ms", "qt/vell", "stb/vell", "vell/floor");
  for (const BenchFile& file : files) {
    const double vell = ms(file.label + "/vell"), qt = ms(file.label + "/qt"),
                 stb = ms(file.label + "/stb"), floor = ms(file.label + "/floor");
    const double megabytesPerSecond = vell > 0 ? file.outputBytes / 1e6 / (vell / 1e3) : -1;
    std::printf("%-26s %8s %9s %8s %8s %9s %8s %9s %10s\n", file.label.c_str(),
                Cell(vell, "%.1f").c_str(), Cell(megabytesPerSecond, "%.0f").c_str(),
                Cell(qt, "%.1f").c_str(), Cell(stb, "%.1f").c_str(), Cell(floor, "%.1f").c_str(),
                Cell(vell > 0 && qt > 0 ? qt / vell : -1, "%.2f").c_str(),
                Cell(vell > 0 && stb > 0 ? stb / vell : -1, "%.2f").c_str(),
                Cell(vell > 0 && floor > 0 ? vell / floor : -1, "%.2f").c_str());
  }
  std::printf("floor: mmap + one pass over the file, plus memcpy into a new output-sized block; "
              "n/a: the peer cannot read the file or was not built\n");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto folder = std::filesystem::temp_directory_path() / "vell_dib_bench";
  std::filesystem::create_directories(folder);
  const std::vector<BenchFile> files = WriteBenchFiles(folder.string());
  SetDibErrorReporter([](const char* message) { std::fprintf(stderr, "reader: %s\n", message); });
  RegisterAll(files);
  CRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatios(files, reporter);
  std::filesystem::remove_all(folder);
  benchmark::Shutdown();
  return 0;
}
