// canvas_bench: the frame benchmarks (Google Benchmark flags apply), or with
// --idle-cpu[=SECONDS] the idle-CPU measurement of a shown view. Needs an X server:
//   source scripts/lib/xvfb.sh; start_xvfb --force
//   build/release/bench/canvas/canvas_bench && build/release/bench/canvas/canvas_bench --idle-cpu
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/canvas/bench_window.h"
#include "bench/canvas/frame_timing.h"
#include "bench/canvas/frame_samples.h"
#include "bench/canvas/idle_cpu.h"

namespace {

constexpr double kDefaultIdleSeconds = 5.0;
constexpr char kIdleFlag[] = "--idle-cpu";

// The seconds given with --idle-cpu, 0 when the flag is absent, -1 when malformed.
double IdleSecondsFromArgs(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, kIdleFlag) == 0) return kDefaultIdleSeconds;
    if (std::strncmp(arg, kIdleFlag, sizeof kIdleFlag - 1) != 0 || arg[sizeof kIdleFlag - 1] != '=') {
      continue;
    }
    char* end = nullptr;
    const double seconds = std::strtod(arg + sizeof kIdleFlag, &end);
    return (*end == '\0' && seconds > 0 && seconds <= 600) ? seconds : -1;
  }
  return 0;
}

// Unless the command line says otherwise, each benchmark runs in many short repetitions,
// interleaved in random order: the ratios then compare frames drawn under the same
// machine load, even when other work on the machine comes and goes during the run.
std::vector<char*> WithDefaultRepetitions(int argc, char** argv) {
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  static char repetitions[] = "--benchmark_repetitions=18";
  std::vector<char*> args(argv, argv + argc);
  const auto given = [&](const char* flag) {
    for (char* arg : args) {
      if (std::strstr(arg, flag) != nullptr) return true;
    }
    return false;
  };
  if (!given("random_interleaving")) args.insert(args.begin() + 1, interleave);
  if (!given("benchmark_repetitions")) args.insert(args.begin() + 1, repetitions);
  return args;
}

std::string GlString(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? reinterpret_cast<const char*>(text) : "(none)";
}

int RunFrameBenchmarks() {
  CBenchWindow window(kBenchWidth, kBenchHeight);
  if (!window.MakeCurrent()) {
    std::fprintf(stderr, "canvas_bench: the view has no GL context\n");
    return 1;
  }
  benchmark::AddCustomContext("gl_renderer", GlString(GL_RENDERER));
  benchmark::AddCustomContext("gl_version", GlString(GL_VERSION));
  const char* threads = std::getenv("LP_NUM_THREADS");
  benchmark::AddCustomContext("LP_NUM_THREADS", threads ? threads : "(default)");
  SetBenchWindow(&window);
  benchmark::RunSpecifiedBenchmarks();
  SetBenchWindow(nullptr);
  PrintFrameSummary();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The view loads Data/Particle.bmp against the current directory.
  if (!QDir::setCurrent(QStringLiteral(VELL_SOURCE_DIR))) {
    std::fprintf(stderr, "canvas_bench: cannot enter %s; the built-in sprite is used\n",
                 VELL_SOURCE_DIR);
  }
  const double idleSeconds = IdleSecondsFromArgs(argc, argv);
  if (idleSeconds < 0) {
    std::fprintf(stderr, "canvas_bench: %s=SECONDS wants a number of seconds in (0, 600]\n",
                 kIdleFlag);
    return 2;
  }
  if (idleSeconds > 0) return RunIdleCpuMeasurement(idleSeconds);
  std::vector<char*> args = WithDefaultRepetitions(argc, argv);
  int argCount = static_cast<int>(args.size());
  benchmark::Initialize(&argCount, args.data());
  if (benchmark::ReportUnrecognizedArguments(argCount, args.data())) return 2;
  const int status = RunFrameBenchmarks();
  benchmark::Shutdown();
  return status;
}
