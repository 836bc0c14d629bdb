#include "app/resources/about_dialog_resource.h"

#include "app/resource_ids.h"
#include "framework/command_ids.h"

namespace {

using enum DialogControlClass;

// Tab order. Positions and sizes in dialog units: x, y, cx, cy.
constexpr DialogControl kAboutBoxControls[] = {
    {kStatic, IDC_STATIC, 11, 17, 20, 20, WS_CHILD | WS_VISIBLE | SS_ICON, "", IDR_MAINFRAME},
    {kStatic, IDC_STATIC, 40, 10, 119, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, " 1.0 版", 0},
    {kStatic, IDC_STATIC, 40, 25, 119, 8, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT,
     "用鼠标拖动，以墨笔书写", 0},
    {kButton, IDOK, 178, 7, 50, 14,
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, "确定", 0},
};

}  // namespace

// Position (0, 0) leaves the placement to the framework.
const DialogTemplate kAboutBoxTemplate{
    IDD_ABOUTBOX,
    0, 0, 235, 55,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    "关于 ",
    {"宋体", 9, 0, false, 0},
    kAboutBoxControls,
};

const DialogTemplate* FindDialogTemplate(unsigned id) {
  return id == kAboutBoxTemplate.id ? &kAboutBoxTemplate : nullptr;
}
