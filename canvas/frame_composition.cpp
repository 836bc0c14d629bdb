// One frame, top to bottom: the ink pass sums every particle additively on black, the
// paper pass inverts the sum onto the paper colour, then the notice is written over the
// top-left corner. Nothing carries over between frames.
#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "canvas/notice.h"
#include "canvas/vell_view.h"
#include "framework/dc.h"

namespace {

constexpr GLfloat kPaperColour[3] = {0.9f, 0.9f, 0.85f};

// One textured quad per particle, 2s by 2s centred on it; t = 0 at the bottom, so the
// sprite (stored bottom row first) stands upright.
void DrawParticles(const InkParticle* first, const InkParticle* last) {
  for (const InkParticle* p = first; p != last; ++p) {
    const float x = p->x, y = p->y, s = p->size;
    glColor3fv(&p->red);
    glTexCoord2f(0, 0);
    glVertex2f(x - s, y - s);
    glTexCoord2f(0, 1);
    glVertex2f(x - s, y + s);
    glTexCoord2f(1, 1);
    glVertex2f(x + s, y + s);
    glTexCoord2f(1, 0);
    glVertex2f(x + s, y - s);
  }
}

}  // namespace

void CVellView::OnDraw(CDC* dc) {
  if (renderContext) DrawScene();
  // On this platform the text goes into the back buffer before it is presented (the
  // framework swaps after OnDraw), which puts it over the finished picture as well.
  for (const NoticeLine& line : kNoticeLines) {
    dc->TextOut(0, line.y, line.text, static_cast<int>(std::strlen(line.text)));
  }
}

void CVellView::DrawScene() {
  // Ink pass.
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  glBindTexture(GL_TEXTURE_2D, spriteTexture);

  // The newest particles, oldest first, each slot once: the range wraps at most once
  // around the ring, so it is at most two contiguous runs of slots.
  const DrawRange range = NewestParticles(brush);
  const InkParticle* ring = brush.ringData();
  const int begin = static_cast<int>(range.begin % kRingSize);
  const int total = static_cast<int>(range.end - range.begin);
  const int firstRun = std::min(total, kRingSize - begin);
  glBegin(GL_QUADS);
  DrawParticles(ring + begin, ring + begin + firstRun);
  DrawParticles(ring, ring + (total - firstRun));
  glEnd();

  // Paper pass: paper * (1 - ink) over exactly the projected volume.
  glDisable(GL_TEXTURE_2D);
  glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_ZERO);
  glColor3fv(kPaperColour);
  const float halfWidth = static_cast<float>(canvasWidth / 2);
  const float halfHeight = static_cast<float>(canvasHeight / 2);
  glBegin(GL_QUADS);
  glVertex2f(-halfWidth, -halfHeight);
  glVertex2f(halfWidth, -halfHeight);
  glVertex2f(halfWidth, halfHeight);
  glVertex2f(-halfWidth, halfHeight);
  glEnd();
  glDisable(GL_BLEND);

  drawnCount_ = range.end;
  drawnWidth_ = canvasWidth;
  drawnHeight_ = canvasHeight;
}
