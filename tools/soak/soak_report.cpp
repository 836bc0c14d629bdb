#include "tools/soak/soak_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

std::string Format(const char* format, double a = 0, double b = 0, double c = 0, double d = 0) {
  char line[256];
  std::snprintf(line, sizeof line, format, a, b, c, d);
  return line;
}

// The values of the samples taken at or after `from` and before `to` seconds.
std::vector<double> Between(const std::vector<SoakSample>& samples, double from, double to) {
  std::vector<double> values;
  for (const SoakSample& s : samples) {
    if (s.seconds >= from && s.seconds < to) values.push_back(s.value);
  }
  return values;
}

// Least-squares slope of the samples after the warm-up, in value units per minute.
double SlopePerMinute(const std::vector<SoakSample>& samples, double from) {
  double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (const SoakSample& s : samples) {
    if (s.seconds < from) continue;
    n += 1, sx += s.seconds, sy += s.value, sxx += s.seconds * s.seconds, sxy += s.seconds * s.value;
  }
  const double denominator = n * sxx - sx * sx;
  return n < 2 || denominator == 0 ? 0 : 60.0 * (n * sxy - sx * sy) / denominator;
}

}  // namespace

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double rank = p / 100.0 * double(values.size() - 1);
  const std::size_t low = std::size_t(std::floor(rank));
  const std::size_t high = std::min(values.size() - 1, low + 1);
  return values[low] + (values[high] - values[low]) * (rank - double(low));
}

SoakVerdict JudgeSoak(const SoakFigures& f, const SoakLimits& limits) {
  SoakVerdict verdict;
  std::string& t = verdict.text;
  const double end = f.rssKiB.empty() ? 0 : f.rssKiB.back().seconds;
  t += Format("events sent: %.0f (presses %.0f, moves %.0f, releases %.0f)\n", double(f.EventsSent()),
              double(f.presses), double(f.moves), double(f.releases));
  t += Format("             digit keys %.0f, keypad digits %.0f, colour commands %.0f, resizes %.0f\n",
              double(f.digitKeys), double(f.keypadKeys), double(f.colourCommands), double(f.resizes));
  t += Format("particles laid: %.0f; frames painted during the stream: %.0f; run %.1f s\n",
              double(f.particlesLaid), double(f.paints), end);

  // Memory: the median of the first quarter after the warm-up against the last
  // quarter's, so that the allocator's ups and downs between two samples do not count.
  const double span = end - f.warmupSeconds;
  const std::vector<double> afterWarmup = Between(f.rssKiB, f.warmupSeconds, 1e300);
  const std::vector<double> firstRss = Between(f.rssKiB, f.warmupSeconds, f.warmupSeconds + span / 4);
  const std::vector<double> lastRss = Between(f.rssKiB, end - span / 4, 1e300);
  const double rssStart = afterWarmup.empty() ? 0 : afterWarmup.front();
  const double rssEnd = afterWarmup.empty() ? 0 : afterWarmup.back();
  const double rssMax = afterWarmup.empty() ? 0 : *std::max_element(afterWarmup.begin(), afterWarmup.end());
  const double firstRssMedian = Percentile(firstRss, 50), lastRssMedian = Percentile(lastRss, 50);
  verdict.memoryFlat = !firstRss.empty() && !lastRss.empty() &&
                       lastRssMedian - firstRssMedian <= limits.rssGrowthKiB;
  t += Format("RSS: %.0f KiB at launch, %.0f KiB after the %.0f s warm-up, %.0f KiB at the end",
              f.rssAtLaunchKiB, rssStart, f.warmupSeconds, rssEnd);
  t += Format(" (max %.0f KiB, slope %+.1f KiB/min)\n", rssMax, SlopePerMinute(f.rssKiB, f.warmupSeconds));
  t += Format("RSS median of the first and the last quarter: %.0f KiB -> %.0f KiB\n", firstRssMedian,
              lastRssMedian);

  // Frame times at the reference size: first quarter after the warm-up against the last.
  const auto quarterMedians = [&](const std::vector<SoakSample>& samples) {
    return std::pair(Percentile(Between(samples, f.warmupSeconds, f.warmupSeconds + span / 4), 50),
                     Percentile(Between(samples, end - span / 4, 1e300), 50));
  };
  const auto [firstCpu, lastCpu] = quarterMedians(f.probeCpuMs);
  const auto [firstWall, lastWall] = quarterMedians(f.probeFrameMs);
  verdict.framesFlat = firstCpu > 0 && lastCpu > 0 &&
                       lastCpu <= firstCpu * limits.frameGrowthRatio + limits.frameSlackMs;
  t += Format("frame time at the reference size, median of the first and the last quarter:\n"
              "  CPU %.2f ms -> %.2f ms; wall clock %.2f ms -> %.2f ms", firstCpu, lastCpu, firstWall, lastWall);
  t += Format(" (%.0f probes)\n", double(f.probeFrameMs.size()));
  t += "trace by tenths of the run (RSS MiB / probe CPU ms):";
  for (int tenth = 0; tenth < 10; ++tenth) {
    const double from = end * tenth / 10, to = end * (tenth + 1) / 10 + (tenth == 9 ? 1 : 0);
    t += Format(" %.1f/%.1f", Percentile(Between(f.rssKiB, from, to), 50) / 1024,
                Percentile(Between(f.probeCpuMs, from, to), 50));
  }
  t += "\n";
  t += Format("frame time during the stream, any size: median %.2f ms, p95 %.2f ms, max %.2f ms\n",
              Percentile(f.streamFrameMs, 50), Percentile(f.streamFrameMs, 95),
              Percentile(f.streamFrameMs, 100));
  t += std::string("memory flat: ") + (verdict.memoryFlat ? "yes" : "NO") +
       "; frame time flat: " + (verdict.framesFlat ? "yes" : "NO") + "\n";
  return verdict;
}
