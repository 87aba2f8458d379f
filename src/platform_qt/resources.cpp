// Registering the resource file: a static library's resources are not registered by themselves.
#include "platform_qt/resources.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QtGlobal>
#include <cctype>
#include <cstring>
#include <vector>

#include "platform/error.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitVantrelResources() { Q_INIT_RESOURCE(vantrel); }

namespace vantrel::platform {

void InitResources() {
  static const bool done = (InitVantrelResources(), true);
  (void)done;
}

void SetWindowIcon() {
  if (!QGuiApplication::windowIcon().isNull()) return;
  InitResources();
  QGuiApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/vantrel.png"))));
}

QBitmap ReadXbm(const QString& path) {
  InitResources();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw Error("The cursor picture " + path.toStdString() + " is missing from the program.");
  const QByteArray text = file.readAll();
  // The number after "_width" or "_height" (in "#define NAME_width 32"); 0 when there is none.
  const auto define = [&text](const char* what) {
    const qsizetype at = text.indexOf(what);
    if (at < 0) return 0;
    int value = 0;
    for (qsizetype i = at + static_cast<qsizetype>(std::strlen(what)); i < text.size() && value < 4096; ++i) {
      if (text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
      } else if (value > 0 || text[i] == '\n') {
        break;
      }
    }
    return value;
  };
  const int width = define("_width");
  const int height = define("_height");
  std::vector<uchar> bits;
  for (qsizetype at = text.indexOf('{'); at >= 0 && (at = text.indexOf("0x", at)) >= 0;) {
    at += 2;
    int value = 0;
    int digits = 0;
    for (; at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at])) != 0; ++at, ++digits) {
      const char digit = text[at];
      value = value * 16 + (digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10);
    }
    if (digits == 0 || digits > 2)
      throw Error("The cursor picture " + path.toStdString() + " in the program is damaged.");
    bits.push_back(static_cast<uchar>(value));
  }
  if (width <= 0 || height <= 0 ||
      bits.size() != static_cast<std::size_t>((width + 7) / 8) * static_cast<std::size_t>(height))
    throw Error("The cursor picture " + path.toStdString() + " in the program is damaged.");
  return QBitmap::fromData(QSize(width, height), bits.data(), QImage::Format_MonoLSB);
}

}  // namespace vantrel::platform
