#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a soak run measured, and whether the program stayed healthy: memory flat after
// the warm-up and frame times flat from the first part of the run to the last.
struct SoakSample {
  double seconds;  // since the start of the run
  double value;
};

struct SoakFigures {
  std::int64_t presses = 0, moves = 0, releases = 0, digitKeys = 0, keypadKeys = 0;
  std::int64_t colourCommands = 0, resizes = 0, paints = 0;
  std::int64_t particlesLaid = 0;
  double warmupSeconds = 0;
  double rssAtLaunchKiB = 0;
  std::vector<SoakSample> rssKiB;              // at the reference size, every probe
  std::vector<SoakSample> probeFrameMs;        // wall-clock, at the reference size
  std::vector<SoakSample> probeCpuMs;          // the painting thread's CPU time, same paints
  std::vector<double> streamFrameMs;           // every paint during the stream, any size

  std::int64_t EventsSent() const {
    return presses + moves + releases + digitKeys + keypadKeys + colourCommands + resizes;
  }
};

struct SoakLimits {
  // Allowed growth of the median RSS from the first quarter after the warm-up to the last.
  double rssGrowthKiB = 4096;
  // Last quarter's median probe over the first quarter's, in the painting thread's CPU
  // time: other programs on the machine stretch the wall-clock time but not that.
  double frameGrowthRatio = 1.25;
  double frameSlackMs = 1.0;      // absolute slack on top of the ratio, for tiny frames
};

struct SoakVerdict {
  bool memoryFlat = false;
  bool framesFlat = false;
  std::string text;  // the report, several lines
};

SoakVerdict JudgeSoak(const SoakFigures& figures, const SoakLimits& limits);

// Median and the p-th percentile (0..100) of a set of numbers; 0 for an empty set.
double Percentile(std::vector<double> values, double p);
