#include "tools/icon_maker/icon_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A shape answers whether a point (in pixels, y down) lies inside it.
using Shape = std::function<bool(double x, double y)>;

struct Point {
  double x, y;
};

// Each pixel is sampled on a 4 x 4 grid.
constexpr int kSamples = 4;

double SegmentDistance(Point p, Point a, Point b, double* along) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) {  // a dot
    if (along) *along = 0;
    return std::hypot(p.x - a.x, p.y - a.y);
  }
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  if (along) *along = t;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// A segment whose half-width runs from r0 at a to r1 at b (a capsule when equal).
Shape TaperedSegment(Point a, Point b, double r0, double r1) {
  return [=](double x, double y) {
    double t = 0;
    const double d = SegmentDistance({x, y}, a, b, &t);
    return d <= r0 + (r1 - r0) * t;
  };
}

// A brush stroke along a quadratic curve: the pressure rises, then lifts off, so the
// stroke is thin at both ends and widest at `widestAt`.
Shape InkStroke(Point p0, Point p1, Point p2, double thin, double wide, double widestAt) {
  std::vector<Point> centres;
  std::vector<double> radii;
  for (int i = 0; i <= 64; ++i) {
    const double t = i / 64.0, u = 1 - t;
    centres.push_back({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                       u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    const double rise = t < widestAt ? t / widestAt : (1 - t) / (1 - widestAt);
    radii.push_back(thin + (wide - thin) * std::sqrt(rise));
  }
  return [=](double x, double y) {
    for (std::size_t i = 0; i < centres.size(); ++i) {
      if (std::hypot(x - centres[i].x, y - centres[i].y) <= radii[i]) return true;
    }
    return false;
  };
}

Shape RoundedRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return x >= x0 && x <= x1 && y >= y0 && y <= y1 && std::hypot(x - cx, y - cy) <= radius;
  };
}

// A sheet with its top-right corner folded over by `fold` pixels.
Shape Sheet(double x0, double y0, double x1, double y1, double fold) {
  return [=](double x, double y) {
    return x >= x0 && x <= x1 && y >= y0 && y <= y1 && (x - (x1 - fold)) - (y - y0) <= 0;
  };
}

Shape Ring(Shape outer, Shape inner) {
  return [=](double x, double y) { return outer(x, y) && !inner(x, y); };
}

struct Layer {
  Shape shape;
  Rgba colour;
};

// Composites the layers (first at the bottom) with coverage as alpha.
RgbaImage Render(int size, const std::vector<Layer>& layers) {
  RgbaImage image{size, size, std::vector<Rgba>(std::size_t(size) * size, Rgba{0, 0, 0, 0})};
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0, a = 0;  // premultiplied
      for (const Layer& layer : layers) {
        int inside = 0;
        for (int s = 0; s < kSamples * kSamples; ++s) {
          inside += layer.shape(px + (s % kSamples + 0.5) / kSamples, py + (s / kSamples + 0.5) / kSamples);
        }
        const double alpha = (layer.colour.a / 255.0) * inside / (kSamples * kSamples);
        r = layer.colour.r * alpha + r * (1 - alpha);
        g = layer.colour.g * alpha + g * (1 - alpha);
        b = layer.colour.b * alpha + b * (1 - alpha);
        a = alpha + a * (1 - alpha);
      }
      if (a > 0) {
        image.pixels[std::size_t(py) * size + px] = {std::uint8_t(std::lround(r / a)), std::uint8_t(std::lround(g / a)),
                                                     std::uint8_t(std::lround(b / a)), std::uint8_t(std::lround(a * 255))};
      }
    }
  }
  return image;
}

// Sixteen colours of our own: inks, papers, bamboo and the seal's red.
constexpr std::array<Rgb, 16> kDocumentPalette = {{
    {0, 0, 0},       {28, 28, 32},    {72, 72, 80},    {128, 128, 136},
    {176, 176, 180}, {214, 212, 206}, {242, 238, 224}, {255, 255, 255},
    {232, 196, 120}, {200, 152, 80},  {140, 96, 40},   {88, 56, 24},
    {210, 40, 32},   {140, 20, 16},   {96, 120, 160},  {200, 220, 240},
}};

enum PaletteIndex : std::uint8_t { kInk = 1, kOutline = 3, kFold = 5, kPaper = 6, kBamboo = 9, kFerrule = 11, kSeal = 12 };

struct IndexedLayer {
  Shape shape;
  std::uint8_t index;
};

// Each pixel takes the index that covers most of its samples (transparent included):
// crisp edges suit a 16-colour picture.
IndexedImage RenderIndexed(int size, const std::vector<IndexedLayer>& layers) {
  IndexedImage image{size, size, kDocumentPalette, std::vector<std::uint8_t>(std::size_t(size) * size, 0),
                     std::vector<bool>(std::size_t(size) * size, true)};
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      std::array<int, 17> votes{};  // 16 = transparent
      for (int s = 0; s < kSamples * kSamples; ++s) {
        const double x = px + (s % kSamples + 0.5) / kSamples, y = py + (s / kSamples + 0.5) / kSamples;
        int top = 16;
        for (const IndexedLayer& layer : layers) if (layer.shape(x, y)) top = layer.index;
        ++votes[top];
      }
      const int winner = int(std::max_element(votes.begin(), votes.end()) - votes.begin());
      if (winner != 16) {
        image.indices[std::size_t(py) * size + px] = std::uint8_t(winner);
        image.transparent[std::size_t(py) * size + px] = false;
      }
    }
  }
  return image;
}

}  // namespace

RgbaImage DrawMainIcon() {
  const Shape tile = RoundedRect(3, 3, 61, 61, 9);
  return Render(64, {
      {tile, {120, 108, 88, 255}},
      {RoundedRect(4.5, 4.5, 59.5, 59.5, 7.5), {240, 236, 220, 255}},
      // The stroke the brush has just written, and a drop of ink beside it.
      {InkStroke({10, 40}, {22, 56}, {39, 41}, 1.2, 5.5, 0.35), {22, 22, 28, 255}},
      {TaperedSegment({14, 20}, {14, 20}, 2.2, 2.2), {22, 22, 28, 255}},
      // The brush: bamboo handle, ferrule, and the inked tip touching the stroke's end.
      {TaperedSegment({57, 7}, {49, 25}, 3.0, 3.0), {204, 156, 84, 255}},
      {TaperedSegment({53.4, 15}, {52.4, 17.2}, 3.1, 3.1), {150, 104, 48, 255}},
      {TaperedSegment({49, 25}, {47, 29.5}, 3.6, 3.6), {96, 60, 28, 255}},
      {TaperedSegment({47, 29.5}, {39.5, 41}, 3.8, 0.6), {16, 16, 20, 255}},
  });
}

IndexedImage DrawDocumentIcon(int size) {
  const double s = size / 32.0;  // the 16-pixel picture is the 32-pixel one halved
  // The sheet's edges lie on whole pixels so its one-pixel outline stays crisp.
  const double left = std::round(5 * s), top = std::round(2 * s);
  const double right = std::round(27 * s), bottom = std::round(30 * s), fold = std::round(7 * s);
  const Shape sheet = Sheet(left, top, right, bottom, fold);
  const Shape inner = Sheet(left + 1, top + 1, right - 1, bottom - 1, fold - 0.5);
  // The flap of the folded corner: the cut-off triangle mirrored onto the sheet.
  const Shape flap = [=](double x, double y) {
    const double fx = x - (right - fold), fy = y - top;
    return fx >= 0 && fy <= fold && fx <= fy;
  };
  return RenderIndexed(size, {
      {sheet, kPaper},
      {Ring(sheet, inner), kOutline},
      {flap, kFold},
      {InkStroke({8 * s, 20 * s}, {14 * s, 9 * s}, {21 * s, 17 * s}, 0.6 * s, 2.2 * s, 0.4), kInk},
      {RoundedRect(17 * s, 22 * s, 23.5 * s, 28 * s, 0.8 * s), kSeal},
      {TaperedSegment({30 * s, 3 * s}, {26 * s, 11 * s}, 1.2 * s, 1.2 * s), kBamboo},
      {TaperedSegment({26 * s, 11 * s}, {23 * s, 16.5 * s}, 1.4 * s, 0.4 * s), kInk},
  });
}
