// Reading fontconfig's configuration. fontconfig keeps one configuration for the process, made once and
// safely whichever thread asks first; Qt's font database then finds it made.
#include "app/font_configuration.h"

#ifdef VANTREL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace vantrel::app {

void ReadFontConfiguration() {
#ifdef VANTREL_HAVE_FONTCONFIG
  FcInit();
#endif
}

}  // namespace vantrel::app
