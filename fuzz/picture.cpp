// Any bytes as a card picture file: the reader either gives a whole 71 x 96 picture, the same at every
// reading and opaque in every pixel, or refuses with an error that names the file and its folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/error.h"
#include "view/card_pictures.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_picture: %s %s\n", what, detail.c_str());
  std::abort();
}

// The picture's pixels as it was read (no colour cut out: no pixel of a read picture is 0).
std::vector<std::uint32_t> Pixels(const vantrel::PackedPicture& picture) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(picture.width()) *
                                    static_cast<std::size_t>(picture.height()));
  picture.Unpack({pixels.data(), picture.width()}, 0);
  return pixels;
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
    const vantrel::PackedPicture first = vantrel::ReadCardBitmap(path);
    if (first.width() != 71 || first.height() != 96) Broken("accepted a picture of another size");
    const std::vector<std::uint32_t> pixels = Pixels(first);
    for (const std::uint32_t pixel : pixels) {
      if (pixel >> 24 != 255) Broken("a pixel is not opaque");
    }
    if (Pixels(vantrel::ReadCardBitmap(path)) != pixels) Broken("two readings differ");
  } catch (const vantrel::Error& error) {
    const std::string message = error.what();
    if (message.find("\"AS.BMP\"") == std::string::npos ||
        message.find(QDir::toNativeSeparators(folder.path()).toStdString()) == std::string::npos) {
      Broken("the refusal does not name the file:", message);
    }
  }
  return 0;
}
