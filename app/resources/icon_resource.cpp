#include "app/resources/icon_resource.h"

#include "framework/resources.h"

// Q_INIT_RESOURCE declares a function at namespace scope, so it may not be called
// from inside a namespace.
static void RegisterVellResources() { Q_INIT_RESOURCE(vell); }

void EnsureAppResources() {
  static const bool registered = (RegisterVellResources(), true);
  (void)registered;
}

QIcon LoadAppIcon(unsigned iconId) {
  EnsureAppResources();
  return LoadIconResource(iconId);
}
