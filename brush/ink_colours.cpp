#include "brush/ink_colours.h"

#include "brush/ink_brush.h"

void InkBrush::ApplyInkCommand(unsigned commandId) {
  for (const InkCommandColour& row : kInkCommandColours) {
    if (row.commandId == commandId) {
      SetInk(row.red, row.green, row.blue);
      return;
    }
  }
}

void InkBrush::ApplyInkKey(unsigned keyCode) {
  for (const InkKeyColour& row : kInkKeyColours) {
    if (row.keyCode == keyCode) {
      SetInk(row.red, row.green, row.blue);
      return;
    }
  }
}
