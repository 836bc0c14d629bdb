#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "bitmap/dib_reader.h"
#include "canvas/particle_sprite.h"
#include "canvas/vell_view.h"

namespace {

constexpr char kSpritePath[] = "Data/Particle.bmp";  // against the current directory

}  // namespace

void CVellView::LoadSpriteTexture() {
  RgbImage* image = ReadDibImage(kSpritePath);
  // When the file cannot be read (the reader has said why), the built-in sprite keeps
  // strokes soft instead of drawing them as hard squares.
  std::vector<std::uint8_t> builtIn;
  int width = kSpriteSide, height = kSpriteSide;
  const unsigned char* pixels = nullptr;
  if (image) {
    width = image->width;
    height = image->height;
    pixels = image->pixels;
  } else {
    builtIn = MakeParticleSpriteRgb();
    pixels = builtIn.data();
  }

  glGenTextures(1, &spriteTexture);
  glBindTexture(GL_TEXTURE_2D, spriteTexture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  // Rows are tightly packed; alignment 1 takes a sprite of any width as stored.
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

  FreeRgbImage(image);
}
