// vantrel-cardgen: draws the game's card pictures into a CARDS folder (and, on request, a preview sheet
// and the program icon).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "card_art.h"
#include "icon_file.h"
#include "table/card.h"
#include "table/card_names.h"

namespace vantrel::cardgen {
namespace {

constexpr const char* kUsage =
    "usage: vantrel-cardgen CARDS_FOLDER           writes the 52 faces, BACK.BMP and OUTLINE.BMP\n"
    "       vantrel-cardgen --sheet FILE.png       all pictures side by side on the table's green\n"
    "       vantrel-cardgen --icon FILE.png FILE.ico  the program icon\n";

QImage Picture(int index) {
  if (index == kBackPicture) return DrawBack();
  return DrawFace(index / 13 + 1, index % 13 + 1);
}

// The file name without the folder: "7H.BMP".
QString BaseName(const std::string& relative) { return QFileInfo(QString::fromStdString(relative)).fileName(); }

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (image.save(path, "BMP")) return true;
  std::fprintf(stderr, "vantrel-cardgen: cannot write %s\n", qPrintable(path));
  return false;
}

int WriteCards(const QString& folder_path) {
  QDir folder(folder_path);
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "vantrel-cardgen: cannot create the folder %s\n", qPrintable(folder_path));
    return 1;
  }
  for (int i = 0; i <= kBackPicture; ++i) {
    if (!Save(Picture(i), folder, BaseName(CardFileName(i)))) return 1;
  }
  return Save(DrawOutline(), folder, BaseName(OutlineFileName())) ? 0 : 1;
}

int WriteSheet(const QString& path) {
  constexpr int kGap = 6;
  QImage sheet(14 * (kWidth + kGap) + kGap, 4 * (kHeight + kGap) + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(0, 128, 0));
  QPainter painter(&sheet);
  auto place = [&](const QImage& picture, int column, int row) {
    QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixelColor(x, y) == kTransparent) shown.setPixel(x, y, qRgba(0, 0, 0, 0));
      }
    }
    painter.drawImage(kGap + column * (kWidth + kGap), kGap + row * (kHeight + kGap), shown);
  };
  for (int i = 0; i < 52; ++i) place(Picture(i), i % 13, i / 13);
  place(DrawBack(), 13, 0);
  place(DrawOutline(), 13, 1);
  painter.end();
  return sheet.save(path) ? 0 : 1;
}

int WriteIcon(const QString& png, const QString& ico) {
  const QImage icon = DrawIcon();
  const bool ok = QuantiseTo16(icon).save(png) && WriteIcon16(icon, ico);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace vantrel::cardgen

int main(int argc, char* argv[]) {
  // Text needs a GUI application; no window is ever shown, so no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  using namespace vantrel::cardgen;
  if (args.size() == 1 && !args[0].startsWith(QLatin1String("--"))) return WriteCards(args[0]);
  if (args.size() == 2 && args[0] == QLatin1String("--sheet")) return WriteSheet(args[1]);
  if (args.size() == 3 && args[0] == QLatin1String("--icon")) return WriteIcon(args[1], args[2]);
  std::fputs(kUsage, stderr);
  return 2;
}
