#include "app/resources/accelerator_resource.h"

#include "app/resource_ids.h"
#include "framework/command_ids.h"

namespace {

// All entries are virtual-key entries: the letter keys match regardless of Caps Lock.
constexpr Accelerator kMainFrameEntries[] = {
    {Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW},
    {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},
    {Qt::Key_S, Qt::ControlModifier, ID_FILE_SAVE},
    {Qt::Key_Z, Qt::ControlModifier, ID_EDIT_UNDO},
    {Qt::Key_X, Qt::ControlModifier, ID_EDIT_CUT},
    {Qt::Key_C, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_V, Qt::ControlModifier, ID_EDIT_PASTE},
    {Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
    {Qt::Key_Delete, Qt::ShiftModifier, ID_EDIT_CUT},
    {Qt::Key_Insert, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE},
    {Qt::Key_F6, Qt::NoModifier, ID_NEXT_PANE},
    {Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},
};

}  // namespace

const AcceleratorResource kMainFrameAccelerators{IDR_MAINFRAME, kMainFrameEntries};

const AcceleratorResource* FindAcceleratorResource(unsigned id) {
  return id == kMainFrameAccelerators.id ? &kMainFrameAccelerators : nullptr;
}
