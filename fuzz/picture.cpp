// Any bytes as a card picture file: the reader either gives a whole 71 x 96 picture, the same at every
// reading and opaque in every pixel, or refuses with an error that names the file and its folder.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/error.h"
#include "view/card_pictures.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_picture: %s %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir folder(QDir::tempPath() + "/vantrel-fuzz-picture-XXXXXX");
  static const QString path = folder.filePath(QStringLiteral("AS.BMP"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) Broken("cannot write", path.toStdString());
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  try {
    const QImage first = vantrel::ReadCardBitmap(path);
    if (first.width() != 71 || first.height() != 96) Broken("accepted a picture of another size");
    for (int y = 0; y < first.height(); ++y) {
      for (int x = 0; x < first.width(); ++x) {
        if (qAlpha(first.pixel(x, y)) != 255) Broken("a pixel is not opaque");
      }
    }
    if (vantrel::ReadCardBitmap(path) != first) Broken("two readings differ");
  } catch (const vantrel::Error& error) {
    const std::string message = error.what();
    if (message.find("\"AS.BMP\"") == std::string::npos ||
        message.find(QDir::toNativeSeparators(folder.path()).toStdString()) == std::string::npos) {
      Broken("the refusal does not name the file:", message);
    }
  }
  return 0;
}
