#pragma once

#include "framework/document.h"

// The document: a title and a path, no content. The strokes belong to the canvas, so
// no File command clears, loads or stores them.
class CVellDoc : public CDocument {
 public:
  bool OnNewDocument() override;
  bool OnOpenDocument(const QString& path) override;
  // Touches neither the archive nor the document, loading or storing.
  void Serialize(CArchive& ar) override;
};
