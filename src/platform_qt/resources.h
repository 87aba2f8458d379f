// The program's built-in resources (cursors, icon), compiled into a static library and registered on demand.
#pragma once

namespace vantrel::platform {

// Registers the resources with Qt; safe to call any number of times.
void InitResources();

}  // namespace vantrel::platform
