#pragma once

#include <string>
#include <vector>

// Frame times of the benchmarks that ran in this process, kept per benchmark over all
// its repetitions, so the run can end with medians and their ratios.
void RecordFrameMs(const std::string& benchmark, double ms);
// The pixels the quads of `benchmark`'s ring cover; the rasteriser's work grows with it.
void RecordQuadPixels(const std::string& benchmark, double quadPixels);
double MedianOf(std::vector<double> values);
// The median frame time of `benchmark`, or a negative value when it did not run.
double MedianFrameMs(const std::string& benchmark);
// The table of medians and the ratios between benchmarks that ran, on stdout.
void PrintFrameSummary();
