#pragma once

// The fixed notice written over the top-left corner of every frame: seven lines at
// x = 0, y = 0, 30, ... 180. The first line is 45 blanks; it only paints the text
// cell's white background there.
struct NoticeLine {
  int y;
  const char* text;  // UTF-8
};

inline constexpr NoticeLine kNoticeLines[] = {
    {0, "                                             "},
    {30, "按住鼠标左键在画布上拖动即可书写：慢写笔粗，快写笔细。"},
    {60, "松开鼠标后，笔画会自然收锋。"},
    {90, "数字键 1-8 换墨：1红 2绿 3蓝 4黄 5青 6品红 7浅灰 8黑。"},
    {120, "“颜色”菜单也可换墨，纸上显示的是所选颜色的补色。"},
    {150, "画布只保留最近的一万个墨点，更早的墨迹会被新笔画覆盖。"},
    {180, "更多说明请阅读程序目录中的 README.md。"},
};
