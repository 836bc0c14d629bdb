#pragma once

#include <functional>
#include <unordered_map>

// The base of everything that takes commands: a table from command id to handler, and
// an optional update handler that says whether the command is enabled right now.
// A command with no handler on the route is disabled; see CFrameWnd::RouteCommand.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Runs the handler for `id` if this target's table has one; returns whether it did.
  virtual bool OnCmdMsg(unsigned id);
  // Whether this target's table has an entry for `id` (handler or update handler).
  bool HasCommandHandler(unsigned id) const;
  // For a command this target handles: its update handler's answer, else true.
  bool IsCommandEnabledHere(unsigned id) const;

 protected:
  // Message-table entries, registered by each class's constructor in table order. A
  // derived class's entry for the same id replaces the base's, as a derived table is
  // searched before the one it chains to.
  template <class T>
  void OnCommand(unsigned id, void (T::*handler)()) {
    T* self = static_cast<T*>(this);
    commands_[id] = [self, handler] { (self->*handler)(); };
  }
  template <class T>
  void OnCommandRange(unsigned firstId, unsigned lastId, void (T::*handler)(unsigned)) {
    T* self = static_cast<T*>(this);
    for (unsigned id = firstId; id <= lastId; ++id) {
      commands_[id] = [self, handler, id] { (self->*handler)(id); };
    }
  }
  template <class T>
  void OnUpdateCommandRange(unsigned firstId, unsigned lastId,
                            bool (T::*isEnabled)(unsigned) const) {
    const T* self = static_cast<const T*>(this);
    for (unsigned id = firstId; id <= lastId; ++id) {
      updates_[id] = [self, isEnabled, id] { return (self->*isEnabled)(id); };
    }
  }
  template <class T>
  void OnUpdateCommand(unsigned id, bool (T::*isEnabled)() const) {
    const T* self = static_cast<const T*>(this);
    updates_[id] = [self, isEnabled] { return (self->*isEnabled)(); };
  }

 private:
  std::unordered_map<unsigned, std::function<void()>> commands_;
  std::unordered_map<unsigned, std::function<bool()>> updates_;
};
