#include "app/vell_doc.h"

namespace {

constexpr char kNewDocumentTitle[] = "标题";

}  // namespace

bool CVellDoc::OnNewDocument() {
  CDocument::OnNewDocument();
  SetTitle(QString::fromUtf8(kNewDocumentTitle));
  return true;
}

bool CVellDoc::OnOpenDocument(const QString& path) { return CDocument::OnOpenDocument(path); }

void CVellDoc::Serialize(CArchive&) {}
