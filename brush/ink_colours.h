#pragma once

// The two ink tables. They are separate on purpose: key 1 stores (0, 1, 1), which shows
// red on paper, while the command labelled red stores (1, 0, 0), which shows cyan.
// A stored value v shows on paper as paper * (1 - v).

struct InkCommandColour {
  unsigned commandId;
  float red, green, blue;
};

struct InkKeyColour {
  unsigned keyCode;  // main-keyboard digit codes equal their characters
  float red, green, blue;
};

// The colour menu's command ids.
inline constexpr unsigned kInkCommandRed = 32771;     // 红色
inline constexpr unsigned kInkCommandGreen = 32772;   // 绿色
inline constexpr unsigned kInkCommandYellow = 32773;  // 黄色
inline constexpr unsigned kInkCommandBlue = 32774;    // 蓝色

inline constexpr InkCommandColour kInkCommandColours[] = {
    {kInkCommandRed, 1.0f, 0.0f, 0.0f},
    {kInkCommandGreen, 0.0f, 1.0f, 0.0f},
    {kInkCommandYellow, 1.0f, 1.0f, 0.0f},
    {kInkCommandBlue, 0.0f, 0.0f, 1.0f},
};

inline constexpr InkKeyColour kInkKeyColours[] = {
    {0x31, 0.0f, 1.0f, 1.0f},  // shows red
    {0x32, 1.0f, 0.0f, 1.0f},  // green
    {0x33, 1.0f, 1.0f, 0.0f},  // blue
    {0x34, 0.0f, 0.0f, 1.0f},  // yellow
    {0x35, 1.0f, 0.0f, 0.0f},  // cyan
    {0x36, 0.0f, 1.0f, 0.0f},  // magenta
    {0x37, 0.2f, 0.2f, 0.2f},  // light grey, the starting ink
    {0x38, 1.0f, 1.0f, 1.0f},  // black
};
