#pragma once

#include <Qt>

// The main frame's thirteen shortcut keys, written out independently of the table that
// the program uses, in the resource's order.
struct ExpectedAccelerator {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  unsigned id;
};

inline const ExpectedAccelerator kExpectedAccelerators[] = {
    {Qt::Key_N, Qt::ControlModifier, 57600},     {Qt::Key_O, Qt::ControlModifier, 57601},
    {Qt::Key_S, Qt::ControlModifier, 57603},     {Qt::Key_Z, Qt::ControlModifier, 57643},
    {Qt::Key_X, Qt::ControlModifier, 57635},     {Qt::Key_C, Qt::ControlModifier, 57634},
    {Qt::Key_V, Qt::ControlModifier, 57637},     {Qt::Key_Backspace, Qt::AltModifier, 57643},
    {Qt::Key_Delete, Qt::ShiftModifier, 57635},  {Qt::Key_Insert, Qt::ControlModifier, 57634},
    {Qt::Key_Insert, Qt::ShiftModifier, 57637},  {Qt::Key_F6, Qt::NoModifier, 57680},
    {Qt::Key_F6, Qt::ShiftModifier, 57681},
};
