// Naming the application and catching what escapes the handlers.
#include "app/application.h"

#include <cstdio>
#include <cstdlib>

#include "platform_qt/exception_display.h"

#ifndef VANTREL_VERSION
#define VANTREL_VERSION "1.0.0.1"
#endif
#ifndef VANTREL_APP_ID
#define VANTREL_APP_ID "com.quorvin.vantrel"
#endif

namespace vantrel::app {

void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    return;
  }
  std::fprintf(stderr,
               "vantrel: there is no display to show the game on (%s).\n"
               "Start it from a desktop session, or under a virtual X server (xvfb-run).\n",
               qPrintable(message.section(u'\n', 0, 0)));
  std::_Exit(1);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Vantrel"));
  // No display name is set: Qt would append it to every window title that does not end with it, and the
  // statistics dialog's title is "Game Statistics" alone. Message boxes take the application's name instead.
  setOrganizationName(QStringLiteral("Quorvin Software"));
  setApplicationVersion(QStringLiteral(VANTREL_VERSION));
  // The desktop matches the window to its menu entry (and that entry's icon) by this name.
  setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
  // The icon is set once the table is on screen (platform::SetWindowIcon), or before any box that comes
  // sooner.
}

bool Application::notify(QObject* receiver, QEvent* event) {
  // The window runs its handlers through MainWindow::Handle, which shows their failures itself; this is the
  // last resort for anything else, so that no failure ends the program.
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    platform::ShowException(error, activeWindow());
    return false;
  }
}

}  // namespace vantrel::app
