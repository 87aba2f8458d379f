// Reading the card pictures: every way a file can be unusable stops the start with a message that names the
// file and its folder, the installed game's folder included; a player's own bitmaps of the right size are
// taken; the sharper art is read only from ordinary files of a picture's size.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "app/picture_folder.h"
#include "pictures/bitmap_decoder.h"
#include "pictures/packed_picture.h"
#include "platform/error.h"
#include "platform_qt/resources.h"
#include "store_support.h"
#include "ui_support.h"
#include "view/card_pictures.h"

namespace vantrel::uitest {
namespace {

// A working folder with a copy of the game's CARDS.
struct Folder {
  Folder() {
    EXPECT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir(QStringLiteral("CARDS"));
    const QDir cards(GameDir().filePath(QStringLiteral("CARDS")));
    for (const QString& name : cards.entryList(QDir::Files)) {
      EXPECT_TRUE(QFile::copy(cards.filePath(name), Cards().filePath(name)));
    }
  }
  QDir Cards() const { return QDir(QDir(dir.path()).filePath(QStringLiteral("CARDS"))); }
  QString File(const QString& name) const { return Cards().filePath(name); }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile file(File(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  QByteArray Read(const QString& name) const {
    QFile file(File(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
  // Starts the window in this folder; returns the failure's message, or "" when it started.
  std::string Start() const {
    platform::ScriptedHost host;
    try {
      app::MainWindow window(&host, QDir(dir.path()));
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }
  QTemporaryDir dir;
};

// What a start that stopped must name: the file, and why it cannot be read.
struct Unreadable {
  const char* file;
  const char* reason;
};

void ExpectNamesFileAndFolder(const std::string& message, const Folder& f, Unreadable unreadable) {
  SCOPED_TRACE(message);
  EXPECT_NE(message.find(std::string("\"") + unreadable.file + "\""), std::string::npos);
  EXPECT_NE(message.find(QDir::toNativeSeparators(f.Cards().absolutePath()).toStdString()),
            std::string::npos);
  EXPECT_NE(message.find(unreadable.reason), std::string::npos);
}

TEST(Pictures, TheGamesOwnPicturesAreRead) {
  Folder f;
  EXPECT_EQ(f.Start(), "");
  EXPECT_EQ(MainWindowAlive(), nullptr);
}

TEST(Pictures, UnusableFilesStopTheStartNamingTheFileAndItsFolder) {
  struct Case {
    const char* name;
    const char* file;
    std::function<void(const Folder&)> damage;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"missing", "7H.BMP", [](const Folder& f) { QFile::remove(f.File("7H.BMP")); }, "the file is missing"},
      {"empty", "AS.BMP", [](const Folder& f) { f.Write("AS.BMP", {}); }, "the file is empty"},
      {"cut short", "KD.BMP", [](const Folder& f) { f.Write("KD.BMP", f.Read("KD.BMP").left(3000)); },
       "the file is cut short"},
      {"text", "7H.BMP", [](const Folder& f) { f.Write("7H.BMP", "this is not a picture\n"); },
       "not a Windows bitmap"},
      {"wrong size", "10C.BMP",
       [](const Folder& f) {
         QImage big(80, 100, QImage::Format_RGB32);
         big.fill(Qt::white);
         ASSERT_TRUE(big.save(f.File("10C.BMP"), "BMP"));
       },
       "80 x 100 pixels"},
      {"png in disguise", "2S.BMP",
       [](const Folder& f) {
         QImage png(71, 96, QImage::Format_RGB32);
         png.fill(Qt::white);
         ASSERT_TRUE(png.save(f.File("2S.BMP"), "PNG"));
       },
       "not a Windows bitmap"},
      // Nothing that could block the start or fill the memory is read.
      {"a pipe", "AS.BMP",
       [](const Folder& f) {
         QFile::remove(f.File("AS.BMP"));
         ASSERT_EQ(::mkfifo(QFile::encodeName(f.File("AS.BMP")).constData(), 0600), 0);
       },
       "not an ordinary file"},
      {"a device", "KH.BMP",
       [](const Folder& f) {
         QFile::remove(f.File("KH.BMP"));
         ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), f.File("KH.BMP")));
       },
       "not an ordinary file"},
      {"padded to 2 GB", "QS.BMP",
       [](const Folder& f) { ASSERT_TRUE(QFile::resize(f.File("QS.BMP"), qint64{1} << 31)); },
       "longer than a picture of 71 x 96 pixels can be"},
      {"back", "BACK.BMP", [](const Folder& f) { QFile::remove(f.File("BACK.BMP")); }, "the file is missing"},
      {"outline", "OUTLINE.BMP", [](const Folder& f) { f.Write("OUTLINE.BMP", "BM"); },
       "not a Windows bitmap"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Folder f;
    c.damage(f);
    ExpectNamesFileAndFolder(f.Start(), f, {.file = c.file, .reason = c.reason});
    EXPECT_EQ(MainWindowAlive(), nullptr);
  }
}

TEST(Pictures, ReadingAheadChangesNeitherThePicturesNorTheFailure) {
  Folder good;
  PrefetchCardPictures(QDir(good.dir.path()));
  const CardPictures ahead(QDir(good.dir.path()));
  const CardPictures now(QDir(good.dir.path()));
  for (int i = 0; i <= kBackPicture; ++i) EXPECT_EQ(ahead.Picture(i), now.Picture(i)) << i;
  EXPECT_EQ(ahead.Outline(), now.Outline());

  Folder damaged;
  damaged.Write("9C.BMP", damaged.Read("9C.BMP").left(100));
  QFile::remove(damaged.File("JD.BMP"));
  PrefetchCardPictures(QDir(damaged.dir.path()));
  // The first unreadable picture in the reading order is the one named, as without reading ahead.
  ExpectNamesFileAndFolder(damaged.Start(), damaged, {.file = "9C.BMP", .reason = "the file is cut short"});
}

TEST(Pictures, AMissingFolderNamesTheFirstPicture) {
  Folder f;
  ASSERT_TRUE(f.Cards().removeRecursively());
  ExpectNamesFileAndFolder(f.Start(), f, {.file = "AS.BMP", .reason = "the file is missing"});
}

TEST(Pictures, AnInstalledDataFolderThatCannotBeReadIsNamedWithTheReason) {
  // An installed game started where there is no CARDS: its program in GAMES, its pictures in the data
  // folder beside, which may not be looked into (checked as an ordinary user: root may look anywhere).
  Folder installed;
  const QString program = installed.dir.path() + QStringLiteral("/prefix/games");
  const QDir data(QDir::cleanPath(program + QStringLiteral("/" VANTREL_DATA_FROM_PROGRAM)));
  ASSERT_TRUE(QDir().mkpath(program));
  ASSERT_TRUE(QDir().mkpath(data.absolutePath()));
  ASSERT_TRUE(QDir().rename(installed.Cards().absolutePath(), data.filePath(QStringLiteral("CARDS"))));
  QTemporaryDir elsewhere;
  for (const QString& closed : {data.absolutePath(), data.filePath(QStringLiteral("CARDS"))}) {
    SCOPED_TRACE(closed.toStdString());
    ASSERT_EQ(::chmod(QFile::encodeName(installed.dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(closed).constData(), 0), 0);
    std::string error;
    {
      testing::AsOrdinaryUser user;
      const QDir folder = app::PictureFolder(QDir(elsewhere.path()), program);
      EXPECT_EQ(folder.absolutePath(), data.absolutePath());
      try {
        const CardPictures pictures(folder);
      } catch (const Error& e) {
        error = e.what();
      }
    }
    ASSERT_EQ(::chmod(QFile::encodeName(closed).constData(), 0755), 0);
    EXPECT_NE(error.find(QDir::toNativeSeparators(data.filePath(QStringLiteral("CARDS"))).toStdString()),
              std::string::npos)
        << error;
    EXPECT_NE(error.find("cannot be reached (Permission denied)"), std::string::npos) << error;
  }
}

TEST(Pictures, APlayersOwnBitmapsOfTheRightSizeAreTaken) {
  Folder f;
  QImage art(71, 96, QImage::Format_Indexed8);
  art.setColorCount(2);
  art.setColor(0, qRgb(128, 64, 128));
  art.setColor(1, qRgb(10, 200, 30));
  art.fill(1);
  art.setPixel(0, 0, 0);
  ASSERT_TRUE(art.save(f.File("QH.BMP"), "BMP"));
  EXPECT_EQ(f.Start(), "");
  // The transparent colour is cut out whatever depth the file has.
  const CardPictures pictures(QDir(f.dir.path()));
  const QImage queen = pictures.Picture(FacePicture(4, 12));
  EXPECT_EQ(qAlpha(queen.pixel(0, 0)), 0);
  EXPECT_EQ(queen.pixelColor(1, 0), QColor(10, 200, 30));
}

TEST(Pictures, SharperArtIsTakenOnlyForTheBitmapItWasDrawnFrom) {
  Folder f;
  for (const char* scale_name : {"1.25x", "2x"}) {
    const QString scale = QString::fromLatin1(scale_name);
    const QDir shipped(GameDir().filePath(QStringLiteral("CARDS/") + scale));
    ASSERT_TRUE(f.Cards().mkdir(scale));
    for (const QString& name : shipped.entryList(QDir::Files)) {
      ASSERT_TRUE(QFile::copy(shipped.filePath(name), f.File(scale + QLatin1Char('/') + name)));
    }
  }
  // The player's own seven of hearts (another card's bitmap), and the king of spades' 2x picture cut short;
  // a pipe that would block the reading for ever, and a picture padded far beyond what one can be.
  f.Write("7H.BMP", f.Read("8H.BMP"));
  f.Write("2x/KS.png", f.Read("2x/KS.png").left(400));
  ASSERT_TRUE(QFile::remove(f.File("2x/2S.png")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(f.File("2x/2S.png")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::resize(f.File("2x/3S.png"), qint64{1} << 30));
  const CardPictures pictures(QDir(f.dir.path()));
  const int ace = FacePicture(1, 1);
  const int seven = FacePicture(4, 7);
  const int king = FacePicture(1, 13);

  // At scale 1 nothing but the bitmaps.
  const QImage ace_bitmap = pictures.Picture(ace);
  EXPECT_EQ(ace_bitmap.size(), QSize(71, 96));
  EXPECT_EQ(pictures.Picture(ace, PixelRatio{1}), ace_bitmap);
  // At 2 the shipped art, pixel for pixel; the player's bitmap and the one with a damaged picture stay.
  const QImage sharp = pictures.Picture(ace, PixelRatio{2});
  EXPECT_EQ(sharp.devicePixelRatio(), 2);
  EXPECT_EQ(sharp, QImage(f.File("2x/AS.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  EXPECT_EQ(pictures.Picture(seven, PixelRatio{2}), pictures.Picture(seven));
  EXPECT_EQ(pictures.Picture(king, PixelRatio{2}), pictures.Picture(king));
  for (const int passed_over : {FacePicture(1, 2), FacePicture(1, 3)}) {
    EXPECT_EQ(pictures.Picture(passed_over, PixelRatio{2}), pictures.Picture(passed_over));
  }
  EXPECT_EQ(pictures.Outline(PixelRatio{2}).devicePixelRatio(), 2);
  // A screen between two scales gets the next larger art; a fractional one its own.
  EXPECT_EQ(pictures.Picture(ace, PixelRatio{1.75}), sharp);
  EXPECT_EQ(pictures.Picture(ace, PixelRatio{1.25}).size(), QSize(89, 120));
  // Without art for a scale, the bitmap.
  EXPECT_EQ(pictures.Picture(ace, PixelRatio{3}), ace_bitmap);
}

// Packed and unpacked, a picture comes back pixel for pixel, its cut-out colour fully transparent and the
// pixels beside its rows untouched: every picture the game ships, then the edges of the packing.
TEST(PackedPictures, EveryPictureComesBackPixelForPixelFromAnEighthOfTheMemory) {
  constexpr std::uint32_t kBeside = 0x12345678;
  constexpr std::uint32_t kCut = 0xff804080;
  const auto expect_round_trip = [&](const std::vector<std::uint32_t>& pixels, int width) -> std::size_t {
    const PackedPicture packed(pixels, width);
    const int height = static_cast<int>(pixels.size()) / width;
    EXPECT_EQ(packed.height(), height);
    const int stride = width + 3;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(stride) * height, kBeside);
    packed.Unpack({out.data(), stride}, kCut);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < stride; ++x) {
        const std::uint32_t pixel = x < width ? pixels[y * width + x] : kBeside;
        wrong += out[y * stride + x] != (pixel == kCut ? 0 : pixel);
      }
    }
    EXPECT_EQ(wrong, 0);
    return packed.bytes();
  };
  const QDir cards(GameDir().filePath(QStringLiteral("CARDS")));
  const QStringList files = cards.entryList({QStringLiteral("*.BMP")}, QDir::Files);
  ASSERT_EQ(files.size(), kBackPicture + 2);
  std::size_t packed = 0;
  std::size_t pixels = 0;
  bool cut = false;
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    QFile bitmap(cards.filePath(file));
    ASSERT_TRUE(bitmap.open(QIODevice::ReadOnly));
    const QByteArray bytes = bitmap.readAll();
    const DecodedBitmap decoded =
        DecodeCardBitmap(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()));
    ASSERT_EQ(decoded.refusal, "");
    cut = cut || std::find(decoded.pixels.begin(), decoded.pixels.end(), kCut) != decoded.pixels.end();
    packed += expect_round_trip(decoded.pixels, kCardWidth);
    pixels += decoded.pixels.size() * sizeof(std::uint32_t);
  }
  EXPECT_TRUE(cut);
  EXPECT_LT(packed * 8, pixels);

  const std::uint32_t a = 0xff000000;
  const std::uint32_t b = 0xffffffff;
  const std::vector<std::uint32_t> long_row(600, b);
  std::vector<std::uint32_t> each_its_own(15);
  for (std::size_t i = 0; i < each_its_own.size(); ++i) each_its_own[i] = 0xff000000 | (i * 0x010203);
  std::vector<std::uint32_t> striped(600);
  for (std::size_t i = 0; i < striped.size(); ++i) striped[i] = i % 2 ? a : b;
  // A run the same as the row above takes a byte, a run of one colour four.
  const struct {
    const char* name;
    int width;
    std::vector<std::uint32_t> pixels;
    int bytes;
  } edges[] = {
      {"no rows", 4, {}, 0},
      {"one pixel", 1, {a}, 4},
      {"a row longer than the longest run", 600, long_row, 5 * 4},
      {"every pixel its own colour", 5, each_its_own, 15 * 4},
      {"runs end with their row", 3, {a, a, a, a, b, b}, 4 + 1 + 4},
      {"the longer run is taken", 3, {a, b, b, a, b, a}, 2 * 4 + 1 + 4},
      {"a row as the one above, longer than the longest run", 300, striped, 300 * 4 + 3},
      {"the cut-out colour", 3, {kCut, kCut, a, kCut, kCut, kCut}, 2 * 4 + 4},
  };
  for (const auto& edge : edges) {
    SCOPED_TRACE(edge.name);
    EXPECT_EQ(expect_round_trip(edge.pixels, edge.width), static_cast<std::size_t>(edge.bytes));
  }
}

TEST(CursorPictures, TheProgramReadsItsCursorsBitForBitAsQtsOwnReaderDoes) {
  for (const char* name : {"handpointer", "handpointer_mask", "handgrab", "handgrab_mask"}) {
    SCOPED_TRACE(name);
    const QString path = QStringLiteral(":/cursors/%1.xbm").arg(QLatin1String(name));
    const QImage ours = platform::ReadXbm(path).toImage();
    EXPECT_EQ(ours.size(), QSize(32, 32));
    EXPECT_EQ(ours, QBitmap(path, "XBM").toImage());
  }
  // A picture cut short, and one that is missing, are refused.
  QTemporaryDir dir;
  const QString cut = dir.filePath(QStringLiteral("cut.xbm"));
  testing::WriteBytes(cut, "#define c_width 8\n#define c_height 2\nstatic char c_bits[] = {0x01};\n");
  EXPECT_THROW(platform::ReadXbm(cut), Error);
  EXPECT_THROW(platform::ReadXbm(dir.filePath(QStringLiteral("none.xbm"))), Error);
}

}  // namespace
}  // namespace vantrel::uitest
