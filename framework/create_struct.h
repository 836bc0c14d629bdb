#pragma once

#include <QString>

// Window creation parameters handed to PreCreateWindow and OnCreate. Only what this
// layer uses: the caption the window is created with.
struct CREATESTRUCT {
  QString lpszName;
};
