#pragma once

#include <QString>

#include "framework/runtime_class.h"

class CDocument;
class CFrameWnd;
class CView;

// The single-document template: one document, one frame, one view, made from their
// classes on first use and reused for every later new or open.
class CSingleDocTemplate {
 public:
  CSingleDocTemplate(unsigned resourceId, CRuntimeClass<CDocument> documentClass,
                     CRuntimeClass<CFrameWnd> frameClass, CRuntimeClass<CView> viewClass);
  ~CSingleDocTemplate();

  // A new document when `path` is empty, else the file at `path`. Null after a failure
  // that has been reported.
  CDocument* OpenDocumentFile(const QString& path, bool makeVisible = true);

  unsigned resourceId() const { return resourceId_; }
  CDocument* document() const { return document_; }
  CFrameWnd* frame() const { return frame_; }

  // Releases the frame (and its view) and the document; called at exit.
  void CloseAll();

 private:
  bool CreateDocumentAndFrame();

  unsigned resourceId_;
  CRuntimeClass<CDocument> documentClass_;
  CRuntimeClass<CFrameWnd> frameClass_;
  CRuntimeClass<CView> viewClass_;
  CDocument* document_ = nullptr;
  CFrameWnd* frame_ = nullptr;
};
