// The error box: critical icon, the program's name as title, the failure's message, OK.
#include "platform_qt/exception_display.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "platform_qt/resources.h"

namespace vantrel::platform {

void ShowException(const std::exception& error, QWidget* parent) {
  SetWindowIcon();  // no box shows without the game's icon, however early
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                  QString::fromUtf8(error.what()), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vantrel::platform
