#pragma once

#include "framework/win_app.h"

// The application object: start-up, and the New, Open and About commands.
class CVellApp : public CWinApp {
 public:
  CVellApp();

  bool InitInstance() override;
  QString LoadString(unsigned id) const override;
  const MenuResource* FindMenu(unsigned id) const override;
  const AcceleratorResource* FindAccelerators(unsigned id) const override;
  QIcon LoadIcon(unsigned id) const override;

  void OnAppAbout();
};
