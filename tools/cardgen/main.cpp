// vantrel-cardgen: draws the game's card pictures into a CARDS folder (and, on request, a preview sheet
// and the program icon).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "card_art.h"
#include "icon_file.h"
#include "table/card.h"
#include "table/card_names.h"
#include "view/picture_scales.h"

namespace vantrel::cardgen {
namespace {

constexpr const char* kUsage =
    "usage: vantrel-cardgen CARDS_FOLDER           writes the 52 faces, BACK.BMP and OUTLINE.BMP, and the\n"
    "                                              same art for sharper screens in CARDS_FOLDER/2x ...\n"
    "       vantrel-cardgen --sheet FILE.png       all pictures side by side on the table's green\n"
    "       vantrel-cardgen --icon FILE.png FILE.ico  the program icon\n"
    "       vantrel-cardgen --icons ICON.svg NAME FOLDER  the desktop's icons drawn from ICON.svg: PNGs\n"
    "                                              in FOLDER/hicolor/SIZExSIZE/apps/NAME.png, NAME.ico\n";

// Picture indices 0..52, and the outline after them.
constexpr int kOutlineIndex = kBackPicture + 1;

QImage Picture(int index, double scale = 1) {
  if (index == kOutlineIndex) return DrawOutline(scale);
  if (index == kBackPicture) return DrawBack(scale);
  return DrawFace({.suit = index / 13 + 1, .number = index % 13 + 1}, scale);
}

// The file name without the folder: "7H.BMP".
QString BaseName(const std::string& relative) {
  return QFileInfo(QString::fromStdString(relative)).fileName();
}

bool Save(const QImage& image, const QDir& folder, const QString& name, const char* format) {
  const QString path = folder.filePath(name);
  if (image.save(path, format)) return true;
  std::fprintf(stderr, "vantrel-cardgen: cannot write %s\n", qPrintable(path));
  return false;
}

bool MakeFolder(const QDir& folder) {
  if (folder.mkpath(QStringLiteral("."))) return true;
  std::fprintf(stderr, "vantrel-cardgen: cannot create the folder %s\n", qPrintable(folder.path()));
  return false;
}

// The 54 bitmaps, and each picture again at every scale of kPictureScales as a PNG in the scale's folder,
// carrying the fingerprint of the bitmap drawn beside it: the game takes it only for that very bitmap.
int WriteCards(const QString& folder_path) {
  const QDir folder(folder_path);
  if (!MakeFolder(folder)) return 1;
  for (double scale : kPictureScales) {
    if (!MakeFolder(QDir(folder.filePath(ScaleFolderName(scale))))) return 1;
  }
  for (int i = 0; i <= kOutlineIndex; ++i) {
    const QString name = BaseName(i == kOutlineIndex ? OutlineFileName() : CardFileName(i));
    const QImage bitmap = Picture(i);
    if (!Save(bitmap, folder, name, "BMP")) return 1;
    const QString fingerprint = PictureFingerprint(bitmap);
    for (double scale : kPictureScales) {
      QImage sharp = Picture(i, scale);
      sharp.setText(QString::fromLatin1(kDrawnFromKey), fingerprint);
      if (!Save(sharp, QDir(folder.filePath(ScaleFolderName(scale))), ScaledFileName(name), "PNG")) return 1;
    }
  }
  return 0;
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

// The sizes of the desktop's icon theme, and those of the icon file of several sizes.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kIconFileSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The icon set to write: the scalable icon it is drawn from, the name of its files and the folder they go in.
struct IconSet {
  QString svg;
  QString name;
  QString folder;
};

int WriteIconSet(const IconSet& set) {
  QSvgRenderer source(set.svg);
  if (!source.isValid()) {
    std::fprintf(stderr, "vantrel-cardgen: cannot read the icon %s\n", qPrintable(set.svg));
    return 1;
  }
  auto render = [&source](int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    source.render(&painter);
    return image;
  };
  const QDir folder(set.folder);
  for (int side : kThemeSizes) {
    const QDir apps(folder.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(side)));
    if (!MakeFolder(apps) || !Save(render(side), apps, set.name + QStringLiteral(".png"), "PNG")) return 1;
  }
  std::vector<QImage> sizes;
  for (int side : kIconFileSizes) sizes.push_back(render(side));
  return WriteIconSizes(sizes, folder.filePath(set.name + QStringLiteral(".ico"))) ? 0 : 1;
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
  if (args.size() == 4 && args[0] == QLatin1String("--icons"))
    return WriteIconSet({.svg = args[1], .name = args[2], .folder = args[3]});
  std::fputs(kUsage, stderr);
  return 2;
}
