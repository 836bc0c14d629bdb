#include "bench/canvas/frame_samples.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

std::map<std::string, std::vector<double>>& Samples() {
  static std::map<std::string, std::vector<double>> samples;
  return samples;
}

std::map<std::string, double>& QuadPixels() {
  static std::map<std::string, double> quadPixels;
  return quadPixels;
}

std::map<std::string, std::vector<double>>& PairRatios() {
  static std::map<std::string, std::vector<double>> ratios;
  return ratios;
}

struct Ratio {
  const char* what;
  const char* numerator;
  const char* denominator;
};

constexpr Ratio kRatios[] = {
    {"immediate mode / vertex-array floor", "BM_SceneImmediate", "BM_SceneVertexArrays"},
    {"real view frame / bare scene", "BM_FullFrameRealView", "BM_SceneImmediate"},
    {"after 1M emitted / after 10k emitted", "BM_FrameAfter1M", "BM_FrameAfter10k"},
    {"empty ring / full ring", "BM_EmptyRing", "BM_SceneImmediate"},
};

// The value below which `fraction` of the values lie (nearest rank).
double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return -1;
  const size_t rank = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  std::nth_element(values.begin(), values.begin() + rank, values.end());
  return values[rank];
}

}  // namespace

void RecordQuadPixels(const std::string& benchmark, double quadPixels) {
  QuadPixels()[benchmark] = quadPixels;
}

void RecordPairRatio(const std::string& comparison, double ratio) {
  PairRatios()[comparison].push_back(ratio);
}

void RecordFrameMs(const std::string& benchmark, double ms) { Samples()[benchmark].push_back(ms); }

double MedianOf(std::vector<double> values) {
  if (values.empty()) return -1;
  const size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + middle, values.end());
  if (values.size() % 2 == 1) return values[middle];
  const double upper = values[middle];
  return (upper + *std::max_element(values.begin(), values.begin() + middle)) / 2;
}

double MedianFrameMs(const std::string& benchmark) {
  const auto found = Samples().find(benchmark);
  return found == Samples().end() ? -1 : MedianOf(found->second);
}

void PrintFrameSummary() {
  std::printf("\nFrame times over all repetitions, 1280x720 (ms)\n");
  std::printf("  %-24s %8s %8s %8s %7s\n", "", "median", "10%", "90%", "frames");
  for (const auto& [name, frames] : Samples()) {
    std::printf("  %-24s %8.2f %8.2f %8.2f %7zu\n", name.c_str(), MedianOf(frames),
                Percentile(frames, 0.1), Percentile(frames, 0.9), frames.size());
  }
  std::printf("Ratios of medians\n");
  for (const Ratio& ratio : kRatios) {
    const double top = MedianFrameMs(ratio.numerator);
    const double bottom = MedianFrameMs(ratio.denominator);
    if (top < 0 || bottom <= 0) continue;
    std::printf("  %-40s %6.3f  (difference %+.2f ms)", ratio.what, top / bottom, top - bottom);
    // Rings written by different strokes cover different areas; per covered pixel the
    // ratio shows what the drawn range itself costs.
    const double topPixels = QuadPixels()[ratio.numerator];
    const double bottomPixels = QuadPixels()[ratio.denominator];
    if (topPixels > 0 && bottomPixels > 0 && topPixels != bottomPixels) {
      std::printf("  per quad pixel %.3f", (top / topPixels) / (bottom / bottomPixels));
    }
    std::printf("\n");
  }
  if (PairRatios().empty()) return;
  std::printf("Paired ratios (frames drawn back to back, median of the pairs' ratios)\n");
  for (const auto& [comparison, ratios] : PairRatios()) {
    std::printf("  %-40s %6.3f  (10%% %.3f, 90%% %.3f, %zu pairs)\n", comparison.c_str(),
                MedianOf(ratios), Percentile(ratios, 0.1), Percentile(ratios, 0.9), ratios.size());
  }
}
