// The error box: critical icon, the program's name as title, the failure's message, OK.
#include "platform_qt/exception_display.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace vantrel::platform {

void ShowException(const std::exception& error, QWidget* parent) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                  QString::fromUtf8(error.what()), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vantrel::platform
