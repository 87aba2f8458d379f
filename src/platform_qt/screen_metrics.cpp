// The whole primary screen, task bar included.
#include "platform_qt/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace vantrel::platform {
namespace {

std::optional<QSize>& TestSize() {
  static std::optional<QSize> size;
  return size;
}

}  // namespace

QSize PrimaryScreenSize() {
  if (TestSize()) return *TestSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(0, 0);
}

void SetPrimaryScreenSizeForTesting(std::optional<QSize> size) { TestSize() = size; }

}  // namespace vantrel::platform
