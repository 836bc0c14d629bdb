// 24 bits per pixel: the file's blue-green-red bytes reversed into red-green-blue.
#include "bitmap/dib_encodings.h"
#include "bitmap/dib_rows.h"

std::int64_t ConvertRgb24Bits(const DibSource& source, const DibGeometry& geometry,
                              unsigned char* rgb) {
  const DibRowPlan plan = PlanDibRows(source, geometry);
  for (std::int32_t row = 0; row < plan.rowsPresent; ++row) {
    const unsigned char* src = plan.SourceRow(source.bits.data(), row);
    unsigned char* dst = plan.OutputRow(rgb, row);
    for (std::int32_t i = 0; i < geometry.width; ++i, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  return plan.rowsPresent;
}
