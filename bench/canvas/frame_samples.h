#pragma once

#include <string>
#include <vector>

// Frame times of the benchmarks that ran in this process, kept per benchmark over all
// its repetitions, so the run can end with medians and their ratios.
void RecordFrameMs(const std::string& benchmark, double ms);
// The pixels the quads of `benchmark`'s ring cover; the rasteriser's work grows with it.
void RecordQuadPixels(const std::string& benchmark, double quadPixels);
// One ratio of two frames drawn back to back, for the paired comparisons.
void RecordPairRatio(const std::string& comparison, double ratio);
double MedianOf(std::vector<double> values);
// The median frame time of `benchmark`, or a negative value when it did not run.
double MedianFrameMs(const std::string& benchmark);
// The table of medians and the ratios between benchmarks that ran, on stdout.
void PrintFrameSummary();
