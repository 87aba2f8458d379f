// Naming the application and catching what escapes the handlers.
#include "app/application.h"

#include <QIcon>

#include "platform/exception_display.h"
#include "platform/resources.h"

#ifndef VANTREL_VERSION
#define VANTREL_VERSION "1.0.0.1"
#endif
#ifndef VANTREL_APP_ID
#define VANTREL_APP_ID "com.quorvin.vantrel"
#endif

namespace vantrel::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Vantrel"));
  setApplicationDisplayName(QStringLiteral("Vantrel"));  // the title of the task-bar entry and of message boxes
  setOrganizationName(QStringLiteral("Quorvin Software"));
  setApplicationVersion(QStringLiteral(VANTREL_VERSION));
  // The desktop matches the window to its menu entry (and that entry's icon) by this name.
  setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
  platform::InitResources();
  setWindowIcon(QIcon(QStringLiteral(":/icons/vantrel.png")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  // The window runs its handlers through TCardTable::Handle, which shows their failures itself; this is the
  // last resort for anything else, so that no failure ends the program.
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    platform::ShowException(error, activeWindow());
    return false;
  }
}

}  // namespace vantrel::app
