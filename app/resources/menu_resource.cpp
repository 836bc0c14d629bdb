#include "app/resources/menu_resource.h"

#include "app/resource_ids.h"
#include "framework/command_ids.h"

namespace {

constexpr MenuItem kFileItems[] = {
    {"新建(&N)\tCtrl+N", ID_FILE_NEW, 0},
    {"打开(&O)...\tCtrl+O", ID_FILE_OPEN, 0},
    {"保存(&S)\tCtrl+S", ID_FILE_SAVE, 0},
    {"另存为(&A)...", ID_FILE_SAVE_AS, 0},
    kMenuSeparator,
    // Placeholder of the recent-file list: greyed while the list is empty.
    {"最近文件", ID_FILE_MRU_FILE1, MF_GRAYED},
    kMenuSeparator,
    {"退出(&X)", ID_APP_EXIT, MF_END},
};

constexpr MenuItem kColourItems[] = {
    {"红色", ID_COLOR_RED, 0},
    {"绿色", ID_COLOR_GREEN, 0},
    {"黄色", ID_COLOR_YELLOW, 0},
    {"蓝色", ID_COLOR_BLUE, MF_END},
};

constexpr MenuItem kEditItems[] = {
    {"撤消(&U)\tCtrl+Z", ID_EDIT_UNDO, 0},
    kMenuSeparator,
    {"剪切(&T)\tCtrl+X", ID_EDIT_CUT, 0},
    {"复制(&C)\tCtrl+C", ID_EDIT_COPY, 0},
    {"粘贴(&P)\tCtrl+V", ID_EDIT_PASTE, MF_END},
};

constexpr MenuItem kHelpItems[] = {
    {"关于", ID_APP_ABOUT, MF_END},
};

constexpr MenuPopup kMainFramePopups[] = {
    {"文件(&F)", 0, kFileItems},
    {"颜色", 0, kColourItems},
    {"编辑(&E)", 0, kEditItems},
    {"帮助(&H)", MF_END, kHelpItems},
};

}  // namespace

const MenuResource kMainFrameMenu{IDR_MAINFRAME, kMainFramePopups};

const MenuResource* FindMenuResource(unsigned id) {
  return id == kMainFrameMenu.id ? &kMainFrameMenu : nullptr;
}
