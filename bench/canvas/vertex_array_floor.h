#pragma once

#include <vector>

class CVellView;

// The practical floor for drawing the view's particles with OpenGL 1.1: the same quads
// (same corners, texture coordinates, colours and order), the same texture and blend
// state and the same paper pass as CVellView::DrawScene, but handed over as client-side
// vertex arrays in one glDrawArrays call instead of one call per vertex attribute.
class CVertexArrayFloor {
 public:
  // Expands the view's newest particles into the arrays (not part of a frame: a
  // renderer built this way would keep them up to date as particles are laid).
  void Load(const CVellView& view);
  // One frame into the back buffer of the current context.
  void Draw(const CVellView& view) const;
  int quadCount() const { return static_cast<int>(vertices_.size() / 4); }

 private:
  struct Vertex {
    float x, y;
    float s, t;
    float red, green, blue;
  };
  std::vector<Vertex> vertices_;
};
