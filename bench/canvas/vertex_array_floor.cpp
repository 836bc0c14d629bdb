#include "bench/canvas/vertex_array_floor.h"

#include <GL/gl.h>

#include "canvas/vell_view.h"

namespace {

constexpr GLfloat kPaperColour[3] = {0.9f, 0.9f, 0.85f};

void DrawPaper(const CVellView& view) {
  glDisable(GL_TEXTURE_2D);
  glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_ZERO);
  glColor3fv(kPaperColour);
  const float halfWidth = static_cast<float>(view.canvasWidth / 2);
  const float halfHeight = static_cast<float>(view.canvasHeight / 2);
  glBegin(GL_QUADS);
  glVertex2f(-halfWidth, -halfHeight);
  glVertex2f(halfWidth, -halfHeight);
  glVertex2f(halfWidth, halfHeight);
  glVertex2f(-halfWidth, halfHeight);
  glEnd();
  glDisable(GL_BLEND);
}

}  // namespace

void CVertexArrayFloor::Load(const CVellView& view) {
  const DrawRange range = NewestParticles(view.brush);
  vertices_.clear();
  vertices_.reserve(static_cast<size_t>(range.end - range.begin) * 4);
  for (std::int64_t e = range.begin; e < range.end; ++e) {
    const InkParticle& p = view.brush.ring(static_cast<int>(e % kRingSize));
    const float x = p.x, y = p.y, s = p.size;
    vertices_.push_back({x - s, y - s, 0, 0, p.red, p.green, p.blue});
    vertices_.push_back({x - s, y + s, 0, 1, p.red, p.green, p.blue});
    vertices_.push_back({x + s, y + s, 1, 1, p.red, p.green, p.blue});
    vertices_.push_back({x + s, y - s, 1, 0, p.red, p.green, p.blue});
  }
}

void CVertexArrayFloor::Draw(const CVellView& view) const {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  glBindTexture(GL_TEXTURE_2D, view.spriteTexture);

  if (!vertices_.empty()) {
    const GLsizei stride = sizeof(Vertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, stride, &vertices_[0].x);
    glTexCoordPointer(2, GL_FLOAT, stride, &vertices_[0].s);
    glColorPointer(3, GL_FLOAT, stride, &vertices_[0].red);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices_.size()));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
  }
  DrawPaper(view);
}
