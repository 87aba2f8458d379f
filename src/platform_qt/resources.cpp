// Registering the resource file: a static library's resources are not registered by themselves.
#include "platform_qt/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitVantrelResources() { Q_INIT_RESOURCE(vantrel); }

namespace vantrel::platform {

void InitResources() {
  static const bool done = (InitVantrelResources(), true);
  (void)done;
}

}  // namespace vantrel::platform
