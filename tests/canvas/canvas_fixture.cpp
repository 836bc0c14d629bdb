#include "tests/canvas/canvas_fixture.h"

#include <gtest/gtest.h>

#include <QOpenGLContext>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

CanvasFixture::CanvasFixture(int width, int height, CVellView* view)
    : view_(view ? view : new CVellView()) {
  window_.setWindowTitle(QStringLiteral("canvas test"));
  CREATESTRUCT cs;
  EXPECT_TRUE(view_->Create(&window_, cs));
  auto* layout = new QVBoxLayout(&window_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_->widget());
  window_.resize(width, height);
  window_.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(view_->surface()));
  QTest::qWait(20);
}

CanvasFixture::~CanvasFixture() {
  if (whiteTexture_ && view_->renderContext) {
    view_->renderContext->makeCurrent(view_->surface());
    glDeleteTextures(1, &whiteTexture_);
  }
  view_->DestroyWindow();
}

void CanvasFixture::UseWhiteSprite() {
  ASSERT_TRUE(view_->renderContext->makeCurrent(view_->surface()));
  const unsigned char white[3] = {255, 255, 255};
  glGenTextures(1, &whiteTexture_);
  glBindTexture(GL_TEXTURE_2D, whiteTexture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, white);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  view_->spriteTexture = whiteTexture_;
}

void CanvasFixture::LayParticleAt(int canvasX, int canvasY) {
  CVellView& v = *view_;
  const int clientX = canvasX + v.canvasWidth / 2;
  const int clientY = v.canvasHeight / 2 - canvasY;
  v.OnMouseMove(0, QPoint(clientX, clientY));
  v.OnLButtonDown(MK_LBUTTON, QPoint(clientX, clientY));
  v.OnMouseMove(MK_LBUTTON, QPoint(clientX, clientY));
}

std::array<int, 3> CanvasFixture::PixelAt(int canvasX, int canvasY) {
  CVellView& v = *view_;
  EXPECT_TRUE(v.renderContext->makeCurrent(v.surface()));
  v.DrawScene();
  glFinish();
  unsigned char rgba[4] = {};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  // Canvas (x, y) covers the pixel whose lower-left corner is there; rows count from
  // the bottom in GL.
  glReadPixels(canvasX + v.canvasWidth / 2, canvasY + v.canvasHeight / 2, 1, 1, GL_RGBA,
               GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

void ExpectRgbNear(std::array<int, 3> actual, std::array<int, 3> expected, int tolerance,
                   const char* what) {
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(actual[c], expected[c], tolerance)
        << what << ": channel " << c << " is (" << actual[0] << ", " << actual[1] << ", "
        << actual[2] << ")";
  }
}
