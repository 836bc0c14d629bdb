#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <string>

#include "bitmap/dib_error_reporter.h"
#include "brush/ink_colours.h"
#include "tests/canvas/canvas_fixture.h"

namespace {

constexpr std::array<int, 3> kPaper = {230, 230, 217};  // (0.9, 0.9, 0.85) in 8 bits

TEST(CanvasFrame, EmptyCanvasIsPaperEverywhere) {
  CanvasFixture canvas(200, 100);
  for (auto [x, y] : {std::pair{0, 0}, {-100, -50}, {99, 49}, {-100, 49}, {99, -50}}) {
    ExpectRgbNear(canvas.PixelAt(x, y), kPaper, 1, "paper");
  }
}

// Over a white texel a particle lays its full colour; the paper shows paper * (1 - ink).
TEST(CanvasFrame, InkShowsAsPaperTimesOneMinusInk) {
  const struct {
    const char* what;
    float r, g, b;
    int stacked;
    std::array<int, 3> expected;
  } cases[] = {
      {"one grey particle", 0.2f, 0.2f, 0.2f, 1, {184, 184, 173}},
      {"five stacked saturate", 0.2f, 0.2f, 0.2f, 5, {0, 0, 0}},
      {"red ink removes red", 1.0f, 0.0f, 0.0f, 1, {0, 230, 217}},
  };
  for (const auto& c : cases) {
    CanvasFixture canvas(200, 100);
    canvas.UseWhiteSprite();
    canvas.view().brush.SetInk(c.r, c.g, c.b);
    canvas.LayParticleAt(10, 5);
    for (int i = 1; i < c.stacked; ++i) canvas.view().OnMouseMove(MK_LBUTTON, QPoint(110, 45));
    ASSERT_EQ(canvas.view().brush.count(), c.stacked) << c.what;
    ExpectRgbNear(canvas.PixelAt(10, 5), c.expected, 2, c.what);
    ExpectRgbNear(canvas.PixelAt(-50, -30), kPaper, 1, "away from the ink");
  }
}

// Once more than the ring's size has been laid, each slot is drawn once: drawing from
// emission 0 up to count would draw the newest slots twice and darken them.
TEST(CanvasFrame, FullRingDrawsEverySlotOnce) {
  CanvasFixture canvas(200, 100);
  canvas.UseWhiteSprite();
  CVellView& view = canvas.view();
  view.brush.SetInk(0.0f, 0.0f, 0.0f);
  canvas.LayParticleAt(-80, -40);  // far away
  for (int i = 1; i < kRingSize; ++i) view.OnMouseMove(MK_LBUTTON, QPoint(20, 90));
  view.OnLButtonUp(0, QPoint());
  while (view.brush.brushSize() > 0) view.brush.Tick();
  // 100 particles of about one colour step each, on one spot.
  view.brush.SetInk(1.0f / 255, 1.0f / 255, 1.0f / 255);
  canvas.LayParticleAt(40, 20);
  for (int i = 1; i < 100; ++i) view.OnMouseMove(MK_LBUTTON, QPoint(140, 30));
  ASSERT_EQ(view.brush.count(), kRingSize + 100);
  const int once = static_cast<int>(0.9 * (255 - 100));
  ExpectRgbNear(canvas.PixelAt(40, 20), {once, once, static_cast<int>(0.85 * 155)}, 3,
                "100 steps of ink, drawn once");
}

TEST(CanvasView, ResizeSetsCanvasSizeViewportAndProjection) {
  const struct {
    int cx, cy;
    int width, height;  // stored canvas size
    double halfX, halfY;
  } cases[] = {
      {640, 480, 640, 480, 320, 240},
      {641, 481, 641, 481, 320, 240},  // odd sizes lose the odd pixel in the halves
      {0, 0, 10, 10, 5, 5},            // a minimised frame
      {5, 300, 10, 300, 5, 150},
  };
  CanvasFixture canvas(200, 100);
  CVellView& view = canvas.view();
  for (const auto& c : cases) {
    view.OnSize(0, c.cx, c.cy);
    EXPECT_EQ(view.canvasWidth, c.width);
    EXPECT_EQ(view.canvasHeight, c.height);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], c.width);
    EXPECT_EQ(viewport[3], c.height);
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    // glOrtho(-hx, hx, -hy, hy, -100, 100): a diagonal scale, no translation.
    EXPECT_FLOAT_EQ(m[0], 1.0 / c.halfX) << c.cx << "x" << c.cy;
    EXPECT_FLOAT_EQ(m[5], 1.0 / c.halfY) << c.cx << "x" << c.cy;
    EXPECT_FLOAT_EQ(static_cast<float>(m[10]), static_cast<float>(-2.0 / 200.0));
    EXPECT_FLOAT_EQ(static_cast<float>(m[12]), static_cast<float>(0.0));
    EXPECT_FLOAT_EQ(static_cast<float>(m[13]), static_cast<float>(0.0));
    EXPECT_FLOAT_EQ(static_cast<float>(m[14]), static_cast<float>(0.0));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
  }
}

// Real window events reach the brush: client coordinates from the window system,
// release anywhere ends the stroke, keys set the ink but a keypad digit does not.
TEST(CanvasView, WindowEventsDriveTheBrush) {
  CanvasFixture canvas(200, 100);
  CVellView& view = canvas.view();
  QWindow* surface = view.surface();
  QTest::mouseMove(surface, QPoint(20, 30));
  QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
  QTest::mouseMove(surface, QPoint(23, 34));
  EXPECT_TRUE(view.brush.penDown());
  EXPECT_EQ(view.brush.lastX(), 23);
  EXPECT_EQ(view.brush.lastY(), 34);
  EXPECT_GE(view.brush.count(), 6);
  EXPECT_EQ(view.brush.ring(0).x, 20.0f - 100.0f);
  EXPECT_EQ(view.brush.ring(0).y, 50.0f - 30.0f);
  // A release outside the view still ends the stroke.
  QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(500, -40));
  EXPECT_FALSE(view.brush.penDown());

  const struct {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    bool setsKeyOneInk;
  } keys[] = {
      {"main-keyboard 1", Qt::Key_1, Qt::NoModifier, 10, true},
      {"Shift+1 gives '!' on the same key", Qt::Key_Exclam, Qt::ShiftModifier, 10, true},
      {"keypad 1", Qt::Key_1, Qt::KeypadModifier, 87, false},
      {"digit 9", Qt::Key_9, Qt::NoModifier, 18, false},
  };
  for (const auto& k : keys) {
    view.brush.SetInk(0.5f, 0.5f, 0.5f);
    QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.scanCode, 0, 0, QString());
    QCoreApplication::sendEvent(surface, &press);
    EXPECT_EQ(view.brush.inkRed(), k.setsKeyOneInk ? 0.0f : 0.5f) << k.what;
    EXPECT_EQ(view.brush.inkGreen(), k.setsKeyOneInk ? 1.0f : 0.5f) << k.what;
  }
}

TEST(CanvasView, ColourCommandsAreHandledByTheView) {
  CanvasFixture canvas(200, 100);
  CVellView& view = canvas.view();
  for (const InkCommandColour& row : kInkCommandColours) {
    view.brush.SetInk(0.5f, 0.5f, 0.5f);
    EXPECT_TRUE(view.OnCmdMsg(row.commandId));
    EXPECT_EQ(view.brush.inkRed(), row.red);
    EXPECT_EQ(view.brush.inkGreen(), row.green);
    EXPECT_EQ(view.brush.inkBlue(), row.blue);
  }
  EXPECT_FALSE(view.OnCmdMsg(57600)) << "other commands are not the view's";
}

// A tick repaints only when the frame would differ from the one last drawn.
TEST(CanvasView, TickSkipsAnUnchangedFrame) {
  CanvasFixture canvas(200, 100);
  CVellView& view = canvas.view();
  EXPECT_TRUE(view.HasTimer(CVellView::kTickTimerId));
  view.DrawScene();
  EXPECT_FALSE(view.FrameIsStale());
  view.OnTimer(CVellView::kTickTimerId);
  EXPECT_FALSE(view.FrameIsStale());
  canvas.LayParticleAt(0, 0);
  EXPECT_TRUE(view.FrameIsStale());
  view.DrawScene();
  view.OnSize(0, 300, 100);
  EXPECT_TRUE(view.FrameIsStale());
}

// A view whose surface cannot be set up lives on: no tick, no GL, the brush still works.
class SurfacelessView : public CVellView {
 public:
  bool SetupPixelFormat(QWindow*) override { return false; }
};

TEST(CanvasView, LivesWithoutSurface) {
  CanvasFixture canvas(200, 100, new SurfacelessView());
  CVellView& view = canvas.view();
  EXPECT_EQ(view.renderContext, nullptr);
  EXPECT_FALSE(view.HasTimer(CVellView::kTickTimerId));
  view.OnMouseMove(0, QPoint(10, 10));
  view.OnLButtonDown(MK_LBUTTON, QPoint(10, 10));
  view.OnMouseMove(MK_LBUTTON, QPoint(15, 10));
  EXPECT_EQ(view.brush.count(), 6);
  view.PaintNow();  // the notice is still written, through the raster backing store
}

TEST(CanvasView, DestroyReleasesTheContext) {
  CanvasFixture canvas(200, 100);
  CVellView& view = canvas.view();
  ASSERT_NE(view.renderContext, nullptr);
  view.DestroyWindow();
  EXPECT_EQ(view.renderContext, nullptr);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
}

std::string capturedDibError;
void CaptureDibError(const char* message) { capturedDibError = message; }

// Started from a folder without Data/Particle.bmp the reader reports the path as given,
// and the view falls back to its built-in sprite, so strokes still have soft ink.
TEST(CanvasView, MissingSpriteFileIsReportedAndTheBuiltInSpriteUsed) {
  QTemporaryDir elsewhere;
  const QString home = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
  const DibErrorReporter previous = SetDibErrorReporter(&CaptureDibError);
  capturedDibError.clear();
  {
    CanvasFixture canvas(200, 100);
    EXPECT_EQ(capturedDibError, "Failed to open DIB file Data/Particle.bmp.\n");
    EXPECT_NE(canvas.view().spriteTexture, 0u);
    canvas.view().brush.SetInk(1, 1, 1);
    canvas.LayParticleAt(0, 0);
    for (int i = 0; i < 12; ++i) canvas.view().OnMouseMove(MK_LBUTTON, QPoint(100, 50));
    const std::array<int, 3> centre = canvas.PixelAt(0, 0);
    EXPECT_LT(centre[0], 60) << "the sprite's centre lays ink";
    ExpectRgbNear(canvas.PixelAt(20, 0), kPaper, 1, "beyond the sprite's rim");
  }
  SetDibErrorReporter(previous);
  QDir::setCurrent(home);
}

}  // namespace
