// The application object: named "Vantrel", version 1.0.0.1, and the one place where a failure that escapes
// an event handler is caught, shown, and the program goes on.
#pragma once

#include <QApplication>

namespace vantrel::app {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vantrel::app
