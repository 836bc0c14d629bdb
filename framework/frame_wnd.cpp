#include "framework/frame_wnd.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include "framework/accelerator_table.h"
#include "framework/command_ids.h"
#include "framework/menu_builder.h"
#include "framework/recent_file_list.h"
#include "framework/document.h"
#include "framework/view.h"
#include "framework/win_app.h"

CFrameWnd::CFrameWnd() {
  // Pane switching: with one unsplit view there is no other pane, so it stays disabled.
  OnCommand(ID_NEXT_PANE, &CFrameWnd::OnNextPane);
  OnCommand(ID_PREV_PANE, &CFrameWnd::OnNextPane);
  OnUpdateCommand(ID_NEXT_PANE, &CFrameWnd::IsPaneSwitchEnabled);
  OnUpdateCommand(ID_PREV_PANE, &CFrameWnd::IsPaneSwitchEnabled);
}

CFrameWnd::~CFrameWnd() {
  if (view_) {
    view_->DestroyWindow();
    delete view_;
  }
}

bool CFrameWnd::LoadFrame(unsigned resourceId, CCreateContext* context) {
  CREATESTRUCT cs;
  cs.lpszName = AfxGetApp() ? AfxGetApp()->DocumentString(resourceId, 0) : QString();
  if (!PreCreateWindow(cs)) return false;
  setWindowTitle(cs.lpszName);
  // The window system's default size for a new main window: three quarters of the
  // screen's work area (without a window manager Qt would shrink it to its contents).
  if (const QScreen* screen = this->screen()) resize(screen->availableGeometry().size() * 3 / 4);
  if (context) context_ = *context;
  LoadMenuAndAccelerators(resourceId);
  return OnCreate(&cs) != -1;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT&) { return true; }

int CFrameWnd::OnCreate(CREATESTRUCT*) {
  // The client: the view, made from the template's class record.
  CView* view = context_.m_pNewViewClass.CreateObject();
  if (!view) return -1;
  view->SetDocument(context_.m_pCurrentDoc);
  CREATESTRUCT viewCs;
  if (!view->Create(this, viewCs)) {
    delete view;
    return -1;
  }
  view_ = view;
  view_->preTranslateKey = [this](QKeyEvent* event) { return PreTranslateKey(event); };
  setCentralWidget(view_->widget());
  return 0;
}

CDocument* CFrameWnd::GetActiveDocument() const { return view_ ? view_->GetDocument() : nullptr; }

void CFrameWnd::OnUpdateFrameTitle() {
  const CDocument* document = GetActiveDocument();
  if (!document) {
    setWindowTitle(m_strTitle);
    return;
  }
  setWindowTitle(document->GetTitle() + QStringLiteral(" - ") + m_strTitle);
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, bool makeVisible) {
  if (document) document->titleChanged = [this] { OnUpdateFrameTitle(); };
  if (view_) view_->OnInitialUpdate();
  OnUpdateFrameTitle();
  if (makeVisible) {
    show();
    if (view_) view_->widget()->setFocus();
  }
}

bool CFrameWnd::RouteCommand(unsigned id) {
  if (!IsCommandEnabled(id)) return false;
  CDocument* document = GetActiveDocument();
  if (view_ && view_->OnCmdMsg(id)) return true;
  if (document && document->OnCmdMsg(id)) return true;
  if (OnCmdMsg(id)) return true;
  return AfxGetApp() && AfxGetApp()->OnCmdMsg(id);
}

bool CFrameWnd::IsCommandEnabled(unsigned id) const {
  const CCmdTarget* route[] = {view_, GetActiveDocument(), this, AfxGetApp()};
  for (const CCmdTarget* target : route) {
    // The first target on the route with an entry decides.
    if (target && target->HasCommandHandler(id)) return target->IsCommandEnabledHere(id);
  }
  return false;
}

bool CFrameWnd::PreTranslateKey(QKeyEvent* event) {
  return accelerators_ && TranslateAccelerator(*accelerators_, *event, hooks_);
}

void CFrameWnd::LoadMenuAndAccelerators(unsigned resourceId) {
  hooks_.onCommand = [this](unsigned id) { RouteCommand(id); };
  hooks_.isEnabled = [this](unsigned id) { return IsCommandEnabled(id); };
  hooks_.onPopupAboutToShow = [this](QMenu* popup) { UpdateRecentFileMenu(popup); };
  CWinApp* app = AfxGetApp();
  if (!app) return;
  if (const MenuResource* menu = app->FindMenu(resourceId)) BuildMenuBar(menuBar(), *menu, hooks_);
  accelerators_ = app->FindAccelerators(resourceId);
  setWindowIcon(app->LoadIcon(resourceId));
}

void CFrameWnd::UpdateRecentFileMenu(QMenu* popup) {
  const CRecentFileList* list = AfxGetApp() ? AfxGetApp()->RecentFileList() : nullptr;
  if (!list) return;
  QStringList texts;
  for (int i = 0; i < list->GetCount(); ++i) texts << list->GetMenuText(i, QDir::currentPath());
  ReplaceRecentFileItems(popup, texts);
}

void CFrameWnd::closeEvent(QCloseEvent* event) {
  // No question is ever asked: the window closes, the view goes with it.
  if (view_) view_->DestroyWindow();
  event->accept();
}

void CFrameWnd::changeEvent(QEvent* event) {
  // Keyboard focus given to the frame goes on to its view, whose key handling sets ink.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && view_ && view_->widget())
    view_->widget()->setFocus();
  QMainWindow::changeEvent(event);
}
