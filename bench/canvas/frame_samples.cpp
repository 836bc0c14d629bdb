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

}  // namespace

void RecordQuadPixels(const std::string& benchmark, double quadPixels) {
  QuadPixels()[benchmark] = quadPixels;
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
  std::printf("\nMedian frame times (all repetitions, 1280x720)\n");
  for (const auto& [name, frames] : Samples()) {
    std::printf("  %-24s %8.2f ms  (%zu frames)\n", name.c_str(), MedianOf(frames), frames.size());
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
}
