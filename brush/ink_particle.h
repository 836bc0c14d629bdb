#pragma once

// One laid particle: the centre in canvas coordinates (origin at the centre of the view,
// y upwards), the half side of its square sprite, and the ink it was laid with. The
// colour triple lies contiguously so the frame can hand it to glColor3fv as is.
struct InkParticle {
  float x;
  float y;
  float size;
  float red;
  float green;
  float blue;
};

static_assert(sizeof(InkParticle) == 24, "six packed 32-bit floats");
