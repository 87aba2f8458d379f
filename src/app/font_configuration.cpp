// Reading fontconfig's configuration on a worker. fontconfig keeps one configuration for the process, made
// once and safely whichever thread asks first; Qt's font database then finds it made.
#include "app/font_configuration.h"

#include <future>

#ifdef VANTREL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace vantrel::app {
namespace {

std::future<void>& Reading() {
  static std::future<void> reading;
  return reading;
}

}  // namespace

void ReadFontConfigurationAhead() {
#ifdef VANTREL_HAVE_FONTCONFIG
  Reading() = std::async(std::launch::async, [] { FcInit(); });
#endif
}

void AwaitFontConfiguration() {
  if (Reading().valid()) Reading().get();
}

}  // namespace vantrel::app
