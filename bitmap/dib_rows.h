#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/dib_convert.h"
#include "bitmap/dib_source.h"

// How the uncompressed rows of a source lie in its bits, and where each one goes in the
// output. Rows are padded to 4 bytes in the file; only rows whose pixel bytes are all
// present are converted (the last row's padding may be missing).
struct DibRowPlan {
  std::size_t stride = 0;    // bytes from one row to the next in the file
  std::size_t rowBytes = 0;  // bytes holding the row's pixels
  std::int32_t rowsPresent = 0;
  std::int32_t rows = 0;
  std::size_t outputStride = 0;
  bool topDown = false;

  const unsigned char* SourceRow(const unsigned char* bits, std::int32_t row) const {
    return bits + static_cast<std::size_t>(row) * stride;
  }
  // The output is bottom row first; a top-down file's first row is the picture's top.
  unsigned char* OutputRow(unsigned char* rgb, std::int32_t row) const {
    const std::int32_t outRow = topDown ? rows - 1 - row : row;
    return rgb + static_cast<std::size_t>(outRow) * outputStride;
  }
};

inline DibRowPlan PlanDibRows(const DibSource& source, const DibGeometry& geometry) {
  DibRowPlan plan;
  const std::uint64_t bitsPerRow =
      static_cast<std::uint64_t>(geometry.width) * source.header.biBitCount;
  plan.stride = static_cast<std::size_t>((bitsPerRow + 31) / 32 * 4);
  plan.rowBytes = static_cast<std::size_t>((bitsPerRow + 7) / 8);
  plan.rows = geometry.rows;
  plan.topDown = geometry.topDown;
  plan.outputStride = static_cast<std::size_t>(geometry.width) * 3;
  const std::size_t size = source.bits.size();
  if (size >= plan.rowBytes) {
    const std::size_t present = (size - plan.rowBytes) / plan.stride + 1;
    plan.rowsPresent = present < static_cast<std::size_t>(geometry.rows)
                           ? static_cast<std::int32_t>(present)
                           : geometry.rows;
  }
  return plan;
}
