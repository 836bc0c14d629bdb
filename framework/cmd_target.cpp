#include "framework/cmd_target.h"

bool CCmdTarget::OnCmdMsg(unsigned id) {
  auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  it->second();
  return true;
}

bool CCmdTarget::HasCommandHandler(unsigned id) const {
  return commands_.count(id) != 0 || updates_.count(id) != 0;
}

bool CCmdTarget::IsCommandEnabledHere(unsigned id) const {
  auto it = updates_.find(id);
  return it == updates_.end() ? commands_.count(id) != 0 : it->second();
}
