#include "framework/doc_template.h"

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_strings.h"
#include "framework/view.h"
#include "framework/win_app.h"

CSingleDocTemplate::CSingleDocTemplate(unsigned resourceId, CRuntimeClass<CDocument> documentClass,
                                       CRuntimeClass<CFrameWnd> frameClass,
                                       CRuntimeClass<CView> viewClass)
    : resourceId_(resourceId),
      documentClass_(documentClass),
      frameClass_(frameClass),
      viewClass_(viewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() { CloseAll(); }

void CSingleDocTemplate::CloseAll() {
  delete frame_;
  frame_ = nullptr;
  delete document_;
  document_ = nullptr;
}

bool CSingleDocTemplate::CreateDocumentAndFrame() {
  document_ = documentClass_.CreateObject();
  CFrameWnd* frame = frameClass_.CreateObject();
  CCreateContext context{viewClass_, document_, this};
  if (!document_ || !frame || !frame->LoadFrame(resourceId_, &context)) {
    delete frame;
    delete document_;
    document_ = nullptr;
    AfxMessageBox(QString::fromUtf8(fw::kCreateEmptyDocumentFailed));
    return false;
  }
  frame_ = frame;
  return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& path, bool makeVisible) {
  const bool created = !document_;
  if (created && !CreateDocumentAndFrame()) return nullptr;

  if (path.isEmpty()) {
    document_->SetDefaultTitle();
    if (!document_->OnNewDocument()) {
      AfxMessageBox(QString::fromUtf8(fw::kCreateEmptyDocumentFailed));
      if (created) CloseAll();
      return nullptr;
    }
  } else {
    // The document is untouched when opening fails, so it keeps its path and title.
    if (!document_->OnOpenDocument(path)) {
      if (created) CloseAll();
      return nullptr;
    }
    document_->SetPathName(path);
  }
  frame_->InitialUpdateFrame(document_, makeVisible);
  return document_;
}
