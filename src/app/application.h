// The application object: named "Vantrel", version 1.0.0.1, and the one place where a failure that escapes
// an event handler is caught, shown, and the program goes on.
#pragma once

#include <QApplication>

namespace vantrel::app {

// Stands in for Qt's message handler while the application object connects to the display: a fatal message
// (no display, no usable platform plugin) is written to standard error with what to do, and the process ends
// with exit code 1 rather than aborting.
void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vantrel::app
