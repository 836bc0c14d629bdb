#include "app/about_dlg.h"

#include "app/resources/about_dialog_resource.h"
#include "app/resources/icon_resource.h"

namespace {

// The template, after making sure its icon can be found.
const DialogTemplate& AboutBoxTemplate() {
  EnsureAppResources();
  return kAboutBoxTemplate;
}

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(AboutBoxTemplate(), nullptr) {}
