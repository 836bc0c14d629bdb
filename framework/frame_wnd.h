#pragma once

#include <QMainWindow>
#include <QString>

#include "framework/cmd_target.h"
#include "framework/command_hooks.h"
#include "framework/create_struct.h"
#include "framework/runtime_class.h"

class CDocument;
class CView;
class CSingleDocTemplate;
class QKeyEvent;
class QMenu;
struct AcceleratorResource;

// What the template hands the frame so the frame can make its view.
struct CCreateContext {
  CRuntimeClass<CView> m_pNewViewClass;
  CDocument* m_pCurrentDoc = nullptr;
  CSingleDocTemplate* m_pNewDocTemplate = nullptr;
};

// The main window: caption, menu bar, accelerators, icon; its client area is the view.
// Commands from the menu and the accelerators are routed view, document, frame,
// application; the first table with an entry handles it.
class CFrameWnd : public QMainWindow, public CCmdTarget {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Makes the window from resource `resourceId` (menu, accelerators, icon, title string)
  // and its view from `context`; false when the frame or its view could not be made.
  bool LoadFrame(unsigned resourceId, CCreateContext* context);

  virtual bool PreCreateWindow(CREATESTRUCT& cs);
  virtual int OnCreate(CREATESTRUCT* cs);

  CView* GetActiveView() const { return view_; }
  CDocument* GetActiveDocument() const;

  // Caption: the document's title, " - " and the frame's title text.
  void OnUpdateFrameTitle();
  void InitialUpdateFrame(CDocument* document, bool makeVisible);

  bool RouteCommand(unsigned id);
  bool IsCommandEnabled(unsigned id) const;
  // Accelerators of the frame, tried for every key press before the view sees it.
  bool PreTranslateKey(QKeyEvent* event);

  // The frame's title text, put after the document title in the caption.
  QString m_strTitle;

 protected:
  // Menus and accelerators from the resources of `resourceId`.
  virtual void LoadMenuAndAccelerators(unsigned resourceId);
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Puts the recent-file list in place of its placeholder when the File popup opens.
  void UpdateRecentFileMenu(QMenu* popup);
  void OnNextPane() {}
  bool IsPaneSwitchEnabled() const { return false; }

  CView* view_ = nullptr;
  CCreateContext context_;
  CommandHooks hooks_;
  const AcceleratorResource* accelerators_ = nullptr;
};
